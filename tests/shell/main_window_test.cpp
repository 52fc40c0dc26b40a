// The main window that hosts the panel.

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "twostar/panel/compact_style.h"
#include "twostar/panel/panel_window.h"
#include "twostar/shell/main_window.h"

using namespace twostar;

class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QApplication::setStyle(new CompactStyle); }

  void hostsThePanelInItsOnlyTab() {
    EngineData engine;
    MainWindow window(engine);
    window.show();
    window.centre();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.windowTitle().startsWith("云帆终极缩水软件 "));
    QVERIFY(window.windowTitle().contains(QString("twostar ") + TWOSTAR_VERSION));  // the same as twostar-cli --version
    QCOMPARE(window.size(), QSize(918, 585));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(window.windowIcon().availableSizes().size(), 8);
    QCOMPARE(window.windowIcon().availableSizes().front(), QSize(16, 16));
    QCOMPARE(window.windowIcon().availableSizes().back(), QSize(128, 128));

    auto* tabs = window.findChild<QTabWidget*>("选择夹");
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QString("二星做号"));
    auto* host = window.findChild<QFrame*>("外形框二星窗口");
    QVERIFY(host);
    QCOMPARE(host->size(), QSize(910, 550));
    QCOMPARE(host->palette().color(QPalette::Window), panelBlue);

    PanelWindow* panel = window.panel();
    QVERIFY(panel);
    QCOMPARE(panel->parentWidget(), host);
    QVERIFY(!panel->isWindow());
    QCOMPARE(panel->pos(), QPoint(0, 0));
    QVERIFY(panel->isVisible());
    QCOMPARE(engine.pool.size(), std::size_t(100));

    QTest::mouseClick(panel->control<QPushButton>("按钮做号"), Qt::LeftButton);
    QCOMPARE(panel->control<QLabel>("标签注数")->text(), QString("0条件参与缩水"));
  }

  // Closing the window while a long run yields ends the run early and safely.
  void closingDuringARunIsSafe() {
    EngineData engine;
    MainWindow window(engine);
    window.show();
    PanelWindow* panel = window.panel();
    panel->setYieldInterval(0);
    QString pasted;
    for (int n = 0; n < 200000; ++n) pasted += "12 ";
    panel->control<QPlainTextEdit>("编辑框二码")->setPlainText(pasted);
    bool closedWhileRunning = false;
    QTimer::singleShot(0, &window, [&] {
      closedWhileRunning = panel->isRunning();
      window.close();
    });
    QTest::mouseClick(panel->control<QPushButton>("按钮做号"), Qt::LeftButton);
    QVERIFY(closedWhileRunning);
    QVERIFY(!window.isVisible());
    QVERIFY(!panel->isRunning());
    QVERIFY(panel->control<QPushButton>("按钮做号")->isEnabled());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
