// The measurement illustrations: the figure context, the body pictures, the
// marker routines and the caption boxes, read back pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>
#include <vector>

#include "kernel/MeasureFigure.h"
#include "platform/Canvas.h"
#include "platform/ImageList.h"
#include "platform/SheetImage.h"
#include "platform/SystemColors.h"

namespace {

struct Routine {
    const char* name;
    void (*draw)();
};

#define ROUTINE(n) Routine{#n, &MeasureHints::n}

// Routines with a body picture and their picture index.
struct PictureRoutine {
    Routine routine;
    int picture;
};

const std::vector<PictureRoutine> kPictureRoutines = {
    {ROUTINE(LowerLine1), 1},     {ROUTINE(LowerLine2), 1},     {ROUTINE(LowerLine3), 12},
    {ROUTINE(LowerLine4), 1},     {ROUTINE(LowerLine5), 1},     {ROUTINE(LowerLine6), 1},
    {ROUTINE(LowerLine7), 0},     {ROUTINE(LowerLine8), 1},     {ROUTINE(LowerLine9), 2},
    {ROUTINE(LowerLine10), 2},    {ROUTINE(LowerLine11), 11},   {ROUTINE(LowerLine12), 2},
    {ROUTINE(LowerLine13), 2},    {ROUTINE(MenPantsLine1), 6},  {ROUTINE(MenPantsLine2), 6},
    {ROUTINE(MenPantsLine3), 6},  {ROUTINE(MenPantsLine4), 7},  {ROUTINE(WomenLine1), 3},
    {ROUTINE(WomenLine2), 4},     {ROUTINE(WomenLine3), 3},     {ROUTINE(WomenLine4), 3},
    {ROUTINE(WomenLine5), 3},     {ROUTINE(WomenLine6), 3},     {ROUTINE(WomenLine7), 3},
    {ROUTINE(WomenLine8), 3},     {ROUTINE(WomenLine9), 3},     {ROUTINE(WomenLine10), 5},
    {ROUTINE(WomenLine11), 5},    {ROUTINE(WomenLine12), 5},    {ROUTINE(WomenLine13), 5},
    {ROUTINE(WomenLine14), 4},    {ROUTINE(WomenLine15), 4},    {ROUTINE(WomenLine16), 3},
    {ROUTINE(WomenLine17), 4},    {ROUTINE(WomenLine18), 4},    {ROUTINE(WomenLine19), 4},
    {ROUTINE(MenLine1), 13},      {ROUTINE(MenLine2), 13},      {ROUTINE(MenLine3), 8},
    {ROUTINE(MenLine4), 8},       {ROUTINE(MenLine5), 13},      {ROUTINE(MenLine6), 8},
    {ROUTINE(MenLine7), 8},       {ROUTINE(MenLine8), 8},       {ROUTINE(MenLine9), 8},
    {ROUTINE(MenLine10), 9},      {ROUTINE(MenLine11), 10},     {ROUTINE(MenLine12), 10},
    {ROUTINE(MenLine13), 9},      {ROUTINE(MenLine14), 8},      {ROUTINE(MenLine15), 13},
    {ROUTINE(MenLine16), 8},      {ROUTINE(MenLine17), 13},     {ROUTINE(MenLine18), 13},
};

const std::vector<Routine> kBoxRoutines = {
    ROUTINE(LowerPvs1),    ROUTINE(LowerPvs2),   ROUTINE(LowerPvs3),    ROUTINE(LowerPvs4),
    ROUTINE(LowerDlinashort), ROUTINE(LowerDlinayubki), ROUTINE(LowerShn1), ROUTINE(LowerShn2),
    ROUTINE(LowerShn3),    ROUTINE(LowerPb1),    ROUTINE(LowerPb2),     ROUTINE(LowerPb3),
    ROUTINE(LowerPb4),     ROUTINE(LowerPb5),    ROUTINE(LowerKs1),     ROUTINE(LowerKs2),
    ROUTINE(LowerPt1),     ROUTINE(LowerPt2),    ROUTINE(LowerPt3),     ROUTINE(LowerPt4),
    ROUTINE(LowerPok),     ROUTINE(LowerPobednk), ROUTINE(MenPants1),   ROUTINE(MenPants2),
    ROUTINE(WomenPn),      ROUTINE(WomenPg),     ROUTINE(WomenPt),      ROUTINE(WomenPb),
    ROUTINE(Women5v1),     ROUTINE(Women5v2),    ROUTINE(Women5v3),     ROUTINE(WomenH),
    ROUTINE(Womenh),       ROUTINE(MenShk),      ROUTINE(MenPn),        ROUTINE(Men7),
    ROUTINE(Men3),         ROUTINE(Men6),        ROUTINE(Men10),        ROUTINE(MenfESh),
    ROUTINE(Men004),       ROUTINE(Men0),
};

constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

// Inside of the caption box, clear of its border.
constexpr int kBoxInLeft = 13, kBoxInTop = 144, kBoxInRight = 140, kBoxInBottom = 171;

class MeasureFigureTest : public ::testing::Test {
protected:
    void SetUp() override {
        image_.SetWidth(kFigureWidth);
        image_.SetHeight(kFigureHeight);
        MeasureFigure.Init(image_, 255);
        savedType_ = CurrentModelIndex();
    }
    void TearDown() override {
        MeasureFigure.Image = nullptr;
        MeasureFigure.Canvas = nullptr;
        CurrentModelIndex() = savedType_;
    }

