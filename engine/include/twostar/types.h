#pragma once
// Basic types shared by the whole filter engine.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace twostar {

inline constexpr int kCandidateCount = 100;

// A candidate is a text of two ASCII digits, "00".."99", tens digit first; its
// index in the pool equals its numeric value.
using Candidate = std::string;
using CandidatePool = std::vector<Candidate>;

// Conditions met per candidate in the level being evaluated.
using LevelHits = std::array<std::int32_t, kCandidateCount>;
// Levels passed per candidate in the current run.
using PassCounts = std::array<std::int32_t, kCandidateCount>;

enum class KeepMode { Keep, Kill };
enum class DigitPosition { Tens, Units };
enum class PatternKind { BigSmall, OddEven, PrimeComposite };
enum class KillListKind { SumTail, Span, Sum, TwoDigit };

// The four groups of condition rows, in evaluation order.
enum class ConditionGroup { DanGroup, DanSumSpanProduct, PositionDigits, Shape };
inline constexpr std::array kAllGroups = {ConditionGroup::DanGroup, ConditionGroup::DanSumSpanProduct,
                                          ConditionGroup::PositionDigits, ConditionGroup::Shape};

// Number of rows of each group: 6 dan rows, 4 dan sum/span/product rows,
// 2 position rows, and 3 pattern rows followed by 4 kill lists.
constexpr int rowCountOf(ConditionGroup g) {
  switch (g) {
    case ConditionGroup::DanGroup: return 6;
    case ConditionGroup::DanSumSpanProduct: return 4;
    case ConditionGroup::PositionDigits: return 2;
    case ConditionGroup::Shape: return 7;
  }
  return 0;
}

// One condition row: its group and its 0-based place in the group's
// evaluation order. In the shape group, places 0..2 are the pattern rows
// (大小, 奇偶, 质合) and 3..6 the kill lists (和尾, 跨度, 和值, 二码).
struct RowRef {
  ConditionGroup group;
  int index;
  friend bool operator==(const RowRef&, const RowRef&) = default;
};

inline constexpr int kFirstKillListRow = 3;

constexpr PatternKind patternKindOf(int shapeRow) { return static_cast<PatternKind>(shapeRow); }
constexpr KillListKind killListKindOf(int shapeRow) {
  return static_cast<KillListKind>(shapeRow - kFirstKillListRow);
}

// Allowed misses of a tolerant level, both bounds included.
struct ToleranceRange {
  int minMisses = 0;
  int maxMisses = 0;
  friend bool operator==(const ToleranceRange&, const ToleranceRange&) = default;
};

// What a run shows: the result box text and the count label caption.
struct FilterResult {
  std::string numbersText;
  std::string countCaption;
  friend bool operator==(const FilterResult&, const FilterResult&) = default;
};

}  // namespace twostar
