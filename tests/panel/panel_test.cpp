// The filter panel under the offscreen platform: layout, run-time boxes,
// commands, and full runs driven through the widgets.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "panel_driver.h"
#include "random_panel.h"
#include "twostar/fill.h"
#include "twostar/panel/compact_style.h"
#include "twostar/plain_inputs.h"

using namespace twostar;

namespace {

FilterResult engineOn(const Conditions& c) {
  EngineData engine;
  PlainInputs inputs(c);
  return runFilter(engine, inputs);
}

}  // namespace

class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public Q_SLOTS:
  void open(const QUrl& url) { opened.push_back(url); }
};

class PanelTest : public QObject {
  Q_OBJECT

 private:
  EngineData engine_;
  std::unique_ptr<PanelWindow> panel_;
  QStringList messages_;

  // Sets `c` with clicks and typing, generates, and compares with the engine.
  void runThroughWidgets(const Conditions& c) {
    test::PanelDriver d(freshPanel());
    d.apply(c);
    d.click("按钮做号");
    const FilterResult expected = engineOn(c);
    QCOMPARE(d.resultText(), QString::fromStdString(expected.numbersText));
    QCOMPARE(d.countCaption(), QString::fromStdString(expected.countCaption));
  }

  PanelWindow& freshPanel() {
    panel_ = std::make_unique<PanelWindow>(engine_);
    panel_->showMessage = [this](const QString& text, bool ok) { messages_ << (ok ? "ok:" : "fail:") + text; };
    messages_.clear();
    panel_->show();
    return *panel_;
  }

 private Q_SLOTS:
  void initTestCase() {
    QApplication::setStyle(new CompactStyle);
    QApplication::setFont(QFont("WenQuanYi Micro Hei", 9));
  }
  void cleanup() { panel_.reset(); }

  void initialPanelGivesNothingTookPart() {
    test::PanelDriver d(freshPanel());
    QCOMPARE(d.countCaption(), QString("共   注"));
    QVERIFY(d.resultText().startsWith("二星做号"));
    QVERIFY(d.resultText().endsWith(panel_->windowTitle().section(' ', -1)));
    d.click("按钮做号");
    QCOMPARE(d.resultText(), QString());
    QCOMPARE(d.countCaption(), QString("0条件参与缩水"));
    QCOMPARE(engine_.pool.size(), std::size_t(100));
  }

