// A women's bodice drafted on its own: a concrete TDress whose other slots
// do nothing, a sleeve that only carries its inputs, the sample
// measurements of the dress, the common draft for a chosen garment,
// sleeve and collar, and a garment that is no bodice.
#pragma once

#include <QFile>
#include <QString>
#include <string>

#include "garments/bodice_women/Dress.h"
#include "kernel/Bezier.h"
#include "kernel/Record.h"
#include "shell/OrderFile.h"
#include "tests/StubGarments.h"

using TTestDress = TStubGarment<TDress>;

// A garment that is not a bodice.
class TNotADress : public TModel {
public:
    bool GetMeasures() override { return true; }
    void Calculate() override {}
    void Draw() override {}
    void RedrawCollar() override {}
    void RedrawSleeve() override {}
    void ClearSheets() override {}
    void ClearInputs(int) override {}
    void ShowMeasure(int) override {}
    void CalcSegments() override {}
    void DrawTables(int) override {}
    void Print() override {}
    void SaveMeasures(RecordWriter&) override {}
    void LoadMeasures(RecordReader&) override {}
};

// The body measurements and eases of the bodice column.
struct DressMeasures {
    float Cw, Cg1, Cg2, Cb, Vg, Dtp, Shg, Tsg, Dts, Vpk, Shs, Tsl, Db, Pk, Shp;
    float Pg, Pb, h;
};

// The sample values of the dress's column.
constexpr DressMeasures kDressSamples{18.1f, 43.8f, 48, 53,   26.5f, 43,    17.1f, 9.6f, 38,
                                      41,    18,    7.6f, 20.2f, 4,   13.5f, 3,    1.5f, 0};

// The body samples with the eases of the fitted winter coat's samples:
// every allowance of the family in play.
constexpr DressMeasures kWinterCoatSamples{18.1f, 43.8f, 48, 53,   26.5f, 43,   17.1f, 9.6f, 38,
                                           41,    18,    7.6f, 20.2f, 4,   13.5f, 7.5f, 6.8f, 0.4f};

inline void Put(TDress& d, const DressMeasures& m) {
    d.NeckHalfGirth = m.Cw;
    d.BustHalfGirth1 = m.Cg1;
    d.BustHalfGirth2 = m.Cg2;
    d.HipHalfGirth = m.Cb;
    d.BustHeight = m.Vg;
    d.FrontWaistLength = m.Dtp;
    d.ChestWidth = m.Shg;
    d.BustPointDistance = m.Tsg;
    d.BackWaistLength = m.Dts;
    d.ShoulderHeightOblique = m.Vpk;
    d.BackWidth = m.Shs;
    d.BladePointDistance = m.Tsl;
    d.SideLength = m.Db;
    d.Posture = m.Pk;
    d.ShoulderLength = m.Shp;
    d.BustEase = m.Pg;
    d.HipEase = m.Pb;
    d.InterliningEase = m.h;
}

// The garment type of a kind and silhouette: 7 .. 14, odd straight.
inline int TypeOf(DressKind kind, Silhouette s) {
    return 7 + 2 * static_cast<int>(kind) + (s == Silhouette::Fitted ? 1 : 0);
}

constexpr DressKind kKinds[] = {DressKind::Dress, DressKind::Jacket, DressKind::AutumnCoat, DressKind::WinterCoat};
constexpr Silhouette kSilhouettes[] = {Silhouette::Straight, Silhouette::Fitted};

// Measurements, the garment's allowances, the common draft and the
// segments.  The choice's model index is the garment's type.
inline void DraftDress(TDress& d, const DressMeasures& m, DressKind kind = DressKind::Dress,
                       Silhouette s = Silhouette::Straight, DressChoice choice = {}) {
    Put(d, m);
    d.SetAllowances(AllowancesOf(kind, s));
    choice.modelIndex = TypeOf(kind, s);
    d.Draft(choice);
    d.CalcSegments();
}

// The armhole as drafted: the three back arcs, and the two lower and two
// upper front arcs.
inline float BackArmhole(const TDress& d) {
    return Bezier2::ArcLength(d.P1, d.BackArmCtrl1, d.P3, 0, 1) +
           Bezier2::ArcLength(d.P3, d.BackArmCtrl2, d.BackArmMid, 0, 1) +
           Bezier2::ArcLength(d.BackArmMid, d.BackArmCtrl3, d.G2, 0, 1);
}
inline float FrontArmhole(const TDress& d) {
    return Bezier2::ArcLength(d.G2, d.FrontArmCtrl1, d.FrontArmMid, 0, 1) +
           Bezier2::ArcLength(d.FrontArmMid, d.FrontArmCtrl2, d.P6, 0, 1) +
           Bezier2::ArcLength(d.P6, d.FrontArmCtrl3, d.Point4, 0, 1) +
           Bezier2::ArcLength(d.Point4, d.FrontArmCtrl4, d.P11, 0, 1);
}

// The block of an old (format-0) order with the dress's sample values: the
// body values in the old order, then Пг h [Пт] Пб [S], then, with a sleeve,
// the fixed sleeve part Пн Др1с Оп.в Озап Попв Поз.
inline std::string FormatZeroBlock(bool fitted, bool withSleeve, float storedS) {
    const float body[] = {18.1f, 43.8f, 48, 53, 17.1f, 9.6f, 18, 7.6f, 13.5f, 43, 26.5f, 38, 41, 20.2f, 4};
    RecordWriter block;
    for (size_t k = 0; k < sizeof body / sizeof body[0]; ++k) {
        block.WriteFloat(body[k]);
        if (fitted && k == 2) block.WriteFloat(38);  // Ст
    }
    block.WriteFloat(fitted ? 2.8f : 3);  // Пг
    block.WriteFloat(0);                  // h
    if (fitted) block.WriteFloat(4.8f);   // Пт
    block.WriteFloat(1.5f);               // Пб
    if (fitted) block.WriteFloat(storedS);
    if (withSleeve)
        for (float v : {0.5f, 57.4f, 29.1f, 15.9f, 5.0f, 5.0f}) block.WriteFloat(v);
    return block.Bytes();
}

// Writes an old (format-0) order of the garment type with the sleeve kind
// (0: none), no collar and FormatZeroBlock's values to path.
inline bool WriteFormatZeroOrder(const std::string& path, int type, int sleeveKind, float storedS) {
    OrderContents o;
    o.type = type;
    o.version = 0;
    o.collarKind = 0;
    o.sleeveKind = sleeveKind;
    o.block = FormatZeroBlock(type % 2 == 0, sleeveKind != 0, storedS);
    o.caption = "old";
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly)) return false;
    const std::string bytes = EncodeOrder(o);
    return f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}
