// The dan group (后二胆) and the dan sum/span/product group (胆合跨积).

#include <gtest/gtest.h>

#include "run_helpers.h"

namespace twostar {
namespace {

using test::numbers;
using test::numbersWhere;

struct DanCase {
  const char* name;
  const char* danText;
  std::array<bool, 3> boxes;
  KeepMode mode;
  bool repeatsOnce;
  std::string expected;  // result box; "-" means the row takes no part
};

TEST(DanGroupRow, Cases) {
  const auto has5 = [](int t, int u) { return t == 5 || u == 5; };
  const auto one1 = [](int t, int u) { return (t == 1) != (u == 1); };
  const DanCase cases[] = {
      {"keep 5", "5", {false, true, true}, KeepMode::Keep, true, numbersWhere(has5)},
      {"keep 5 no repeats", "5", {false, true, true}, KeepMode::Keep, false, numbersWhere(has5)},
      {"kill 5", "5", {false, true, true}, KeepMode::Kill, true, numbersWhere([&](int t, int u) { return !has5(t, u); })},
      {"only two fives", "5", {false, false, true}, KeepMode::Keep, false, numbers({55})},
      {"two fives count once", "5", {false, false, true}, KeepMode::Keep, true, ""},
      {"two of 1,2", "12", {false, false, true}, KeepMode::Keep, false, numbers({11, 12, 21, 22})},
      {"two of 1,2 once", "12", {false, false, true}, KeepMode::Keep, true, numbers({12, 21})},
      {"one 1", "11", {false, true, false}, KeepMode::Keep, false, numbersWhere(one1)},
      {"one 1 once", "11", {false, true, false}, KeepMode::Keep, true,
       numbersWhere([&](int t, int u) { return one1(t, u) || (t == 1 && u == 1); })},
      {"separators", "1, 2 3x", {false, true, true}, KeepMode::Keep, true,
       numbersWhere([](int t, int u) { return (t >= 1 && t <= 3) || (u >= 1 && u <= 3); })},
      {"letters only", "abc", {true, true, true}, KeepMode::Keep, true, "-"},
      {"no count box", "5", {false, false, false}, KeepMode::Keep, true, "-"},
      {"keep all counts", "5", {true, true, true}, KeepMode::Keep, true, numbersWhere([](int, int) { return true; })},
      {"kill all counts", "5", {true, true, true}, KeepMode::Kill, true, ""},
      {"kill zero of all digits", "0123456789", {true, false, false}, KeepMode::Kill, true,
       numbersWhere([](int, int) { return true; })},
  };
  for (const auto& c : cases) {
    Conditions cond;
    cond.danGroup.rows[3] = {c.danText, c.boxes, c.mode, false};
    cond.danGroup.countRepeatsOnce = c.repeatsOnce;
    const FilterResult r = test::run(cond);
    if (c.expected == "-") {
      EXPECT_EQ(r.countCaption, test::kNothingTookPart) << c.name;
    } else {
      EXPECT_EQ(r.numbersText, c.expected) << c.name;
      EXPECT_EQ(r.countCaption, test::countOf(c.expected)) << c.name;
    }
  }
}

TEST(DanGroupRow, KillIsTheComplementOfKeep) {
  for (unsigned boxes = 1; boxes < 8; ++boxes) {
    Conditions keep;
    keep.danGroup.rows[0] = {"37", {bool(boxes & 1), bool(boxes & 2), bool(boxes & 4)}, KeepMode::Keep, false};
    Conditions kill = keep;
    kill.danGroup.rows[0].mode = KeepMode::Kill;
    keep.danGroup.rows[1] = kill.danGroup.rows[0];  // both rows together: nobody meets both
    EXPECT_EQ(test::run(keep).numbersText, "") << boxes;
  }
}

// Candidates whose value profile (tens, units, sum tail, span, product tail)
// holds `want` dan digits.
template <typename Count>
std::string profileWhere(Count countOf, int want) {
  return numbersWhere([&](int t, int u) {
    const int values[] = {t, u, (t + u) % 10, t > u ? t - u : u - t, t * u % 10};
    return countOf(values) == want;
  });
}

TEST(DanSumSpanProductRow, Cases) {
  struct Case {
    const char* name;
    const char* danText;
    std::array<bool, 5> boxes;
    KeepMode mode;
    bool repeatsOnce;
    std::string expected;
  };
  const auto fives = [](const int* v) {
    int n = 0;
    for (int k = 0; k < 5; ++k) n += v[k] == 5;
    return n;
  };
  const auto zerosAll = [](const int* v) {
    int n = 0;
    for (int k = 0; k < 5; ++k) n += v[k] == 0;
    return n;
  };
  const Case cases[] = {
      {"three fives", "5", {false, false, false, true, false}, KeepMode::Keep, false, profileWhere(fives, 3)},
      {"three fives once", "5", {false, false, false, true, false}, KeepMode::Keep, true, ""},
      {"kill all counts", "0", {true, true, true, true, true}, KeepMode::Kill, false, profileWhere(zerosAll, 5)},
      {"keep all counts", "0", {true, true, true, true, true}, KeepMode::Keep, false,
       numbersWhere([](int t, int u) { return !(t == 0 && u == 0); })},
      {"letters only", "abc", {true, true, true, true, true}, KeepMode::Keep, false, "-"},
      {"no count box", "5", {}, KeepMode::Keep, false, "-"},
  };
  for (const auto& c : cases) {
    Conditions cond;
    cond.danSumSpanProduct.rows[2] = {c.danText, c.boxes, c.mode, false};
    cond.danSumSpanProduct.countRepeatsOnce = c.repeatsOnce;
    const FilterResult r = test::run(cond);
    if (c.expected == "-") {
      EXPECT_EQ(r.countCaption, test::kNothingTookPart) << c.name;
    } else {
      EXPECT_EQ(r.numbersText, c.expected) << c.name;
    }
  }
  EXPECT_NE(profileWhere(fives, 3).find("55"), std::string::npos);
}

TEST(DanSumSpanProductRow, Candidate37With0134CountsFour) {
  Conditions c;
  c.danSumSpanProduct.rows[0] = {"0134", {false, false, false, false, true}, KeepMode::Keep, false};
  const std::string survivors = test::run(c).numbersText;
  EXPECT_NE(survivors.find("37"), std::string::npos);
  c.danSumSpanProduct.rows[0].countBoxes = {false, false, false, true, false};
  EXPECT_EQ(test::run(c).numbersText.find("37"), std::string::npos);
}

TEST(DanSumSpanProductRow, TwoRowsStrictAndTolerant) {
  Conditions c;
  c.danSumSpanProduct.rows[0] = {"5", {false, true, true, true, true}, KeepMode::Keep, false};
  c.danSumSpanProduct.rows[1] = {"6", {false, true, true, true, true}, KeepMode::Keep, false};
  const std::string strict = test::run(c).numbersText;
  c.danSumSpanProduct.rows[0].tolerant = c.danSumSpanProduct.rows[1].tolerant = true;
  c.danSumSpanProduct.range = {0, 1};
  const std::string tolerant = test::run(c).numbersText;
  EXPECT_LT(strict.size(), tolerant.size());
  c.danSumSpanProduct.range = {1, 0};
  EXPECT_EQ(test::run(c).countCaption, test::kNothingTookPart);
}

}  // namespace
}  // namespace twostar