  void everyDescribedControlExists() {
    test::PanelDriver d(freshPanel());
    QCOMPARE(panel_->size(), QSize(910, 550));
    QVERIFY(panel_->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(d.get<QGroupBox>("分组框胆组1")->title(), QString("后二胆"));
    QCOMPARE(d.get<QGroupBox>("分组框型态")->geometry(), QRect(504, 8, 336, 416));
    QCOMPARE(d.get("外形框6")->geometry(), QRect(6, 176, 320, 20));
    QCOMPARE(d.get("外形框9")->geometry(), QRect(8, 106, 416, 20));
    QCOMPARE(d.get<QLabel>("标签12")->text(), QString("胆合跨积4"));
    QCOMPARE(d.get<QLabel>("标签6")->text(), QString("后二胆6"));
    QCOMPARE(d.get("编辑框二码")->geometry(), QRect(58, 4, 255, 89));
    QCOMPARE(d.get("编辑框二码")->parentWidget()->objectName(), QString("外形框16"));
    QCOMPARE(d.get("按钮访问博客")->geometry(), QRect(256, 70, 60, 20));
    QVERIFY(d.get<QCheckBox>("选择框胆合跨积出四个3")->isChecked());
    QVERIFY(!d.get<QCheckBox>("选择框胆组出零个5")->isChecked());
    QVERIFY(d.get<QCheckBox>("选择框重复算一个_胆合跨积")->isChecked());
    QVERIFY(d.get<QRadioButton>("单选框留型态质合")->isChecked());
    QVERIFY(qobject_cast<QLineEdit*>(d.get("编辑框跨度")));
    for (const char* multi : {"编辑框和值", "编辑框二码", "编辑框缩水结果"}) {
      auto* edit = qobject_cast<QPlainTextEdit*>(d.get(multi));
      QVERIFY(edit);
      QCOMPARE(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }
    const std::pair<const char*, int> combos[] = {{"组合框容错小1", 7}, {"组合框容错大2", 5}, {"组合框容错小3", 3},
                                                  {"组合框容错大4", 8}};
    for (auto [name, items] : combos) {
      auto* combo = d.get<QComboBox>(name);
      QVERIFY(!combo->isEditable());
      QCOMPARE(combo->count(), items);
      QCOMPARE(combo->itemText(items - 1), QString::number(items - 1));
      QCOMPARE(combo->currentIndex(), 0);
    }
    for (const char* t : {"选择框定胆1", "选择框定胆2", "选择框型态1", "选择框型态2", "选择框型态3"}) {
      QVERIFY(!d.get<QCheckBox>(t)->isVisible());
      QVERIFY(!d.get<QCheckBox>(t)->isChecked());
    }
  }

  void radioPairsAreExclusivePerRow() {
    test::PanelDriver d(freshPanel());
    d.click("单选框胆组杀2");
    QVERIFY(!d.get<QRadioButton>("单选框胆组留2")->isChecked());
    QVERIFY(d.get<QRadioButton>("单选框胆组留1")->isChecked());
    QVERIFY(d.get<QRadioButton>("单选框胆组留3")->isChecked());
    d.click("单选框胆组留2");
    QVERIFY(!d.get<QRadioButton>("单选框胆组杀2")->isChecked());
  }

  void runTimeBoxesTagsCaptionsAndPlaces() {
    test::PanelDriver d(freshPanel());
    const std::pair<const char*, int> frames[] = {
        {"外形框14", 0}, {"外形框10", 10}, {"外形框大小", 20}, {"外形框奇偶", 24}, {"外形框质合", 28}};
    for (auto [frame, start] : frames) QCOMPARE(PanelWindow::tagOf(d.get(frame)), "本组标记起点" + QString::number(start));
    for (int tag = 1; tag <= 20; ++tag) {
      auto* box = qobject_cast<QCheckBox*>(panel_->findByTag(tag));
      QVERIFY(box);
      QCOMPARE(box->parentWidget()->objectName(), QString(tag <= 10 ? "外形框14" : "外形框10"));
      QCOMPARE(box->text(), QString::number((tag - 1) % 10));
      QCOMPARE(box->geometry(), QRect(40 + 24 * ((tag - 1) % 10), 0, 24, 20));
      QVERIFY(box->isVisible() && !box->isChecked());
    }
    const QStringList patterns = {"大大", "大小", "小大", "小小", "奇奇", "奇偶", "偶奇", "偶偶", "质质", "质合", "合质", "合合"};
    for (int tag = 21; tag <= 32; ++tag) {
      auto* box = qobject_cast<QCheckBox*>(panel_->findByTag(tag));
      QVERIFY(box);
      QCOMPARE(box->text(), patterns[tag - 21]);
      QCOMPARE(box->geometry(), QRect(8 + 44 * ((tag - 21) % 4), 4, 44, 20));
    }
    QCOMPARE(panel_->findByTag(33), nullptr);
    QCOMPARE(PanelWindow::tagNumber("12abc"), 12);
    QCOMPARE(PanelWindow::tagNumber("本组标记起点20"), 0);
    QCOMPARE(PanelWindow::tagNumber(""), 0);
  }

  void framesAndLabelsArePanelBlue() {
    test::PanelDriver d(freshPanel());
    int frames = 0, labels = 0;
    for (QFrame* f : panel_->findChildren<QFrame*>()) {
      if (!f->objectName().startsWith("外形框")) continue;
      ++frames;
      QCOMPARE(f->palette().color(QPalette::Window), panelBlue);
      QVERIFY(f->autoFillBackground());
    }
    for (QLabel* l : panel_->findChildren<QLabel*>()) {
      ++labels;
      QCOMPARE(l->palette().color(QPalette::Window), panelBlue);
    }
    QCOMPARE(frames, 19);  // 6 + 4 + 2 row frames, 3 pattern frames, 4 kill-list frames
    QCOMPARE(labels, 25);  // 12 row labels, 8 tolerance labels, 4 kill-list labels, the count label
  }

  void fillAndClearButtons() {
    test::PanelDriver d(freshPanel());
    const std::tuple<const char*, const char*, const char*, std::string> lists[] = {
        {"按钮全和尾", "按钮清和尾", "编辑框和尾", digitFillText()},
        {"按钮全跨度", "按钮清跨度", "编辑框跨度", digitFillText()},
        {"按钮全和值", "按钮清和值", "编辑框和值", sumFillText()},
        {"按钮全二码", "按钮清二码", "编辑框二码", twoDigitFillText()},
    };
    for (const auto& [fill, clear, edit, text] : lists) {
      d.click(fill);
      d.click(fill);  // twice gives the same text, not a doubled one
      QWidget* w = d.get(edit);
      const auto textOf = [w] {
        if (auto* l = qobject_cast<QLineEdit*>(w)) return l->text();
        return qobject_cast<QPlainTextEdit*>(w)->toPlainText();
      };
      QCOMPARE(textOf(), QString::fromStdString(text));
      d.click(clear);
      QCOMPARE(textOf(), QString());
    }
    d.click("按钮全二码");
    d.click("按钮做号");
    QCOMPARE(d.countCaption(), QString("共0注"));
  }

  // With events processed at every yield, a click queued before the run lands
  // at its first yield: the generate button is disabled then, and a fill
  // takes effect for the rows evaluated after it.
  void otherButtonsWorkDuringARun() {
    test::PanelDriver d(freshPanel());
    panel_->setYieldInterval(0);
    d.type("编辑框胆组1", "5");
    bool seenDisabled = false, seenRunning = false;
    QTimer::singleShot(0, panel_.get(), [&] {
      seenDisabled = !d.get("按钮做号")->isEnabled();
      seenRunning = panel_->isRunning();
      d.click("按钮做号");  // disabled: no second run
      d.click("按钮全和尾");
    });
    int finished = 0;
    connect(panel_.get(), &PanelWindow::runFinished, [&] { ++finished; });
    d.click("按钮做号");
    QVERIFY(seenDisabled);
    QVERIFY(seenRunning);
    QCOMPARE(finished, 1);
    QVERIFY(d.get("按钮做号")->isEnabled());
    QCOMPARE(d.get<QLineEdit>("编辑框和尾")->text(), QString("0123456789"));
    QCOMPARE(d.countCaption(), QString("共0注"));
  }

  void copySuccessAndFailure() {
    test::PanelDriver d(freshPanel());
    d.type("编辑框胆组1", "5");
    d.click("按钮做号");
    d.click("按钮复制");
    QCOMPARE(QGuiApplication::clipboard()->text(), d.resultText());
    QCOMPARE(messages_, QStringList{"ok:复制成功"});

    messages_.clear();
    d.type("编辑框胆组2", "abc");
    d.type("编辑框胆组1", "");
    d.click("按钮做号");  // empty result box
    d.click("按钮复制");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(messages_, QStringList{"ok:复制成功"});

    messages_.clear();
    panel_->putOnClipboard = [](const QString&) { return QString("something else"); };
    d.click("按钮复制");
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].startsWith("fail:复制失败"));
  }

