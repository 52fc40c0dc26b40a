#include "twostar/condition_file.h"

#include <gtest/gtest.h>

#include "run_helpers.h"

namespace twostar {
namespace {

TEST(ConditionFile, EmptyObjectIsTheInitialPanel) {
  const ConditionFileResult r = parseConditionFile("{}");
  ASSERT_TRUE(r.conditions);
  EXPECT_EQ(*r.conditions, Conditions{});
}

TEST(ConditionFile, ReadsEveryKindOfKey) {
  const ConditionFileResult r = parseConditionFile(R"({
    "danGroup": {"rows": [{}, {"danText": "5", "countBoxes": [true, false, true], "mode": "kill", "tolerant": true}],
                 "countRepeatsOnce": false, "minMisses": 1, "maxMisses": 6},
    "danSumSpanProduct": {"rows": [{"countBoxes": [true, true, true, true, false]}], "maxMisses": 4},
    "positionDigits": {"units": {"digitBoxes": [true, false, false, false, false, false, false, false, false, true],
                                 "mode": "kill"}, "maxMisses": 2},
    "shape": {"oddEven": {"boxes": [false, true, false, false], "tolerant": true},
              "twoDigit": {"text": "12 73 105", "tolerant": true}, "maxMisses": 7}
  })");
  ASSERT_TRUE(r.conditions) << r.error.keyPath << ": " << r.error.problem;
  Conditions expected;
  expected.danGroup.rows[1] = {"5", {true, false, true}, KeepMode::Kill, true};
  expected.danGroup.countRepeatsOnce = false;
  expected.danGroup.range = {1, 6};
  expected.danSumSpanProduct.rows[0].countBoxes = {true, true, true, true, false};
  expected.danSumSpanProduct.range.maxMisses = 4;
  expected.positionDigits.units = {test::digits({0, 9}), KeepMode::Kill, false};
  expected.positionDigits.range.maxMisses = 2;
  expected.shape.oddEven = {{false, true, false, false}, KeepMode::Keep, true};
  expected.shape.twoDigit = {"12 73 105", true};
  expected.shape.range.maxMisses = 7;
  EXPECT_EQ(*r.conditions, expected);
}

TEST(ConditionFile, WrittenFileReadsBackTheSame) {
  Conditions c;
  c.danGroup.rows[5] = {"1\n2 \"胆\"", {true, true, false}, KeepMode::Kill, true};
  c.danSumSpanProduct.countRepeatsOnce = false;
  c.positionDigits.tens.digitBoxes = test::digits({3});
  c.shape.primeComposite.mode = KeepMode::Kill;
  c.shape.sum = {"0 18", true};
  c.shape.range = {2, 7};
  const ConditionFileResult r = parseConditionFile(writeConditionFile(c));
  ASSERT_TRUE(r.conditions) << r.error.problem;
  EXPECT_EQ(*r.conditions, c);
}

TEST(ConditionFile, RefusedWholeWithKeyPath) {
  struct Case {
    const char* json;
    const char* keyPath;
    const char* problemHas;
  } cases[] = {
      {"", "", "not valid UTF-8 JSON"},
      {"{", "", "not valid UTF-8 JSON"},
      {"{\"shape\": {\"sum\": {\"text\": \"\xff\"}}}", "", "not valid UTF-8 JSON"},
      {"[]", "(top level)", "object"},
      {"9E999", "", "not valid UTF-8 JSON"},  // a number too large to hold
      {R"({"shape": {"maxMisses": 1e400}})", "", "not valid UTF-8 JSON"},
      {R"({"extra": 1})", "extra", "not a known key"},
      {R"({"danGroup": {"rows": [{"danTxt": "5"}]}})", "danGroup.rows[0].danTxt", "not a known key"},
      {R"({"danGroup": {"rows": [{}, {}, {"countBoxes": [true, true]}]}})", "danGroup.rows[2].countBoxes", "exactly 3"},
      {R"({"danGroup": {"rows": [{"countBoxes": [true, 1, true]}]}})", "danGroup.rows[0].countBoxes[1]", "true or false"},
      {R"({"danGroup": {"rows": [{},{},{},{},{},{},{}]}})", "danGroup.rows", "at most 6"},
      {R"({"danSumSpanProduct": {"rows": [{},{},{},{},{}]}})", "danSumSpanProduct.rows", "at most 4"},
      {R"({"danGroup": {"rows": {}}})", "danGroup.rows", "array"},
      {R"({"danGroup": {"rows": [{"mode": "留"}]}})", "danGroup.rows[0].mode", "\"keep\" or \"kill\""},
      {R"({"danGroup": {"rows": [{"danText": 5}]}})", "danGroup.rows[0].danText", "string"},
      {R"({"danGroup": {"countRepeatsOnce": "yes"}})", "danGroup.countRepeatsOnce", "true or false"},
      {R"({"danGroup": {"maxMisses": 7}})", "danGroup.maxMisses", "0 to 6"},
      {R"({"danSumSpanProduct": {"minMisses": 5}})", "danSumSpanProduct.minMisses", "0 to 4"},
      {R"({"positionDigits": {"maxMisses": 3}})", "positionDigits.maxMisses", "0 to 2"},
      {R"({"shape": {"minMisses": -1}})", "shape.minMisses", "0 to 7"},
      {R"({"shape": {"maxMisses": 1.5}})", "shape.maxMisses", "0 to 7"},
      {R"({"shape": {"maxMisses": 18446744073709551615}})", "shape.maxMisses", "0 to 7"},
      {R"({"positionDigits": {"tens": {"digitBoxes": []}}})", "positionDigits.tens.digitBoxes", "exactly 10"},
      {R"({"shape": {"bigSmall": {"boxes": [true, true, true, true, true]}}})", "shape.bigSmall.boxes", "exactly 4"},
      {R"({"shape": {"span": {"text": null}}})", "shape.span.text", "string"},
      {R"({"shape": {"span": {"mode": "kill"}}})", "shape.span.mode", "not a known key"},
      {R"({"shape": []})", "shape", "object"},
  };
  for (const auto& c : cases) {
    const ConditionFileResult r = parseConditionFile(c.json);
    EXPECT_FALSE(r.conditions) << c.json;
    EXPECT_EQ(r.error.keyPath, c.keyPath) << c.json;
    EXPECT_NE(r.error.problem.find(c.problemHas), std::string::npos) << c.json << " -> " << r.error.problem;
    EXPECT_EQ(r.error.problem.find('\n'), std::string::npos) << "one line: " << c.json;
  }
}

}  // namespace
}  // namespace twostar
