#include "twostar/candidate.h"

#include <cstdlib>

namespace twostar {

namespace {

int tensOf(std::string_view c) { return c[0] - '0'; }
int unitsOf(std::string_view c) { return c[1] - '0'; }
char digitChar(int d) { return static_cast<char>('0' + d); }

struct PatternSymbols {
  std::string_view testDigits;  // digits written with `testSymbol`
  std::string_view testSymbol;
  std::string_view otherSymbol;
  std::string_view zeroSymbol;  // base-2 digit 0 in the box captions
  std::string_view oneSymbol;   // base-2 digit 1
};

const PatternSymbols& symbolsOf(PatternKind kind) {
  static const PatternSymbols bigSmall{"01234", "小", "大", "大", "小"};
  static const PatternSymbols oddEven{"13579", "奇", "偶", "奇", "偶"};
  static const PatternSymbols primeComposite{"12357", "质", "合", "质", "合"};
  switch (kind) {
    case PatternKind::BigSmall: return bigSmall;
    case PatternKind::OddEven: return oddEven;
    case PatternKind::PrimeComposite: break;
  }
  return primeComposite;
}

}  // namespace

Candidate candidateText(int index) {
  return Candidate{digitChar(index / 10 % 10), digitChar(index % 10)};
}

char sumTailOf(std::string_view c) { return digitChar((tensOf(c) + unitsOf(c)) % 10); }
char spanOf(std::string_view c) { return digitChar(std::abs(tensOf(c) - unitsOf(c))); }
char productTailOf(std::string_view c) { return digitChar(tensOf(c) * unitsOf(c) % 10); }
std::string digitSum(std::string_view c) { return std::to_string(tensOf(c) + unitsOf(c)); }

std::string patternOf(std::string_view candidate, PatternKind kind) {
  const PatternSymbols& s = symbolsOf(kind);
  std::string pattern;
  for (char c : candidate) {
    pattern += s.testDigits.find(c) != std::string_view::npos ? s.testSymbol : s.otherSymbol;
  }
  return pattern;
}

const std::array<std::string, 4>& patternsOf(PatternKind kind) {
  auto make = [](PatternKind k) {
    const PatternSymbols& s = symbolsOf(k);
    std::array<std::string, 4> captions;
    for (int i = 0; i < 4; ++i) {
      captions[i] = std::string(i & 2 ? s.oneSymbol : s.zeroSymbol) +
                    std::string(i & 1 ? s.oneSymbol : s.zeroSymbol);
    }
    return captions;
  };
  static const std::array<std::array<std::string, 4>, 3> all = {
      make(PatternKind::BigSmall), make(PatternKind::OddEven), make(PatternKind::PrimeComposite)};
  return all[static_cast<int>(kind)];
}

}  // namespace twostar
