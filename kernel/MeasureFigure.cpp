#include "kernel/MeasureFigure.h"

#include <QtGlobal>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <initializer_list>

#include "platform/Canvas.h"
#include "platform/ImageList.h"
#include "platform/SheetImage.h"
#include "platform/SystemColors.h"

namespace {

constexpr int kPictureCount = 14;

// Paints the whole figure in the system highlight colour, pen and brush, and
// leaves the brush white.
void FillHighlight(Canvas& canvas) {
    const int highlight = SystemHighlightColor();
    canvas.SetPenColor(highlight);
    canvas.SetBrushColor(highlight);
    canvas.Rectangle(0, 0, kFigureWidth, kFigureHeight);
    canvas.SetBrushColor(kWinWhite);
}

}  // namespace

TMeasureFigure MeasureFigure;

void TMeasureFigure::Init(SheetImage& image, int colour) {
    Image = &image;
    Canvas = &image.GetCanvas();
    FillHighlight(*Canvas);
    Colour = colour;
    Canvas->SetPenColor(Colour);
    PenWidth = 3;
    Canvas->SetPenWidth(PenWidth);
}

int& CurrentModelIndex() {
    static int index = -2;
    return index;
}

// The resources of a static library are registered by hand (outside any
// namespace, as the registration function is a global one).
static void InitFigureResources() { Q_INIT_RESOURCE(figures); }

const ImageList& BodyPictures() {
    static const ImageList pictures = [] {
        InitFigureResources();
        ImageList list(kFigureWidth, kFigureHeight);
        for (int k = 0; k < kPictureCount; ++k) {
            char path[40];
            std::snprintf(path, sizeof path, ":/figures/figure_%02d.svg", k);
            list.AddSvg(path);
        }
        return list;
    }();
    return pictures;
}

namespace {

// One step of a marker: move the pen, draw a line from the pen, or change
// the pen width.
struct Step {
    enum Op { Move, Line, Width } op;
    int a;  // x, or the width
    int b;  // y
};
constexpr Step M(int x, int y) { return {Step::Move, x, y}; }
constexpr Step L(int x, int y) { return {Step::Line, x, y}; }
constexpr Step W(int width) { return {Step::Width, width, 0}; }

// The pen width a marker leaves behind: the marker width, or the width the
// pen had before the routine.
enum class EndWidth { Marker, Saved };

// A picture routine: body picture `picture` with the marker over it.
void ShowPicture(int picture, std::initializer_list<Step> marker, EndWidth end = EndWidth::Marker) {
    TMeasureFigure& figure = MeasureFigure;
    if (!figure.Canvas) return;
    Canvas& canvas = *figure.Canvas;
    const int savedWidth = canvas.PenWidth();
    BodyPictures().Draw(canvas, 0, 0, picture);
    for (const Step& step : marker) {
        switch (step.op) {
            case Step::Move: canvas.MoveTo(step.a, step.b); break;
            case Step::Line: canvas.LineTo(step.a, step.b); break;
            case Step::Width: canvas.SetPenWidth(step.a); break;
        }
    }
    canvas.SetPenWidth(end == EndWidth::Saved ? savedWidth : figure.PenWidth);
    figure.Image->Refresh();
}

// The caption of a box for the garment types first..last, written at (x, 151).
struct Caption {
    int first;
    int last;
    const char* text;
    int x;
};

// A caption-box routine: the first caption whose types include the current
// garment type, or an empty box when none does.
void ShowBox(const Caption* captions, std::size_t count) {
    TMeasureFigure& figure = MeasureFigure;
    if (!figure.Canvas) return;
    Canvas& canvas = *figure.Canvas;
    FillHighlight(canvas);
    canvas.SetPenColor(figure.Colour);
    canvas.Rectangle(10, 141, 143, 174);
    const int type = CurrentModelIndex();
    for (std::size_t i = 0; i < count; ++i) {
        if (type >= captions[i].first && type <= captions[i].last) {
            canvas.TextOut(captions[i].x, 151, captions[i].text);
            break;
        }
    }
    figure.Image->Refresh();
}

void ShowBox(std::initializer_list<Caption> captions) { ShowBox(captions.begin(), captions.size()); }

template <std::size_t N>
void ShowBox(const Caption (&captions)[N]) {
    ShowBox(captions, N);
}

// A box with the same caption for every garment type.
void ShowBox(const char* text, int x) { ShowBox({{INT_MIN, INT_MAX, text, x}}); }

// The arm ease boxes (upper arm and wrist) of the women's bodices.
const Caption kWomenArmEase[] = {
    {7, 8, "5 (3 - 6)", 56}, {9, 10, "7 (6 - 8)", 56}, {11, 12, "9 (8 - 10)", 54}, {13, 14, "10 (8 - 11)", 52}};

}  // namespace

