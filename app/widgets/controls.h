#pragma once

// Creating the window's controls: each carries its name as its object name
// (an array element as <Name>_<index>) and stands at its twips position.

#include <QFont>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace trevalo::app {

class PictureBox;

QString element_name(const char* array, int index);

// "Arial" at the given size; the system maps it to a metric-compatible face.
QFont arial(int point_size, bool bold = false);

QGroupBox* make_frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                      int width, int height, int point_size = 12);
QLabel* make_label(QWidget* parent, const QString& name, const QString& caption, int width, int height,
                   bool centred);
// A pure drop-down list: typing is not offered, the shown value is always an item.
QComboBox* make_list(QWidget* parent, const QString& name, int width, int height);
QPushButton* make_button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                         int width, int height);
// Shows `text` in the label's own font where it fits, else in the largest
// smaller size that does (down to 7 points): a number may grow longer than
// its label was drawn for, and must not be cut off.
void set_fitting_text(QLabel* label, const QString& text);
// A picture source: holds a picture for other controls, never shown.
PictureBox* make_hidden_picture(QWidget* parent, const QString& name, int left, int top);

}  // namespace trevalo::app
