#include "app/window/form1.h"
#include "app/window/language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QTimer>

#include <cstdio>

namespace {

// --language is read before the parser is built, so that --help and every
// message of the parser already speak the language chosen.
QString requested_language(const QStringList& arguments, bool& given)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == u"--")
            break;
        if (a.startsWith(u"--language=")) {
            given = true;
            return a.mid(11);
        }
        if (a == u"--language" && i + 1 < arguments.size()) {
            given = true;
            return arguments[i + 1];
        }
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[])
{
    using namespace trevalo::app;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trevalo"));
    QApplication::setApplicationVersion(QStringLiteral("0.9"));

    bool given = false;
    const QString requested = requested_language(QApplication::arguments(), given);
    const QString code = given ? requested : language_for(QLocale::system().uiLanguages());
    const bool english = code.isEmpty() || code == u"en";
    if (!english && !translation_codes().contains(code)) {
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(QCoreApplication::translate("main", "There is no translation \"%1\". The "
                                                                        "languages are: %2.")
                                        .arg(code, QStringLiteral("en, ") + translation_codes().join(u", "))));
        return 1;
    }
    install_language(english ? QString() : code);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "TREVALO USB AP: treadmill workout programs and workout records for the QM-20, QM-5 and R300."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("language"),
                      QCoreApplication::translate("main", "Speak this language for this run, whatever the system's "
                                                          "is: %1.")
                          .arg(QStringLiteral("en, ") + translation_codes().join(u", ")),
                      QCoreApplication::translate("main", "code")});
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "A program file to open on the Edit tab, a "
                                                                     "workout file (FIT, TCX or ZWO) to import "
                                                                     "there, or a record file to open on the Record "
                                                                     "tab."),
                                 QCoreApplication::translate("main", "[file]"));
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