    QImage Figure() { return image_.Bitmap().copy(); }
    static QRgb Highlight() { return 0xFF000000u | WinColorToQColor(SystemHighlightColor()).rgb(); }

    // Pixels inside the caption box that are not white (the caption's).
    struct Ink {
        int count = 0, left = kFigureWidth, top = kFigureHeight;
    };
    Ink BoxInk() {
        const QImage figure = Figure();
        Ink ink;
        for (int y = kBoxInTop; y < kBoxInBottom; ++y)
            for (int x = kBoxInLeft; x < kBoxInRight; ++x)
                if (figure.pixel(x, y) != kWhite) {
                    ++ink.count;
                    ink.left = std::min(ink.left, x);
                    ink.top = std::min(ink.top, y);
                }
        return ink;
    }

    SheetImage image_;
    int savedType_ = -2;
};

TEST_F(MeasureFigureTest, BodyPicturesAreFourteenDrawingsWithoutMarkerRed) {
    const ImageList& pictures = BodyPictures();
    ASSERT_EQ(pictures.Count(), 14);
    for (int k = 0; k < pictures.Count(); ++k) {
        const QImage& picture = pictures.Picture(k);
        ASSERT_EQ(picture.size(), QSize(kFigureWidth, kFigureHeight)) << "picture " << k;
        int drawn = 0, red = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                if (p != kWhite) ++drawn;
                if (p == kRed) ++red;
            }
        // A missing resource would leave a white picture.
        EXPECT_GT(drawn, 2000) << "picture " << k;
        // Marker pixels must be told apart from the drawing.
        EXPECT_EQ(red, 0) << "picture " << k;
    }
}

TEST_F(MeasureFigureTest, InitFillsTheFigureWithTheHighlightAndSetsTheMarkerPen) {
    const QImage figure = Figure();
    for (const QPoint p : {QPoint(0, 0), QPoint(76, 200), QPoint(152, 424)}) EXPECT_EQ(figure.pixel(p), Highlight());
    EXPECT_EQ(MeasureFigure.Colour, 255);
    EXPECT_EQ(MeasureFigure.PenWidth, 3);
    EXPECT_EQ(MeasureFigure.Canvas->PenColor(), 255);
    EXPECT_EQ(MeasureFigure.Canvas->PenWidth(), 3);
    EXPECT_EQ(MeasureFigure.Canvas->BrushColor(), kWinWhite);
}

// Every picture routine shows its picture, unchanged but for a red marker,
// and leaves the marker pen as it found it.
TEST_F(MeasureFigureTest, PictureRoutinesDrawTheirPictureAndARedMarker) {
    for (const PictureRoutine& r : kPictureRoutines) {
        SCOPED_TRACE(r.routine.name);
        ASSERT_NO_THROW(r.routine.draw());
        const QImage figure = Figure();
        const QImage& picture = BodyPictures().Picture(r.picture);
        int red = 0, other = 0;
        for (int y = 0; y < kFigureHeight; ++y)
            for (int x = 0; x < kFigureWidth; ++x) {
                const QRgb p = figure.pixel(x, y);
                if (p == kRed)
                    ++red;
                else if (p != picture.pixel(x, y))
                    ++other;
            }
        EXPECT_GT(red, 10);
        EXPECT_EQ(other, 0);
        EXPECT_EQ(MeasureFigure.Canvas->PenWidth(), 3);
        EXPECT_EQ(MeasureFigure.Canvas->PenColor(), 255);
    }
}

