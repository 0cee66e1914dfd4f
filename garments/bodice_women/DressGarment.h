// The eight women's bodice garments: the dress, the jacket, the
// demi-season coat and the winter coat, each of straight and of fitted
// silhouette (garment types 7 to 14).
//
// TDressGarment is what the eight share on top of the bodice draft: the
// measurement column for the current sleeve, its checks, the order-file
// block in both format versions, the sheets with the collar and the
// sleeve, the tables and printing.  The silhouettes (TDressOfStraight,
// TDressOfWaist) add their step of the draft, their lines and labels and
// the fitted column's waist rows; a jacket or coat is its silhouette with
// other data (allowances, order caption, sample eases), chosen by its kind.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <string>
#include <vector>

#include "garments/bodice_women/Dress.h"
#include "garments/common/PatternSheets.h"
#include "garments/common/ValueTable.h"

struct PatternPen;
struct MeasureRow;
struct TDrawContext;

// What the column, the order block and the tables hold: the body
// measurements, the arm measurements and the eases, and the fitted
// garments' stored waist suppression S.
enum class DressQ {
    Cw, Cg1, Cg2, Ct, Cb, Vg, Dtp, Shg, Tsg, Dts, Vpk, Shs, Tsl, Db, Pk, Shp,
    Dr1s, Opv, Ozap, Pn, Pg, Pt, Pb, Popv, Poz, H, Spr, h, S
};

// The sleeve kinds the column, the block and the tables tell apart: no
// sleeve; 1-3 the set-in sleeves; 4 the shirt sleeve; 5-10 raglan, kimono
// and dropped shoulder; 11 the batwing; any other kind (the men's sleeves,
// never offered with these garments) takes no sleeve rows.
enum class SleeveGroup { None, SetIn, Shirt, Shaping, Batwing, Other };
// The group of the sleeve kind when there is a sleeve, else None.
SleeveGroup SleeveGroupOf(bool withSleeve, int sleeveKind);

// The size in bytes of a garment's order block, by its type (7 .. 14), the
// file's format version and the sleeve kind of its header (0 or less: no
// sleeve).
int DressBlockSize(int type, int version, int sleeveKind);
// The captions of the rows that block holds, in its order; std::nullopt for
// another type or a version other than 0 and 1.
std::optional<std::vector<std::string>> DressBlockCaptions(int type, int version, int sleeveKind);

// The sleeve kinds whose sleeve is made in one with the bodice: the front
// and the back lie on sheets of their own.
bool IsAllInOneSleeve(int sleeveKind);

class TDressGarment : public TDress {
public:
    ~TDressGarment() override;

    bool GetMeasures() override;
    // An opened order is drafted as the file holds it: the fields must read
    // back as numbers, but only the rows that the file's version holds
    // (a version-0 block has no cap-ease norm and no armhole drop); the
    // relations of GetMeasures are not judged, and a value that cannot be
    // drafted fails in the calculation.
    bool CheckLoadedMeasures() override;
    // The allowances of the garment, the common draft, the silhouette step,
    // then the sleeve's and the collar's own; marks the garment calculated.
    void Calculate() override;
    void Draw() override;
    void RedrawCollar() override;
    void RedrawSleeve() override;
    void ClearInputs(int sleeveKind) override;
    void ShowMeasure(int n) override;
    void DrawTables(int scale) override;
    void Print() override;
    // The format-1 block: the column's values in column order.
    void SaveMeasures(RecordWriter& f) override;
    // Format 0 or 1 by the main window's FileVersion (any other: nothing).
    void LoadMeasures(RecordReader& f) override;

    DressKind Kind() const { return kind_; }
    Silhouette Shape() const { return shape_; }
    // The garment type, 7 .. 14.
    int Type() const;

    // The quantities of the column's rows, row 1 first, for a sleeve group.
    std::vector<DressQ> ColumnOf(SleeveGroup group) const;
    // The quantities of a format-0 block, with or without the sleeve part.
    std::vector<DressQ> RecordV0(bool withSleeve) const;
    // The group the column is laid out for: the main window's sleeve.
    SleeveGroup Group() const;

