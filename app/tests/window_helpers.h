#pragma once

#include "app/form1.h"

#include <QApplication>
#include <QTest>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace trevalo::app::testing {

// A control of the window by name; fails the test when it is missing.
template <typename T = QWidget>
T* control(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

inline QString element(const char* array, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index);
}

// Clicks an option button where a user does: on its round indicator.
inline void click_option(const QWidget& window, const QString& name)
{
    QWidget* button = control(window, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Runs `handle` on the next modal dialog the window opens (file dialogs and
// message boxes run their own event loop, so the test acts from a timer).
// `seen` tells afterwards whether one came. Delete the returned timer to
// stop waiting.
inline QPointer<QTimer> on_next_modal(std::function<void(QWidget*)> handle, bool* seen = nullptr)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    if (seen)
        *seen = false;
    QObject::connect(timer, &QTimer::timeout, [timer, tries, handle, seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*tries < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal) {
            if (seen)
                *seen = true;
            handle(modal);
        }
    });
    timer->start(10);
    return timer;
}

// A shown window, as a user gets it.
class ShownWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    Form1 window;
};

}  // namespace trevalo::app::testing
