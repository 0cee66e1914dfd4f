// The men's outerwear base: the common base of the vest, the men's coats
// and the blazers.
//
// TMenPattern holds the customer's measurements, the constants that each
// garment of the family sets before drafting, and every point, curve
// control and length of the back and front that the family shares.  Its
// draft builds the grid of the top, chest, waist, hip and hem lines; the
// back with its neckline, shoulder, the shoulder-blade dart carried into the
// armhole, and the back armhole; the front with its belly allowance, the
// turn of the bust, the neckline, shoulder and armhole; the balance of the
// front armhole against the back one; and the values that the collars and
// sleeves read.  The garments add their own step after it.
//
// The draft lives in pattern centimetres, y up.  The top line y = 0 passes
// through a, A, a1 and a2; the chest, waist, hip and hem lines lie below
// it.  The back lies at x < 0, from the back centre on the left to the side
// point G2 on the chest line at x = 0; the front lies at x > 0, the whole of
// it moved right by FrontShift (the room the side part takes).  Points are
// named by the labels the sheet writes beside them; control points and
// guides have descriptive names.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "garments/common/BodiceChoice.h"
#include "garments/common/LowerGarment.h"
#include "garments/common/ValueTable.h"
#include "kernel/Geometry.h"
#include "kernel/Models.h"

// The constants of one garment of the family that the draft reads besides
// FrontShift (cm): the width eases come from Пг and h, the rest are the
// garment's own numbers.
struct MenPatternConstants {
    float frontShift;          // FrontShift
    float widthEaseReduction;  // taken off both width eases (the vest's 2)
    float armholeDepth;        // ArmholeDepthEase
    float backLength;          // BackLengthEase
    float frontDrop;           // FrontDropEase
    float backNeckRise;        // BackNeckRise
    float backNeckWidth;       // BackNeckWidthEase
    float backNeckHeight;      // BackNeckHeightEase
    float frontNeckDepth;      // FrontNeckDepthEase
    float armholeDartWidth;    // ArmholeDartWidth
    float shoulder;            // ShoulderEase
    float bustWidth;           // BustWidthEase
    float backWidthAddition;   // BackWidthAddition
    float chestWidthAddition;  // ChestWidthAddition
};

// The garment types of the family.
namespace MenPatternType {
constexpr int kFirstCoat = 28;    // 28 .. 30 the demi-season coats, 31 .. 33 the winter ones
constexpr int kFirstBlazer = 34;  // 34, 35 the blazers
constexpr int kVest = 36;
}  // namespace MenPatternType

// The sample values a garment of the family writes into its column, as
// typed with a comma for the user's decimal separator ("20,7").  Rows 1 to
// 16 always; rows 17 on by the sleeve chosen.  A case the garment is never
// offered with may be left empty (nullptr).
struct MenSamples {
    const char* body[16];
    const char* setIn[11];   // rows 17 .. 27, a set-in sleeve (kinds 12 .. 14)
    const char* raglan[10];  // rows 17 .. 26, a raglan (kinds 15, 16)
    const char* none[4];     // rows 17 .. 20, no sleeve: Пг, Пт, Пб, h
};

// The samples of garment type 28 .. 36.
const MenSamples& MenSamplesOf(int type);

// Which rows the family's column has for a sleeve kind (0: none).
enum class MenColumnCase { NoSleeve, SetIn, Raglan };
MenColumnCase MenColumnCaseOf(bool hasSleeve, int sleeveKind);
// The number of rows (and of floats in the order-file block): 20, 27, 26.
int MenColumnRows(MenColumnCase c);
// The captions of those rows, in column (and block) order.
std::vector<std::string> MenColumnCaptions(MenColumnCase c);

// The constants of garment type 28 .. 36.  The coats and blazers come in
// three constructions: with a side seam (FrontShift 0), with a side part in
// one piece with the front (2) and with a separate side part (4).
MenPatternConstants MenPatternConstantsOf(int modelIndex);

