#include "twostar/text.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace twostar {
namespace {

TEST(JoinDigitRuns, KeepsOnlyAsciiDigitsInOrder) {
  struct Case {
    const char* text;
    const char* joined;
  } cases[] = {
      {"1, 2 3", "123"},       {"10 05", "1005"},       {"abc", ""},
      {"", ""},                {"１２３", ""},           {"1胆2", "12"},
      {"\n7\t8/9", "789"},     {"x12y", "12"},          {"0", "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(joinDigitRuns(c.text), c.joined) << c.text;
}

TEST(JoinDigitRuns, ManyRunsCrossBlockBoundaries) {
  std::string text, expected, expectedSlash;
  for (int i = 0; i < 600; ++i) {
    text += std::to_string(i) + (i % 2 ? "," : " ");
    expected += std::to_string(i);
    expectedSlash += std::to_string(i) + "/";
  }
  EXPECT_EQ(joinDigitRuns(text), expected);
  EXPECT_EQ(slashList(text), expectedSlash);
}

TEST(DigitRuns, ScanFindsExactlyTheRegexMatches) {
  std::mt19937 rng(11);
  const char alphabet[] = {'0', '5', '9', ' ', ',', '/', 'a', '\n', '\xe8', '\xbf', '\0'};
  for (int n = 0; n < 2000; ++n) {
    std::string text;
    for (int len = static_cast<int>(rng() % 40); len > 0; --len) text += alphabet[rng() % sizeof alphabet];
    std::vector<std::string> scanned, matched;
    forEachDigitRun(text, [&](std::string_view run) { scanned.emplace_back(run); });
    forEachDigitRunMatch(text, [&](std::string_view run) { matched.emplace_back(run); });
    ASSERT_EQ(scanned, matched) << text;
  }
}

TEST(SlashList, EveryTokenFollowedBySlash) {
  EXPECT_EQ(slashList("3 5,18"), "3/5/18/");
  EXPECT_EQ(slashList("无数字"), "");
  EXPECT_EQ(slashList("007"), "007/");
}

TEST(DistinctChars, FirstOccurrenceInOrder) {
  EXPECT_EQ(distinctChars("11"), "1");
  EXPECT_EQ(distinctChars("55005"), "50");
  EXPECT_EQ(distinctChars("37041"), "37041");
  EXPECT_EQ(distinctChars(""), "");
}

TEST(CountCharsIn, CountsPositionsOfTextNotOfSet) {
  EXPECT_EQ(countCharsIn("11", "1"), 2);
  EXPECT_EQ(countCharsIn("1", "1"), 1);
  EXPECT_EQ(countCharsIn("12", "135"), 1);
  EXPECT_EQ(countCharsIn("12", "1111"), 1);
  EXPECT_EQ(countCharsIn("12", ""), 0);
}

TEST(CountIsAllowed, SearchesTheDecimalText) {
  EXPECT_FALSE(countIsAllowed(0, "12"));
  EXPECT_TRUE(countIsAllowed(1, "12"));
  EXPECT_FALSE(countIsAllowed(5, "01234"));
  for (int n = 0; n <= 5; ++n) EXPECT_FALSE(countIsAllowed(n, ""));
}

TEST(SortedDigits, SortsAscending) {
  EXPECT_EQ(sortedDigits("73"), "37");
  EXPECT_EQ(sortedDigits("105"), "015");
  EXPECT_EQ(sortedDigits("11"), "11");
  EXPECT_EQ(sortedDigits(""), "");
}

TEST(DigitMask, HoldsTheDigitsJoinDigitRunsGives) {
  for (const char* text : {"", "abc", "1, 3 10", "9 8 7 6 5 4 3 2 1 0", "５5"}) {
    DigitMask fromJoin = 0;
    for (char c : joinDigitRuns(text)) fromJoin |= static_cast<DigitMask>(1u << (c - '0'));
    EXPECT_EQ(digitMaskOf(text), fromJoin) << text;
  }
}

}  // namespace
}  // namespace twostar
