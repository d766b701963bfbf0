#pragma once

// The per-segment lists are 49 pixels wide and show speeds such as "13.8" in
// a 12-point font: with the usual drop-down button there is no room left for
// the text. This style gives the lists a slim button and a thin margin.

#include <QProxyStyle>

namespace trevalo::app {

class CompactListStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit CompactListStyle(QObject* parent);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
};

}  // namespace trevalo::app
