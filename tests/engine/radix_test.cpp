#include "twostar/radix.h"

#include <gtest/gtest.h>

namespace twostar {
namespace {

TEST(ConvertRadix, Examples) {
  struct Case {
    const char* text;
    int from, to;
    const char* result;
  } cases[] = {
      {"3", 10, 2, "11"},   {"0", 10, 2, "0"},      {"ff", 16, 10, "255"}, {"FF", 16, 10, "255"},
      {"", 10, 2, "0"},     {"", 10, 10, ""},       {"12", 2, 10, ""},     {"1", 10, 2, "1"},
      {"2", 10, 2, "10"},   {"255", 10, 16, "FF"},  {"z", 36, 10, "35"},   {"10", 36, 2, "100100"},
      {"ab", 16, 16, "AB"}, {"007", 10, 2, "111"},  {"-1", 10, 2, ""},     {"1 2", 10, 2, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(convertRadix(c.text, c.from, c.to), c.result) << c.text;
}

TEST(ConvertRadix, BasesOutOfRangeGiveEmpty) {
  for (auto [from, to] : {std::pair{1, 10}, {37, 10}, {10, 1}, {10, 37}, {0, 0}, {-5, 2}}) {
    EXPECT_EQ(convertRadix("1", from, to), "") << from << " " << to;
  }
}

TEST(ConvertRadix, FullWidthDigitsAndLettersAreNormalised) {
  EXPECT_EQ(convertRadix("３", 10, 2), "11");
  EXPECT_EQ(convertRadix("ｆｆ", 16, 10), "255");
  EXPECT_EQ(convertRadix("Ｆ", 16, 16), "F");
  EXPECT_EQ(convertRadix("胆", 10, 2), "");
}

TEST(ConvertRadix, LargestValueConvertsExactlyAndOneMoreIsRefused) {
  EXPECT_EQ(convertRadix("9223372036854775807", 10, 16), "7FFFFFFFFFFFFFFF");
  EXPECT_EQ(convertRadix("7FFFFFFFFFFFFFFF", 16, 10), "9223372036854775807");
  EXPECT_EQ(convertRadix("9223372036854775808", 10, 16), "");
  EXPECT_EQ(convertRadix(std::string(400, '9'), 10, 2), "");
  // Above 2^53 a double would lose the last digit.
  EXPECT_EQ(convertRadix("9007199254740993", 10, 10), "9007199254740993");
  EXPECT_EQ(convertRadix("9007199254740993", 10, 16), "20000000000001");
}

}  // namespace
}  // namespace twostar
