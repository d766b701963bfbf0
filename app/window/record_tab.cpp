#include "app/window/record_tab.h"

#include "app/commands/chart_image.h"
#include "app/commands/export_command.h"
#include "app/commands/kind_folder_dialog.h"
#include "app/commands/messages.h"
#include "app/commands/save_dialog.h"
#include "app/widgets/controls.h"
#include "app/widgets/line_layer.h"
#include "app/widgets/load_progress.h"
#include "app/widgets/picture_box.h"
#include "app/widgets/pictures.h"
#include "app/widgets/sample_scroll_bar.h"
#include "app/widgets/twips.h"
#include "app/window/workouts_window.h"
#include "files/file_source.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringListModel>

namespace trevalo::app {

using records::kColumns;

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

RecordTab::RecordTab(records::RecordView& model, const Pictures& pictures, std::function<QString()> proposed_name,
                     QWidget* parent)
    : QWidget(parent), model_(model), pictures_(pictures), proposed_name_(std::move(proposed_name))
{
    setObjectName(QStringLiteral("SSTab1_Record"));
    build_charts();
    build_side();
}

void RecordTab::build_charts()
{
    frame1_ = make_frame(this, "Frame1_Record", {}, 120, 360, 6540, 2880, 9);
    auto* incline = make_frame(this, "Frame2_Record", tr("INCLINE(%)"), 120, 3240, 6540, 2880, 9);
    auto* pulse = make_frame(this, "Frame3_Record", tr("Pulse"), 120, 6120, 6540, 2880, 9);
    incline_frame_ = incline;
    pulse_frame_ = pulse;
    save_charts_ = new QAction(tr("Save Charts as Image\u2026"), this);
    save_charts_->setObjectName(QStringLiteral("Action_save_charts"));
    save_charts_->setEnabled(false);
    connect(save_charts_, &QAction::triggered, this, &RecordTab::save_charts);
    for (QWidget* chart : {static_cast<QWidget*>(frame1_), static_cast<QWidget*>(incline), static_cast<QWidget*>(pulse)}) {
        chart->setContextMenuPolicy(Qt::ActionsContextMenu);
        chart->addAction(save_charts_);
    }

    for (int k = 0; k < kColumns; ++k) {
        const records::Position p = records::bar_position(k);
        image_s_[k] = new PictureBox(frame1_);
        image_s_[k]->setObjectName(element_name("Image_s", k));
        image_s_[k]->move(at(p.left, p.top));
        image_i_[k] = new PictureBox(incline);
        image_i_[k]->setObjectName(element_name("Image_i", k));
        image_i_[k]->move(at(p.left, p.top));
    }
    for (int j = 0; j < records::kScaleLabels; ++j) {
        const records::Position p = records::scale_label_position(j);
        label_record_s_[j] = make_label(frame1_, element_name("Label_record_s", j), {}, 255, 255, true);
        label_record_s_[j]->move(at(p.left, p.top));
        label_record_i_[j] = make_label(incline, element_name("Label_record_i", j), {}, 255, 255, true);
        label_record_i_[j]->move(at(p.left, p.top));
    }

    auto* grid = new PictureBox(pulse);
    grid->setObjectName(QStringLiteral("Image_p"));
    grid->setAccessibleName(tr("Pulse chart"));
    pulse_chart_ = grid;
    grid->setPicture(pictures_.pulse_grid);
    grid->move(at(420, 240));
    for (int j = 0; j < records::kPulseLabels; ++j) {
        const records::Position p = records::pulse_label_position(j);
        label_record_p_[j] = make_label(pulse, element_name("Label_record_p", j), {}, 375, 255, true);
        label_record_p_[j]->move(at(p.left, p.top));
    }
    auto* lines = new LineLayer(pulse);
    lines->setObjectName(QStringLiteral("Line1_layer"));
    for (int k = 0; k < kColumns; ++k) {
        line1_[k] = new LineSegment(lines);
        line1_[k]->setObjectName(element_name("Line1", k));
        line1_[k]->setBorderWidth(records::kPulseLineWidth);
    }
}

void RecordTab::build_side()
{
    // As wide as the Result frame under it: a workout's date and time
    // ("2026/03/01 07:30") does not fit the 1695 twips first drawn for it.
    combo_date_ = make_list(this, QStringLiteral("Combo_date"), 2775, 300);
    combo_date_->move(at(6840, 480));
    // Only a user's choice reaches the model: `activated` is not raised when
    // the window itself changes the selection.
    combo_date_->setAccessibleName(tr("Workout"));
    connect(combo_date_, &QComboBox::activated, this, [this](int index) {
        model_.choose_date(index);
        apply(model_.take_changes());
    });

    auto* result = make_frame(this, "Frame4_Record", tr("Result"), 6840, 960, 2775, 2415);
    result_frame_ = result;
    const char* names[] = {"Label_time", "Label_calo", "Label_dist", "Label_weight"};
    for (int i = 0; i < 4; ++i) {
        results_[i] = make_label(result, QLatin1String(names[i]), {}, 2535, 375, false);
        results_[i]->move(at(120, 480 + 480 * i));
    }

    auto* open = make_button(this, "Command_open", tr("Open File"), 6840, 3600, 1935, 495);
    connect(open, &QPushButton::clicked, this, &RecordTab::Command_open_Click);

    // The free column under "Open File": the statistics of the workout shown.
    auto* statistics = make_frame(this, "Frame5_Record", tr("Statistics"), 6840, 4215, 2775, 2835);
    for (int j = 0; j < records::kStatisticsLabels; ++j) {
        statistics_[j] = make_label(statistics, element_name("Label_statistics", j), {}, 2535, 375, false);
        statistics_[j]->move(at(120, 360 + 405 * j));
    }
    workouts_ = make_button(this, "Command_workouts", tr("All Workouts\u2026"), 6840, 7170, 2775, 495);
    workouts_->setEnabled(false);
    connect(workouts_, &QPushButton::clicked, this, &RecordTab::Command_workouts_Click);
    export_ = make_button(this, "Command_export", tr("Export\u2026"), 6840, 7785, 2775, 495);
    export_->setEnabled(false);
    auto* exporter = new ExportCommand(this, shown_workout(model_, [this] { return loaded_path_; }));
    connect(export_, &QPushButton::clicked, exporter, &ExportCommand::Command_export_Click);
    // The free area under "Export…": the workout shown becomes the Edit tab's program.
    make_ = make_button(this, "Command_make", tr("Make Program\u2026"), 6840, 8400, 2775, 495);
    make_->setEnabled(false);
    // Under "Make Program…", at the column's spacing.
    history_ = make_button(this, "Command_history", tr("History\u2026"), 6840, 9015, 2775, 495);

    hscroll1_ = new SampleScrollBar(this);
    hscroll1_->setAccessibleName(tr("Samples shown"));
    hscroll1_->setObjectName(QStringLiteral("HScroll1"));
    hscroll1_->setGeometry(area(480, 9000, 5745, 375));
    hscroll1_->setSingleStep(1);
    hscroll1_->setPageStep(kColumns);
    // The window blocks this signal while it sets the value itself.
    connect(hscroll1_, &QScrollBar::valueChanged, this, [this](int value) {
        model_.scroll_to(value);
        apply(model_.take_changes());
    });
    label_start_ = make_label(this, QStringLiteral("Label_start"), {}, 375, 375, true);
    label_start_->move(at(120, 9060));
    label_end_ = make_label(this, QStringLiteral("Label_end"), {}, 375, 375, true);
    label_end_->move(at(6240, 9060));

    for (int k = 0; k < 9; ++k) {
        make_hidden_picture(this, element_name("Image_seg_g", k), 6840 + 360 * k, 3600)
            ->setPicture(pictures_.speed_bars[k]);
        make_hidden_picture(this, element_name("Image_seg_r", k), 6840 + 360 * k, 6120)
            ->setPicture(pictures_.incline_bars[k]);
    }
}

// --- Loading ------------------------------------------------------------------

void RecordTab::Command_open_Click()
{
    // Taken down once the file is shown: a file dialog's end waits for its
    // thread that watches the folder, time the user would spend waiting.
    auto* dialog = new QFileDialog(this);
    const auto later = qScopeGuard([dialog] { dialog->deleteLater(); });
    dialog->setObjectName(QStringLiteral("CommonDialog1"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(tr("Record Files(*.cus)"));
    if (exec_in_kind_folder(*dialog, folders::kRecordFiles, proposed_name_()) != QDialog::Accepted ||
        dialog->selectedFiles().isEmpty())
        return;
    load(dialog->selectedFiles().constFirst());
}

bool RecordTab::load(const QString& path, const std::function<void()>& opened)
{
    files::FileSource source;
    if (const Result<void> opening = source.open(path.toStdString()); !opening) {
        // A pipe, a device or a folder changes nothing; a file that cannot
        // be opened leaves the display emptied, as a failed load does.
        if (!source.not_a_file()) {
            model_.begin_load();
            model_.end_load();
            apply(model_.take_changes());
        }
        refuse_file(this, tr("The record file could not be opened."), path,
                    QString::fromLocal8Bit(opening.error()), "OpenMessage");
        return !source.not_a_file();
    }
    if (opened)
        opened();

    model_.begin_load();
    QString read_error;
    {
        // Gone before the outcome is told.
        LoadProgress progress(this, tr("Reading %1\u2026").arg(QFileInfo(path).fileName()),
                              source.size(), progress_delay_ms_);
        // Read in pieces: the largest record file is some 30 MB, and any
        // file may be far larger.
        QByteArray chunk(1 << 20, Qt::Uninitialized);
        std::uint64_t done = 0;
        for (;;) {
            const Result<std::size_t> got = source.read(chunk.data(), static_cast<std::size_t>(chunk.size()));
            if (!got)
                read_error = QString::fromLocal8Bit(got.error());
            if (!got || *got == 0 || !model_.reader().feed(std::string_view(chunk.constData(), *got)))
                break;
            done += *got;
            if (!progress.advance(done)) {
                model_.cancel_load();
                return true;
            }
        }
    }
    if (read_error.isEmpty())
        model_.reader().finish();
    const int records = model_.reader().records();
    const Result<void> loaded = model_.end_load();
    loaded_path_ = path;
    apply(model_.take_changes());
    if (records > 0)
        emit workouts_shown(path);

    if (!read_error.isEmpty())
        refuse_file(this, tr("The record file could not be read to its end."), path, read_error,
                    "OpenMessage");
    else if (!loaded)
        refuse_file(this, tr("The record file could not be read."), path,
                    QString::fromStdString(loaded.error()), "OpenMessage");
    else if (records == 0)
        show_message(this, Tone::Note,
                     tr("No workouts were found in\n%1").arg(QDir::toNativeSeparators(path)),
                     "OpenMessage");
    return true;
}

void RecordTab::save_charts()
{
    const ChartImageParts parts{QString::fromStdString(records::shown_workout_title(model_)), frame1_,
                                incline_frame_, pulse_frame_, result_frame_};
    const QImage image = render_chart_image(parts, devicePixelRatioF());

    const std::optional<QString> path = ask_save_path(this, QStringLiteral("ChartImageDialog"),
                                                      tr("PNG images (*.png)"), QStringLiteral("png"),
                                                      QStringLiteral("charts"), folders::kChartPictures);
    if (!path)
        return;
    if (const Result<void> written = write_png(image, *path); !written)
        refuse_write(this, tr("The charts were not saved."), *path, written, "OpenMessage");
}

// --- Applying the model -----------------------------------------------------

void RecordTab::apply_all()
{
    model_.take_changes();
    apply(0xFFFF);
    for (int j = 0; j < records::kScaleLabels; ++j)
        label_record_i_[j]->setText(text(model_.incline_scale_caption(j)));
    for (int j = 0; j < records::kPulseLabels; ++j)
        label_record_p_[j]->setText(text(model_.pulse_scale_caption(j)));
}

void RecordTab::apply(std::uint16_t changes)
{
    if (changes & records::DateItems) {
        QStringList dates;
        dates.reserve(static_cast<qsizetype>(model_.dates().size()));
        for (const std::string& date : model_.dates())
            dates.append(QString::fromLatin1(date.data(), static_cast<qsizetype>(date.size())));
        static_cast<QStringListModel*>(combo_date_->model())->setStringList(dates);
    }
    if (changes & (records::DateItems | records::DateSelection)) {
        combo_date_->setCurrentIndex(model_.selected_date());
        save_charts_->setEnabled(model_.selected_date() >= 0);
        export_->setEnabled(model_.selected_date() >= 0);
        make_->setEnabled(model_.selected_date() >= 0);
        workouts_->setEnabled(!model_.dates().empty());
    }
    if (changes & records::Summary) {
        const std::string* captions[] = {&model_.label_time(), &model_.label_calo(), &model_.label_dist(),
                                         &model_.label_weight()};
        for (int i = 0; i < 4; ++i)
            set_fitting_text(results_[i], text(*captions[i]));
    }
    if (changes & records::Statistics) {
        for (int j = 0; j < records::kStatisticsLabels; ++j)
            set_fitting_text(statistics_[j], text(model_.statistics_caption(j)));
    }
    if (changes & records::SpeedScale) {
        frame1_->setTitle(text(model_.speed_frame_caption()));
        for (int j = 0; j < records::kScaleLabels; ++j)
            label_record_s_[j]->setText(text(model_.speed_scale_caption(j)));
    }
    if (changes & records::Scroll)
        apply_scroll();
    if (changes & records::Charts)
        apply_charts();
    if (changes & records::DateItems)
        emit file_loaded();
    if (changes & (records::DateSelection | records::Scroll))
        emit shown_changed();
}

void RecordTab::choose_workout(int index)
{
    model_.choose_date(index);
    apply(model_.take_changes());
}

void RecordTab::show_from_sample(int first)
{
    if (hscroll1_->isVisible())
        hscroll1_->setValue(first);  // runs HScroll1's handler as a user's move does
}

void RecordTab::Command_workouts_Click()
{
    if (!workouts_window_) {
        workouts_window_ = new WorkoutsWindow(model_, this);
        connect(workouts_window_, &WorkoutsWindow::workoutChosen, this, &RecordTab::choose_workout);
        connect(workouts_window_, &WorkoutsWindow::showFrom, this, &RecordTab::show_from_sample);
        connect(this, &RecordTab::shown_changed, workouts_window_, &WorkoutsWindow::refresh_chart);
        connect(this, &RecordTab::file_loaded, workouts_window_, &WorkoutsWindow::refresh_table);
    }
    workouts_window_->show();
    workouts_window_->raise();
    workouts_window_->activateWindow();
}

void RecordTab::apply_scroll()
{
    const records::ScrollState& s = model_.scroll();
    {
        const QSignalBlocker blocker(hscroll1_);
        hscroll1_->setRange(0, s.maximum);
        hscroll1_->setValue(s.value);
    }
    hscroll1_->setVisible(s.visible);
    label_start_->setVisible(s.visible);
    label_end_->setVisible(s.visible);
    set_fitting_text(label_start_, text(s.start_caption));
    set_fitting_text(label_end_, text(s.end_caption));
}

void RecordTab::apply_charts()
{
    pulse_chart_->setAccessibleDescription(QString::fromStdString(records::pulse_chart_description(model_)));
    for (int k = 0; k < kColumns; ++k) {
        image_s_[k]->setPicture(pictures_.speed_bars[model_.speed_bar(k)]);
        image_i_[k]->setPicture(pictures_.incline_bars[model_.incline_bar(k)]);
        image_s_[k]->setAccessibleName(QString::fromStdString(records::bar_name(model_, true, k)));
        image_s_[k]->setAccessibleDescription(QString::fromStdString(records::bar_description(model_.speed_bar(k))));
        image_i_[k]->setAccessibleName(QString::fromStdString(records::bar_name(model_, false, k)));
        image_i_[k]->setAccessibleDescription(
            QString::fromStdString(records::bar_description(model_.incline_bar(k))));
        const records::LineState& l = model_.line(k);
        line1_[k]->setX1(l.x1);
        line1_[k]->setY1(l.y1);
        line1_[k]->setX2(l.x2);
        line1_[k]->setY2(l.y2);
        line1_[k]->setVisible(l.visible);
    }
}

}  // namespace trevalo::app
