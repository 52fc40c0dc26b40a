// How rows are combined into strict and tolerant levels, and how the result is written.

#include <gtest/gtest.h>

#include "run_helpers.h"

namespace twostar {
namespace {

using test::numbers;
using test::numbersWhere;
using test::run;

bool has(int t, int u, int d) { return t == d || u == d; }

TEST(Levels, InitialPanelTakesNoPart) {
  const FilterResult r = run({});
  EXPECT_EQ(r.numbersText, "");
  EXPECT_EQ(r.countCaption, test::kNothingTookPart);
}

TEST(Levels, OneStrictRowGivesItsSurvivors) {
  Conditions c;
  c.danGroup.rows[0].danText = "5";
  const FilterResult r = run(c);
  EXPECT_EQ(r.numbersText, "05 15 25 35 45 50 51 52 53 54 55 56 57 58 59 65 75 85 95");
  EXPECT_EQ(r.countCaption, "共19注");
}

// Two dan rows "5" and "6" with the given tolerance settings.
Conditions twoRows(bool tolerant, int minMisses, int maxMisses) {
  Conditions c;
  c.danGroup.rows[0].danText = "5";
  c.danGroup.rows[1].danText = "6";
  c.danGroup.rows[0].tolerant = c.danGroup.rows[1].tolerant = tolerant;
  c.danGroup.range = {minMisses, maxMisses};
  return c;
}

TEST(Levels, StrictAndTolerantRanges) {
  const std::string both = numbers({56, 65});
  const std::string either = numbersWhere([](int t, int u) { return has(t, u, 5) || has(t, u, 6); });
  const std::string neither = numbersWhere([](int t, int u) { return !has(t, u, 5) && !has(t, u, 6); });
  const std::string exactlyOne = numbersWhere([](int t, int u) { return has(t, u, 5) != has(t, u, 6); });
  struct Case {
    bool tolerant;
    int min, max;
    std::string numbers;
    std::string caption;
  } cases[] = {
      {false, 0, 0, both, "共2注"},
      {false, 2, 1, both, "共2注"},  // the range is only read by the tolerant level
      {true, 0, 0, both, "共2注"},
      {true, 0, 1, either, "共36注"},
      {true, 1, 1, exactlyOne, test::countOf(exactlyOne)},
      {true, 2, 2, neither, test::countOf(neither)},
      {true, 0, 6, numbersWhere([](int, int) { return true; }), "共100注"},  // max above the row count
      {true, 3, 3, "", "共0注"},                                            // min above the row count still counts
      {true, 2, 1, "", test::kNothingTookPart},                             // empty range: level skipped
  };
  for (const auto& c : cases) {
    const FilterResult r = run(twoRows(c.tolerant, c.min, c.max));
    EXPECT_EQ(r.numbersText, c.numbers) << c.tolerant << " " << c.min << " " << c.max;
    EXPECT_EQ(r.countCaption, c.caption) << c.tolerant << " " << c.min << " " << c.max;
  }
}

TEST(Levels, OneTolerantRowWithUnreachableMissesCountsButPassesNone) {
  Conditions c;
  c.danGroup.rows[2].danText = "1";
  c.danGroup.rows[2].tolerant = true;
  c.danGroup.range = {3, 3};
  EXPECT_EQ(run(c), (FilterResult{"", "共0注"}));
}

TEST(Levels, RowsSplitBetweenBothLevelsMustPassBoth) {
  Conditions c = twoRows(false, 0, 0);
  c.danGroup.rows[1].tolerant = true;
  c.danGroup.range = {1, 1};  // the tolerant level keeps candidates without a 6
  const FilterResult r = run(c);
  EXPECT_EQ(r.numbersText, numbersWhere([](int t, int u) { return has(t, u, 5) && !has(t, u, 6); }));
}

TEST(Levels, EveryGroupMustBePassed) {
  Conditions c;
  c.danGroup.rows[0].danText = "5";
  c.positionDigits.tens.digitBoxes = test::digits({5});
  c.shape.span.text = "0";
  EXPECT_EQ(run(c).numbersText, numbersWhere([](int t, int u) { return t == 5 && u != 5; }));
}

TEST(Levels, EverySurvivorWrittenAscendingWithSingleBlanks) {
  Conditions c;
  c.positionDigits.tens.mode = KeepMode::Kill;  // kill with nothing ticked: every candidate meets it
  const FilterResult r = run(c);
  std::string all;
  for (int i = 0; i < 100; ++i) all += (i ? " " : "") + candidateText(i);
  EXPECT_EQ(r.numbersText, all);
  EXPECT_EQ(r.countCaption, "共100注");
}

TEST(Levels, RepeatedRunsAgreeAndShowTheRunningCaptionFirst) {
  Conditions c = twoRows(true, 0, 1);
  EngineData engine;
  buildCandidatePool(engine);

  struct Recorder : PlainInputs {
    using PlainInputs::PlainInputs;
    std::vector<std::string> writes;
    void setResultText(std::string_view t) override { writes.push_back("text:" + std::string(t)); }
    void setCountCaption(std::string_view t) override { writes.push_back("caption:" + std::string(t)); }
  } inputs(c);
  const FilterResult first = runFilter(engine, inputs);
  ASSERT_GE(inputs.writes.size(), 2u);
  EXPECT_EQ(inputs.writes[0], "text:");
  EXPECT_EQ(inputs.writes[1], "caption:共  注");
  EXPECT_EQ(inputs.writes.back(), "caption:共36注");
  EXPECT_EQ(runFilter(engine, inputs), first);
}

TEST(Levels, PoolIsBuiltWhenMissing) {
  EngineData engine;  // no pool yet
  Conditions c;
  c.danGroup.rows[0].danText = "5";
  PlainInputs inputs(c);
  EXPECT_EQ(runFilter(engine, inputs).countCaption, "共19注");
}

}  // namespace
}  // namespace twostar
