#pragma once

// An image control: shows its picture at the picture's own size, unstretched,
// and reports clicks. A disabled picture box keeps showing its picture as it
// is (a greyed-out lamp would read as unlit) but ignores clicks.

#include <QAccessible>
#include <QPixmap>
#include <QWidget>

namespace trevalo::app {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);

    // What a screen reader calls it: a button for a lamp, a graphic for a
    // chart. Picture boxes answer through their own accessibility factory.
    void setAccessibleRole(QAccessible::Role role) { role_ = role; }
    QAccessible::Role accessibleRole() const { return role_; }
    static void installAccessibility();
    const QPixmap& picture() const { return picture_; }
    QSize sizeHint() const override { return picture_.deviceIndependentSize().toSize(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QAccessible::Role role_ = QAccessible::Graphic;
};

}  // namespace trevalo::app
