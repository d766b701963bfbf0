#include "app/record_tab.h"

#include "app/controls.h"
#include "app/line_layer.h"
#include "app/picture_box.h"
#include "app/pictures.h"
#include "app/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace trevalo::app {

using records::kColumns;

RecordTab::RecordTab(const Pictures& pictures, QWidget* parent) : QWidget(parent), pictures_(pictures)
{
    setObjectName(QStringLiteral("SSTab1_Record"));
    build_charts();
    build_side();
}

void RecordTab::build_charts()
{
    auto* speed = make_frame(this, "Frame1_Record", "SPEED(MPH)", 120, 360, 6540, 2880, 9);
    auto* incline = make_frame(this, "Frame2_Record", "INCLINE(%)", 120, 3240, 6540, 2880, 9);
    auto* pulse = make_frame(this, "Frame3_Record", "Pulse", 120, 6120, 6540, 2880, 9);

    for (int k = 0; k < kColumns; ++k) {
        image_s_[k] = new PictureBox(speed);
        image_s_[k]->setObjectName(element_name("Image_s", k));
        image_s_[k]->setPicture(pictures_.speed_bars[0]);
        image_i_[k] = new PictureBox(incline);
        image_i_[k]->setObjectName(element_name("Image_i", k));
        image_i_[k]->setPicture(pictures_.incline_bars[0]);
    }
    for (int j = 0; j < records::kScaleLabels; ++j) {
        label_record_s_[j] = make_label(speed, element_name("Label_record_s", j), {}, 255, 255, true);
        label_record_i_[j] =
            make_label(incline, element_name("Label_record_i", j), QStringLiteral("Label1"), 255, 255, true);
    }

    auto* grid = new PictureBox(pulse);
    grid->setObjectName(QStringLiteral("Image_p"));
    grid->setPicture(pictures_.pulse_grid);
    grid->move(at(420, 240));
    for (int j = 0; j < records::kPulseLabels; ++j)
        label_record_p_[j] = make_label(pulse, element_name("Label_record_p", j), QStringLiteral("Label1"), 375, 255, true);
    auto* lines = new LineLayer(pulse);
    lines->setObjectName(QStringLiteral("Line1_layer"));
    for (int k = 0; k < kColumns; ++k) {
        line1_[k] = new LineSegment(lines);
        line1_[k]->setObjectName(element_name("Line1", k));
    }
}

void RecordTab::build_side()
{
    auto* date = make_list(this, QStringLiteral("Combo_date"), 1695, 300);
    date->move(at(6840, 480));

    auto* result = make_frame(this, "Frame4_Record", "Result", 6840, 960, 2775, 2415);
    struct ResultLabel {
        const char* name;
        const char* caption;
        int top;
    };
    for (const ResultLabel& r : {ResultLabel{"Label_time", "Time", 480}, ResultLabel{"Label_calo", "Calories", 960},
                                 ResultLabel{"Label_dist", "Distance", 1440},
                                 ResultLabel{"Label_weight", "Weight", 1920}}) {
        QLabel* l = make_label(result, QLatin1String(r.name), QString::fromLatin1(r.caption), 2535, 375, false);
        l->move(at(120, r.top));
    }

    make_button(this, "Command_open", "Open File", 6840, 3600, 1935, 495);

    hscroll1_ = new QScrollBar(Qt::Horizontal, this);
    hscroll1_->setObjectName(QStringLiteral("HScroll1"));
    hscroll1_->setGeometry(area(480, 9000, 5745, 375));
    hscroll1_->setRange(0, 0);
    label_start_ = make_label(this, QStringLiteral("Label_start"), QStringLiteral("Label1"), 375, 375, true);
    label_start_->move(at(120, 9060));
    label_end_ = make_label(this, QStringLiteral("Label_end"), QStringLiteral("Label1"), 375, 375, true);
    label_end_->move(at(6240, 9060));

    for (int k = 0; k < 9; ++k) {
        make_hidden_picture(this, element_name("Image_seg_g", k), 6840 + 360 * k, 3600)
            ->setPicture(pictures_.speed_bars[k]);
        make_hidden_picture(this, element_name("Image_seg_r", k), 6840 + 360 * k, 6120)
            ->setPicture(pictures_.incline_bars[k]);
    }
}

void RecordTab::start_up()
{
    for (int k = 0; k < kColumns; ++k) {
        const records::Position p = records::bar_position(k);
        image_s_[k]->move(at(p.left, p.top));
        image_i_[k]->move(at(p.left, p.top));
        line1_[k]->setBorderWidth(records::kPulseLineWidth);
        line1_[k]->setVisible(false);
    }
    for (int j = 0; j < records::kScaleLabels; ++j) {
        const records::Position p = records::scale_label_position(j);
        const QString caption = QString::fromStdString(records::scale_label_caption(j));
        for (QLabel* l : {label_record_s_[j], label_record_i_[j]}) {
            l->move(at(p.left, p.top));
            l->setText(caption);
        }
    }
    for (int j = 0; j < records::kPulseLabels; ++j) {
        const records::Position p = records::pulse_label_position(j);
        label_record_p_[j]->move(at(p.left, p.top));
        label_record_p_[j]->setText(QString::fromStdString(records::pulse_label_caption(j)));
    }
    for (QWidget* w : {static_cast<QWidget*>(hscroll1_), static_cast<QWidget*>(label_start_),
                       static_cast<QWidget*>(label_end_)})
        w->hide();
}

}  // namespace trevalo::app
