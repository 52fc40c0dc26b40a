#pragma once
// Random panel inputs that reach every kind of row, for comparison tests.

#include <random>
#include <string>

#include "twostar/conditions.h"

namespace twostar::test {

class RandomPanel {
 public:
  explicit RandomPanel(unsigned seed) : rng_(seed) {}

  Conditions next() {
    Conditions c;
    for (auto& r : c.danGroup.rows) {
      if (chance(3)) r = {digitText(), bools<3>(), mode(), chance(3)};
    }
    c.danGroup.countRepeatsOnce = chance(2);
    c.danGroup.range = range(6);
    for (auto& r : c.danSumSpanProduct.rows) {
      if (chance(3)) r = {digitText(), bools<5>(), mode(), chance(3)};
    }
    c.danSumSpanProduct.countRepeatsOnce = chance(2);
    c.danSumSpanProduct.range = range(4);
    for (PositionDigitRow* r : {&c.positionDigits.tens, &c.positionDigits.units}) {
      if (chance(3)) *r = {bools<10>(), mode(), chance(3)};
    }
    c.positionDigits.range = range(2);
    for (PatternRow* r : {&c.shape.bigSmall, &c.shape.oddEven, &c.shape.primeComposite}) {
      if (chance(3)) *r = {bools<4>(), mode(), chance(3)};
    }
    for (KillListRow* r : {&c.shape.sumTail, &c.shape.span, &c.shape.sum, &c.shape.twoDigit}) {
      if (chance(3)) *r = {listText(), chance(3)};
    }
    c.shape.range = range(7);
    return c;
  }

 private:
  bool chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(rng_) == 1; }
  int upTo(int n) { return std::uniform_int_distribution<int>(0, n)(rng_); }
  KeepMode mode() { return chance(2) ? KeepMode::Keep : KeepMode::Kill; }
  ToleranceRange range(int rows) { return {upTo(rows), upTo(rows)}; }
  template <std::size_t N>
  std::array<bool, N> bools() {
    std::array<bool, N> b{};
    for (bool& x : b) x = chance(2);
    return b;
  }
  std::string digitText() {
    static const char* separators[] = {"", " ", ",", "胆", "a", "１"};
    std::string t;
    for (int n = upTo(4); n > 0; --n) t += std::string(1, char('0' + upTo(9))) + separators[upTo(5)];
    return t;
  }
  std::string listText() {
    static const char* separators[] = {" ", ",", "/", "\n", "和"};
    std::string t;
    for (int n = upTo(12); n > 0; --n) {
      for (int len = 1 + upTo(3); len > 0; --len) t += char('0' + upTo(9));
      t += separators[upTo(4)];
    }
    return t;
  }
  std::mt19937 rng_;
};

}  // namespace twostar::test
