// The engine against a literal second implementation, over many random panels.

#include <gtest/gtest.h>

#include "random_panel.h"
#include "reference_filter.h"
#include "run_helpers.h"

namespace twostar {
namespace {

TEST(ReferenceFilter, EngineAgreesOnRandomPanels) {
  test::RandomPanel panels(20261211);
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
  test::RandomPanel panels(7);
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