    // Where a quantity's value lives: the garment, or the main window's
    // sleeve (nullptr without one).
    float* Slot(DressQ q);

    // ---- The tables of the last sheet and the printed tables page. ----
    std::vector<ValueTableRow> MeasureTableRows() const;
    std::vector<ValueTableRow> SleeveTableRows() const;
    std::vector<ValueTableRow> SegmentTableRows() const;

    // The pieces of sheet n (1: front and back, or the front with an
    // all-in-one sleeve; 2: the back with it) with their labels.
    void DrawSheetPieces(const PatternPen& pen, int sheet) const;

protected:
    TDressGarment(DressKind kind, Silhouette shape);

    // The silhouette's step after the common draft.
    virtual void DraftSilhouette() = 0;
    // The silhouette's own check after the shared ones (GetMeasures).
    virtual bool CheckSilhouette() { return true; }
    // What the silhouette does after a block is read (the fitted garments
    // settle their waist suppression).
    virtual void AfterLoad(int version) {}
    // The silhouette's lines and labels on the shared sheet, on the front
    // with an all-in-one sleeve and on the back with it.
    virtual void DrawLines(const PatternPen& pen) const = 0;
    virtual void DrawFrontLines(const PatternPen& pen) const = 0;
    virtual void DrawBackLines(const PatternPen& pen) const = 0;
    virtual void LabelLines(const PatternPen& pen) const = 0;
    virtual void LabelFrontLines(const PatternPen& pen) const = 0;
    virtual void LabelBackLines(const PatternPen& pen) const = 0;
    // The silhouette's waist quantities (Ст, Пт, S); nullptr for the others.
    virtual float* SilhouetteSlot(DressQ q) { return nullptr; }

private:
    int SheetCount() const;
    std::vector<MeasureRow> Rows(const std::vector<DressQ>& column);
    // The values behind a list of quantities.
    std::vector<float*> Slots(const std::vector<DressQ>& column);
    // Sheet 1 with the collar at its place; the origin the collar draws at.
    void SetSheetOneOrigin();
    // The collar at the origin in force on the screen or on paper.
    void DrawCollar(TDrawContext& dc) const;
    bool CollarShift(Vector& shift) const;
    void DrawSheetOne();
    void DrawSleeveSheet();
    void DrawSheetTwoBack();
    void Furniture(int sheet) const;

    DressKind kind_;
    Silhouette shape_;
    std::vector<std::string> samples_;  // the sample texts of the column's rows
};

// The straight silhouette: straight side seams from the chest line to the
// hip line and the front hip curve.
class TDressOfStraight : public TDressGarment {
public:
    Vector FrontHipCtrl;   // control of the front hip curve B21 → B5
    Vector FrontHipMid;    // midpoint of B21 and B5
    Vector BackSeamChest;  // the back seam line met with the chest line
    Vector B4;             // end of the back side seam on the hip line
    Vector B5;             // end of the front side seam on the hip line

    TDressOfStraight() : TDressOfStraight(DressKind::Dress) {}
    explicit TDressOfStraight(DressKind kind) : TDressGarment(kind, Silhouette::Straight) {}

    void DraftStraight();

protected:
    void DraftSilhouette() override { DraftStraight(); }
    void DrawLines(const PatternPen& pen) const override;
    void DrawFrontLines(const PatternPen& pen) const override;
    void DrawBackLines(const PatternPen& pen) const override;
    void LabelLines(const PatternPen& pen) const override;
    void LabelFrontLines(const PatternPen& pen) const override;
    void LabelBackLines(const PatternPen& pen) const override;
};

