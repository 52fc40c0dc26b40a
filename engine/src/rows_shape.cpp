// The shape group's rows: three pattern rows and four kill lists.

#include <array>
#include <bitset>

#include "twostar/candidate.h"
#include "twostar/filter.h"
#include "twostar/text.h"

namespace twostar {

namespace {

// For each kind, the tag-order index (0..3) of every candidate's pattern.
const std::array<std::array<int, kCandidateCount>, 3>& patternIndexes() {
  static const auto table = [] {
    std::array<std::array<int, kCandidateCount>, 3> t{};
    for (int k = 0; k < 3; ++k) {
      const auto kind = static_cast<PatternKind>(k);
      for (int i = 0; i < kCandidateCount; ++i) {
        const std::string pattern = patternOf(candidateText(i), kind);
        for (int p = 0; p < 4; ++p) {
          if (patternsOf(kind)[static_cast<std::size_t>(p)] == pattern) t[k][i] = p;
        }
      }
    }
    return t;
  }();
  return table;
}

template <typename Meets>
void markCandidates(EngineData& data, ConditionInputs& inputs, Meets meets) {
  ++data.conditionCount;
  for (int i = 0; i < kCandidateCount; ++i) {
    inputs.yield();
    if (meets(i)) ++data.levelHits[static_cast<std::size_t>(i)];
  }
}

}  // namespace

void applyPatternRow(EngineData& data, ConditionInputs& inputs, PatternKind kind) {
  const RowRef row{ConditionGroup::Shape, static_cast<int>(kind)};
  const bool keep = inputs.keepTicked(row);
  std::string patternList = ",";
  for (int box = 0; box < 4; ++box) {
    inputs.yield();
    if (inputs.boxTicked(row, box) == keep) patternList += inputs.boxCaption(row, box) + ",";
  }
  if (patternList == ",") return;

  // A candidate meets the row when ",<its pattern>," occurs in the list.
  std::array<bool, 4> listed{};
  for (std::size_t p = 0; p < 4; ++p) {
    listed[p] = patternList.find("," + patternsOf(kind)[p] + ",") != std::string::npos;
  }
  const auto& indexOf = patternIndexes()[static_cast<std::size_t>(kind)];
  markCandidates(data, inputs, [&](int i) { return listed[static_cast<std::size_t>(indexOf[i])]; });
}

void applyKillListRow(EngineData& data, ConditionInputs& inputs, KillListKind kind) {
  const RowRef row{ConditionGroup::Shape, kFirstKillListRow + static_cast<int>(kind)};
  const std::string text = inputs.text(row);

  switch (kind) {
    case KillListKind::SumTail:
    case KillListKind::Span: {
      // Every digit of the text kills that sum tail or span.
      const DigitMask killed = digitMaskOf(text);
      if (killed == 0) return;
      markCandidates(data, inputs, [&](int i) {
        const int t = i / 10;
        const int u = i % 10;
        const int value = kind == KillListKind::SumTail ? (t + u) % 10 : (t > u ? t - u : u - t);
        return !(killed >> value & 1u);
      });
      return;
    }
    case KillListKind::Sum: {
      // A token kills the digit sum it spells exactly ("0".."18", no leading zero).
      bool anyToken = false;
      std::bitset<19> killed;
      forEachDigitRun(text, [&](std::string_view token) {
        anyToken = true;
        if (token.size() == 1) killed.set(static_cast<std::size_t>(token[0] - '0'));
        if (token.size() == 2 && token[0] == '1' && token[1] <= '8')
          killed.set(static_cast<std::size_t>(10 + token[1] - '0'));
      });
      if (!anyToken) return;
      markCandidates(data, inputs, [&](int i) {
        const int sum = i / 10 + i % 10;
        return !killed.test(static_cast<std::size_t>(sum));
      });
      return;
    }
    case KillListKind::TwoDigit: {
      // A token kills every pair of digits that stand side by side in its
      // sorted digits, in both orders: "105" -> "015" kills 01, 10, 15, 51.
      bool anyToken = false;
      std::array<std::bitset<10>, 10> killed{};
      forEachDigitRun(text, [&](std::string_view token) {
        anyToken = true;
        inputs.yield();
        std::array<std::size_t, 10> counts{};
        for (char c : token) ++counts[static_cast<std::size_t>(c - '0')];
        int previous = -1;
        for (int d = 0; d < 10; ++d) {
          if (counts[static_cast<std::size_t>(d)] == 0) continue;
          if (counts[static_cast<std::size_t>(d)] >= 2) killed[d].set(static_cast<std::size_t>(d));
          if (previous >= 0) {
            killed[previous].set(static_cast<std::size_t>(d));
            killed[d].set(static_cast<std::size_t>(previous));
          }
          previous = d;
        }
      });
      if (!anyToken) return;
      markCandidates(data, inputs, [&](int i) {
        return !killed[static_cast<std::size_t>(i / 10)].test(static_cast<std::size_t>(i % 10));
      });
      return;
    }
  }
}

}  // namespace twostar
