// The four kill lists of the shape group: 杀和尾, 杀跨度, 杀和值, 杀二码.

#include <gtest/gtest.h>

#include "run_helpers.h"

namespace twostar {
namespace {

using test::numbers;
using test::numbersWhere;

// The candidates a kill list removes, as a result box text; "-" when the row takes no part.
std::string killedBy(KillListKind kind, const std::string& text) {
  Conditions c;
  KillListRow* rows[] = {&c.shape.sumTail, &c.shape.span, &c.shape.sum, &c.shape.twoDigit};
  rows[static_cast<int>(kind)]->text = text;
  const FilterResult r = test::run(c);
  if (r.countCaption == test::kNothingTookPart) return "-";
  std::vector<int> killed;
  for (int i = 0; i < 100; ++i) {
    if (r.numbersText.find(candidateText(i)) == std::string::npos) killed.push_back(i);
  }
  return numbers(killed);
}

TEST(KillList, Cases) {
  using K = KillListKind;
  struct Case {
    K kind;
    const char* text;
    std::string killed;
  } cases[] = {
      {K::SumTail, "", "-"},
      {K::Span, "   ", "-"},
      {K::Sum, "abc", "-"},
      {K::TwoDigit, "１２", "-"},
      {K::SumTail, "10", "00 01 10 19 28 29 37 38 46 47 55 56 64 65 73 74 82 83 91 92"},
      {K::SumTail, "1 0 1", "00 01 10 19 28 29 37 38 46 47 55 56 64 65 73 74 82 83 91 92"},
      {K::Span, "0", "00 11 22 33 44 55 66 77 88 99"},
      {K::Sum, "0", "00"},
      {K::Sum, "18", "99"},
      {K::Sum, "5", "05 14 23 32 41 50"},
      {K::Sum, "05", ""},
      {K::Sum, "19 123 005", ""},
      {K::Sum, "1/8", numbersWhere([](int t, int u) { return t + u == 1 || t + u == 8; })},
      {K::TwoDigit, "1,2", ""},
      {K::TwoDigit, "12", "12 21"},
      {K::TwoDigit, "11", "11"},
      {K::TwoDigit, "123", "12 21 23 32"},
      {K::TwoDigit, "321", "12 21 23 32"},
      {K::TwoDigit, "105", "01 10 15 51"},
      {K::TwoDigit, "1 2", ""},
      {K::TwoDigit, "0115", "01 10 11 15 51"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(killedBy(c.kind, c.text), c.killed) << static_cast<int>(c.kind) << " '" << c.text << "'";
  }
}

TEST(KillList, TokensKillingNothingStillTakePart) {
  Conditions c;
  c.shape.sum.text = "05";
  c.shape.sum.tolerant = true;
  c.shape.range = {1, 1};  // needs one miss, and nobody misses the row
  EXPECT_EQ(test::run(c), (FilterResult{"", "共0注"}));
}

TEST(KillList, LongPastedListsAreEvaluatedWhole) {
  // 30 000 tokens; the pair that survives appears nowhere.
  std::string pairs;
  for (int n = 0; n < 30000; ++n) {
    const int i = n % 100;
    if (i / 10 == 4 && i % 10 == 7) continue;
    if (i / 10 == 7 && i % 10 == 4) continue;
    pairs += candidateText(i) + (n % 3 ? "\n" : ", ");
  }
  EXPECT_EQ(killedBy(KillListKind::TwoDigit, pairs), numbersWhere([](int t, int u) {
              return !((t == 4 && u == 7) || (t == 7 && u == 4));
            }));
}

}  // namespace
}  // namespace twostar
