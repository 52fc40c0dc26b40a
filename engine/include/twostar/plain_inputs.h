#pragma once
// ConditionInputs served from plain values: for the command line and tests.

#include <string>
#include <vector>

#include "twostar/conditions.h"
#include "twostar/inputs.h"

namespace twostar {

class PlainInputs : public ConditionInputs {
 public:
  explicit PlainInputs(Conditions conditions = {}) : conditions_(std::move(conditions)) {}

  Conditions& conditions() { return conditions_; }
  const FilterResult& shown() const { return shown_; }

  // When set, every read is appended to `log` as a short line such as
  // "tolerant 0.3" or "countBox 1.2 4" (group.row, then the argument).
  void traceReadsTo(std::vector<std::string>* log) { trace_ = log; }

  bool tolerant(RowRef row) override;
  bool keepTicked(RowRef row) override;
  std::string text(RowRef row) override;
  bool countBox(RowRef row, int count) override;
  bool countRepeatsOnce(ConditionGroup group) override;
  int minMisses(ConditionGroup group) override;
  int maxMisses(ConditionGroup group) override;
  bool boxTicked(RowRef row, int box) override;
  std::string boxCaption(RowRef row, int box) override;
  void setResultText(std::string_view text) override { shown_.numbersText = text; }
  void setCountCaption(std::string_view caption) override { shown_.countCaption = caption; }
  void yield() override {}

 private:
  void note(const char* what, RowRef row, int arg = -1);
  void note(const char* what, ConditionGroup group);
  const ToleranceRange& rangeOf(ConditionGroup group) const;

  Conditions conditions_;
  FilterResult shown_;
  std::vector<std::string>* trace_ = nullptr;
};

}  // namespace twostar
