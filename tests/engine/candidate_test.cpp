#include "twostar/candidate.h"

#include <gtest/gtest.h>

#include "twostar/filter.h"
#include "twostar/text.h"

namespace twostar {
namespace {

TEST(CandidatePool, HoldsTheHundredTwoDigitTextsInOrder) {
  EngineData engine;
  int yields = 0;
  buildCandidatePool(engine, [&] { ++yields; });
  ASSERT_EQ(engine.pool.size(), 100u);
  EXPECT_EQ(engine.pool[0], "00");
  EXPECT_EQ(engine.pool[7], "07");
  EXPECT_EQ(engine.pool[99], "99");
  EXPECT_EQ(yields, 100);
  buildCandidatePool(engine);
  EXPECT_EQ(engine.pool.size(), 100u) << "building again must not append";
}

TEST(CandidateValues, ProfileTable) {
  struct Case {
    const char* candidate;
    char sumTail, span, productTail;
    const char* distinctProfile;
  } cases[] = {
      {"00", '0', '0', '0', "0"},     {"05", '5', '5', '0', "05"},   {"37", '0', '4', '1', "37041"},
      {"55", '0', '0', '5', "50"},    {"99", '8', '0', '1', "9801"}, {"90", '9', '9', '0', "90"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sumTailOf(c.candidate), c.sumTail) << c.candidate;
    EXPECT_EQ(spanOf(c.candidate), c.span) << c.candidate;
    EXPECT_EQ(productTailOf(c.candidate), c.productTail) << c.candidate;
    const std::string profile = std::string(c.candidate) + sumTailOf(c.candidate) + spanOf(c.candidate) +
                                productTailOf(c.candidate);
    EXPECT_EQ(distinctChars(profile), c.distinctProfile) << c.candidate;
  }
}

TEST(CandidateValues, DigitSumHasNoLeadingZero) {
  EXPECT_EQ(digitSum("00"), "0");
  EXPECT_EQ(digitSum("46"), "10");
  EXPECT_EQ(digitSum("99"), "18");
  EXPECT_EQ(digitSum("05"), "5");
}

TEST(Patterns, OfCandidates) {
  struct Case {
    const char* candidate;
    PatternKind kind;
    const char* pattern;
  } cases[] = {
      {"37", PatternKind::BigSmall, "小大"},       {"37", PatternKind::OddEven, "奇奇"},
      {"37", PatternKind::PrimeComposite, "质质"}, {"90", PatternKind::BigSmall, "大小"},
      {"90", PatternKind::OddEven, "奇偶"},        {"90", PatternKind::PrimeComposite, "合合"},
      {"19", PatternKind::PrimeComposite, "质合"}, {"11", PatternKind::PrimeComposite, "质质"},
      {"00", PatternKind::PrimeComposite, "合合"}, {"49", PatternKind::PrimeComposite, "合合"},
      {"01", PatternKind::OddEven, "偶奇"},        {"50", PatternKind::BigSmall, "大小"},
  };
  for (const auto& c : cases) EXPECT_EQ(patternOf(c.candidate, c.kind), c.pattern) << c.candidate;
}

TEST(Patterns, CaptionsInTagOrderEachCoverTwentyFive) {
  using A = std::array<std::string, 4>;
  EXPECT_EQ(patternsOf(PatternKind::BigSmall), (A{"大大", "大小", "小大", "小小"}));
  EXPECT_EQ(patternsOf(PatternKind::OddEven), (A{"奇奇", "奇偶", "偶奇", "偶偶"}));
  EXPECT_EQ(patternsOf(PatternKind::PrimeComposite), (A{"质质", "质合", "合质", "合合"}));
  for (PatternKind kind : {PatternKind::BigSmall, PatternKind::OddEven, PatternKind::PrimeComposite}) {
    for (const std::string& p : patternsOf(kind)) {
      int covered = 0;
      for (int i = 0; i < 100; ++i) covered += patternOf(candidateText(i), kind) == p;
      EXPECT_EQ(covered, 25) << p;
    }
  }
}

}  // namespace
}  // namespace twostar
