#pragma once
// Every input of the filter panel as plain values. Default-constructed, it is
// the panel's initial state, in which no row takes part.

#include <array>
#include <string>

#include "twostar/types.h"

namespace twostar {

struct DanGroupRow {
  std::string danText;
  std::array<bool, 3> countBoxes{false, true, true};  // counts 0, 1, 2
  KeepMode mode = KeepMode::Keep;
  bool tolerant = false;
  friend bool operator==(const DanGroupRow&, const DanGroupRow&) = default;
};

struct DanSumSpanProductRow {
  std::string danText;
  std::array<bool, 5> countBoxes{false, true, true, true, true};  // counts 0..4
  KeepMode mode = KeepMode::Keep;
  bool tolerant = false;
  friend bool operator==(const DanSumSpanProductRow&, const DanSumSpanProductRow&) = default;
};

struct PositionDigitRow {
  std::array<bool, 10> digitBoxes{};  // index = digit
  KeepMode mode = KeepMode::Keep;
  bool tolerant = false;
  friend bool operator==(const PositionDigitRow&, const PositionDigitRow&) = default;
};

// A pattern row's four boxes in tag order: for 大小 the boxes
// 大大, 大小, 小大, 小小 (see patternsOf).
struct PatternRow {
  std::array<bool, 4> boxes{};
  KeepMode mode = KeepMode::Keep;
  bool tolerant = false;
  friend bool operator==(const PatternRow&, const PatternRow&) = default;
};

struct KillListRow {
  std::string text;
  bool tolerant = false;
  friend bool operator==(const KillListRow&, const KillListRow&) = default;
};

struct DanGroupConditions {
  std::array<DanGroupRow, 6> rows{};
  bool countRepeatsOnce = true;
  ToleranceRange range{};
  friend bool operator==(const DanGroupConditions&, const DanGroupConditions&) = default;
};

struct DanSumSpanProductConditions {
  std::array<DanSumSpanProductRow, 4> rows{};
  bool countRepeatsOnce = true;
  ToleranceRange range{};
  friend bool operator==(const DanSumSpanProductConditions&, const DanSumSpanProductConditions&) = default;
};

struct PositionDigitConditions {
  PositionDigitRow tens{};
  PositionDigitRow units{};
  ToleranceRange range{};
  friend bool operator==(const PositionDigitConditions&, const PositionDigitConditions&) = default;
};

struct ShapeConditions {
  PatternRow bigSmall{};
  PatternRow oddEven{};
  PatternRow primeComposite{};
  KillListRow sumTail{};
  KillListRow span{};
  KillListRow sum{};
  KillListRow twoDigit{};
  ToleranceRange range{};
  friend bool operator==(const ShapeConditions&, const ShapeConditions&) = default;
};

struct Conditions {
  DanGroupConditions danGroup{};
  DanSumSpanProductConditions danSumSpanProduct{};
  PositionDigitConditions positionDigits{};
  ShapeConditions shape{};
  friend bool operator==(const Conditions&, const Conditions&) = default;
};

// Highest selectable miss bound of a group: its number of rows.
constexpr int maxMissesItemOf(ConditionGroup g) { return rowCountOf(g); }

}  // namespace twostar
