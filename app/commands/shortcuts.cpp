#include "app/commands/shortcuts.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QWidget>

namespace trevalo::app {

namespace {

const struct {
    const char* button;
    const char* tip;
    QKeySequence::StandardKey key;
} kButtons[] = {
    {"Command_save", QT_TRANSLATE_NOOP("Shortcuts", "Save the program as a file"), QKeySequence::Save},
    {"Command_load", QT_TRANSLATE_NOOP("Shortcuts", "Open a program file"), QKeySequence::Open},
    {"Command_open", QT_TRANSLATE_NOOP("Shortcuts", "Open a record file"), QKeySequence::Open},
};

}  // namespace

void install_file_shortcuts(QWidget& window)
{
    for (const auto& [key, name] :
         {std::pair{QKeySequence::Save, "Action_save"}, {QKeySequence::Open, "Action_open"}}) {
        // Of the buttons a key presses, only the one on the tab shown is visible.
        QList<QPushButton*> buttons;
        for (const auto& b : kButtons) {
            if (b.key != key)
                continue;
            auto* button = window.findChild<QPushButton*>(QLatin1String(b.button));
            button->setToolTip(QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("Shortcuts", b.tip),
                                                             QKeySequence(key).toString(QKeySequence::NativeText)));
            buttons.append(button);
        }
        auto* action = new QAction(&window);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(key);
        // The window's own: a key pressed in a list or a lamp grid reaches it too.
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, &window, [buttons] {
            for (QPushButton* button : buttons)
                if (button->isVisible() && button->isEnabled())
                    return button->click();
        });
        window.addAction(action);
    }
}

}  // namespace trevalo::app
