// convertRadix against a plain 128-bit conversion for ASCII texts; any text
// must give a well-formed answer.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "twostar/radix.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return 99;
}

// The expected result for a text of ASCII bytes only.
std::string expected(const std::string& text, int from, int to) {
  if (from < 2 || from > 36 || to < 2 || to > 36) return {};
  std::string upper;
  unsigned __int128 value = 0;
  bool tooLarge = false;
  for (char c : text) {
    const int d = digitValue(c);
    if (d >= from) return {};
    upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    value = value * static_cast<unsigned>(from) + static_cast<unsigned>(d);
    if (value > static_cast<unsigned __int128>(INT64_MAX)) tooLarge = true;
    if (tooLarge) value = static_cast<unsigned __int128>(INT64_MAX) + 1;  // stays above the limit
  }
  if (from == to) return upper;
  if (tooLarge) return {};
  std::string out;
  do {
    out.insert(out.begin(), "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[static_cast<int>(value % static_cast<unsigned>(to))]);
    value /= static_cast<unsigned>(to);
  } while (value > 0);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int from = in.ConsumeIntegralInRange(-2, 40);
  const int to = in.ConsumeIntegralInRange(-2, 40);
  const std::string text = in.ConsumeRemainingBytesAsString();
  const std::string result = twostar::convertRadix(text, from, to);

  bool ascii = true;
  for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) {
    check(result == expected(text, from, to));
  } else if (from != to) {
    // Whatever the text, a conversion gives nothing or digits of the target base.
    for (char c : result) check(digitValue(c) < to && !(c >= 'a' && c <= 'z'));
    check(result.size() <= 64);
  }
  return 0;
}
