#pragma once
// Drives a PanelWindow the way a user does: clicks and typed text.

#include <QAbstractButton>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "twostar/conditions.h"
#include "twostar/panel/panel_window.h"

namespace twostar::test {

class PanelDriver {
 public:
  explicit PanelDriver(PanelWindow& panel) : panel_(panel) {}

  template <typename T = QWidget>
  T* get(const QString& name) const {
    T* w = panel_.control<T>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
  }

  void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }
  void click(const QString& name) { click(get<QAbstractButton>(name)); }
  void tick(QAbstractButton* b, bool ticked) {
    if (b->isChecked() != ticked) click(b);
  }
  void tick(const QString& name, bool ticked) { tick(get<QAbstractButton>(name), ticked); }
  void mode(const QString& keep, const QString& kill, KeepMode m) { click(m == KeepMode::Keep ? keep : kill); }

  // Types `text`: ASCII through key presses, everything else as an input
  // method commits it; a line break presses Return.
  void type(const QString& name, const std::string& text) {
    QWidget* w = get(name);
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
    if (auto* multi = qobject_cast<QPlainTextEdit*>(w)) multi->selectAll();
    QTest::keyClick(w, Qt::Key_Delete);
    for (QChar c : QString::fromStdString(text)) {
      if (c == '\n') {
        QTest::keyClick(w, Qt::Key_Return);
      } else if (c.unicode() < 0x80) {
        QTest::keyClick(w, c.toLatin1());
      } else {
        QInputMethodEvent commit;
        commit.setCommitString(QString(c));
        QCoreApplication::sendEvent(w, &commit);
      }
    }
  }

  void choose(const QString& name, int index) {
    auto* combo = get<QComboBox>(name);
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
  }

  QAbstractButton* box(const QString& frame, int i) const {
    const int start = PanelWindow::tagNumber(PanelWindow::tagOf(get(frame)).remove(kStartTagPrefix));
    return qobject_cast<QAbstractButton*>(panel_.findByTag(start + i + 1));
  }

  // Sets every control to `c`, as a user would.
  void apply(const Conditions& c) {
    static const char* counts[] = {"零", "一", "二", "三", "四"};
    for (int r = 0; r < 6; ++r) {
      const DanGroupRow& row = c.danGroup.rows[r];
      const QString n = QString::number(r + 1);
      type("编辑框胆组" + n, row.danText);
      for (int k = 0; k < 3; ++k) tick(QString("选择框胆组出") + counts[k] + "个" + n, row.countBoxes[k]);
      mode("单选框胆组留" + n, "单选框胆组杀" + n, row.mode);
      tick("选择框胆组容错" + n, row.tolerant);
    }
    tick("选择框重复算一个_胆组", c.danGroup.countRepeatsOnce);
    ranges(1, c.danGroup.range);
    for (int r = 0; r < 4; ++r) {
      const DanSumSpanProductRow& row = c.danSumSpanProduct.rows[r];
      const QString n = QString::number(r + 1);
      type("编辑框胆合跨积" + n, row.danText);
      for (int k = 0; k < 5; ++k) tick(QString("选择框胆合跨积出") + counts[k] + "个" + n, row.countBoxes[k]);
      mode("单选框胆合跨积留" + n, "单选框胆合跨积杀" + n, row.mode);
      tick("选择框胆合跨积容错" + n, row.tolerant);
    }
    tick("选择框重复算一个_胆合跨积", c.danSumSpanProduct.countRepeatsOnce);
    ranges(2, c.danSumSpanProduct.range);
    const PositionDigitRow* positions[] = {&c.positionDigits.tens, &c.positionDigits.units};
    const char* positionFrames[] = {"外形框14", "外形框10"};
    for (int p = 0; p < 2; ++p) {
      const QString n = QString::number(p + 1);
      for (int d = 0; d < 10; ++d) tick(box(positionFrames[p], d), positions[p]->digitBoxes[d]);
      mode("单选框定胆留" + n, "单选框定胆杀" + n, positions[p]->mode);
      tick("选择框定胆容错" + n, positions[p]->tolerant);
    }
    ranges(3, c.positionDigits.range);
    const PatternRow* patterns[] = {&c.shape.bigSmall, &c.shape.oddEven, &c.shape.primeComposite};
    const char* names[] = {"大小", "奇偶", "质合"};
    for (int k = 0; k < 3; ++k) {
      for (int b = 0; b < 4; ++b) tick(box(QString("外形框") + names[k], b), patterns[k]->boxes[b]);
      mode(QString("单选框留型态") + names[k], QString("单选框杀型态") + names[k], patterns[k]->mode);
      tick(QString("选择框容错型态") + names[k], patterns[k]->tolerant);
    }
    const KillListRow* lists[] = {&c.shape.sumTail, &c.shape.span, &c.shape.sum, &c.shape.twoDigit};
    const char* listNames[] = {"和尾", "跨度", "和值", "二码"};
    for (int k = 0; k < 4; ++k) {
      type(QString("编辑框") + listNames[k], lists[k]->text);
      tick(QString("选择框容错") + listNames[k], lists[k]->tolerant);
    }
    ranges(4, c.shape.range);
  }

  QString resultText() const { return get<QPlainTextEdit>("编辑框缩水结果")->toPlainText(); }
  QString countCaption() const { return get<QLabel>("标签注数")->text(); }

 private:
  void ranges(int group, ToleranceRange r) {
    choose("组合框容错小" + QString::number(group), r.minMisses);
    choose("组合框容错大" + QString::number(group), r.maxMisses);
  }

  PanelWindow& panel_;
};

}  // namespace twostar::test
