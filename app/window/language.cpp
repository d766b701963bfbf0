#include "app/window/language.h"

#include "base/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace trevalo::app {

namespace {

std::string qt_translated(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

const QStringList& translation_codes()
{
    static const QStringList codes{QStringLiteral("de"), QStringLiteral("es"),    QStringLiteral("fr"),
                                   QStringLiteral("ja"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW")};
    return codes;
}

QString language_for(const QStringList& ui_languages)
{
    for (const QString& ui : ui_languages) {
        if (ui == u"C" || ui == u"POSIX")
            return {};
        const QLocale wanted(ui);
        if (wanted.language() == QLocale::C || wanted.language() == QLocale::English)
            return {};
        for (const QString& code : translation_codes()) {
            const QLocale offered(code);
            // Chinese comes in two scripts; Hong Kong's and Macau's is Taiwan's.
            if (offered.language() == wanted.language() &&
                (offered.language() != QLocale::Chinese || offered.script() == wanted.script()))
                return code;
        }
    }
    return {};
}

bool install_language(const QString& code)
{
    if (code.isEmpty())
        return true;
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral(":/i18n/trevalo_%1.qm").arg(code))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's file dialogs and message box buttons, from where the system keeps
    // Qt's translations; without them those stay English, nothing more.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    install_translator(&qt_translated);
    return true;
}

}  // namespace trevalo::app
