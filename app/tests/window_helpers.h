#pragma once

#include "app/widgets/picture_box.h"
#include "app/window/form1.h"
#include "editor/edit_program.h"
#include "editor/lamp_keyboard.h"
#include "editor/summary_captions.h"
#include "records/tests/record_file_builder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

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

// Near the left edge, where a user clicks an option button: on its round indicator.
inline void click(const QWidget& window, const QString& name)
{
    QWidget* target = control(window, name);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
}

inline std::function<void()> clicking(const QWidget& window, const QString& name)
{
    return [&window, name] { click(window, name); };
}

inline QString text(const QWidget& window, const QString& name)
{
    if (auto* list = qobject_cast<QComboBox*>(control(window, name)))
        return list->currentText();
    return control<QLabel>(window, name)->text();
}

// Nothing may be cut off: every text a control can show fits inside it.
inline void expect_texts_fit(const QWidget& window)
{
    const auto fits = [](const QWidget* widget, const QString& text, const QRect& room) {
        const QRect ink = widget->fontMetrics().tightBoundingRect(text);
        EXPECT_LE(ink.width(), room.width()) << widget->objectName().toStdString() << " " << text.toStdString();
        EXPECT_LE(ink.height(), room.height()) << widget->objectName().toStdString();
    };
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window))
            fits(label, label->text(), label->rect());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = qobject_cast<const QRadioButton*>(button);
        fits(button, button->text(),
             button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents,
                                             &option, button));
    }
    // A frame's title stands in the frame's width, clear of its corners.
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>())
        fits(frame, frame->title(), frame->rect().adjusted(4, 0, -4, 0));
    for (const QTabBar* tabs : window.findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            fits(tabs, tabs->tabText(i), tabs->tabRect(i));
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i)
            fits(list, list->itemText(i), field);
    }
}

using Answer = std::function<void(QWidget*)>;

// Runs `trigger` and answers the modal dialogs it opens, in order, one answer
// each: they run their own event loops, so the answers come from a timer. A
// dialog more is a failure, and rejected. Returns how many were answered.
inline int answering(const std::function<void()>& trigger, const std::vector<Answer>& answers)
{
    std::size_t next = 0;
    // Every dialog answered so far: a file dialog is the active one again for
    // a moment after the overwrite question it asked has closed.
    std::vector<QPointer<QWidget>> answered;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || std::find(answered.begin(), answered.end(), modal) != answered.end())
            return;
        answered.emplace_back(modal);
        // Answered from the dialog's own loop, so that this timer sees a
        // dialog that the answer opens (an overwrite question).
        if (next < answers.size())
            return QTimer::singleShot(0, modal, [modal, answer = answers[next++]] { answer(modal); });
        ADD_FAILURE() << "unexpected dialog " << modal->objectName().toStdString();
        qobject_cast<QDialog*>(modal)->reject();
    });
    timer.start(10);
    trigger();
    return static_cast<int>(next);
}

inline void cancel(QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); }

inline QString typed_name(const QWidget* file_dialog)
{
    return file_dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
}

inline Answer choose(const QString& path)
{
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        dialog->selectFile(path);
        // selectFile leaves the name field alone once it has the focus, and
        // when it gets the focus depends on timing.
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

// A message box: its text kept, its first button pressed.
inline Answer read_message(QString* message)
{
    return [message](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            ADD_FAILURE() << "no message box: " << modal->objectName().toStdString();
            return cancel(modal);
        }
        *message = box->text();
        box->buttons().constFirst()->click();
    };
}

inline Answer press(QMessageBox::StandardButton button)
{
    return [button](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(button)->click(); };
}

// Runs `trigger`, answers its file dialog, named `name`, and returns the text
// of the message that followed, if one did.
inline QString through_file_dialog(const std::function<void()>& trigger, const QString& name, const Answer& answer)
{
    QString message;
    const Answer named = [&](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), name);
        answer(dialog);
    };
    answering(trigger, {named, read_message(&message)});
    return message;
}

