// The engine reads each control when its level or row needs it, in a fixed
// order; a window may change controls between two reads, so the order is
// observable.

#include <gtest/gtest.h>

#include "run_helpers.h"

namespace twostar {
namespace {

using Log = std::vector<std::string>;

Log readsOf(const Conditions& c, void (*evaluate)(EngineData&, ConditionInputs&, ConditionGroup), ConditionGroup g) {
  EngineData engine;
  buildCandidatePool(engine);
  PlainInputs inputs(c);
  Log log;
  inputs.traceReadsTo(&log);
  evaluate(engine, inputs, g);
  return log;
}

TEST(ReadOrder, DanRowReadsCountBoxesOnlyAfterDigits) {
  Conditions c;
  c.danGroup.rows[1].danText = "7";
  const Log log = readsOf(c, evaluateStrictLevel, ConditionGroup::DanGroup);
  const Log expected = {
      "tolerant 1.0", "keep 1.0", "repeatsOnce 1", "text 1.0",                      // empty text: no boxes
      "tolerant 1.1", "keep 1.1", "repeatsOnce 1", "text 1.1", "countBox 1.1 0", "countBox 1.1 1", "countBox 1.1 2",
      "tolerant 1.2", "keep 1.2", "repeatsOnce 1", "text 1.2",
      "tolerant 1.3", "keep 1.3", "repeatsOnce 1", "text 1.3",
      "tolerant 1.4", "keep 1.4", "repeatsOnce 1", "text 1.4",
      "tolerant 1.5", "keep 1.5", "repeatsOnce 1", "text 1.5",
  };
  EXPECT_EQ(log, expected);
}

TEST(ReadOrder, TolerantLevelReadsMaxThenMinOnlyWhenRowsTookPart) {
  Conditions c;
  Log log = readsOf(c, evaluateTolerantLevel, ConditionGroup::PositionDigits);
  EXPECT_EQ(log, (Log{"tolerant 3.0", "tolerant 3.1"}));

  c.positionDigits.units.tolerant = true;
  c.positionDigits.units.mode = KeepMode::Kill;
  log = readsOf(c, evaluateTolerantLevel, ConditionGroup::PositionDigits);
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(log[0], "tolerant 3.0");
  EXPECT_EQ(log[1], "tolerant 3.1");
  EXPECT_EQ(log[2], "keep 3.1");
  EXPECT_EQ(log[log.size() - 2], "max 3");
  EXPECT_EQ(log[log.size() - 1], "min 3");
}

TEST(ReadOrder, BoxRowsReadCaptionsOnlyOfBoxesInTheSet) {
  Conditions c;
  c.shape.oddEven.boxes = {false, true, false, false};
  const Log log = readsOf(c, evaluateStrictLevel, ConditionGroup::Shape);
  const Log oddEvenReads(log.begin() + 6, log.begin() + 13);
  EXPECT_EQ(oddEvenReads, (Log{"tolerant 4.1", "keep 4.1", "boxTicked 4.1 0", "boxTicked 4.1 1", "boxCaption 4.1 1",
                               "boxTicked 4.1 2", "boxTicked 4.1 3"}));
  EXPECT_EQ(log.back(), "text 4.6");
}

// A control changed while a run is under way affects only what is read after it.
TEST(ReadOrder, ChangeDuringRunAffectsLaterRowsOnly) {
  struct Changing : PlainInputs {
    using PlainInputs::PlainInputs;
    std::string text(RowRef row) override {
      std::string t = PlainInputs::text(row);
      if (row == RowRef{ConditionGroup::DanGroup, 0}) conditions().shape.span.text = "0";  // typed meanwhile
      return t;
    }
  };
  Conditions c;
  c.danGroup.rows[0].danText = "5";
  EngineData engine;
  Changing inputs(c);
  EXPECT_EQ(runFilter(engine, inputs).numbersText, "05 15 25 35 45 50 51 52 53 54 56 57 58 59 65 75 85 95");
}

}  // namespace
}  // namespace twostar
