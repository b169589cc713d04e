// Toolbar pictures, the canvas hooks and window screenshots.
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "gui/control_widgets.h"
#include "gui/pictures.h"
#include "gui/screenshot.h"
#include "gui_fixture.h"

namespace tz::gui::test {
namespace {

bool hasColour(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 0 && (c.red() != c.green() || c.green() != c.blue())) return true;
        }
    }
    return false;
}

TEST(Pictures, EveryToolbarPictureIsDrawnAndDistinct) {
    const char* const names[] = {"new", "open", "save", "print", "undo", "redo"};
    std::vector<QImage> images;
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const QImage image = drawPicture(name).toImage();
        ASSERT_EQ(image.size(), QSize(16, 16));
        EXPECT_EQ(image.pixelColor(0, 15).alpha(), 0) << "the bottom-left pixel is transparent";
        EXPECT_TRUE(hasColour(image));
        EXPECT_FALSE(hasColour(greyedPicture(drawPicture(name)).toImage()));
        for (const QImage& other : images) EXPECT_NE(image, other);
        images.push_back(image);
    }
    EXPECT_EQ(images[5], images[4].mirrored(true, false)) << "redo is undo mirrored";
    EXPECT_TRUE(drawPicture("unknown").isNull());
    EXPECT_TRUE(pictureIcon("unknown").isNull());
}

TEST_F(BoundTest, CanvasHandsPaintingAndMouseToItsHooks) {
    CanvasWidget* canvas = binding->canvas(id("Canvas"));
    canvas->setPaintHook([](QPainter& p) { p.fillRect(0, 0, 10, 10, Qt::blue); });
    std::vector<QPoint> presses;
    canvas->setMouseHook([&](QMouseEvent& e) {
        if (e.type() == QEvent::MouseButtonPress) presses.push_back(e.position().toPoint());
    });
    const QImage picture = canvas->grab().toImage();
    EXPECT_EQ(picture.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(picture.pixelColor(50, 50), QColor(Qt::white));
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(presses, std::vector<QPoint>{QPoint(30, 40)});
}

TEST_F(BoundTest, ScreenshotSavesTheWindowAsPng) {
    QTemporaryDir dir;
    const QString path = dir.filePath("window.png");
    ASSERT_TRUE(saveScreenshot(window, path));
    const QImage image(path);
    EXPECT_EQ(image.size(), window.size());
    EXPECT_FALSE(saveScreenshot(window, dir.filePath("missing/window.png")));
}

}  // namespace
}  // namespace tz::gui::test
