#pragma once

// The "Edit" tab page: builds its controls, forwards what the user does to
// the edit model and applies what the model reports as changed.

#include "editor/edit_model.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <unordered_map>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace trevalo::app {

class GridKeyboard;
class SummaryFrame;
class PictureBox;
struct Pictures;

class EditTab : public QWidget {
    Q_OBJECT
public:
    EditTab(editor::EditModel& model, const Pictures& pictures, QWidget* parent = nullptr);
    ~EditTab() override;

    // Brings every control in line with the model; used once after start-up.
    void apply_all();
    // Applies what the model changed since the last call.
    void apply_changes();

    QPushButton* save_button() const { return command_save_; }
    QPushButton* load_button() const { return command_load_; }
    QPushButton* import_button() const { return command_import_; }
    QPushButton* export_program_button() const { return command_export_program_; }

signals:
    // What the user did, or OPEN, reached the controls.
    void changed();

private:
    void build_grids();
    void build_selectors();
    void build_settings();
    void build_picture_sources();
    void connect_list(QComboBox* list, editor::ControlRef ref);
    void set_tab_order();
    // Tooltip and screen-reader texts of a lamp: what it is, whether it is
    // lit and what a click on it sets under the current settings.
    void describe_lamp(editor::Ctl grid, int lamp);
    void describe_all_lamps();

    void apply(const editor::Change& change);
    void apply_combo(editor::ControlRef ref, std::uint16_t props);
    void apply_lamp(editor::Ctl grid, int lamp, std::uint16_t props);
    void apply_label(editor::ControlRef ref, std::uint16_t props);
    void apply_option(editor::Ctl option);
    QComboBox* combo(editor::ControlRef ref) const;
    QLabel* label(editor::ControlRef ref) const;
    QRadioButton* option(editor::Ctl option) const;
    const QStringList& item_texts(const editor::ItemList* items);

    editor::EditModel& model_;
    const Pictures& pictures_;

    std::array<PictureBox*, editor::kLamps> image1_{}, image2_{};
    std::array<QLabel*, editor::kSegments> label_seg_s_{}, label_seg_i_{}, label_s_{}, label_i_{};
    std::array<QComboBox*, editor::kSegments> combo_s_{}, combo_i_{};
    QComboBox* combo_type_ = nullptr;
    QComboBox* combo_min_ = nullptr;
    QComboBox* combo_weight_ = nullptr;
    QRadioButton* option_gen_ = nullptr;
    QRadioButton* option_sil_ = nullptr;
    QRadioButton* option_mph_ = nullptr;
    QRadioButton* option_kph_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QGroupBox* frame7_ = nullptr;
    std::unique_ptr<SummaryFrame> summary_;
    QPushButton* command_save_ = nullptr;
    QPushButton* command_load_ = nullptr;
    QPushButton* command_import_ = nullptr;
    QPushButton* command_export_program_ = nullptr;
    GridKeyboard* speed_keys_ = nullptr;
    GridKeyboard* incline_keys_ = nullptr;

    // The texts of each catalogue list, converted once and shared by every
    // list that shows it: a switch of model, unit or mode hands each list a
    // shared copy instead of refilling it item by item.
    std::unordered_map<const editor::ItemList*, QStringList> item_texts_;
};

}  // namespace trevalo::app
