#pragma once

// The layout is measured in twips, 15 to a logical pixel.

#include <QPoint>
#include <QRect>

namespace trevalo::app {

constexpr int px(int twips) { return twips / 15; }
constexpr double px(double twips) { return twips / 15.0; }

inline QPoint at(int left, int top) { return {px(left), px(top)}; }
inline QRect area(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

}  // namespace trevalo::app
