// Run at the display scale that QT_SCALE_FACTOR sets (the test suite runs it
// at 100 %, 150 % and 200 %): pictures are supplied at the display's pixel
// ratio, positions stay those of the layout, and no text is cut off.

#include "window_helpers.h"

#include "app/picture_box.h"

#include <cmath>

namespace trevalo::app {
namespace {

using testing::control;
using testing::ShownWindow;

qreal expected_ratio()
{
    bool ok = false;
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

using Scale = ShownWindow;

TEST_F(Scale, PicturesAreSharpAtTheDisplaysPixelRatio)
{
    const qreal ratio = expected_ratio();
    ASSERT_EQ(window.devicePixelRatioF(), ratio);
    struct Picture {
        const char* name;
        QSize logical;
    };
    for (const Picture& p : {Picture{"Image1_0", {20, 20}}, Picture{"Image_seg_g_3", {20, 160}},
                             Picture{"Image_p", {400, 161}}, Picture{"Image_R", {20, 20}}}) {
        const QPixmap picture = control<PictureBox>(window, p.name)->picture();
        EXPECT_EQ(picture.devicePixelRatio(), ratio) << p.name;
        EXPECT_EQ(picture.size(), QSize(static_cast<int>(std::ceil(p.logical.width() * ratio)),
                                        static_cast<int>(std::ceil(p.logical.height() * ratio))))
            << p.name;
        EXPECT_EQ(control(window, p.name)->size(), p.logical) << p.name;
    }
    // A lamp: green in the middle, black in the corners, at any scale.
    const QImage lamp = control<PictureBox>(window, "Image1_0")->picture().toImage();
    EXPECT_EQ(lamp.pixelColor(lamp.width() / 2, lamp.height() / 2), QColor(0, 255, 0));
    EXPECT_EQ(lamp.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(lamp.pixelColor(lamp.width() - 1, lamp.height() - 1), QColor(Qt::black));
    // The grid lines are whole device rows: no grey smear beside them.
    const QImage grid = control<PictureBox>(window, "Image_p")->picture().toImage();
    for (int y = 0; y < grid.height(); ++y) {
        const QColor c = grid.pixelColor(grid.width() / 2, y);
        ASSERT_TRUE(c == QColor(Qt::white) || c == QColor(Qt::black)) << "row " << y;
    }
}

TEST_F(Scale, PositionsStayThoseOfTheLayoutAndTextsFit)
{
    EXPECT_EQ(control(window, "Image1_27")->pos(), QPoint(68, 96));
    EXPECT_EQ(control(window, "Combo_s_7")->pos(), QPoint(352, 32));
    EXPECT_EQ(control(window, "SSTab1")->geometry(), QRect(8, 8, 696, 659));
    testing::expect_texts_fit(window);
}

}  // namespace
}  // namespace trevalo::app
