#include "app/widgets/controls.h"

#include "app/widgets/picture_box.h"
#include "app/widgets/twips.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringListModel>

namespace trevalo::app {

QString element_name(const char* array, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index);
}

QFont arial(int point_size, bool bold)
{
    QFont font(QStringLiteral("Arial"), point_size, bold ? QFont::Bold : QFont::Normal);
    return font;
}

QGroupBox* make_frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                      int width, int height, int point_size)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFont(arial(point_size));
    frame->setGeometry(area(left, top, width, height));
    return frame;
}

QLabel* make_label(QWidget* parent, const QString& name, const QString& caption, int width, int height,
                   bool centred)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->resize(px(width), px(height));
    label->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QComboBox* make_list(QWidget* parent, const QString& name, int width, int height)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    // Lists are refilled whole: a string list model takes a shared list at once.
    list->setModel(new QStringListModel(list));
    list->resize(px(width), px(height));
    list->setFocusPolicy(Qt::StrongFocus);
    return list;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                         int width, int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(arial(12, true));
    button->setGeometry(area(left, top, width, height));
    return button;
}

void set_fitting_text(QLabel* label, const QString& text)
{
    const char* kBase = "fittingBasePointSize";
    if (!label->property(kBase).isValid())
        label->setProperty(kBase, label->font().pointSizeF());
    QFont font = label->font();
    for (double size = label->property(kBase).toDouble(); size >= 7; size -= 0.5) {
        font.setPointSizeF(size);
        if (QFontMetrics(font).tightBoundingRect(text).width() < label->width())
            break;
    }
    label->setFont(font);
    label->setText(text);
}

PictureBox* make_hidden_picture(QWidget* parent, const QString& name, int left, int top)
{
    auto* picture = new PictureBox(parent);
    picture->setObjectName(name);
    picture->move(at(left, top));
    picture->hide();
    return picture;
}

}  // namespace trevalo::app