namespace MeasureHints {

// Skirts, women's trousers, jeans and shorts; men's trousers and jeans.
void LowerLine1() { ShowPicture(1, {M(51, 165), L(100, 165)}); }
void LowerLine2() { ShowPicture(1, {M(40, 211), L(111, 211)}); }
void LowerLine3() { ShowPicture(12, {M(35, 205), L(35, 261)}); }
void LowerLine4() { ShowPicture(1, {M(64, 168), L(64, 305)}); }
void LowerLine5() { ShowPicture(1, {M(48, 168), L(47, 170), L(43, 182), L(40, 194), L(38, 206), L(38, 389)}); }
void LowerLine6() { ShowPicture(1, {M(75, 168), L(75, 392)}); }
void LowerLine7() { ShowPicture(0, {M(76, 88), L(76, 161)}); }
void LowerLine8() { ShowPicture(1, {M(55, 306), L(72, 306)}); }
void LowerLine9() { ShowPicture(2, {M(48, 165), L(108, 165)}); }
void LowerLine10() { ShowPicture(2, {M(44, 215), L(114, 215)}); }
void LowerLine11() { ShowPicture(11, {M(40, 204), L(40, 260)}); }
void LowerLine12() { ShowPicture(2, {M(49, 256), L(78, 256)}); }
void LowerLine13() {
    ShowPicture(2, {M(44, 168), L(44, 174), M(43, 174), L(43, 180), M(42, 180), L(42, 186), M(41, 186), L(41, 191),
                    M(40, 191), L(40, 222), W(2), M(41, 222), L(41, 241), W(3), M(40, 241), L(40, 248), W(1),
                    M(41, 248), L(41, 252), W(2), L(41, 253), W(3), M(40, 254), L(40, 398)});
}
void LowerPvs1() { ShowBox("Пвс = 0 - 4", 46); }
void LowerPvs2() { ShowBox("Пвс = 0 - 4", 46); }
void LowerPvs3() { ShowBox("Пвс = 0 - 2", 50); }
void LowerPvs4() { ShowBox("Пвс = 0 - 4", 48); }
void LowerDlinashort() { ShowBox("Длина шорт", 46); }
void LowerDlinayubki() { ShowBox("Длина юбки", 44); }
void LowerShn1() { ShowBox("Шн = 18 - 22", 46); }
void LowerShn2() { ShowBox("Шн = 22 - 35", 46); }
void LowerShn3() { ShowBox("Шн = 19 - 26", 46); }
void LowerPb1() { ShowBox("Пб = 1 - 9", 50); }
void LowerPb2() { ShowBox("Пб = 0 - 2", 52); }
void LowerPb3() { ShowBox("Пб = 1 - 3", 52); }
void LowerPb4() { ShowBox("Пб = 0 - 1", 52); }
void LowerPb5() { ShowBox("Пб = 0 - 8", 52); }
void LowerKs1() { ShowBox("Кс = 1, 2, 3", 50); }
void LowerKs2() { ShowBox("Кс = 1, 2, 3", 50); }
void LowerPt1() { ShowBox("Пт = 0 - 1", 52); }
void LowerPt2() { ShowBox("Пт = 0,5 - 1,5", 44); }
void LowerPt3() { ShowBox("Пт = 0 - 1", 52); }
void LowerPt4() { ShowBox("Пт = 0 - 1,5", 50); }
void LowerPok() { ShowBox("П о.к. >= 4", 50); }
void LowerPobednk() { ShowBox("П о.бед.н.к. >= 4", 33); }
void MenPantsLine1() { ShowPicture(6, {M(45, 180), L(111, 180)}); }
void MenPantsLine2() { ShowPicture(6, {M(43, 215), L(114, 215)}); }
void MenPantsLine3() {
    ShowPicture(6, {M(42, 183), L(42, 188), M(41, 188), L(41, 194), M(40, 194), L(40, 224), W(2), M(41, 224),
                    L(41, 240), W(3), M(40, 240), L(40, 246), W(1), L(41, 246), L(41, 253), W(3), M(40, 253),
                    L(40, 399)});
}
void MenPantsLine4() { ShowPicture(7, {W(2), M(78, 231), L(78, 401), W(3)}, EndWidth::Saved); }
void MenPants1() { ShowBox("1 (0 - 1,5)", 54); }
void MenPants2() { ShowBox("2 (0 - 3)", 56); }

// Women's bodice garments.
void WomenLine1() {
    ShowPicture(3, {M(62, 86), L(65, 91), L(71, 93), L(73, 94), L(83, 94), L(86, 92), L(90, 89), L(92, 85)});
}
void WomenLine2() { ShowPicture(4, {M(52, 126), L(56, 126), M(80, 126), L(84, 124), L(91, 119), L(95, 116)}); }
void WomenLine3() { ShowPicture(3, {M(46, 129), L(105, 129)}); }
void WomenLine4() { ShowPicture(3, {M(52, 165), L(99, 165)}); }
void WomenLine5() { ShowPicture(3, {M(39, 211), L(111, 211)}); }
void WomenLine6() { ShowPicture(3, {M(60, 89), L(58, 117), L(58, 129)}); }
void WomenLine7() { ShowPicture(3, {M(60, 89), L(58, 117), L(58, 164)}); }
void WomenLine8() { ShowPicture(3, {M(46, 120), L(105, 120)}); }
void WomenLine9() { ShowPicture(3, {M(59, 129), L(96, 129)}); }
void WomenLine10() { ShowPicture(5, {M(76, 87), L(76, 161)}); }
void WomenLine11() { ShowPicture(5, {M(76, 161), L(108, 97)}); }
void WomenLine12() { ShowPicture(5, {M(42, 122), L(105, 122)}); }
void WomenLine13() { ShowPicture(5, {M(63, 128), L(86, 128)}); }
void WomenLine14() { ShowPicture(4, {M(54, 125), L(60, 151), L(63, 169)}); }
void WomenLine15() { ShowPicture(4, {M(50, 89), L(57, 89)}); }
void WomenLine16() { ShowPicture(3, {M(61, 84), L(54, 88), L(47, 89), L(41, 91)}); }
void WomenLine17() { ShowPicture(4, {M(66, 106), L(83, 224)}); }
void WomenLine18() { ShowPicture(4, {M(57, 121), L(78, 118)}); }
void WomenLine19() { ShowPicture(4, {M(76, 219), L(87, 217)}); }
void WomenPn() { ShowBox({{7, 8, "Пн = 0,5", 54}, {9, 10, "Пн = 1", 56}, {11, 14, "Пн = 1,5", 54}}); }
void WomenPg() {
    ShowBox({{7, 7, "Пг = 2 - 4", 52},
             {8, 8, "Пг = 2 - 3,5", 48},
             {9, 9, "Пг = 5 - 6", 52},
             {10, 10, "Пг = 4 - 5", 52},
             {11, 11, "Пг = 7 - 7,5", 48},
             {12, 12, "Пг = 6 - 6,5", 48},
             {13, 13, "Пг = 8,5 - 9", 48},
             {14, 14, "Пг = 7 - 8", 52}});
}
void WomenPt() {
    ShowBox({{8, 8, "Пт = 2 - 5,5", 48},
             {10, 10, "Пт = 4 - 7,5", 48},
             {12, 12, "Пт = 6 - 8,5", 48},
             {14, 14, "Пт = 8 - 10", 48}});
}
void WomenPb() {
    ShowBox({{7, 8, "Пб = 1 - 2", 52},
             {9, 10, "Пб = 3 - 4", 52},
             {11, 12, "Пб = 5,5 - 6", 48},
             {13, 13, "Пб = 7 - 7,5", 48},
             {14, 14, "Пб = 6,5 - 7", 48}});
}
void Women5v1() { ShowBox(kWomenArmEase); }
void Women5v2() { ShowBox(kWomenArmEase); }
void Women5v3() { ShowBox("5 (2 - 15)", 56); }
void WomenH() { ShowBox({{7, 10, "H = 0,04 - 0,1", 44}, {INT_MIN, INT_MAX, "H = 0,1 - 0,15", 44}}); }
void Womenh() { ShowBox("h = 0 - 2", 56); }

// Men's shirts, jackets, coats, blazers and vest.
void MenLine1() { ShowPicture(13, {W(2), M(25, 20), L(25, 405), W(3)}); }
void MenLine2() {
    ShowPicture(13, {M(64, 75), L(66, 79), L(69, 83), L(72, 86), L(74, 87), L(77, 89), L(80, 90), L(85, 90)});
}
void MenLine3() { ShowPicture(8, {M(46, 123), L(112, 123)}); }
void MenLine4() { ShowPicture(8, {M(50, 164), L(108, 164)}); }
void MenLine5() { ShowPicture(13, {M(50, 212), L(77, 212), M(94, 212), L(106, 212)}); }
void MenLine6() { ShowPicture(8, {M(63, 77), L(63, 123)}); }
void MenLine7() { ShowPicture(8, {M(63, 77), L(63, 163)}); }
void MenLine8() { ShowPicture(8, {M(43, 116), L(115, 116)}); }
void MenLine9() { ShowPicture(8, {M(63, 123), L(96, 123)}); }
void MenLine10() { ShowPicture(9, {M(79, 79), L(79, 117)}); }
void MenLine11() { ShowPicture(10, {M(79, 79), L(79, 171)}); }
void MenLine12() { ShowPicture(10, {M(78, 171), L(125, 93)}); }
void MenLine13() { ShowPicture(9, {M(37, 120), L(118, 120)}); }
void MenLine14() {
    ShowPicture(8, {M(62, 75), L(59, 77), L(57, 78), L(53, 79), L(48, 81), L(45, 82), L(41, 83), L(35, 86),
                    L(31, 88), L(30, 90), L(29, 91)});
}
void MenLine15() { ShowPicture(13, {M(46, 81), L(57, 81)}); }
void MenLine16() {
    ShowPicture(8, {M(28, 91), L(27, 94), M(26, 94), L(26, 99), M(25, 98), L(25, 104), M(24, 102), L(24, 116),
                    M(23, 116), L(23, 129), M(22, 129), L(22, 143), M(21, 143), L(21, 158), M(20, 158), L(20, 212),
                    W(1), L(21, 212), W(3), L(21, 225)});
}
void MenLine17() { ShowPicture(13, {M(56, 126), L(80, 121)}); }
void MenLine18() { ShowPicture(13, {M(83, 221), L(93, 218)}); }
void MenShk() { ShowBox("Шк = 0 - 14", 50); }
void MenPn() { ShowBox({{28, 30, "Пн = 1", 60}, {31, 33, "Пн = 1,5", 56}, {34, 35, "Пн = 1", 60}}); }
void Men7() {
    ShowBox({{22, 23, "7 (6 - 8)", 58},
             {24, 25, "7 (6 - 7)", 58},
             {28, 30, "7 (7 - 8)", 58},
             {31, 33, "8 (8 - 9)", 58},
             {34, 35, "6 (5 - 7)", 58},
             {36, 36, "4 (3,5 - 4)", 58}});
}
void Men3() {
    ShowBox({{22, 23, "5 (4 - 6)", 58},
             {24, 25, "3 (3 - 4)", 58},
             {28, 30, "7 (6,5 - 8)", 54},
             {31, 33, "8 (8 - 9,5)", 54},
             {34, 35, "6 (3,5 - 7)", 54},
             {36, 36, "5 (4 - 6)", 58}});
}
void Men6() {
    ShowBox({{22, 23, "5 (2,5 - 5)", 54},
             {24, 25, "6 (4 - 8)", 58},
             {28, 30, "7 (6 - 7)", 58},
             {31, 33, "8 (8 - 9)", 58},
             {34, 35, "6 (4 - 6)", 58},
             {36, 36, "3,5 (1,5 - 3,5)", 45}});
}
void Men10() {
    ShowBox({{22, 23, "10 (8 - 10,5)", 48},
             {24, 25, "10 (9 - 11)", 52},
             {28, 30, "12 (12 - 14)", 50},
             {31, 33, "14 (14 - 15)", 50},
             {34, 35, "10 (9 - 10,5)", 46}});
}
void MenfESh() {
    ShowBox({{22, 23, "9 (8 - 10,5)", 52},
             {24, 25, "10 (8 - 10)", 52},
             {28, 30, "12 (12 - 14)", 50},
             {31, 33, "14 (14 - 15)", 50},
             {34, 35, "10 (8 - 10)", 52}});
}
void Men004() {
    ShowBox({{22, 25, "0,04 (0 - 0,06)", 44},
             {28, 30, "0,07 (0,07 - 0,1)", 40},
             {31, 33, "0,1 (0,1 - 0,125)", 40},
             {34, 35, "0,06 (0,06 - 0,07)", 44}});
}
void Men0() { ShowBox("0 (0,4 - 2)", 54); }

}  // namespace MeasureHints
