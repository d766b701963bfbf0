#include "app/window/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trevalo"));
    QApplication::setApplicationVersion(QStringLiteral("0.9"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "TREVALO USB AP: treadmill workout programs and workout records for the QM-20, QM-5 and R300."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "A program file to open on the Edit tab, a "
                                                                     "workout file (FIT, TCX or ZWO) to import "
                                                                     "there, or a record file to open on the Record "
                                                                     "tab."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1)
        parser.showHelp(1);

    Form1 window;
    window.show();
    if (!parser.positionalArguments().isEmpty()) {
        const QString path = parser.positionalArguments().constFirst();
        // Once the window stands, so that a message has a window to stand on.
        QTimer::singleShot(0, &window, [&window, path] { window.open_path(path); });
    }
    return app.exec();
}
