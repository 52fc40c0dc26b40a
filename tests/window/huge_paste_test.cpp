
// 100 MiB of pasted numbers in the two-digit kill list: the run completes with
// the right result, the window stays alive, and memory stays bounded.

#include <sys/resource.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "twostar/panel/compact_style.h"
#include "twostar/panel/panel_window.h"
#include "twostar/shell/main_window.h"

using namespace twostar;

namespace {

double peakRssMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace

class HugePasteTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void hundredMebibytesInTheTwoDigitList() {
    QApplication::setStyle(new CompactStyle);
    EngineData engine;
    MainWindow window(engine);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PanelWindow* panel = window.panel();
    const double normal = peakRssMiB();

    // Every pair but 47 and 74, sixteen to a line, pasted 4 MiB at a time.
    QString chunk;
    for (int n = 0; chunk.size() < (4 << 20); ++n) {
      const int v = n % 100;
      if (v == 47 || v == 74) continue;
      chunk += QString::number(v / 10) + QString::number(v % 10) + (n % 16 == 15 ? "\n" : " ");
    }
    constexpr qint64 kInputBytes = 100LL << 20;
    auto* list = panel->control<QPlainTextEdit>("编辑框二码");
    list->setFocus();
    QGuiApplication::clipboard()->setText(chunk);
    for (qint64 pasted = 0; pasted < kInputBytes; pasted += chunk.size()) {
      QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
    }
    QGuiApplication::clipboard()->clear();
    chunk.clear();
    QVERIFY(list->document()->characterCount() >= kInputBytes);

    QElapsedTimer run;
    run.start();
    QTest::mouseClick(panel->control<QPushButton>("按钮做号"), Qt::LeftButton);
    const qint64 runMs = run.elapsed();
    QCOMPARE(panel->control<QLabel>("标签注数")->text(), QString("共2注"));
    QCOMPARE(panel->control<QPlainTextEdit>("编辑框缩水结果")->toPlainText(), QString("47 74"));
    QVERIFY(window.isVisible());
    QVERIFY(panel->control<QPushButton>("按钮做号")->isEnabled());

    const double growth = peakRssMiB() - normal;
    qInfo("run %lld ms; normal size %.0f MiB, growth %.0f MiB for %lld MiB of input", runMs, normal, growth,
          kInputBytes >> 20);
    if (!qEnvironmentVariableIsSet("TWOSTAR_SANITIZED")) QVERIFY(growth <= 4.0 * (kInputBytes >> 20));
  }
};

QTEST_MAIN(HugePasteTest)
#include "huge_paste_test.moc"