class TMenPattern : public TModel {
public:
    // ---- Measurements (cm), typed by the user. ----
    float Height = 0.0f;                 // Р
    float NeckHalfGirth = 0.0f;          // Сш
    float BustHalfGirth1 = 0.0f;         // Сг1
    float BustHalfGirth2 = 0.0f;         // Сг2
    float WaistHalfGirth = 0.0f;         // Ст
    float HipHalfGirth = 0.0f;           // Сб (the garment steps)
    float BustHeight = 0.0f;             // Вг
    float FrontWaistLength = 0.0f;       // Дт.п
    float ChestWidth = 0.0f;             // Шг
    float BustPointSpan = 0.0f;          // Цг
    float BackArmholeHeight = 0.0f;      // Впр.з
    float BackWaistLength = 0.0f;        // Дт.с
    float ObliqueShoulderHeight = 0.0f;  // Вп.к
    float BackWidth = 0.0f;              // Шс
    float ShoulderWidth = 0.0f;          // Шп
    float Posture = 0.0f;                // Пк
    float BustEase = 0.0f;               // Пг, total ease at the bust line
    float WaistEase = 0.0f;              // Пт (the garment steps)
    float HipEase = 0.0f;                // Пб (the garment steps)
    float CapEaseNorm = 0.0f;            // H, the set-in sleeves' cap-ease norm
    float InterliningEase = 0.0f;        // h

    // ---- Garment constants (cm), set by each garment before the draft. ----
    float FrontShift = 0.0f;          // the whole front moves right by it
    float ChestWidthEase = 0.0f;      // added to Шг
    float BackWidthEase = 0.0f;       // added to Шс
    float ArmholeDepthEase = 0.0f;    // added to Впр.з
    float BackLengthEase = 0.0f;      // lengthens the back
    float FrontDropEase = 0.0f;       // lowers the front waist (0.7 of it)
    float BackNeckRise = 0.0f;        // raises A01 above the top line
    float BackNeckWidthEase = 0.0f;   // added to Сш/3
    float BackNeckHeightEase = 0.0f;  // added to 0.15 Сш
    float FrontNeckDepthEase = 0.0f;  // added to Сш in 0.45 (Сш + ease)
    float ArmholeDartWidth = 0.0f;    // the blade dart's opening; up to 0.1 no dart
    float ShoulderEase = 0.0f;        // added to Шп
    float BustWidthEase = 0.0f;       // added to the half bust width
    float BackWidthAddition = 0.0f;   // second addition to the back width
    float ChestWidthAddition = 0.0f;  // second addition to the chest width

    // ---- Points of the draft. ----
    // Top line: back width line, front centre, front width line, back centre.
    Vector a, a1, a2, A;
    // Back centre moved by the posture; back neck: centre point, end of its
    // width, neck point on the shoulder.
    Vector A0, A01, A1, A2;
    // Front neck: centre at the neck, neck point on the shoulder, lowest
    // point on the centre; guide point of the back neckline.
    Vector A3, A4, A5, A9;
    Vector FrontNeckCentre;  // centre of the circular front neckline A4 → A5
    // The back neckline 1 cm lower (collar kinds 7 and 8): two arcs
    // LowNeck1 → [LowNeckCtrl1] → LowNeck2 → [LowNeckCtrl2] → LowNeck3.
    Vector LowNeck1, LowNeck2, LowNeck3, LowNeckCtrl1, LowNeckCtrl2;
    // Chest line: back centre, back width line, side point (x = 0), side
    // seam point, the back armhole above it.
    Vector G, G1, G2, G21, g21;
    Vector FrontG2;  // G2 moved by FrontShift: where the front armhole starts
    // Front centre, front width line, bust point line on the chest line;
    // bust point; front centre at bust height, before and after the front is
    // turned by the bust difference.
    Vector G3, G4, G5, G6, G7, G8;
    // Waist line: back centre, back centre seam, side, front centre, the
    // front centre lowered, the front edge moved out by the belly allowance.
    Vector T, T0, T2, T3, T31, T32;
    Vector FrontWidthWaist;  // front width line on the waist line
    Vector T5, T51;          // bust point line on the waist line, and lowered
    Vector Y;                // shoulder-blade level on the back centre
    // Back shoulder point before and after the dart is carried into the
    // armhole, back width line at the height of P.
    Vector P, P1, P2;
    // The back armhole at the level of U, and on the back width line.
    Vector P3, P31;
    // Front armhole point on the front width line, front shoulder reference,
    // front shoulder point.
    Vector P6, P8, P10;
    // Hip line: back centre, side, front centre, lowered, front edge.
    Vector B, B2, B3, B31, B32;
    // Hem line: the same.
    Vector H, H2, H3, H31, H32;
    // Blade dart: its point, U moved 12 cm right, the ends of the upper and
    // lower legs.
    Vector U, U0, U01, U02;

