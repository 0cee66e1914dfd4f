// The image list: SVG pictures rendered at the list's size and drawn onto a
// canvas by index.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "platform/Canvas.h"
#include "platform/ImageList.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlue = 0xFF0000FFu;

class ImageListTest : public ::testing::Test {
protected:
    // An SVG of a 10 x 10 view box with a blue square in its top-left quarter.
    std::string WriteSvg(const char* name, const char* text) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path.toStdString();
    }
    std::string QuarterSvg() {
        return WriteSvg("quarter.svg",
                        "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 10'>"
                        "<rect x='0' y='0' width='5' height='5' fill='#0000ff'/></svg>");
    }

    QTemporaryDir dir_;
};

TEST_F(ImageListTest, RendersTheSvgScaledToTheListSize) {
    ImageList list(20, 40);
    EXPECT_TRUE(list.AddSvg(QuarterSvg()));
    ASSERT_EQ(list.Count(), 1);
    const QImage& picture = list.Picture(0);
    ASSERT_EQ(picture.size(), QSize(20, 40));
    EXPECT_EQ(picture.pixel(2, 2), kBlue);
    EXPECT_EQ(picture.pixel(8, 18), kBlue);
    EXPECT_EQ(picture.pixel(12, 2), kWhite);  // right of the square
    EXPECT_EQ(picture.pixel(2, 22), kWhite);  // below it: stretched, not kept square
}

// A picture that cannot be read keeps its index, as a white picture, so the
// indices of the pictures after it stay right.
TEST_F(ImageListTest, UnreadablePictureKeepsItsIndex) {
    ImageList list(20, 40);
    EXPECT_FALSE(list.AddSvg(dir_.filePath("missing.svg").toStdString()));
    EXPECT_FALSE(list.AddSvg(WriteSvg("broken.svg", "<svg xmlns='http://www.w3.org/2000/svg'")));
    EXPECT_TRUE(list.AddSvg(QuarterSvg()));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Picture(0).pixel(2, 2), kWhite);
    EXPECT_EQ(list.Picture(1).pixel(2, 2), kWhite);
    EXPECT_EQ(list.Picture(2).pixel(2, 2), kBlue);
    EXPECT_TRUE(list.Picture(3).isNull());
    EXPECT_TRUE(list.Picture(-1).isNull());
}

TEST_F(ImageListTest, DrawsAPictureAtItsPlaceAndIgnoresOtherIndices) {
    ImageList list(20, 40);
    list.AddSvg(QuarterSvg());
    QImage blank(60, 60, QImage::Format_RGB32);
    blank.fill(Qt::white);
    ImageCanvas canvas(blank);
    list.Draw(canvas, 30, 10, 0);
    list.Draw(canvas, 0, 0, 1);
    list.Draw(canvas, 0, 0, -1);
    const QImage& image = canvas.Image();
    EXPECT_EQ(image.pixel(30, 10), kBlue);
    EXPECT_EQ(image.pixel(39, 29), kBlue);
    EXPECT_EQ(image.pixel(29, 10), kWhite);
    EXPECT_EQ(image.pixel(40, 10), kWhite);
    EXPECT_EQ(image.pixel(5, 5), kWhite);
}

}  // namespace
