#include "app/widgets/pictures.h"

#include "assets/assets.h"

#include <QPainter>

#include <cmath>

namespace trevalo::app {

namespace {

constexpr int kLamp = 20;  // logical pixels
const QColor kGreen(0, 255, 0), kGrey(208, 208, 208), kRed(255, 0, 0), kOrange(255, 128, 64);

QPixmap canvas(int width, int height, qreal dpr)
{
    QPixmap pixmap(static_cast<int>(std::ceil(width * dpr)), static_cast<int>(std::ceil(height * dpr)));
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

// A filled circle on a black square, as in the bitmaps.
void draw_lamp(QPainter& painter, int top, const QColor& colour)
{
    painter.fillRect(0, top, kLamp, kLamp, Qt::black);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(kLamp / 2.0, top + kLamp / 2.0), 8.0, 8.0);
}

QPixmap drawn_lamp(const QColor& colour, qreal dpr)
{
    QPixmap pixmap = canvas(kLamp, kLamp, dpr);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw_lamp(painter, 0, colour);
    return pixmap;
}

QPixmap bar(const QColor& colour, int lit, qreal dpr)
{
    QPixmap pixmap = canvas(kLamp, 8 * kLamp, dpr);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int level = 0; level < 8; ++level)
        draw_lamp(painter, (7 - level) * kLamp, level < lit ? colour : kGrey);
    return pixmap;
}

// White, with black lines at every 16th logical row: each line whole device
// pixels thick, so that it is not smeared over two rows.
QPixmap pulse_grid(qreal dpr)
{
    QPixmap pixmap = canvas(400, 161, dpr);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.resetTransform();  // device pixels from here on
    const int thickness = std::max(1, static_cast<int>(std::floor(dpr)));
    for (int row = 16; row <= 160; row += 16)
        painter.fillRect(0, static_cast<int>(std::lround(row * dpr)), pixmap.width(), thickness, Qt::black);
    return pixmap;
}

}  // namespace

Pictures::Pictures(qreal dpr)
{
    if (dpr == 1.0) {
        lamp_green = QPixmap(assets::kLampGreen);
        lamp_grey = QPixmap(assets::kLampGrey);
        lamp_red = QPixmap(assets::kLampRed);
        lamp_orange = QPixmap(assets::kLampOrange);
        pulse_grid = QPixmap(assets::kPulseGrid);
        for (int lit = 0; lit < 9; ++lit) {
            speed_bars[lit] = QPixmap(assets::speed_bar(lit));
            incline_bars[lit] = QPixmap(assets::incline_bar(lit));
        }
        return;
    }
    lamp_green = drawn_lamp(kGreen, dpr);
    lamp_grey = drawn_lamp(kGrey, dpr);
    lamp_red = drawn_lamp(kRed, dpr);
    lamp_orange = drawn_lamp(kOrange, dpr);
    this->pulse_grid = app::pulse_grid(dpr);
    for (int lit = 0; lit < 9; ++lit) {
        speed_bars[lit] = bar(kGreen, lit, dpr);
        incline_bars[lit] = bar(kRed, lit, dpr);
    }
}

QPixmap Pictures::lamp(editor::Lamp lamp) const
{
    switch (lamp) {
    case editor::Lamp::Green: return lamp_green;
    case editor::Lamp::Red: return lamp_red;
    case editor::Lamp::Grey: return lamp_grey;
    case editor::Lamp::None: break;
    }
    return {};
}

}  // namespace trevalo::app