  void visitBlogOpensTheWebAddress() {
    test::PanelDriver d(freshPanel());
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    d.click("按钮访问博客");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened[0], QUrl("https://twostar.example.org/"));
  }

  void fullRunsMatchTheEngine_data() {
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 12; ++seed) QTest::newRow(qPrintable(QString::number(seed))) << seed;
  }
  void fullRunsMatchTheEngine() {
    QFETCH(int, seed);
    test::RandomPanel random(static_cast<unsigned>(seed));
    Conditions c = random.next();
    // A single-line box takes no line breaks from the keyboard.
    for (KillListRow* r : {&c.shape.sumTail, &c.shape.span}) std::replace(r->text.begin(), r->text.end(), '\n', ' ');
    runThroughWidgets(c);
  }

  void handPickedRunsMatchTheEngine() {
    Conditions c;
    c.danGroup.rows[0].danText = "5";
    c.danGroup.rows[1] = {"6", {false, true, true}, KeepMode::Keep, true};
    c.danGroup.rows[2] = {"1", {false, true, true}, KeepMode::Keep, true};
    c.danGroup.range = {0, 1};
    c.positionDigits.units = {test_digits(), KeepMode::Kill, false};
    c.shape.oddEven = {{false, true, true, false}, KeepMode::Keep, false};
    c.shape.twoDigit = {"56\n65 57", false};
    runThroughWidgets(c);
    QVERIFY(engineOn(c).countCaption != "0条件参与缩水");
  }

  void megabytePasteRunsToTheRightResult() {
    test::PanelDriver d(freshPanel());
    QString pasted;
    for (int n = 0; n < 400000; ++n) pasted += (n % 2 ? "12 " : "21\n");  // 1.2 MB
    d.get<QPlainTextEdit>("编辑框二码")->setPlainText(pasted);
    d.click("按钮做号");
    QCOMPARE(d.countCaption(), QString("共98注"));
    QVERIFY(!d.resultText().contains("12") && !d.resultText().contains("21"));
  }

  // A pasted megabyte is flowed into lines of about 1000 characters: its own
  // line breaks become blanks, new ones follow separators, and the run sees
  // the same numbers.
  void largePasteIsFlowedWithoutChangingTheNumbers() {
    test::PanelDriver d(freshPanel());
    QString line;
    for (int n = 0; n < 300000; ++n) line += QString::number(n % 97 + 3) + (n % 5 ? " " : n % 7 ? "," : "\n");
    QGuiApplication::clipboard()->setText(line);
    auto* edit = d.get<QPlainTextEdit>("编辑框二码");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    const QString pasted = edit->toPlainText();
    QVERIFY(pasted.count('\n') > 500);
    QCOMPARE(QString(pasted).remove('\n'), QString(line).replace('\n', ' '));
    for (const QString& l : pasted.split('\n')) QVERIFY(l.size() <= 1004);
    d.click("按钮做号");
    Conditions c;
    c.shape.twoDigit.text = line.toStdString();
    QCOMPARE(d.countCaption(), QString::fromStdString(engineOn(c).countCaption));
  }

 private:
  static std::array<bool, 10> test_digits() {
    std::array<bool, 10> b{};
    b[3] = b[4] = true;
    return b;
  }
};

QTEST_MAIN(PanelTest)
#include "panel_test.moc"
