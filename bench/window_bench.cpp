// Window speed on the offscreen platform: the "做号" click to the painted
// result with every row taking part, and building and showing the main window.

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include "panel_driver.h"
#include "twostar/panel/compact_style.h"
#include "twostar/shell/main_window.h"
#include "typical_panel.h"

namespace {

using namespace twostar;

void BM_GenerateClickToPaintedResult(benchmark::State& state) {
  EngineData engine;
  MainWindow window(engine);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
  PanelWindow* panel = window.panel();
  test::PanelDriver(*panel).apply(typicalPanel());
  auto* generate = panel->control<QPushButton>("按钮做号");
  for (auto _ : state) {
    QTest::mouseClick(generate, Qt::LeftButton);
    window.repaint();  // paints the whole window now, result box and count label included
  }
}
BENCHMARK(BM_GenerateClickToPaintedResult)->Unit(benchmark::kMillisecond);

void BM_MainWindowToShown(benchmark::State& state) {
  for (auto _ : state) {
    EngineData engine;
    MainWindow window(engine);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
    window.repaint();
  }
}
BENCHMARK(BM_MainWindowToShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QElapsedTimer toolkit;
  toolkit.start();
  QApplication app(argc, argv);
  QApplication::setStyle(new CompactStyle);
  QApplication::setFont(QFont("WenQuanYi Micro Hei", 9));
  std::printf("Window toolkit start-up: %.1f ms\n", static_cast<double>(toolkit.nsecsElapsed()) / 1e6);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