    // ---- Controls and guides. ----
    Vector BackCentreGuide;   // lower guide of the back centre line
    Vector BackSeamCtrlLow;   // back centre seam T0 → [Low] → [High] → Y
    Vector NeckCtrl1;         // back neck arc A01 → A9
    Vector BackSeamCtrlHigh;
    Vector NeckCtrl2;         // back neck arc A9 → A2
    Vector BackArmholeCtrl1;  // arc P1 → P31
    Vector BackArmholeCtrl2;  // arc P31 → BackArmholeJoin
    Vector BackArmholeCtrl3;  // arc BackArmholeJoin → G2
    Vector FrontArmholeCtrl2;  // arc FrontArmholeJoin → P6
    Vector FrontArmholeCtrl1;  // arc FrontG2 → FrontArmholeJoin
    Vector FrontArmholeCtrl3;  // arc P6 → "2"
    Vector FrontArmholeCtrl4;  // arc "2" → P10
    Vector BackArmholeJoin, FrontArmholeJoin;
    Vector FrontArmhole1;  // "1": guide of the upper front armhole on P6 → P10
    Vector FrontArmhole2;  // "2": where the two upper front arcs meet

    // Where the legs of the blade dart meet the back armhole (both P3
    // without a dart).
    Vector D1, D2;
    Vector P8Bar[2];  // the notch bar at P8, 0.2 cm either side
    // The back sleeve notch (the draft writes entries 1 .. 3 for the set-in
    // sleeves 12 .. 14: bar end, foot, bar end; the two-seam sleeve rewrites
    // all four).  Entry 0 is also the side-part point SplitPoint.
    Vector SleeveNotch1[4];
    Vector& SplitPoint = SleeveNotch1[0];
    // The front sleeve notch (entries 1 .. 3: foot, bar end, bar end).
    Vector SleeveNotch2[4];
    Vector ShoulderMark[3];  // written by the two-seam sleeve

    // ---- Lengths and flags. ----
    float DartArcLength = 0.0f;     // back armhole between D1 and D2 (0 without a dart)
    float ArmholeArcLength = 0.0f;  // back armhole from g21 down to G2
    float BellyAllowance = 0.0f;    // 0.4 (Ст − Сг2 + 6.2), not below 0
    float SideParam = 0.0f;         // parameter of g21 on BackArmholeJoin → G2
    float NeckLength = 0.0f;        // back neckline A01 → A9 → A2 (with a collar)
    float LowNeckExcess = 0.0f;     // the lowered back neckline less NeckLength
    float ArmholeHeight = 0.0f;     // mean height of P1 and P10 over the chest line
    float ArmholeWidth = 0.0f;      // G4.x − G1.x − FrontShift
    float ArmholeLength = 0.0f;     // whole armhole less DartArcLength; the set-in sleeves fit to it
    float SplitParam = 0.0f;        // parameter of SplitPoint on its armhole arc
    bool FrontEdgeTurn = false;     // the front edge turns left from G8 → A5 to G7 → T32

    // ---- Written by the men's raglan sleeves (kinds 15 and 16). ----
    Vector C1, C2, C3, C4;
    Vector RaglanBackCtrl1, RaglanBackCtrl2;    // A9 → C2 → RaglanBackEnd
    Vector RaglanFrontCtrl1, RaglanFrontCtrl2;  // RaglanFrontEnd → C4 → A41
    Vector RaglanBackTouch;
    Vector RaglanBackEnd, RaglanFrontEnd;  // where the raglan lines meet the armhole
    Vector RaglanFrontTouch;
    Vector A41;  // the front neck point of the raglan line
    // The short notch bars of the raglan kinds, written by the draft:
    // P31 ∓ 0.2 and P6 ∓ 0.2 in x.
    Vector RaglanNotches[4];
    float RaglanBackParam = 0.0f;
    float RaglanFrontParam = 0.0f;
    int RaglanBackCase = 0;   // 1 or 2: which back armhole arc the raglan line ends on
    int RaglanFrontCase = 0;  // the same on the front

