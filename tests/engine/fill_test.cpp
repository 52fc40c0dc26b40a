#include "twostar/fill.h"

#include <gtest/gtest.h>

#include "run_helpers.h"

namespace twostar {
namespace {

TEST(FillTexts, ExactTextsLengthsAndYields) {
  EXPECT_EQ(digitFillText(), "0123456789");

  int yields = 0;
  const std::string sums = sumFillText([&] { ++yields; });
  EXPECT_EQ(yields, 19);
  EXPECT_EQ(sums, "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 ");
  EXPECT_EQ(sums.size(), 47u);

  yields = 0;
  const std::string pairs = twoDigitFillText([&] { ++yields; });
  EXPECT_EQ(yields, 110);
  EXPECT_EQ(pairs.size(), 165u);
  EXPECT_EQ(pairs.substr(0, 33), "00 01 02 03 04 05 06 07 08 09 11 ");
  EXPECT_EQ(pairs.substr(pairs.size() - 6), "89 99 ");
}

TEST(FillTexts, EachFilledListKillsEveryCandidate) {
  for (int list = 0; list < 4; ++list) {
    Conditions c;
    KillListRow* rows[] = {&c.shape.sumTail, &c.shape.span, &c.shape.sum, &c.shape.twoDigit};
    rows[list]->text = list < 2 ? digitFillText() : list == 2 ? sumFillText() : twoDigitFillText();
    const FilterResult r = test::run(c);
    EXPECT_EQ(r.numbersText, "") << list;
    EXPECT_EQ(r.countCaption, "共0注") << list;
  }
}

}  // namespace
}  // namespace twostar
