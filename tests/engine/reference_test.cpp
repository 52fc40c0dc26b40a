// The engine against a literal second implementation, over many random panels.

#include <random>

#include <gtest/gtest.h>

#include "reference_filter.h"
#include "run_helpers.h"

namespace twostar {
namespace {

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

TEST(ReferenceFilter, EngineAgreesOnRandomPanels) {
  RandomPanel panels(20261211);
  int tookPart = 0, someSurvived = 0;
  for (int n = 0; n < 3000; ++n) {
    const Conditions c = panels.next();
    const FilterResult expected = test::ReferenceFilter(c).run();
    ASSERT_EQ(test::run(c), expected) << "panel " << n;
    tookPart += expected.countCaption != test::kNothingTookPart;
    someSurvived += !expected.numbersText.empty();
  }
  // The generator must reach the interesting cases, not only empty panels.
  EXPECT_GT(tookPart, 2500);
  EXPECT_GT(someSurvived, 300);
}

// The row contract: no entry above conditionCount, and each row adds at most 1.
TEST(ReferenceFilter, NoLevelHitExceedsConditionCount) {
  RandomPanel panels(7);
  for (int n = 0; n < 300; ++n) {
    PlainInputs inputs(panels.next());
    EngineData engine;
    buildCandidatePool(engine);
    for (ConditionGroup g : kAllGroups) {
      for (bool tolerant : {false, true}) {
        engine.levelHits.fill(0);
        engine.conditionCount = 0;
        for (int r = 0; r < rowCountOf(g); ++r) {
          if (inputs.tolerant({g, r}) != tolerant) continue;
          const LevelHits before = engine.levelHits;
          const int count = engine.conditionCount;
          applyRow(engine, inputs, {g, r});
          for (int i = 0; i < 100; ++i) {
            const int added = engine.levelHits[i] - before[i];
            ASSERT_TRUE(added == 0 || (added == 1 && engine.conditionCount == count + 1));
            ASSERT_LE(engine.levelHits[i], engine.conditionCount);
          }
          ASSERT_LE(engine.conditionCount - count, 1);
        }
      }
    }
  }
}

}  // namespace
}  // namespace twostar
