// How long the window takes to open, and to switch the treadmill model with
// every widget update and repaint included. Runs offscreen.

#include "app/commands/history_service.h"
#include "app/window/form1.h"
#include "app/window/history_window.h"
#include "app/window/record_tab.h"
#include "app/window/workouts_window.h"
#include "history/history_store.h"
#include "records/record_reader.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

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

// Whether a load showed its progress dialog, which is gone once it ends.
struct DialogWatch : QObject {
    DialogWatch() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QStringLiteral("LoadProgress"))
            shown = true;
        return false;
    }
    bool shown = false;
};

// "Open File" without the dialog: reading the largest record file, filling
// Combo_date with its 1024 workouts and showing the last one.
void OpenLargestRecordFile(benchmark::State& state)
{
    // Absolute: the dialog reads a bare name in the folder it starts in.
    const QString path = QFileInfo(qEnvironmentVariable("TREVALO_LARGEST_RECORD_FILE")).absoluteFilePath();
    if (path.isEmpty()) {
        state.SkipWithError("set TREVALO_LARGEST_RECORD_FILE");
        return;
    }
    Form1 window;
    window.show();
    auto* tab = window.findChild<trevalo::app::RecordTab*>();
    DialogWatch watch;
    for (auto _ : state) {
        tab->load(path);
        QCoreApplication::processEvents();
    }
    if (window.record_view().dates().size() != 1024)
        state.SkipWithError("the file did not load whole");
    // The largest valid file is an everyday load: no progress dialog.
    if (watch.shown)
        state.SkipWithError("a progress dialog was shown");
}
BENCHMARK(OpenLargestRecordFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// "Open File" as a user does it, from accepting the open dialog to the last
// workout shown: in a new window (the first open), and in a window that
// shows the same file already (a second open, which must be no slower).
void OpenLargestRecordFileThroughTheDialog(benchmark::State& state)
{
    // Absolute: the dialog reads a bare name in the folder it starts in.
    const QString path = QFileInfo(qEnvironmentVariable("TREVALO_LARGEST_RECORD_FILE")).absoluteFilePath();
    const bool second = state.range(0) == 1;
    std::unique_ptr<Form1> window;
    for (auto _ : state) {
        if (!second || !window) {
            window = std::make_unique<Form1>();
            window->show();
            if (second)
                window->findChild<trevalo::app::RecordTab*>()->load(path);
            QCoreApplication::processEvents();
        }
        QElapsedTimer clock;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            clock.start();
            static_cast<QDialog*>(dialog)->accept();
        });
        window->findChild<trevalo::app::RecordTab*>()->Command_open_Click();
        QCoreApplication::processEvents();
        state.SetIterationTime(clock.isValid() ? clock.nsecsElapsed() / 1e9 : 0);
    }
    if (window->record_view().dates().size() != 1024)
        state.SkipWithError("the file did not load whole");
    state.SetLabel(second ? "second open" : "first open");
}
BENCHMARK(OpenLargestRecordFileThroughTheDialog)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// "All Workouts…" for the largest file: every workout's statistics, the
// table filled and sorted, the shown workout charted.
void AllWorkoutsOfTheLargestFile(benchmark::State& state)
{
    Form1 window;
    window.show();
    window.findChild<trevalo::app::RecordTab*>()->load(qEnvironmentVariable("TREVALO_LARGEST_RECORD_FILE"));
    window.findChild<QPushButton*>(QStringLiteral("Command_workouts"))->click();
    QCoreApplication::processEvents();
    auto* workouts = window.findChild<trevalo::app::WorkoutsWindow*>();
    if (!workouts || !workouts->isVisible()) {
        state.SkipWithError("no workouts window");
        return;
    }
    for (auto _ : state) {
        workouts->refresh_table();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(AllWorkoutsOfTheLargestFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// Keeping the largest file in a new history after "Open File" shows it: the
// window's longest stand-still while the history's thread keeps, measured by
// a 10 ms timer, and the time until the keep is done.
void KeepLargestFileWhileTheWindowRuns(benchmark::State& state)
{
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    double longest_gap_ms = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(data + QStringLiteral("/trevalo")).removeRecursively();
        state.ResumeTiming();
        Form1 window;
        window.show();
        auto* service = window.findChild<trevalo::app::HistoryService*>();
        QSignalSpy kept(service, &trevalo::app::HistoryService::changed);
        QElapsedTimer gap;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longest_gap_ms = std::max(longest_gap_ms, gap.nsecsElapsed() / 1e6);
            gap.restart();
        });
        window.findChild<trevalo::app::RecordTab*>()->load(qEnvironmentVariable("TREVALO_LARGEST_RECORD_FILE"));
        gap.start();
        ticks.start(10);
        if (!kept.wait(10000))
            state.SkipWithError("nothing kept");
    }
    state.counters["longest_stand_still_ms"] = longest_gap_ms;
}
BENCHMARK(KeepLargestFileWhileTheWindowRuns)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly();

// "History…" over 10,000 kept workouts: from the click to every table filled.
void HistoryWindowOf10000Workouts(benchmark::State& state)
{
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    QDir(data + QStringLiteral("/trevalo")).removeRecursively();
    {
        std::ifstream in(qEnvironmentVariable("TREVALO_LARGEST_RECORD_FILE").toStdString(), std::ios::binary);
        const std::string file{std::istreambuf_iterator<char>(in), {}};
        trevalo::records::RecordStore store;
        std::vector<std::string> dates;
        auto history = trevalo::history::HistoryStore::open(trevalo::history::default_history_path(), 0);
        if (!history || !trevalo::records::read_records(file, store, dates) || dates.size() != 1024) {
            state.SkipWithError("no history made");
            return;
        }
        // Ten years of the largest log's first 1000 workouts.
        for (int year = 0; year < 10; ++year) {
            std::vector<std::string> some(dates.begin(), dates.begin() + 1000);
            for (std::string& date : some)
                date.replace(0, 4, std::to_string(2016 + year));
            history.value().keep(store, some, "largest.txt", 0);
        }
    }
    for (auto _ : state) {
        Form1 window;
        window.show();
        QCoreApplication::processEvents();
        auto* button = window.findChild<QPushButton*>(QStringLiteral("Command_history"));
        button->click();
        auto* shown = window.findChild<trevalo::app::HistoryWindow*>();
        if (!QSignalSpy(shown, &trevalo::app::HistoryWindow::refreshed).wait(10000))
            state.SkipWithError("no tables");
        QCoreApplication::processEvents();
    }
}
BENCHMARK(HistoryWindowOf10000Workouts)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly();

// The yardstick for "Open File": the simplest reading of the same file line
// by line, doing nothing with the lines.
void GetlinePassSameFile(benchmark::State& state)
{
    const std::string path = qEnvironmentVariable("TREVALO_LARGEST_RECORD_FILE").toStdString();
    std::size_t lines = 0;
    for (auto _ : state) {
        std::ifstream file(path, std::ios::binary);
        std::string line;
        lines = 0;
        while (std::getline(file, line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    if (lines == 0)
        state.SkipWithError("set TREVALO_LARGEST_RECORD_FILE");
}
BENCHMARK(GetlinePassSameFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The workouts the window keeps go to a history of the run's own.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