    // ---- The result table. ----
    float SegGG3 = 0.0f, SegGG2 = 0.0f, SegG2G3 = 0.0f, SegA01H = 0.0f;

    // A draft without the windows (benchmarks, tests of the geometry): the
    // column is not touched.
    TMenPattern() = default;
    // Hides the column again when the garment laid it out.
    ~TMenPattern() override;

    // ---- The measurement column and the order file. ----
    // Reads every row for the current sleeve (an empty or unreadable edit:
    // the column's message) into the fields and the sleeve; then Попв ≥ Пг
    // with a sleeve.  Nothing is stored unless every row reads.
    bool GetMeasures() override;
    // An opened order: each row on its own, not Попв ≥ Пг.
    bool CheckLoadedMeasures() override;
    void ShowMeasure(int n) override;
    // Empties the rows of that sleeve kind, lays the order panel out again
    // for the current collar and sleeve, writes the order caption.
    void ClearInputs(int sleeveKind) override;
    // The block: 20, 26 or 27 floats by the current sleeve, in row order.
    void SaveMeasures(RecordWriter& f) override;
    void LoadMeasures(RecordReader& f) override;

    // ---- The sheets. ----
    // Sheet 1: the collar by its kind, the pattern and its captions; sheet
    // 2 with a sleeve: the sleeve.  Nothing unless calculated.
    void Draw() override;
    // Sheet 1 again after a collar handle was dragged, at the origin Draw
    // left.
    void RedrawCollar() override;

    // Sets FrontShift, the width eases (from Пг and h) and the other
    // constants of a garment of the family.
    void SetConstants(const MenPatternConstants& c);

    // The common draft, for the main window's current choice of pieces.
    // Does not mark the garment calculated: the garment's own Calculate
    // runs it first and sets the flag last.
    void Calculate() override;
    // The common draft for the given choice.  Fails only by throwing: the
    // integer 2 when the armhole does not balance, EFloatError on a
    // degenerate construction.
    void Draft(const BodiceChoice& choice);

    void RedrawSleeve() override {}
    void ClearSheets() override;
    void CalcSegments() override;
    // The table sheet (the last one): the measurements, the sleeve's values
    // and the segments, then the comment.  The scale is not used.
    void DrawTables(int scale) override;
    // Every pattern sheet the screen shows (the pattern with its collar,
    // the sleeve), each tiled over its own pages at the print scale, then a
    // page of the tables.
    void Print() override;

    // ---- What the garments draw of the common draft. ----
    // The back and the front's construction lines; with a raglan (sleeve
    // kinds 15, 16) the back and front reshaped by its lines.
    void DrawBase(const PieceTarget& t) const;
    void DrawRaglanBase(const PieceTarget& t) const;
    // The front armhole, front shoulder and the front sleeve notch (the vest
    // and the side-seam coats); nothing with a raglan.
    void DrawLines(const PieceTarget& t) const;
    // The front sleeve notch (kinds 13, 14), the upper front armhole P6 →
    // "2" → P10 with its guide lines, the front shoulder to A4.
    void DrawUpperFront(const PieceTarget& t) const;
    void DrawPointNames(const PieceTarget& t) const;
    void DrawLinePointNames(const PieceTarget& t) const;

    // The rows of the three tables.
    std::vector<ValueTableRow> MeasureRows() const;
    std::vector<ValueTableRow> SleeveRows() const;
    std::vector<ValueTableRow> SegmentRows() const;

    // The sheets the garment uses: 3 with a sleeve, else 2.
    int SheetCount() const;
    // Whether a coat or blazer draws the neck and the front edge itself:
    // with collar kinds 0, 1, 2 and 6 (the jacket and shawl collars draw
    // them).
    static bool OwnFrontEdge();
    // The garment type the garment was made as (0 for a bare draft).
    int Type() const { return type_; }
    // The blazers (34, 35) run on to the hem line; the coats end at the hip.
    bool IsBlazer() const { return type_ == MenPatternType::kFirstBlazer || type_ == MenPatternType::kFirstBlazer + 1; }

protected:
    // Lays out the column for the main window's collar and sleeve, writes
    // the order caption of `type` and, when asked for, its samples.
    explicit TMenPattern(int type);

