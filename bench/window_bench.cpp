// How long the window takes to open, and to switch the treadmill model with
// every widget update and repaint included. Runs offscreen.

#include "app/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void ConstructAndShowForm1(benchmark::State& state)
{
    for (auto _ : state) {
        Form1 window;
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.winId());
    }
}
BENCHMARK(ConstructAndShowForm1)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly();

// One iteration is two switches: a user's choice of "QM-20", then of "R300".
void SwitchToQm20ThenR300(benchmark::State& state)
{
    Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("window not exposed");
        return;
    }
    auto* type = window.findChild<QComboBox*>(QStringLiteral("Combo_type"));
    for (auto _ : state) {
        QTest::keyClick(type, Qt::Key_Home);
        QCoreApplication::processEvents();
        QTest::keyClick(type, Qt::Key_End);
        QCoreApplication::processEvents();
    }
    if (type->currentText() != QStringLiteral("R300"))
        state.SkipWithError("the switch did not happen");
}
BENCHMARK(SwitchToQm20ThenR300)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
