// The measurement illustrations of the main window.
//
// Beside its column of measurement edits the main window shows a figure of
// 153 x 425 pixels.  When an edit gets the focus, the garment's ShowMeasure
// redraws the figure through one of the MeasureHints routines below: a body
// picture with a red marker where the measurement is taken, or, for an
// allowance or a construction choice, a white box with the recommended value
// on a plain field of the system highlight colour.  Every routine overwrites
// the whole figure.
//
// The routines are fixed drawings; a few boxes choose their caption by the
// current garment type, which they read from CurrentModelIndex().
#pragma once

class Canvas;
class ImageList;
class SheetImage;

// The figure the routines draw on: one global instance, MeasureFigure.
class TMeasureFigure {
public:
    SheetImage* Image = nullptr;  // the main window's figure image
    ::Canvas* Canvas = nullptr;   // its canvas
    int Colour = 255;             // marker colour (Windows value, pure red)
    int PenWidth = 3;             // marker pen width

    // Binds the figure to its image (already sized 153 x 425) and clears it
    // to the highlight colour; the pen becomes the marker pen of the given
    // colour and width 3, the brush white.
    void Init(SheetImage& image, int colour);
};

extern TMeasureFigure MeasureFigure;

// The current garment type (0 to 36; -2 before the first choice).  The main
// window writes it whenever it creates a garment; the caption boxes that
// depend on the garment read it.
int& CurrentModelIndex();

// The 14 body pictures of the figure (indices 0 to 13, 153 x 425 each):
//   0 woman, back (skirts)         7 the same (inside leg)
//   1 woman, front (lower body)    8 man, front (bodice)
//   2 man, front (lower body)      9 man, back (widths)
//   3 woman, front (bodice)       10 man, back (lengths)
//   4 woman, side, facing right   11 man seated on a stool, side
//   5 woman, back (bodice)        12 woman seated on a stool, side
//   6 man in trousers, front      13 man, side, facing right
// Rendered from the program's resources on first use.
const ImageList& BodyPictures();

// Size of the figure and of every body picture.
constexpr int kFigureWidth = 153;
constexpr int kFigureHeight = 425;

// The illustration routines.  Each draws on MeasureFigure and does nothing
// while the figure is not bound.
namespace MeasureHints {

// Skirts, women's trousers, jeans and shorts; men's trousers and jeans.
void LowerLine1();       // Ст, waist half-girth (picture 1)
void LowerLine2();       // Сб, hip half-girth (1)
void LowerLine3();       // Вс, seat height (12)
void LowerLine4();       // Дтк, waist to knee (1)
void LowerLine5();       // Дсб, waist to floor at the side (1)
void LowerLine6();       // Дсп, waist to floor at the front (1)
void LowerLine7();       // Дтс, back length to the waist (0)
void LowerLine8();       // Ок, knee girth (1)
void LowerLine9();       // Ст, waist half-girth (2)
void LowerLine10();      // Сб, hip half-girth (2)
void LowerLine11();      // Вс, seat height (11)
void LowerLine12();      // О бед.н.к., thigh girth above the knee (2)
void LowerLine13();      // Дсб, trouser length at the side (2)
void LowerPvs1();        // boxes of allowances and choices
void LowerPvs2();
void LowerPvs3();
void LowerPvs4();
void LowerDlinashort();
void LowerDlinayubki();
void LowerShn1();
void LowerShn2();
void LowerShn3();
void LowerPb1();
void LowerPb2();
void LowerPb3();
void LowerPb4();
void LowerPb5();
void LowerKs1();
void LowerKs2();
void LowerPt1();
void LowerPt2();
void LowerPt3();
void LowerPt4();
void LowerPok();
void LowerPobednk();
void MenPantsLine1();    // Ст, waist half-girth (6)
void MenPantsLine2();    // Сб, hip half-girth (6)
void MenPantsLine3();    // Дсб, trouser length at the side (6)
void MenPantsLine4();    // Дш, inside leg length (7)
void MenPants1();
void MenPants2();

// Women's bodice garments.
void WomenLine1();       // Сш, neck half-girth (3)
void WomenLine2();       // Сг1, first bust half-girth (4)
void WomenLine3();       // Сг2, second bust half-girth (3)
void WomenLine4();       // Ст, waist half-girth (3)
void WomenLine5();       // Сб, hip half-girth (3)
void WomenLine6();       // Вг, bust height (3)
void WomenLine7();       // Дт.п, front waist length (3)
void WomenLine8();       // Шг, bust width (3)
void WomenLine9();       // Цг, between the bust points (3)
void WomenLine10();      // Дт.с, back waist length (5)
void WomenLine11();      // Вп.к, oblique shoulder height (5)
void WomenLine12();      // Шс, back width (5)
void WomenLine13();      // between the shoulder-blade points (5)
void WomenLine14();      // side length (4)
void WomenLine15();      // Пк, body posture (4)
void WomenLine16();      // Шп, shoulder width (3)
void WomenLine17();      // Др1с, arm length (4)
void WomenLine18();      // Оп.в, upper-arm girth (4)
void WomenLine19();      // Озап, wrist girth (4)
void WomenPn();          // boxes, by garment type
void WomenPg();
void WomenPt();
void WomenPb();
void Women5v1();
void Women5v2();
void Women5v3();
void WomenH();
void Womenh();

// Men's shirts, jackets, coats, blazers and vest.
void MenLine1();         // Рост, body height (13)
void MenLine2();         // Сш, neck half-girth (13)
void MenLine3();         // Сг2, second bust half-girth (8)
void MenLine4();         // Ст, waist half-girth (8)
void MenLine5();         // Сб, hip half-girth (13)
void MenLine6();         // Вг, bust height (8)
void MenLine7();         // Дт.п, front waist length (8)
void MenLine8();         // Шг, bust width (8)
void MenLine9();         // Цг, between the bust points (8)
void MenLine10();        // Впр.з, back armhole height (9)
void MenLine11();        // Дт.с, back waist length (10)
void MenLine12();        // Вп.к, oblique shoulder height (10)
void MenLine13();        // Шс, back width (9)
void MenLine14();        // Шп, shoulder width (8)
void MenLine15();        // Пк, body posture (13)
void MenLine16();        // Др1с, arm length (8)
void MenLine17();        // Оп.в, upper-arm girth (13)
void MenLine18();        // Озап, wrist girth (13)
void MenShk();           // boxes, by garment type where they differ
void MenPn();
void Men7();
void Men3();
void Men6();
void Men10();
void MenfESh();
void Men004();
void Men0();

}  // namespace MeasureHints
