// The icon file the desktop shows (packaging/corvane.svg, and the PNG sizes
// drawn from it) is the dialog's own icon: the same drawing at every size.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "dialog/qt/program_icon.h"

namespace corvane::testing {
namespace {

QImage renderedFile(QSvgRenderer& file, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    file.render(&painter);
    return image;
}

// The share of pixels where a channel differs by more than the edges' anti-aliasing does.
double differingShare(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            const int largest = std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                          std::abs(p.blue() - q.blue()), std::abs(p.alpha() - q.alpha())});
            if (largest > 64) ++differing;
        }
    }
    return static_cast<double>(differing) / (a.width() * a.height());
}

TEST(ProgramIcon, TheDesktopIconFileDrawsTheDialogsIcon) {
    QSvgRenderer file(QStringLiteral(CORVANE_SOURCE_DIR "/packaging/corvane.svg"));
    ASSERT_TRUE(file.isValid());
    for (int size : {16, 32, 48, 128, 256}) {
        const QImage drawn = programIcon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(drawn.size(), QSize(size, size));
        EXPECT_LT(differingShare(drawn, renderedFile(file, size)), 0.005) << size << " pixels";
    }
}

}  // namespace
}  // namespace corvane::testing