// A workout of one sample per speed field, pulse 100.
inline std::string workout(const std::string& date, const std::string& unit, const std::vector<std::string>& speeds)
{
    records::testing::RecordFile file;
    file.header(date).weight("160", unit);
    for (const std::string& speed : speeds) {
        records::testing::Sample sample;
        sample.speed = speed;
        sample.pulse = "100";
        file.sample(sample);
    }
    return file.text();
}

inline QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every control of the Edit tab shows what the model holds: the glue after a
// user's action, whatever the rules that the editor's own tests hold.
inline void expect_edit_tab_shows_model(const Form1& window)
{
    using editor::Ctl;
    const char* const arrays[] = {"Combo_type",  "Combo_min",   "Combo_weight", "Combo_s",    "Combo_i",
                                  "Image1",      "Image2",      "Label_s",      "Label_i",    "Label_seg_s",
                                  "Label_seg_i", "Option_gen",  "Option_sil",   "Option_mph", "Option_kph",
                                  "Frame1_Edit", "Frame7_Edit"};  // in editor::Ctl's order
    const char* const lamp_sources[] = {nullptr, "Image_G", "Image_R", "Image_w"};  // by editor::Lamp
    const editor::EditModel& model = window.edit_model();
    const auto at = [](editor::Point p) { return QPoint(p.left / 15, p.top / 15); };  // 15 twips a pixel
    for (int kind = 0; kind < editor::kCtlKinds; ++kind) {
        const auto ctl = static_cast<Ctl>(kind);
        for (int i = 0; i < editor::kCtlCount[kind]; ++i) {
            QWidget* widget = control(window, editor::kCtlCount[kind] == 1 ? arrays[kind] : element(arrays[kind], i));
            SCOPED_TRACE(widget->objectName().toStdString());
            if (auto* list = qobject_cast<QComboBox*>(widget)) {
                const editor::ComboState& state = model.combo({ctl, i});
                ASSERT_EQ(list->count(), state.count());
                for (int item = 0; item < state.count(); ++item)
                    EXPECT_EQ(list->itemText(item).toStdString(), state.text(item));
                EXPECT_EQ(list->currentIndex(), state.selected);
                EXPECT_EQ(list->isHidden(), !state.visible);
                if (ctl == Ctl::Combo_s || ctl == Ctl::Combo_i) {  // the others stand still
                    EXPECT_EQ(list->pos(), at(state.position));
                }
            } else if (auto* lamp = qobject_cast<PictureBox*>(widget)) {
                const editor::LampState& state = model.lamp(ctl, i);
                const char* source = lamp_sources[static_cast<int>(state.picture)];
                EXPECT_EQ(lamp->picture().cacheKey(),
                          source ? control<PictureBox>(window, source)->picture().cacheKey() : 0);
                EXPECT_EQ(lamp->isEnabled(), state.enabled);
                EXPECT_EQ(lamp->isHidden(), !state.visible);
                EXPECT_EQ(lamp->pos(), at(state.position));
                EXPECT_EQ(lamp->toolTip().toStdString(), editor::lamp_value(model, ctl, i));
                EXPECT_EQ(lamp->accessibleDescription().toStdString(), editor::lamp_description(model, ctl, i));
            } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                const editor::LabelState& state = model.label({ctl, i});
                EXPECT_EQ(label->text().toStdString(), state.caption);
                EXPECT_EQ(label->pos(), at(state.position));
                EXPECT_EQ(label->isHidden(), !state.visible);
                EXPECT_EQ(label->alignment(), state.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
                EXPECT_EQ(option->isChecked(), model.option(ctl).value);
                EXPECT_EQ(option->isEnabled(), model.option(ctl).enabled);
            } else {
                EXPECT_EQ(qobject_cast<QGroupBox*>(widget)->title().toStdString(), model.frame_caption(ctl));
            }
        }
    }
    const editor::SummaryCaptions summary = editor::summary_captions(editor::program_of(model));
    EXPECT_EQ((QStringList{text(window, "Label_sum_segment"), text(window, "Label_sum_distance"),
                           text(window, "Label_sum_speed"), text(window, "Label_sum_climb")}),
              (QStringList{QString::fromStdString(summary.segment), QString::fromStdString(summary.distance),
                           QString::fromStdString(summary.speed), QString::fromStdString(summary.climb)}));
}

