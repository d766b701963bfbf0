#include "app/commands/chart_image.h"

#include "app/commands/atomic_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QWidget>

namespace trevalo::app {

namespace {
constexpr int kTitleHeight = 28;
constexpr int kGap = 8;
}  // namespace

QSize chart_image_size(const ChartImageParts& parts)
{
    const int charts_height = parts.speed->height() + parts.incline->height() + parts.pulse->height();
    return {parts.speed->width() + kGap + parts.results->width(), kTitleHeight + charts_height};
}

QImage render_chart_image(const ChartImageParts& parts, qreal dpr)
{
    const QSize size = chart_image_size(parts);
    QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(parts.speed->palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(parts.results->font());
    painter.drawText(QRect(kGap, 0, size.width() - kGap, kTitleHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     parts.title);
    int top = kTitleHeight;
    for (QWidget* chart : {parts.speed, parts.incline, parts.pulse}) {
        chart->render(&painter, QPoint(0, top), QRegion(), QWidget::DrawChildren);
        top += chart->height();
    }
    parts.results->render(&painter, QPoint(parts.speed->width() + kGap, kTitleHeight), QRegion(),
                          QWidget::DrawChildren);
    return image;
}

Result<void> write_png(const QImage& image, const QString& path, files::AtomicWriter* writer)
{
    // Encoded in memory first, so that a picture that cannot be encoded never
    // touches the disk.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return Result<void>::failure(
            QCoreApplication::translate("ChartImage", "The picture could not be encoded as PNG.").toStdString());
    return write_file_atomically(path, png, writer);
}

}  // namespace trevalo::app
