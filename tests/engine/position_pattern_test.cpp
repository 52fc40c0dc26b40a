// Position-digit rows (定胆) and pattern rows (型态 大小 / 奇偶 / 质合).

#include <gtest/gtest.h>

#include "run_helpers.h"

namespace twostar {
namespace {

using test::digits;
using test::numbersWhere;

const auto all = [](int, int) { return true; };

TEST(PositionDigitRow, Cases) {
  struct Case {
    const char* name;
    bool units;
    std::array<bool, 10> boxes;
    KeepMode mode;
    std::string expected;  // "-": takes no part
  } cases[] = {
      {"initial", false, {}, KeepMode::Keep, "-"},
      {"tens keep 3", false, digits({3}), KeepMode::Keep, numbersWhere([](int t, int) { return t == 3; })},
      {"units kill 3", true, digits({3}), KeepMode::Kill, numbersWhere([](int, int u) { return u != 3; })},
      {"keep all ten", false, digits({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), KeepMode::Keep, numbersWhere(all)},
      {"kill none", true, {}, KeepMode::Kill, numbersWhere(all)},
      {"kill all ten", true, digits({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), KeepMode::Kill, "-"},
  };
  for (const auto& c : cases) {
    Conditions cond;
    (c.units ? cond.positionDigits.units : cond.positionDigits.tens) = {c.boxes, c.mode, false};
    const FilterResult r = test::run(cond);
    if (c.expected == "-") {
      EXPECT_EQ(r.countCaption, test::kNothingTookPart) << c.name;
    } else {
      EXPECT_EQ(r.numbersText, c.expected) << c.name;
    }
  }
}

TEST(PositionDigitRow, BothRowsStrictAndTolerant) {
  Conditions c;
  c.positionDigits.tens = {digits({1, 2}), KeepMode::Keep, false};
  c.positionDigits.units = {digits({3}), KeepMode::Keep, false};
  EXPECT_EQ(test::run(c).numbersText, "13 23");
  c.positionDigits.tens.tolerant = c.positionDigits.units.tolerant = true;
  c.positionDigits.range = {0, 1};
  EXPECT_EQ(test::run(c).numbersText, numbersWhere([](int t, int u) { return t == 1 || t == 2 || u == 3; }));
  c.positionDigits.range = {2, 1};
  EXPECT_EQ(test::run(c).countCaption, test::kNothingTookPart);
}

// Captions come from the inputs, not from the box's place: the digit set is
// whatever the boxes read, and a repeated caption still marks a candidate once.
TEST(PositionDigitRow, UsesTheCaptionsItReads) {
  struct Shuffled : PlainInputs {
    using PlainInputs::PlainInputs;
    std::string boxCaption(RowRef, int box) override { return box == 9 ? "0" : std::to_string(9 - box); }
  };
  Conditions c;
  c.positionDigits.tens.digitBoxes = digits({0, 9});  // captions "9" and "0"
  EngineData engine;
  Shuffled inputs(c);
  runFilter(engine, inputs);
  EXPECT_EQ(inputs.shown().numbersText, numbersWhere([](int t, int) { return t == 0 || t == 9; }));
  for (int hits : engine.levelHits) EXPECT_LE(hits, 1);
}

TEST(PatternRow, Cases) {
  const auto big = [](int d) { return d >= 5; };
  struct Case {
    const char* name;
    int row;
    std::array<bool, 4> boxes;
    KeepMode mode;
    std::string expected;
  } cases[] = {
      {"keep 大小", 0, {false, true, false, false}, KeepMode::Keep,
       numbersWhere([&](int t, int u) { return big(t) && !big(u); })},
      {"keep nothing", 0, {}, KeepMode::Keep, "-"},
      {"kill all four", 1, {true, true, true, true}, KeepMode::Kill, "-"},
      {"kill nothing", 2, {}, KeepMode::Kill, numbersWhere(all)},
      {"kill 大大", 0, {true, false, false, false}, KeepMode::Kill,
       numbersWhere([&](int t, int u) { return !(big(t) && big(u)); })},
      {"keep 偶奇", 1, {false, false, true, false}, KeepMode::Keep,
       numbersWhere([](int t, int u) { return t % 2 == 0 && u % 2 == 1; })},
  };
  for (const auto& c : cases) {
    Conditions cond;
    PatternRow* rows[] = {&cond.shape.bigSmall, &cond.shape.oddEven, &cond.shape.primeComposite};
    *rows[c.row] = {c.boxes, c.mode, false};
    const FilterResult r = test::run(cond);
    if (c.expected == "-") {
      EXPECT_EQ(r.countCaption, test::kNothingTookPart) << c.name;
    } else {
      EXPECT_EQ(r.numbersText, c.expected) << c.name;
    }
  }
}

TEST(PatternRow, ThreeRowsStrictThenTolerant) {
  Conditions c;
  c.shape.bigSmall.boxes = {true, false, false, false};        // 大大
  c.shape.oddEven.boxes = {true, false, false, false};         // 奇奇
  c.shape.primeComposite.boxes = {true, false, false, false};  // 质质
  EXPECT_EQ(test::run(c).numbersText, "55 57 75 77");

  c.shape.bigSmall.tolerant = c.shape.oddEven.tolerant = c.shape.primeComposite.tolerant = true;
  c.shape.range = {0, 1};
  const auto meets = [](int t, int u) {
    const auto prime = [](int d) { return d == 1 || d == 2 || d == 3 || d == 5 || d == 7; };
    return int(t >= 5 && u >= 5) + int(t % 2 && u % 2) + int(prime(t) && prime(u)) >= 2;
  };
  EXPECT_EQ(test::run(c).numbersText, numbersWhere(meets));
  c.shape.range = {2, 1};
  EXPECT_EQ(test::run(c).countCaption, test::kNothingTookPart);
}

}  // namespace
}  // namespace twostar
