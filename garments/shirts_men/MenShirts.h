// The four men's shirts and jackets: the shirt and the jacket, each of
// straight and of fitted silhouette (garment types 22 to 25).
//
// TMenDressGarment is what the four share on top of the bodice draft: the
// measurement column for the current sleeve, its checks, the order-file
// block, the sheets with the collar and the sleeve, the tables and
// printing.  The silhouettes (TMenDressOfStraight, TMenDressOfWaist) add
// their step of the draft, their side seams and their waist labels; the
// fitted column has the waist rows.  A shirt and a jacket of one
// silhouette differ only in data (ease constants, order caption, sample
// eases), chosen by their kind.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "garments/common/PatternSheets.h"
#include "garments/common/ValueTable.h"
#include "garments/shirts_men/MenDress.h"

struct MeasureRow;
struct TDrawContext;

enum class MenSilhouette { Straight, Fitted };

// What the column, the order block and the tables hold.
enum class MenQ { R, Cw, Cg2, Ct, Cb, Dtp, Shg, Vprz, Dts, Vpk, Shs, Shp, Pk, Shk, Dr1s, Opv, Ozap, Pg, Pt, Pb, Popv, Poz, H, h };

// The sleeve kinds the column, the block and the tables tell apart: no
// sleeve; 1-3 the set-in sleeves; 4 the shirt sleeve; 5, 6 the raglans;
// any other kind takes no sleeve rows.
enum class MenSleeveGroup { None, SetIn, Shirt, Raglan, Other };
MenSleeveGroup MenSleeveGroupOf(bool withSleeve, int sleeveKind);

// The size in bytes of a garment's order block by its type (22 .. 25) and
// the sleeve kind of its header (0 or less: no sleeve); -1 for another type.
int MenDressBlockSize(int type, int sleeveKind);
// The captions of the rows that block holds, in its order (none for another
// type).
std::vector<std::string> MenDressBlockCaptions(int type, int sleeveKind);

class TMenDressGarment : public TMenDress {
public:
    ~TMenDressGarment() override;

    bool GetMeasures() override;
    // An opened order: each row on its own, no relation between them.
    bool CheckLoadedMeasures() override;
    // The ease constants of the garment, the common draft, the silhouette
    // step, then the collar's and the sleeve's own (the men's garments
    // draft the collar first); marks the garment calculated.
    void Calculate() override;
    void Draw() override;
    void RedrawCollar() override;
    void RedrawSleeve() override;
    void ClearInputs(int sleeveKind) override;
    void ShowMeasure(int n) override;
    void DrawTables(int scale) override;
    void Print() override;
    // The column's values in column order.
    void SaveMeasures(RecordWriter& f) override;
    void LoadMeasures(RecordReader& f) override;

    MenDressKind Kind() const { return kind_; }
    MenSilhouette Shape() const { return shape_; }
    // The garment type, 22 .. 25.
    int Type() const;

    // The quantities of the column's rows, row 1 first, for a sleeve group.
    std::vector<MenQ> ColumnOf(MenSleeveGroup group) const;
    // The group the column is laid out for: the main window's sleeve.
    MenSleeveGroup Group() const;
    // Where a quantity's value lives: the garment, or the main window's
    // sleeve (nullptr without one).
    float* Slot(MenQ q);

    // ---- The tables of the last sheet and of the printed tables page. ----
    std::vector<ValueTableRow> MeasureTableRows() const;
    std::vector<ValueTableRow> SleeveTableRows() const;
    std::vector<ValueTableRow> SegmentTableRows() const;

    // The front and back of sheet 1 with the silhouette's side seams and
    // all point names (the collar apart); `beforeLabels`, when given, draws
    // between the lines and the names.
    void DrawPieces(const PatternPen& pen, const std::function<void()>& beforeLabels = nullptr) const;

protected:
    TMenDressGarment(MenDressKind kind, MenSilhouette shape);