// The fitted silhouette: the waist suppression S = Сг2 + Пг − Ст − Пт
// shared out over the back centre, the side seams and the waist darts.
class TDressOfWaist : public TDressGarment {
public:
    float WaistGirth = 0.0f;        // Ст
    float WaistEase = 0.0f;         // Пт
    float WaistSuppression = 0.0f;  // S
    float FrontDartExcess = 0.0f;   // X: front dart half − 1
    float HipCurveT = 0.5f;         // where the opened front dart crosses the hip curve
    float WaistBalance = 0.0f;
    float BackWaistWidth = 0.0f;
    float FrontWaistWidth = 0.0f;
    Vector BackSeamChest, FittedBackSeamChest, HipFrontShifted, B4, B5, HipSideShifted;
    Vector T6, T7, T13, T14, T8, T9, SecondDartCentre, T11, T15, T16;
    Vector BackSeamUpperCtrl, BackSeamLowerCtrl, BackHipCtrl;
    Vector BackSideUpperCtrl, FrontSideUpperCtrl, BackSideLowerCtrl, FrontSideLowerCtrl;
    Vector FrontSideHipCtrl, BackSideHipCtrl;
    Vector FrontHipCtrl, FrontHipCtrlShifted;
    Vector BackDartWaist, BackDartApex, BackDartEnd, FrontDartApex, FrontDartEnd, FrontHipMid;
    Vector BackSideWaist, FrontSideWaist;
    Vector BackDartApexTick[2], BackDartEndTick[2], FrontDartApexTick[2], FrontDartEndTick[2];
    Vector FrontDartLegLow1, FrontDartLegLow2, FrontDartHip1, FrontDartHip2;
    Vector SecondDartApex, SecondDartApexTick[2], SecondDartEnd, SecondDartEndTick[2];
    Vector T6Tick[2], T7Tick[2];
    float SideSuppression = 0.0f;
    float BackCentreSuppression = 0.0f;
    float BackDart = 0.0f;
    float FrontDartLeft = 0.0f;
    float FrontDartRight = 0.0f;
    float SecondDart = -1.0f;  // ≤ 0: none

    TDressOfWaist() : TDressOfWaist(DressKind::Dress) {}
    explicit TDressOfWaist(DressKind kind) : TDressGarment(kind, Silhouette::Fitted) {}

    void DraftWaist();

protected:
    void DraftSilhouette() override { DraftWaist(); }
    bool CheckSilhouette() override;
    void AfterLoad(int version) override;
    void DrawLines(const PatternPen& pen) const override;
    void DrawFrontLines(const PatternPen& pen) const override;
    void DrawBackLines(const PatternPen& pen) const override;
    void LabelLines(const PatternPen& pen) const override;
    void LabelFrontLines(const PatternPen& pen) const override;
    void LabelBackLines(const PatternPen& pen) const override;
    float* SilhouetteSlot(DressQ q) override;

private:
    void DrawFrontDart(const PatternPen& pen) const;
    void DrawBackDartAndCentre(const PatternPen& pen) const;
    void LabelFrontWaist(const PatternPen& pen) const;
    void LabelBackWaist(const PatternPen& pen) const;
};

// The jackets and coats: their silhouette with the data of their kind.
template <class SilhouetteClass, DressKind kind>
class TDressVariant : public SilhouetteClass {
public:
    TDressVariant() : SilhouetteClass(kind) {}
};
class TCoateeOfStraight : public TDressVariant<TDressOfStraight, DressKind::Jacket> {};
class TCoatOfAutumnStraight : public TDressVariant<TDressOfStraight, DressKind::AutumnCoat> {};
class TCoatOfWinterStraight : public TDressVariant<TDressOfStraight, DressKind::WinterCoat> {};
class TCoateeOfWaist : public TDressVariant<TDressOfWaist, DressKind::Jacket> {};
class TCoatOfAutumnWaist : public TDressVariant<TDressOfWaist, DressKind::AutumnCoat> {};
class TCoatOfWinterWaist : public TDressVariant<TDressOfWaist, DressKind::WinterCoat> {};

// Registers the eight garments (types 7 .. 14) with the piece factory.
void RegisterWomenBodiceGarments();
