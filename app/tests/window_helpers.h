#pragma once

#include "app/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>
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

// The message box that a file command showed after its dialog, if any.
struct Outcome {
    QString message;
    QString title;
    int buttons = 0;
};

// Runs `trigger`, lets `fill` answer the file dialog it opens (check it,
// then accept or reject it), says "Yes" to an overwrite question, and
// returns the message box that followed.
inline Outcome through_file_dialog(const std::function<void()>& trigger, const QString& dialog_name,
                                   const std::function<void(QFileDialog*)>& fill)
{
    Outcome outcome;
    std::vector<QPointer<QTimer>> waiting;
    std::function<void(QWidget*)> answer = [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
            waiting.push_back(on_next_modal(answer));
            yes->click();
            return;
        }
        outcome = {box->text(), box->windowTitle(), static_cast<int>(box->buttons().size())};
        box->buttons().constFirst()->click();
    };
    waiting.push_back(on_next_modal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), dialog_name);
        waiting.push_back(on_next_modal(answer));
        fill(dialog);
    }));
    trigger();
    for (const QPointer<QTimer>& timer : waiting)  // what did not come is no longer awaited
        delete timer.data();
    return outcome;
}

inline std::function<void(QFileDialog*)> choose(const QString& path)
{
    return [path](QFileDialog* dialog) {
        dialog->selectFile(path);
        // selectFile leaves the name field alone once it has the focus, and
        // when it gets the focus depends on timing.
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

inline void cancel(QFileDialog* dialog) { dialog->reject(); }

inline QString write_file(const QTemporaryDir& folder, const QString& name, const std::string& text)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path;
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
