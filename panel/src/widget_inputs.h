#pragma once
// ConditionInputs over the panel's widgets: each value is read from its
// control when the engine asks for it.

#include <QString>
#include <QWidget>

#include "twostar/inputs.h"

namespace twostar {

class PanelWindow;

class WidgetInputs : public ConditionInputs {
 public:
  explicit WidgetInputs(PanelWindow& panel) : panel_(panel) {}

  // After stop() every read gives the untouched panel's value and yield does nothing.
  void stop() { stopped_ = true; }
  void resume() { stopped_ = false; }

  bool tolerant(RowRef row) override;
  bool keepTicked(RowRef row) override;
  std::string text(RowRef row) override;
  bool countBox(RowRef row, int count) override;
  bool countRepeatsOnce(ConditionGroup group) override;
  int minMisses(ConditionGroup group) override;
  int maxMisses(ConditionGroup group) override;
  bool boxTicked(RowRef row, int box) override;
  std::string boxCaption(RowRef row, int box) override;
  void setResultText(std::string_view text) override;
  void setCountCaption(std::string_view caption) override;
  void yield() override;

 private:
  bool checked(const QString& name) const;
  QWidget* findBox(RowRef row, int box) const;

  PanelWindow& panel_;
  bool stopped_ = false;
};

// Control names per row.
QString tolerantBoxName(RowRef row);
QString keepButtonName(RowRef row);  // empty for kill lists
QString editBoxName(RowRef row);     // empty for box rows
QString countBoxName(RowRef row, int count);
QString rowFrameName(RowRef row);  // frames of the position and pattern rows

}  // namespace twostar
