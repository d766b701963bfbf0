#pragma once

#include "app/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
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

// Nothing may be cut off: every text a control can show fits inside it, for
// every model and unit (the lists change with them).
inline void expect_texts_fit(const QWidget& window)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(&window))
            continue;
        const QRect ink = label->fontMetrics().tightBoundingRect(label->text());
        EXPECT_LE(ink.width(), label->width()) << label->objectName().toStdString();
        EXPECT_LE(ink.height(), label->height()) << label->objectName().toStdString();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(button);
        const QRect room = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
        const QRect ink = button->fontMetrics().tightBoundingRect(button->text());
        EXPECT_LE(ink.width(), room.width()) << button->objectName().toStdString();
        EXPECT_LE(ink.height(), room.height()) << button->objectName().toStdString();
    }
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            const QRect ink = list->fontMetrics().tightBoundingRect(list->itemText(i));
            ASSERT_LE(ink.width(), field.width())
                << list->objectName().toStdString() << " " << list->itemText(i).toStdString();
            ASSERT_LE(ink.height(), field.height()) << list->objectName().toStdString();
        }
    }
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
