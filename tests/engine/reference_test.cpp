// The engine against a literal second implementation, over many random panels.

#include <gtest/gtest.h>

#include "random_panel.h"
#include "reference_filter.h"
#include "row_contract.h"
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
TEST(ReferenceFilter, RowContractHoldsOnRandomPanels) {
  test::RandomPanel panels(7);
  for (int n = 0; n < 300; ++n) ASSERT_EQ(test::rowContractBreach(panels.next()), "") << "panel " << n;
}

}  // namespace
}  // namespace twostar