    // A garment's Calculate: its constants, the common draft, then the
    // garment's own step and the sleeve in the garment's order (the sleeve
    // first when `sleeveFirst`), the collar last; then calculated.
    void DraftGarment(bool sleeveFirst, const std::function<void()>& step);

    // ---- What the coats and blazers share of their own steps. ----
    // The 3 cm front overlap (only where the garment draws the front edge):
    // square off A5 → T32, or, when the front edge turns, off A3 → G8 and
    // G7 → T32; the waist and hem ends 3 cm beyond T32, the hem end at
    // hemY.
    struct Overlap {
        Vector &neck, &g8, &g7, &t32, &waist, &hem;
    };
    void PlaceOverlap(const Overlap& o, float hemY) const;
    struct OverlapView {
        const Vector &neck, &g8, &g7, &t32, &waist, &hem;
    };
    // The neck arc A4 → A5 and, with a front edge of its own, the overlap
    // down to `hemEnd` (B32 or H32); collar kind 8 only the arc.  The
    // overlap's bottom is part of the front hem and takes its pen.
    void DrawNeckAndOverlap(const PieceTarget& t, const OverlapView& o, const Vector& hemEnd) const;
    // The pen of the front hem: the blazers' hem at H is cut and drawn with
    // the outline; the coats' hem at B is a construction line.
    int FrontHemPen(const PieceTarget& t) const;
    // The front hem from `front` (B31 or H31) to the side `side`: its
    // middle and the control on the hem line's direction.
    void PlaceFrontHem(const Vector& front, const Vector& side, Vector& mid, Vector& ctrl) const;

    // The blazers' breast pocket: an 11 cm welt 4 cm inside the front width
    // line at P6, sloping 1 cm, 2.5 cm deep.
    void PlaceBreastPocket(Vector& p1, Vector& p2, Vector& p3, Vector& p4) const;
    static void DrawBreastPocket(const PieceTarget& t, const Vector& p1, const Vector& p2, const Vector& p3,
                                 const Vector& p4);

    // The pattern of sheet 1 with its labels, after the collar is placed:
    // all its lines first, then all its labels, so that no line runs over
    // a label.  Default: the common draft and its labels.
    void DrawPieces(const PieceTarget& t) const;
    virtual void DrawPieceLines(const PieceTarget& t) const;
    virtual void LabelPieces(const PieceTarget& t) const;
    // The right end of the pattern that sheet 1 centres with the back
    // centre when the collar is apart or absent.
    // Default: 3 cm beyond the front edge at the waist.
    virtual float RightEdge() const;
    // Sheet 1's origin by the collar kind (kept as the collar's origin); a
    // collar kind not drawn on the sheet leaves the origin as it is.
    void PlaceSheet1();
    // Sheet 1's drawing at the origin in force: the pieces' and the collar's
    // lines, then their labels.
    void DrawSheet1();
    // The captions of sheet 1 ("Воротник: ", "Полочка и спинка").
    void CaptionSheet1() const;
    // The collar drawn in place (kinds 7 and 8) or apart (1, 2, 6).
    bool CollarInPlace() const;
    bool CollarApart() const;
    // Where a collar drafted apart is drawn on sheet 1 (added to its own axes).
    Vector ApartCollarShift() const;

private:
    // The upper front armhole and front shoulder for the current P8;
    // returns `target` less the upper front armhole's length.
    float FrontShoulder(float target);
    // Where each row's value lives, for the current sleeve.
    std::vector<float*> Slots() const;
    // The rows of the column these fields are read from, as the column judges them.
    std::vector<MeasureRow> ColumnRows() const;

    int type_ = 0;
    int rowsLaidOut_ = 0;  // the rows the constructor showed (0: none)
};

// The main window's garment when it is one of this family, else nullptr:
// the one way a collar or a sleeve reaches the garment it belongs to.
TMenPattern* CurrentMenPattern();