// Every control of the Record tab that a load, a choice or a scroll changes
// shows what the model holds.
inline void expect_record_tab_shows_model(const Form1& window)
{
    const records::RecordView& view = window.record_view();
    auto* dates = control<QComboBox>(window, "Combo_date");
    ASSERT_EQ(dates->count(), static_cast<int>(view.dates().size()));
    for (int i = 0; i < dates->count(); ++i)
        EXPECT_EQ(dates->itemText(i).toStdString(), view.dates()[static_cast<std::size_t>(i)]);
    EXPECT_EQ(dates->currentIndex(), view.selected_date());
    EXPECT_EQ(control(window, "Command_export")->isEnabled(), view.selected_date() >= 0);
    const records::ScrollState& scroll = view.scroll();
    std::vector<std::pair<QString, std::string>> captions{
        {"Label_time", view.label_time()},      {"Label_calo", view.label_calo()},
        {"Label_dist", view.label_dist()},      {"Label_weight", view.label_weight()},
        {"Label_start", scroll.start_caption}, {"Label_end", scroll.end_caption}};
    for (int j = 0; j < records::kStatisticsLabels; ++j)
        captions.emplace_back(element("Label_statistics", j), view.statistics_caption(j));
    for (int j = 0; j < records::kScaleLabels; ++j)
        captions.emplace_back(element("Label_record_s", j), view.speed_scale_caption(j));
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(text(window, name).toStdString(), caption) << name.toStdString();
    EXPECT_EQ(control<QGroupBox>(window, "Frame1_Record")->title().toStdString(), view.speed_frame_caption());
    auto* scroll_bar = control<QScrollBar>(window, "HScroll1");
    EXPECT_EQ((std::vector{scroll_bar->maximum(), scroll_bar->value()}), (std::vector{scroll.maximum, scroll.value}));
    EXPECT_EQ(scroll_bar->isHidden(), !scroll.visible);
    for (int k = 0; k < records::kColumns; ++k) {
        SCOPED_TRACE(k);
        for (const bool speed : {true, false}) {
            const int level = speed ? view.speed_bar(k) : view.incline_bar(k);
            auto* bar = control<PictureBox>(window, element(speed ? "Image_s" : "Image_i", k));
            auto* source = control<PictureBox>(window, element(speed ? "Image_seg_g" : "Image_seg_r", level));
            EXPECT_EQ(bar->picture().cacheKey(), source->picture().cacheKey());
            EXPECT_EQ(bar->accessibleDescription().toStdString(), records::bar_description(level));
            EXPECT_EQ(bar->accessibleName().toStdString(), records::bar_name(view, speed, k));
        }
        const records::LineState& line = view.line(k);
        const auto* segment = control<QObject>(window, element("Line1", k));
        EXPECT_EQ((std::vector{segment->property("X1").toFloat(), segment->property("Y1").toFloat(),
                               segment->property("X2").toFloat(), segment->property("Y2").toFloat()}),
                  (std::vector{line.x1, line.y1, line.x2, line.y2}));
        EXPECT_EQ(segment->property("Visible").toBool(), line.visible);
    }
    EXPECT_EQ(control(window, "Image_p")->accessibleDescription().toStdString(),
              records::pulse_chart_description(view));
}

// A shown window, as a user gets it, and a folder for its files.
class ShownWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QString write(const QString& name, const std::string& bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    }

    Form1 window;
    QTemporaryDir folder;
};

}  // namespace trevalo::app::testing