    // The silhouette's step after the common draft.
    virtual void DraftSilhouette() = 0;
    // The silhouette's side seams (and darts), and the names of its waist
    // points.
    virtual void DrawSideSeams(const PatternPen& pen) const = 0;
    virtual void LabelWaistPoints(const PatternPen& pen) const = 0;
    // The fitted garments' waist quantities (Ст, Пт); nullptr otherwise.
    virtual float* SilhouetteSlot(MenQ q) { return nullptr; }

private:
    int SheetCount() const;
    std::vector<MeasureRow> Rows(const std::vector<MenQ>& column);
    // The values behind a list of quantities.
    std::vector<float*> Targets(const std::vector<MenQ>& column);
    // Sheet 1's origin, by the collar and its extent box.
    Vector SheetOneOrigin() const;
    // The stand collars' shift from sheet 1's origin; false for a collar
    // drawn in place on the front (or none).
    bool CollarShift(Vector& shift) const;
    void DrawCollar(TDrawContext& dc) const;
    void DrawSheetOne();
    void DrawSleeveSheet();
    void CaptionSheetOne() const;

    MenDressKind kind_;
    MenSilhouette shape_;
    std::vector<std::string> samples_;  // the texts of the column's rows
};

// The straight silhouette: the side seams run straight from G2 to the hem.
class TMenDressOfStraight : public TMenDressGarment {
public:
    Vector BackSideCross;   // the back side line G2 → B4 met with the waist line ("T4")
    Vector FrontSideCross;  // the front side line G2 → B5 met with it ("T5")

    explicit TMenDressOfStraight(MenDressKind kind) : TMenDressGarment(kind, MenSilhouette::Straight) {}

    void DraftSideSeams();

protected:
    void DraftSilhouette() override { DraftSideSeams(); }
    void DrawSideSeams(const PatternPen& pen) const override;
    void LabelWaistPoints(const PatternPen& pen) const override;
};

// The fitted silhouette: the waist suppression S = Сг2 + Пг − Ст − Пт,
// corrected by the side lines' slant, taken in at the side seams and, when
// it is large, in a back and a front waist dart.
class TMenDressOfWaist : public TMenDressGarment {
public:
    float WaistGirth = 0.0f;  // Ст
    float WaistEase = 0.0f;   // Пт
    Vector BackSideCross, FrontSideCross;
    // The darts' legs on the waist line: back "T6", "T7"; front "T8", "T9".
    Vector BackDartLeft, BackDartRight, FrontDartLeft, FrontDartRight;
    Vector BackWaistPoint;   // "T41"
    Vector FrontWaistPoint;  // "T51"
    Vector BackDartCentre, FrontDartCentre;
    Vector FrontSideUpperCtrl, FrontSideLowerCtrl, FrontSideHemCtrl;
    Vector BackSideUpperCtrl, BackSideLowerCtrl, BackSideHemCtrl;
    Vector BackDartTop, BackDartTopBar[2], BackDartBottom, BackDartBottomBar[2];
    Vector FrontDartTop, FrontDartTopBar[2], FrontDartBottom, FrontDartBottomBar[2];
    float WaistSuppression = 0.0f;  // S

    explicit TMenDressOfWaist(MenDressKind kind) : TMenDressGarment(kind, MenSilhouette::Fitted) {}

    void DraftWaist();
    bool HasBackDart() const { return WaistSuppression > 3.0f; }
    bool HasFrontDart() const { return WaistSuppression > 5.0f; }

protected:
    void DraftSilhouette() override { DraftWaist(); }
    void DrawSideSeams(const PatternPen& pen) const override;
    void LabelWaistPoints(const PatternPen& pen) const override;
    float* SilhouetteSlot(MenQ q) override;
};

// The four garments: their silhouette with the data of their kind.
template <class SilhouetteClass, MenDressKind kind>
class TMenDressVariant : public SilhouetteClass {
public:
    TMenDressVariant() : SilhouetteClass(kind) {}
};
class TMenShirtOfStraight : public TMenDressVariant<TMenDressOfStraight, MenDressKind::Shirt> {};
class TMenJacketOfStraight : public TMenDressVariant<TMenDressOfStraight, MenDressKind::Jacket> {};
class TMenShirtOfWaist : public TMenDressVariant<TMenDressOfWaist, MenDressKind::Shirt> {};
class TMenJacketOfWaist : public TMenDressVariant<TMenDressOfWaist, MenDressKind::Jacket> {};

// Registers the four garments (types 22 .. 25) with the piece factory.
void RegisterMenShirtGarments();
