#include "twostar/radix.h"

#include <cstdint>
#include <limits>

namespace twostar {

namespace {

// Full-width forms U+FF01..U+FF5E become ASCII 0x21..0x7E and the ideographic
// space U+3000 a blank; ASCII letters become upper case. Other bytes are kept.
std::string normalise(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    const auto b1 = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
    const auto b2 = i + 2 < text.size() ? static_cast<unsigned char>(text[i + 2]) : 0u;
    unsigned c = b0;
    std::size_t width = 1;
    // U+FF01..U+FF3F is EF BC 81..BF, U+FF40..U+FF5E is EF BD 80..9E, U+3000 is E3 80 80.
    if (b0 == 0xEF && b1 == 0xBC && b2 >= 0x81 && b2 <= 0xBF) {
      c = b2 - 0x81 + 0x21;
      width = 3;
    } else if (b0 == 0xEF && b1 == 0xBD && b2 >= 0x80 && b2 <= 0x9E) {
      c = b2 - 0x80 + 0x60;
      width = 3;
    } else if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) {
      c = ' ';
      width = 3;
    }
    if (c >= 'a' && c <= 'z') c = c - 'a' + 'A';
    out += static_cast<char>(c);
    i += width;
  }
  return out;
}

}  // namespace

std::string convertRadix(std::string_view text, int fromBase, int toBase) {
  if (fromBase < 2 || fromBase > 36 || toBase < 2 || toBase > 36) return {};
  std::string digits = normalise(text);
  const std::string_view alphabet = kRadixDigits.substr(0, static_cast<std::size_t>(fromBase));
  for (char c : digits) {
    if (alphabet.find(c) == std::string_view::npos) return {};
  }
  if (fromBase == toBase) return digits;

  // Exact integer arithmetic; a value that does not fit gives the empty text
  // instead of an overflowing conversion.
  constexpr std::uint64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::uint64_t value = 0;
  for (char c : digits) {
    const auto d = static_cast<std::uint64_t>(alphabet.find(c));
    if (value > (kMax - d) / static_cast<std::uint64_t>(fromBase)) return {};
    value = value * static_cast<std::uint64_t>(fromBase) + d;
  }

  std::string out;
  const auto base = static_cast<std::uint64_t>(toBase);
  while (value >= base) {
    out.insert(out.begin(), kRadixDigits[value % base]);
    value /= base;
  }
  out.insert(out.begin(), kRadixDigits[value]);
  return out;
}

}  // namespace twostar
