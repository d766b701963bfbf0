#pragma once

// Line segments drawn over a frame's pictures. Each segment is an object of
// its own, found by name like any control, whose end points (in twips) and
// visibility are properties: X1, Y1, X2, Y2, Visible.

#include <QColor>
#include <QObject>
#include <QWidget>

namespace trevalo::app {

class LineSegment : public QObject {
    Q_OBJECT
    Q_PROPERTY(float X1 READ x1 WRITE setX1)
    Q_PROPERTY(float Y1 READ y1 WRITE setY1)
    Q_PROPERTY(float X2 READ x2 WRITE setX2)
    Q_PROPERTY(float Y2 READ y2 WRITE setY2)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
public:
    explicit LineSegment(QWidget* layer);

    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    bool isVisible() const { return visible_; }
    int borderWidth() const { return width_; }
    QColor colour() const { return Qt::red; }

    void setX1(float v) { set(x1_, v); }
    void setY1(float v) { set(y1_, v); }
    void setX2(float v) { set(x2_, v); }
    void setY2(float v) { set(y2_, v); }
    void setVisible(bool visible);
    void setBorderWidth(int width);

private:
    void set(float& field, float value);
    QWidget* layer_;
    float x1_ = 0, y1_ = 0, x2_ = 360, y2_ = 0;
    bool visible_ = true;
    int width_ = 1;
};

// A transparent widget over the frame that paints its visible segments.
class LineLayer : public QWidget {
    Q_OBJECT
public:
    explicit LineLayer(QWidget* frame);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace trevalo::app