// Points of the markers, with the pen widths the tables give there.
TEST_F(MeasureFigureTest, MarkersPassThroughTheirTablePoints) {
    struct Case {
        Routine routine;
        std::vector<QPoint> red;
    } cases[] = {
        {ROUTINE(LowerLine1), {{51, 165}, {75, 165}, {100, 165}}},
        {ROUTINE(LowerLine5), {{48, 168}, {43, 182}, {38, 300}, {38, 389}}},
        {ROUTINE(LowerLine13), {{44, 170}, {41, 230}, {41, 250}, {40, 398}}},
        {ROUTINE(MenPantsLine4), {{78, 231}, {78, 300}}},
        {ROUTINE(MenLine1), {{25, 20}, {25, 200}}},
        {ROUTINE(WomenLine1), {{62, 86}, {78, 94}, {92, 85}}},
        {ROUTINE(MenLine5), {{60, 212}, {100, 212}}},
        {ROUTINE(MenLine16), {{28, 91}, {20, 180}, {21, 220}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.routine.name);
        c.routine.draw();
        const QImage figure = Figure();
        for (const QPoint& p : c.red) EXPECT_EQ(figure.pixel(p), kRed) << p.x() << "," << p.y();
    }
    // A gap in a marker is left undrawn: the hand covers the hips there.
    MeasureHints::MenLine5();
    EXPECT_NE(Figure().pixel(86, 212), kRed);
    // The height line is drawn with width 2, the waist line with width 3.
    const auto redIn = [this](int left, int top, int right, int bottom) {
        const QImage figure = Figure();
        int red = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) red += figure.pixel(x, y) == kRed;
        return red;
    };
    MeasureHints::MenLine1();
    EXPECT_EQ(redIn(15, 200, 35, 200), 2);
    MeasureHints::LowerLine1();
    EXPECT_EQ(redIn(75, 155, 75, 175), 3);
}

TEST_F(MeasureFigureTest, PenWidthIsThreeAgainAfterTheWidthChangingMarkers) {
    MeasureHints::MenLine1();
    EXPECT_EQ(MeasureFigure.Canvas->PenWidth(), 3);
    MeasureHints::MenPantsLine4();
    EXPECT_EQ(MeasureFigure.Canvas->PenWidth(), 3);
    // The inside-leg marker restores the width it found; the others end at
    // the marker width.
    MeasureFigure.Canvas->SetPenWidth(5);
    MeasureHints::MenPantsLine4();
    EXPECT_EQ(MeasureFigure.Canvas->PenWidth(), 5);
    MeasureHints::MenLine1();
    EXPECT_EQ(MeasureFigure.Canvas->PenWidth(), 3);
}

TEST_F(MeasureFigureTest, CaptionBoxIsAWhiteBoxWithARedBorderOnTheHighlight) {
    for (const Routine& r : kBoxRoutines) {
        SCOPED_TRACE(r.name);
        ASSERT_NO_THROW(r.draw());
        const QImage figure = Figure();
        for (const QPoint p : {QPoint(0, 0), QPoint(5, 150), QPoint(148, 160), QPoint(76, 100), QPoint(76, 300),
                               QPoint(152, 424)})
            EXPECT_EQ(figure.pixel(p), Highlight()) << p.x() << "," << p.y();
        for (const QPoint p : {QPoint(10, 141), QPoint(10, 157), QPoint(76, 141), QPoint(142, 157), QPoint(76, 173)})
            EXPECT_EQ(figure.pixel(p), kRed) << p.x() << "," << p.y();
        EXPECT_EQ(figure.pixel(15, 146), kWhite);
        EXPECT_EQ(MeasureFigure.Canvas->PenWidth(), 3);
        EXPECT_EQ(MeasureFigure.Canvas->PenColor(), 255);
    }
}

