#pragma once

// A picture of what the Record tab shows: the workout's date and the samples
// shown on top, the three charts below, the result summary beside them.

#include "base/result.h"

#include <QImage>
#include <QString>

class QWidget;

namespace trevalo::files {
class AtomicWriter;
}

namespace trevalo::app {

struct ChartImageParts {
    QString title;
    QWidget* speed;
    QWidget* incline;
    QWidget* pulse;
    QWidget* results;
};

// The size in logical pixels; the image has it times the pixel ratio.
QSize chart_image_size(const ChartImageParts& parts);
QImage render_chart_image(const ChartImageParts& parts, qreal device_pixel_ratio);

// Writes the image as PNG, whole or not at all; a failure says why.
// `writer` does the work, a plain one when null.
Result<void> write_png(const QImage& image, const QString& path, files::AtomicWriter* writer = nullptr);

}  // namespace trevalo::app
