#include "twostar/plain_inputs.h"

#include "twostar/candidate.h"

namespace twostar {

namespace {

// The mode and tolerance fields of any row, found by its place.
struct RowFlags {
  KeepMode* mode;  // null for kill lists
  bool* tolerant;
};

RowFlags flagsOf(Conditions& c, RowRef row) {
  const auto i = static_cast<std::size_t>(row.index);
  switch (row.group) {
    case ConditionGroup::DanGroup: return {&c.danGroup.rows.at(i).mode, &c.danGroup.rows.at(i).tolerant};
    case ConditionGroup::DanSumSpanProduct:
      return {&c.danSumSpanProduct.rows.at(i).mode, &c.danSumSpanProduct.rows.at(i).tolerant};
    case ConditionGroup::PositionDigits: {
      PositionDigitRow& r = row.index == 0 ? c.positionDigits.tens : c.positionDigits.units;
      return {&r.mode, &r.tolerant};
    }
    case ConditionGroup::Shape: break;
  }
  PatternRow* patterns[] = {&c.shape.bigSmall, &c.shape.oddEven, &c.shape.primeComposite};
  KillListRow* lists[] = {&c.shape.sumTail, &c.shape.span, &c.shape.sum, &c.shape.twoDigit};
  if (row.index < kFirstKillListRow) return {&patterns[i]->mode, &patterns[i]->tolerant};
  return {nullptr, &lists[i - kFirstKillListRow]->tolerant};
}

KillListRow& killListOf(Conditions& c, int shapeRow) {
  KillListRow* lists[] = {&c.shape.sumTail, &c.shape.span, &c.shape.sum, &c.shape.twoDigit};
  return *lists[shapeRow - kFirstKillListRow];
}

const char* groupName(ConditionGroup g) {
  static const char* names[] = {"1", "2", "3", "4"};
  return names[static_cast<int>(g)];
}

}  // namespace

void PlainInputs::note(const char* what, RowRef row, int arg) {
  if (!trace_) return;
  std::string line = std::string(what) + ' ' + groupName(row.group) + '.' + std::to_string(row.index);
  if (arg >= 0) line += ' ' + std::to_string(arg);
  trace_->push_back(std::move(line));
}

void PlainInputs::note(const char* what, ConditionGroup group) {
  if (trace_) trace_->push_back(std::string(what) + ' ' + groupName(group));
}

const ToleranceRange& PlainInputs::rangeOf(ConditionGroup group) const {
  switch (group) {
    case ConditionGroup::DanGroup: return conditions_.danGroup.range;
    case ConditionGroup::DanSumSpanProduct: return conditions_.danSumSpanProduct.range;
    case ConditionGroup::PositionDigits: return conditions_.positionDigits.range;
    case ConditionGroup::Shape: break;
  }
  return conditions_.shape.range;
}

bool PlainInputs::tolerant(RowRef row) {
  note("tolerant", row);
  return *flagsOf(conditions_, row).tolerant;
}

bool PlainInputs::keepTicked(RowRef row) {
  note("keep", row);
  const KeepMode* mode = flagsOf(conditions_, row).mode;
  return mode && *mode == KeepMode::Keep;
}

std::string PlainInputs::text(RowRef row) {
  note("text", row);
  const auto i = static_cast<std::size_t>(row.index);
  switch (row.group) {
    case ConditionGroup::DanGroup: return conditions_.danGroup.rows.at(i).danText;
    case ConditionGroup::DanSumSpanProduct: return conditions_.danSumSpanProduct.rows.at(i).danText;
    case ConditionGroup::Shape:
      if (row.index >= kFirstKillListRow) return killListOf(conditions_, row.index).text;
      break;
    case ConditionGroup::PositionDigits: break;
  }
  return {};
}

bool PlainInputs::countBox(RowRef row, int count) {
  note("countBox", row, count);
  const auto i = static_cast<std::size_t>(row.index);
  const auto n = static_cast<std::size_t>(count);
  if (row.group == ConditionGroup::DanGroup) return conditions_.danGroup.rows.at(i).countBoxes.at(n);
  if (row.group == ConditionGroup::DanSumSpanProduct)
    return conditions_.danSumSpanProduct.rows.at(i).countBoxes.at(n);
  return false;
}

bool PlainInputs::countRepeatsOnce(ConditionGroup group) {
  note("repeatsOnce", group);
  if (group == ConditionGroup::DanGroup) return conditions_.danGroup.countRepeatsOnce;
  if (group == ConditionGroup::DanSumSpanProduct) return conditions_.danSumSpanProduct.countRepeatsOnce;
  return false;
}

int PlainInputs::minMisses(ConditionGroup group) {
  note("min", group);
  return rangeOf(group).minMisses;
}

int PlainInputs::maxMisses(ConditionGroup group) {
  note("max", group);
  return rangeOf(group).maxMisses;
}

bool PlainInputs::boxTicked(RowRef row, int box) {
  note("boxTicked", row, box);
  const auto b = static_cast<std::size_t>(box);
  if (row.group == ConditionGroup::PositionDigits) {
    return (row.index == 0 ? conditions_.positionDigits.tens : conditions_.positionDigits.units).digitBoxes.at(b);
  }
  const PatternRow* patterns[] = {&conditions_.shape.bigSmall, &conditions_.shape.oddEven,
                                  &conditions_.shape.primeComposite};
  return patterns[row.index]->boxes.at(b);
}

std::string PlainInputs::boxCaption(RowRef row, int box) {
  note("boxCaption", row, box);
  if (row.group == ConditionGroup::PositionDigits) return std::to_string(box);
  return patternsOf(patternKindOf(row.index)).at(static_cast<std::size_t>(box));
}

}  // namespace twostar