// Whether a box shows a caption, by garment type: an unnamed type gives the
// empty box.
TEST_F(MeasureFigureTest, CaptionBoxesChooseByGarmentType) {
    struct Case {
        Routine routine;
        int type;
        bool caption;
    } cases[] = {
        {ROUTINE(LowerPvs1), -2, true},  {ROUTINE(MenShk), 0, true},   {ROUTINE(WomenPg), 7, true},
        {ROUTINE(WomenPg), 14, true},    {ROUTINE(WomenPg), 6, false}, {ROUTINE(WomenPg), 15, false},
        {ROUTINE(WomenPt), 8, true},     {ROUTINE(WomenPt), 9, false}, {ROUTINE(WomenPn), -2, false},
        {ROUTINE(WomenH), 7, true},      {ROUTINE(WomenH), 0, true},   {ROUTINE(WomenH), 30, true},
        {ROUTINE(Men7), 36, true},       {ROUTINE(Men10), 36, false},  {ROUTINE(MenPn), 22, false},
        {ROUTINE(Men004), 25, true},     {ROUTINE(Men004), 26, false}, {ROUTINE(Women5v2), 13, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.routine.name) + " type " + std::to_string(c.type));
        CurrentModelIndex() = c.type;
        c.routine.draw();
        if (c.caption)
            EXPECT_GT(BoxInk().count, 20);
        else
            EXPECT_EQ(BoxInk().count, 0);
    }
}

// Types of one group share a caption; the next group has another.
TEST_F(MeasureFigureTest, CaptionsFollowTheGroupsOfGarmentTypes) {
    struct Case {
        Routine routine;
        int type1, type2;
        bool same;
    } cases[] = {
        {ROUTINE(WomenPn), 11, 14, true}, {ROUTINE(WomenPn), 8, 9, false},  {ROUTINE(WomenH), 10, 11, false},
        {ROUTINE(WomenH), 0, 36, true},   {ROUTINE(MenPn), 30, 34, true},   {ROUTINE(MenPn), 33, 34, false},
        {ROUTINE(Men3), 22, 36, true},    {ROUTINE(Men6), 25, 28, false},   {ROUTINE(Women5v1), 12, 13, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.routine.name) + " " + std::to_string(c.type1) + "/" + std::to_string(c.type2));
        CurrentModelIndex() = c.type1;
        c.routine.draw();
        const QImage first = Figure();
        CurrentModelIndex() = c.type2;
        c.routine.draw();
        EXPECT_EQ(Figure() == first, c.same);
    }
    // The wrist ease box shows the upper-arm ease box's captions.
    for (int type : {7, 9, 11, 13}) {
        CurrentModelIndex() = type;
        MeasureHints::Women5v1();
        const QImage arm = Figure();
        MeasureHints::Women5v2();
        EXPECT_EQ(Figure(), arm) << type;
    }
}

// The caption's top-left corner is at (x, 151) of its table.
TEST_F(MeasureFigureTest, CaptionStartsAtItsTablePosition) {
    struct Case {
        Routine routine;
        int x;
    } cases[] = {{ROUTINE(LowerPobednk), 33}, {ROUTINE(LowerPt2), 44}, {ROUTINE(MenPants2), 56}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.routine.name);
        c.routine.draw();
        const Ink ink = BoxInk();
        EXPECT_GE(ink.left, c.x);
        EXPECT_LE(ink.left, c.x + 3);
        EXPECT_GE(ink.top, 151);
        EXPECT_LE(ink.top, 151 + 8);
    }
}

TEST_F(MeasureFigureTest, TheSameRoutineTwiceGivesTheSameFigure) {
    CurrentModelIndex() = 12;
    for (const Routine& r : {ROUTINE(LowerLine5), ROUTINE(MenLine16), ROUTINE(WomenPg), ROUTINE(LowerPvs1)}) {
        SCOPED_TRACE(r.name);
        r.draw();
        const QImage first = Figure();
        MeasureHints::MenLine12();  // something else in between
        r.draw();
        EXPECT_EQ(Figure(), first);
    }
}

TEST_F(MeasureFigureTest, RoutinesDoNothingWhileTheFigureIsNotBound) {
    MeasureFigure.Image = nullptr;
    MeasureFigure.Canvas = nullptr;
    EXPECT_NO_THROW(MeasureHints::LowerLine1());
    EXPECT_NO_THROW(MeasureHints::WomenPg());
}

}  // namespace
