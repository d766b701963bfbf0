#include "app/window/edit_tab.h"

#include "app/widgets/compact_list_style.h"
#include "app/widgets/controls.h"
#include "app/widgets/grid_keyboard.h"
#include "app/widgets/picture_box.h"
#include "app/widgets/pictures.h"
#include "app/widgets/twips.h"
#include "app/window/summary_frame.h"
#include "editor/edit_program.h"
#include "editor/lamp_keyboard.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

namespace trevalo::app {

using editor::Change;
using editor::ControlRef;
using editor::Ctl;
using editor::kLamps;
using editor::kSegments;

EditTab::EditTab(editor::EditModel& model, const Pictures& pictures, QWidget* parent)
    : QWidget(parent), model_(model), pictures_(pictures)
{
    setObjectName(QStringLiteral("SSTab1_Edit"));
    build_grids();
    build_selectors();
    build_settings();
    build_picture_sources();
    summary_ = std::make_unique<SummaryFrame>(this);
    set_tab_order();
}

// Each grid, then its lists, then the settings on the right.
void EditTab::set_tab_order()
{
    std::vector<QWidget*> order{frame1_};
    order.insert(order.end(), combo_s_.begin(), combo_s_.end());
    order.push_back(frame2_);
    order.insert(order.end(), combo_i_.begin(), combo_i_.end());
    for (QWidget* w : std::initializer_list<QWidget*>{combo_type_, option_gen_, option_sil_, option_mph_, option_kph_,
                                                      combo_min_, combo_weight_, command_save_, command_load_,
                                                      command_import_, command_export_program_})
        order.push_back(w);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void EditTab::build_grids()
{
    frame1_ = make_frame(this, "Frame1_Edit", tr("SPEED(MPH)"), 120, 360, 6240, 3000, 9);
    frame2_ = make_frame(this, "Frame2_Edit", tr("INCLINE(%)"), 120, 5040, 6240, 3000, 9);
    QGroupBox* frame2 = frame2_;
    for (QGroupBox* frame : {frame1_, frame2})
        frame->setCursor(Qt::PointingHandCursor);
    frame1_->setAccessibleName(tr("Speed lamps"));
    frame2_->setAccessibleName(tr("Incline lamps"));

    for (int k = 0; k < kLamps; ++k) {
        image1_[k] = new PictureBox(frame1_);
        image1_[k]->setObjectName(element_name("Image1", k));
        image1_[k]->setAccessibleRole(QAccessible::Button);  // before anything asks for its interface
        image1_[k]->setAccessibleName(QString::fromStdString(editor::lamp_name(Ctl::Image1, k)));
        connect(image1_[k], &PictureBox::clicked, this, [this, k] {
            model_.click_lamp(Ctl::Image1, k);
            apply_changes();
        });
        image2_[k] = new PictureBox(frame2);
        image2_[k]->setObjectName(element_name("Image2", k));
        image2_[k]->setAccessibleRole(QAccessible::Button);  // before anything asks for its interface
        image2_[k]->setAccessibleName(QString::fromStdString(editor::lamp_name(Ctl::Image2, k)));
        connect(image2_[k], &PictureBox::clicked, this, [this, k] {
            model_.click_lamp(Ctl::Image2, k);
            apply_changes();
        });
    }
    for (int i = 0; i < kSegments; ++i) {
        label_seg_s_[i] = make_label(frame1_, element_name("Label_seg_s", i), {}, 255, 255, true);
        label_seg_i_[i] = make_label(frame2, element_name("Label_seg_i", i), {}, 255, 255, true);
    }
    speed_keys_ = new GridKeyboard(frame1_, model_, Ctl::Image1, [this](int k) {
        model_.click_lamp(Ctl::Image1, k);
        apply_changes();
    });
    incline_keys_ = new GridKeyboard(frame2_, model_, Ctl::Image2, [this](int k) {
        model_.click_lamp(Ctl::Image2, k);
        apply_changes();
    });
}

void EditTab::build_selectors()
{
    auto* frame3 = make_frame(this, "Frame3_Edit", {}, 120, 3360, 7740, 1695);
    auto* frame4 = make_frame(this, "Frame4_Edit", {}, 120, 8040, 7740, 1695);
    auto* compact = new CompactListStyle(this);
    for (int i = 0; i < kSegments; ++i) {
        label_s_[i] = make_label(frame3, element_name("Label_s", i), {}, 735, 255, true);
        label_s_[i]->setFont(arial(9));
        combo_s_[i] = make_list(frame3, element_name("Combo_s", i), 735, 300);
        combo_s_[i]->setStyle(compact);
        connect_list(combo_s_[i], {Ctl::Combo_s, i});
        label_i_[i] = make_label(frame4, element_name("Label_i", i), {}, 735, 255, false);
        combo_i_[i] = make_list(frame4, element_name("Combo_i", i), 735, 300);
        combo_i_[i]->setStyle(compact);
        connect_list(combo_i_[i], {Ctl::Combo_i, i});
    }
}

void EditTab::build_settings()
{
    auto* products = make_frame(this, "Frame10_Edit", tr("Products"), 8040, 360, 2175, 975);
    combo_type_ = make_list(products, QStringLiteral("Combo_type"), 1695, 300);
    combo_type_->move(at(240, 360));
    connect_list(combo_type_, {Ctl::Combo_type});

    auto* mode = make_frame(this, "Frame9_Edit", tr("Mode"), 8040, 1440, 2175, 1215);
    auto* unit = make_frame(this, "Frame8_Edit", tr("Unit"), 8040, 2760, 2175, 1215);
    struct OptionSpec {
        QRadioButton*& button;
        QGroupBox* frame;
        Ctl ctl;
        const char* name;
        QString caption;
        int top;
        int width;
    };
    for (const OptionSpec& o : {OptionSpec{option_gen_, mode, Ctl::Option_gen, "Option_gen", tr("General"), 360, 1215},
                                OptionSpec{option_sil_, mode, Ctl::Option_sil, "Option_sil", tr("Silver"), 720, 1215},
                                OptionSpec{option_mph_, unit, Ctl::Option_mph, "Option_mph", tr("MPH"), 360, 1815},
                                OptionSpec{option_kph_, unit, Ctl::Option_kph, "Option_kph", tr("KPH"), 720, 1815}}) {
        o.button = new QRadioButton(o.caption, o.frame);
        o.button->setObjectName(QLatin1String(o.name));
        o.button->setGeometry(area(240, o.top, o.width, 375));
        connect(o.button, &QRadioButton::clicked, this, [this, ctl = o.ctl] {
            model_.click_option(ctl);
            apply_changes();
            // The toolkit checks a clicked button by itself; the model decides.
            for (Ctl c : {Ctl::Option_gen, Ctl::Option_sil, Ctl::Option_mph, Ctl::Option_kph})
                apply_option(c);
        });
    }

    auto* time = make_frame(this, "Frame6_Edit", tr("Set Time(Min)"), 8040, 4080, 2175, 975);
    combo_min_ = make_list(time, QStringLiteral("Combo_min"), 1695, 390);
    combo_min_->move(at(240, 360));
    connect_list(combo_min_, {Ctl::Combo_min});

    frame7_ = make_frame(this, "Frame7_Edit", {}, 8040, 5160, 2175, 975);
    combo_weight_ = make_list(frame7_, QStringLiteral("Combo_weight"), 1695, 390);
    combo_weight_->move(at(240, 360));
    connect_list(combo_weight_, {Ctl::Combo_weight});

    auto* usb = make_frame(this, "Frame5_Edit", tr("USB Device"), 8040, 6240, 2175, 1215);
    command_save_ = make_button(usb, "Command_save", tr("SAVE"), 240, 360, 1695, 615);
    // The free area under the frame: the program on the stick comes back.
    command_load_ = make_button(this, "Command_load", tr("OPEN"), 8280, 7575, 1695, 615);
    // Under OPEN: training plans from other tools in, the program out to a watch.
    command_import_ = make_button(this, "Command_import", tr("IMPORT"), 8280, 8310, 1695, 495);
    command_export_program_ = make_button(this, "Command_export_program", tr("EXPORT"), 8280, 8925, 1695, 495);
}

void EditTab::build_picture_sources()
{
    make_hidden_picture(this, QStringLiteral("Image_G"), 6480, 1200)->setPicture(pictures_.lamp_green);
    make_hidden_picture(this, QStringLiteral("Image_w"), 6480, 480)->setPicture(pictures_.lamp_grey);
    make_hidden_picture(this, QStringLiteral("Image_R"), 6480, 840)->setPicture(pictures_.lamp_red);
    make_hidden_picture(this, QStringLiteral("Image_O"), 6480, 1560)->setPicture(pictures_.lamp_orange);
}

// Only a user's choice reaches the model: `activated` is not raised when the
// window itself changes a list's selection.
void EditTab::connect_list(QComboBox* list, ControlRef ref)
{
    // Qt on Linux names a list by its value; the description says which it is.
    const QString name = QString::fromStdString(editor::list_name(ref));
    list->setAccessibleName(name);
    list->setAccessibleDescription(name);
    connect(list, &QComboBox::activated, this, [this, list, ref](int index) {
        model_.choose(ref, index);
        apply_changes();
        // The model may refuse a choice; the list shows what the model holds.
        list->setCurrentIndex(model_.combo(ref).selected);
    });
}

// --- Applying the model -----------------------------------------------------

void EditTab::apply_all()
{
    model_.take_changes();
    const std::uint16_t all = 0xFFFF;
    for (Ctl c : {Ctl::Combo_type, Ctl::Combo_min, Ctl::Combo_weight, Ctl::Option_gen, Ctl::Option_sil,
                  Ctl::Option_mph, Ctl::Option_kph, Ctl::Frame1_Edit, Ctl::Frame7_Edit})
        apply({{c, 0}, all});
    for (int i = 0; i < kSegments; ++i)
        for (Ctl c : {Ctl::Combo_s, Ctl::Combo_i, Ctl::Label_s, Ctl::Label_i, Ctl::Label_seg_s,
                      Ctl::Label_seg_i})
            apply({{c, i}, all});
    for (int k = 0; k < kLamps; ++k)
        for (Ctl c : {Ctl::Image1, Ctl::Image2})
            apply({{c, k}, all});
    describe_all_lamps();
    summary_->show(editor::program_of(model_));
}

EditTab::~EditTab() = default;

void EditTab::apply_changes()
{
    bool settings_changed = false;
    for (const Change& change : model_.take_changes()) {
        apply(change);
        const Ctl c = change.control.ctl;
        if ((c == Ctl::Combo_s || c == Ctl::Combo_i) && (change.props & editor::Items))
            settings_changed = true;
        else if ((c == Ctl::Image1 || c == Ctl::Image2) && (change.props & (editor::Picture | editor::Enabled)))
            describe_lamp(c, change.control.index);
    }
    // New lists mean new settings: every lamp's click value may differ.
    if (settings_changed) {
        describe_all_lamps();
        speed_keys_->settle();
        incline_keys_->settle();
    }
    summary_->show(editor::program_of(model_));
    emit changed();
}

void EditTab::describe_lamp(Ctl grid, int lamp)
{
    PictureBox* box = (grid == Ctl::Image1 ? image1_ : image2_)[lamp];
    box->setAccessibleDescription(QString::fromStdString(editor::lamp_description(model_, grid, lamp)));
    box->setToolTip(QString::fromStdString(editor::lamp_value(model_, grid, lamp)));
}

void EditTab::describe_all_lamps()
{
    for (int k = 0; k < kLamps; ++k)
        for (Ctl grid : {Ctl::Image1, Ctl::Image2})
            describe_lamp(grid, k);
}

void EditTab::apply(const Change& change)
{
    const ControlRef ref = change.control;
    switch (ref.ctl) {
    case Ctl::Combo_type:
    case Ctl::Combo_min:
    case Ctl::Combo_weight:
    case Ctl::Combo_s:
    case Ctl::Combo_i: apply_combo(ref, change.props); break;
    case Ctl::Image1:
    case Ctl::Image2: apply_lamp(ref.ctl, ref.index, change.props); break;
    case Ctl::Label_s:
    case Ctl::Label_i:
    case Ctl::Label_seg_s:
    case Ctl::Label_seg_i: apply_label(ref, change.props); break;
    case Ctl::Option_gen:
    case Ctl::Option_sil:
    case Ctl::Option_mph:
    case Ctl::Option_kph: apply_option(ref.ctl); break;
    case Ctl::Frame1_Edit:
        frame1_->setTitle(QString::fromStdString(model_.frame_caption(Ctl::Frame1_Edit)));
        break;
    case Ctl::Frame7_Edit:
        frame7_->setTitle(QString::fromStdString(model_.frame_caption(Ctl::Frame7_Edit)));
        break;
    }
}

void EditTab::apply_combo(ControlRef ref, std::uint16_t props)
{
    const editor::ComboState& state = model_.combo(ref);
    QComboBox* list = combo(ref);
    if (props & editor::Items) {
        // make_list gives every list a string list model of its own.
        auto* items = static_cast<QStringListModel*>(list->model());
        items->setStringList(state.items ? item_texts(state.items) : QStringList{});
    }
    if (props & (editor::Items | editor::Selection))
        list->setCurrentIndex(state.selected);
    // The fixed lists (time, weight, model) have no movable position.
    if ((props & editor::Position) && (ref.ctl == Ctl::Combo_s || ref.ctl == Ctl::Combo_i))
        list->move(at(state.position.left, state.position.top));
    if (props & editor::Visible)
        list->setVisible(state.visible);
}

void EditTab::apply_lamp(Ctl grid, int lamp, std::uint16_t props)
{
    const editor::LampState& state = model_.lamp(grid, lamp);
    PictureBox* box = (grid == Ctl::Image1 ? image1_ : image2_)[lamp];
    if (props & editor::Picture)
        box->setPicture(pictures_.lamp(state.picture));
    if (props & editor::Position)
        box->move(at(state.position.left, state.position.top));
    if (props & editor::Enabled)
        box->setEnabled(state.enabled);
    if (props & editor::Visible)
        box->setVisible(state.visible);
}

void EditTab::apply_label(ControlRef ref, std::uint16_t props)
{
    const editor::LabelState& state = model_.label(ref);
    QLabel* l = label(ref);
    if (props & editor::Caption)
        l->setText(QString::fromStdString(state.caption));
    if (props & editor::Position)
        l->move(at(state.position.left, state.position.top));
    if (props & editor::Alignment)
        l->setAlignment(state.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (props & editor::Visible)
        l->setVisible(state.visible);
}

void EditTab::apply_option(Ctl ctl)
{
    const editor::OptionState& state = model_.option(ctl);
    QRadioButton* button = option(ctl);
    button->setChecked(state.value);
    button->setEnabled(state.enabled);
}

QComboBox* EditTab::combo(ControlRef ref) const
{
    switch (ref.ctl) {
    case Ctl::Combo_type: return combo_type_;
    case Ctl::Combo_min: return combo_min_;
    case Ctl::Combo_weight: return combo_weight_;
    case Ctl::Combo_s: return combo_s_[ref.index];
    default: return combo_i_[ref.index];
    }
}

QLabel* EditTab::label(ControlRef ref) const
{
    switch (ref.ctl) {
    case Ctl::Label_s: return label_s_[ref.index];
    case Ctl::Label_i: return label_i_[ref.index];
    case Ctl::Label_seg_s: return label_seg_s_[ref.index];
    default: return label_seg_i_[ref.index];
    }
}

QRadioButton* EditTab::option(Ctl ctl) const
{
    switch (ctl) {
    case Ctl::Option_gen: return option_gen_;
    case Ctl::Option_sil: return option_sil_;
    case Ctl::Option_mph: return option_mph_;
    default: return option_kph_;
    }
}

const QStringList& EditTab::item_texts(const editor::ItemList* items)
{
    QStringList& texts = item_texts_[items];
    if (texts.isEmpty()) {
        texts.reserve(static_cast<qsizetype>(items->size()));
        for (const std::string& text : *items)
            texts.append(QString::fromStdString(text));
    }
    return texts;
}

}  // namespace trevalo::app
