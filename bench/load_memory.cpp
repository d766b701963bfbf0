// Peak memory of loading a file into the real window, offscreen: the
// process's peak resident size before and after the load. Run once per file,
// each in a process of its own, since the peak never falls.
//
// usage: load_memory FILE [LOADS]

#include "app/window/form1.h"
#include "app/window/record_tab.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

long peak_kib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form1 window;
    window.show();
    QCoreApplication::processEvents();
    // A file that is no record file ends in a message: answer it.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(50);
    const long before = peak_kib();
    // A second load of the same file, as a user opens it again: the file
    // shown stays whole until the new load is complete.
    const int loads = argc > 2 ? std::atoi(argv[2]) : 1;
    for (int i = 0; i < loads; ++i) {
        window.findChild<trevalo::app::RecordTab*>()->load(QString::fromLocal8Bit(argv[1]));
        QCoreApplication::processEvents();
    }
    const long after = peak_kib();
    std::printf("%s, loaded %d time(s)\n", argv[1], loads);
    std::printf("workouts loaded: %zu\n", window.record_view().dates().size());
    std::printf("peak resident size before the load: %.1f MB\n", before / 1024.0);
    std::printf("peak resident size after the load:  %.1f MB\n", after / 1024.0);
    std::printf("growth of the peak by the load:     %.1f MB\n", (after - before) / 1024.0);
    return 0;
}
