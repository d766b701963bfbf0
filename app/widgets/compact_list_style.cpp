#include "app/widgets/compact_list_style.h"

#include <QStyleFactory>
#include <QStyleOption>

namespace trevalo::app {

namespace {
constexpr int kButtonWidth = 11;
constexpr int kMargin = 2;
}  // namespace

CompactListStyle::CompactListStyle(QObject* parent) : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    setParent(parent);
}

QRect CompactListStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                       SubControl sub, const QWidget* widget) const
{
    if (control != CC_ComboBox)
        return QProxyStyle::subControlRect(control, option, sub, widget);
    const QRect r = option->rect;
    switch (sub) {
    case SC_ComboBoxArrow:
        return visualRect(option->direction, r, QRect(r.right() - kButtonWidth, r.top(), kButtonWidth, r.height()));
    case SC_ComboBoxEditField:
        return visualRect(option->direction, r,
                          QRect(r.left() + kMargin, r.top() + 1, r.width() - kButtonWidth - kMargin - 1,
                                r.height() - 2));
    default:
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
}

}  // namespace trevalo::app
