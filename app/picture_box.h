#pragma once

// An image control: shows its picture at the picture's own size, unstretched,
// and reports clicks. A disabled picture box keeps showing its picture as it
// is (a greyed-out lamp would read as unlit) but ignores clicks.

#include <QPixmap>
#include <QWidget>

namespace trevalo::app {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    QSize sizeHint() const override { return picture_.deviceIndependentSize().toSize(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace trevalo::app
