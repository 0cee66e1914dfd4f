// The men's coats, blazers and vest on the main window: the measurement
// column by the sleeve chosen, its checks, the order file, the sheets and
// printing, and the order in which a garment runs its sleeve and collar.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "garments/coats_men/CoatsMen.h"
#include "garments/coats_men/MenCoatWSideSeam.h"
#include "garments/coats_men/MenSidePart.h"
#include "garments/coats_men/MenSeparateSide.h"
#include "garments/coats_men/MenJoinedSide.h"
#include "garments/coats_men/Vest.h"
#include "shell/Factory.h"
#include "shell/GarmentSheets.h"
#include "tests/SheetStrokes.h"
#include "tests/StubGarments.h"
#include "tests/garments/coats_men/MenPatternFixture.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

// A sleeve and a collar that note what the garment had drafted when they
// were calculated.
struct CallLog {
    std::vector<std::string> calls;
};
CallLog* gLog = nullptr;

// What the garment's own step has written by now: its pocket end K1 (0
// before the step).
std::string StepState() {
    Vector k1;
    if (auto* coat = dynamic_cast<TMenCoatWSideSeam*>(CurrentMenPattern()))
        k1 = coat->K1;
    else if (auto* side = dynamic_cast<TMenWOnePiece*>(CurrentMenPattern()))
        k1 = side->K1;
    else if (auto* apart = dynamic_cast<TMenWCutOffPiece*>(CurrentMenPattern()))
        k1 = apart->K1;
    else
        return "?";
    return k1 == Vector() ? "before step" : "after step";
}

class TLoggingSleeve : public TTestSleeve {
public:
    void Calculate() override {
        if (gLog) gLog->calls.push_back("sleeve " + StepState());
        // As a raglan it writes its lines into the garment: from the neck
        // (A9 at the back, A41 = A4 at the front) down to the armhole.
        TMenPattern* g = CurrentMenPattern();
        if (!g || MainForm->SleeveKind != 15) return;
        g->A41 = g->A4;
        g->C1 = g->C2 = (g->A9 + g->P31) * 0.5f;
        g->C3 = g->C4 = (g->A4 + g->P6) * 0.5f;
        g->RaglanBackCtrl1 = g->RaglanBackCtrl2 = g->C2;
        g->RaglanFrontCtrl1 = g->RaglanFrontCtrl2 = g->C4;
        g->RaglanBackEnd = g->P31;
        g->RaglanFrontEnd = g->P6;
        g->RaglanBackCase = g->RaglanFrontCase = 1;
        g->RaglanBackParam = 0;
        g->RaglanFrontParam = 1;
    }
};
// The two-seam sleeve's part of the protocol: it sets the side part's point.
class TSplittingSleeve : public TTestSleeve {
public:
    void Calculate() override {
        TMenPattern* g = CurrentMenPattern();
        g->SplitPoint = g->FrontG2 + Vector(1, 1);
        g->SplitParam = 0.2f;
    }
};
class TLoggingCollar : public TTestCollar {
public:
    void Calculate() override {
        if (gLog) gLog->calls.push_back("collar " + StepState());
    }
};

// A collar drafted in place that draws one line and names one point at the
// back neck, so that a sheet shows where its drawing falls.
class TMarkingCollar : public TTestCollar {
public:
    void Draw() override {
        ScreenDC.SetPenWidth(1);
        ScreenDC.MoveTo(Neck());
        ScreenDC.LineTo(Neck() + Vector(3, 3));
    }
    void DrawLabels() override { ScreenDC.Label(Neck(), "Collar", 2); }

private:
    static Vector Neck() { return CurrentMenPattern()->A01; }
};

// The sample texts of the side-seam coats, with '.'.
const std::vector<std::string> kBody = {"176",  "20.7", "51.1", "52.2", "49",   "53.4", "27.8", "47.2",
                                        "19.4", "9.7",  "21.9", "45.2", "48.3", "20.1", "15.4", "8"};

std::vector<std::string> With(std::vector<std::string> rows, const std::vector<std::string>& tail) {
    rows.insert(rows.end(), tail.begin(), tail.end());
    return rows;
}

class MenCoatsWindowTest : public GarmentWindowTest {
protected:
    void RegisterGarments() override {
        RegisterMenCoatsGarments();
        keptSleeves[0] = RegisterSleeveMaker(13, [] { return new TLoggingSleeve; });
        keptSleeves[1] = RegisterSleeveMaker(15, [] { return new TLoggingSleeve; });
        keptSleeves[2] = RegisterSleeveMaker(12, [] { return new TSplittingSleeve; });
        keptCollars[0] = RegisterCollarMaker(1, [] { return new TLoggingCollar; });
        keptCollars[1] = RegisterCollarMaker(7, [] { return new TLoggingCollar; });
        keptCollars[2] = RegisterCollarMaker(8, [] { return new TMarkingCollar; });
    }
    void AfterTearDown() override {
        RegisterSleeveMaker(13, keptSleeves[0]);
        RegisterSleeveMaker(15, keptSleeves[1]);
        RegisterSleeveMaker(12, keptSleeves[2]);
        RegisterCollarMaker(1, keptCollars[0]);
        RegisterCollarMaker(7, keptCollars[1]);
        RegisterCollarMaker(8, keptCollars[2]);
        gLog = nullptr;
        GarmentWindowTest::AfterTearDown();
    }

    TMenPattern& Choose(int type, int collar, int sleeve) {
        EXPECT_TRUE(main->CreateModel(type, collar, sleeve)) << type;
        return *dynamic_cast<TMenPattern*>(main->Model);
    }
    std::string Caption(int n) const { return main->Line(n)->text().toStdString(); }
    // Sheet 1 of the type without a collar or a sleeve, calculated from the
    // samples and drawn: what the sheet received.  The screen's origin is
    // then the sheet's own.
    SheetStrokes SheetOneOf(int type) {
        TMenPattern& g = Choose(type, 0, 0);
        Type(With(kBody, {"7", "7", "7", "0.4"}));
        main->CalcExecute();
        EXPECT_TRUE(g.calculated);
        SheetStrokes sheet(report->List1()->GetCanvas(), [&] {
            g.ClearSheets();
            g.Draw();
        });
        ScreenDC.RestoreCollarOrigin();
        return sheet;
    }

    SleeveMaker keptSleeves[3];
    CollarMaker keptCollars[3];
};

// ---------------------------------------------------------------------------
// The column

TEST_F(MenCoatsWindowTest, TheColumnFollowsTheSleeve) {
    struct Case {
        int sleeve;
        int rows;
        std::vector<std::pair<int, const char*>> captions;  // row, caption
    } cases[] = {
        {0, 20, {{1, "Р:"}, {10, "Цг:"}, {16, "Пк:"}, {17, "Пг:"}, {18, "Пт:"}, {19, "Пб:"}, {20, "h:"}}},
        {13, 27, {{17, "Др1с:"}, {20, "Пн:"}, {21, "Пг:"}, {24, "Попв:"}, {25, "Поз:"}, {26, "H:"}, {27, "h:"}}},
        {15, 26, {{17, "Др1с:"}, {25, "Поз:"}, {26, "h:"}}},
    };
    for (const Case& c : cases) {
        const std::string context = "sleeve " + std::to_string(c.sleeve);
        Choose(28, 0, c.sleeve);
        for (int n = 1; n <= c.rows; ++n) EXPECT_FALSE(main->Line(n)->isHidden()) << context << " row " << n;
        if (c.rows < 27) {
            EXPECT_TRUE(main->Line(c.rows + 1)->isHidden()) << context;
        }
        for (const auto& [row, caption] : c.captions) EXPECT_EQ(Caption(row), caption) << context << " row " << row;
        EXPECT_EQ(main->MeasHint(10), "Расстояние между выступающими точками грудных желёз");
        EXPECT_EQ(main->ModelType->text().toStdString(),
                  " Пальто деми с боковым швом. Заказ № " + std::to_string(main->OrderNumber));
        EXPECT_EQ(report->List3()->Visible(), c.sleeve != 0) << context;
        EXPECT_EQ(main->SleeveType->isHidden(), c.sleeve == 0) << context;
    }
    delete main->Model;
    main->Model = nullptr;
    for (int n = 1; n <= 27; ++n) EXPECT_TRUE(main->Line(n)->isHidden()) << n;
    EXPECT_FALSE(report->List1()->Visible());
    EXPECT_TRUE(main->SleeveType->isHidden());
}

TEST_F(MenCoatsWindowTest, SamplesBySeasonAndSleeve) {
    main->FillSamples = true;
    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    struct Case {
        int type, sleeve;
        std::vector<std::pair<int, const char*>> fields;
    } cases[] = {
        {28, 0, {{2, "20,7"}, {6, "53,4"}, {17, "7"}, {20, "0,4"}}},
        {31, 0, {{17, "9"}, {20, "0,4"}}},
        {28, 13, {{17, "61,7"}, {20, "1"}, {26, "0,07"}, {27, "0,4"}}},
        // The winter coat with a raglan: a thicker pad and a shorter arm.
        {31, 15, {{17, "61,7"}, {20, "1,5"}, {26, "0,4"}}},
        {31, 13, {{17, "61,8"}, {20, "1"}, {26, "0,08"}}},
        // The demi-season side-part coats: h is "0"; the separate side part's
        // hip is smaller.
        {29, 13, {{6, "53,4"}, {24, "12"}, {26, "0,07"}, {27, "0"}}},
        {30, 0, {{6, "50"}, {20, "0"}}},
        {33, 13, {{21, "9"}, {26, "0,1"}, {27, "0,4"}}},
        {34, 0, {{15, "15,4"}, {17, "5"}, {18, "4"}, {20, "0"}}},
        {35, 13, {{21, "5"}, {24, "10"}, {26, "0,06"}}},
        {36, 0, {{6, "55,4"}, {15, "12"}, {19, "3,5"}, {20, "0"}}},
    };
    for (const Case& c : cases) {
        Choose(c.type, 0, c.sleeve);
        for (const auto& [row, text] : c.fields)
            EXPECT_EQ(Field(row), text) << c.type << " sleeve " << c.sleeve << " row " << row;
    }
    // Without the option the constructor writes only the caption.
    main->FillSamples = false;
    Choose(31, 0, 0);
    for (int n = 1; n <= 20; ++n) EXPECT_EQ(Field(n), "") << n;
}

TEST_F(MenCoatsWindowTest, ShowMeasureShowsTheRowsPicture) {
    struct Case {
        int sleeve, row;
        void (*picture)();
    } cases[] = {{0, 3, MeasureHints::MenLine8},  {0, 9, MeasureHints::MenLine8}, {0, 17, MeasureHints::Men7},
                 {0, 20, MeasureHints::Men0},     {13, 17, MeasureHints::MenLine16}, {13, 26, MeasureHints::Men004},
                 {15, 26, MeasureHints::Men0},    {13, 25, MeasureHints::MenfESh}};
    for (const Case& c : cases) {
        TMenPattern& g = Choose(28, 0, c.sleeve);
        c.picture();
        const QImage expected = main->LineImage.Bitmap().copy();
        MeasureHints::LowerLine7();
        g.ShowMeasure(c.row);
        EXPECT_EQ(main->LineImage.Bitmap(), expected) << "sleeve " << c.sleeve << " row " << c.row;
    }
}

// Clearing empties the rows of the outgoing sleeve kind, writes the order
// caption again and empties the customer line and the comment.
TEST_F(MenCoatsWindowTest, ClearInputsEmptiesTheRowsAndTheOrder) {
    struct Case {
        int sleeve, rows;
    } cases[] = {{13, 27}, {15, 26}, {0, 20}};
    for (const Case& c : cases) {
        TMenPattern& g = Choose(33, 0, c.sleeve);
        Type(std::vector<std::string>(27, "5"));
        main->CustomerData->setText("Иванов");
        main->Comment->setPlainText("срочно");
        g.calculated = true;
        main->OrderNumber = 41;
        g.ClearInputs(c.sleeve);
        EXPECT_FALSE(g.calculated) << c.sleeve;
        for (int n = 1; n <= 27; ++n) EXPECT_EQ(Field(n), n <= c.rows || c.sleeve == 0 ? "" : "5") << c.sleeve << " row " << n;
        EXPECT_EQ(main->ModelType->text().toStdString(), " Пальто зимнее с отрезным бочком. Заказ № 41");
        EXPECT_TRUE(main->CustomerData->text().isEmpty());
        EXPECT_TRUE(main->Comment->toPlainText().isEmpty());
    }
}

// ---------------------------------------------------------------------------
// Checks

TEST_F(MenCoatsWindowTest, ChecksInTheirOrder) {
    const std::vector<std::string> setIn = With(kBody, {"61.7", "32.8", "18.5", "1", "7", "7", "7", "13", "13", "0.07", "0.4"});
    struct Case {
        const char* name;
        int sleeve;
        std::function<void(std::vector<std::string>&)> change;
        const char* text;  // nullptr: passes
    } cases[] = {
        {"samples", 13, [](auto&) {}, nullptr},
        {"Пг equal to Попв passes", 13, [](auto& r) { r[20] = "13"; }, nullptr},
        {"Пг above Попв", 13, [](auto& r) { r[20] = "13.1"; }, "Попв < Пг"},
        {"an empty row first", 13, [](auto& r) { r[26] = ""; r[20] = "20"; }, kMeasurementsMissingText},
    };
    for (const Case& c : cases) {
        TMenPattern& g = Choose(28, 0, c.sleeve);
        std::vector<std::string> rows = setIn;
        c.change(rows);
        Type(rows);
        messages.clear();
        const bool ok = g.GetMeasures();
        if (c.text == kMeasurementsMissingText) {
            EXPECT_FALSE(ok) << c.name;
            ASSERT_EQ(messages.size(), 1u) << c.name;
            EXPECT_EQ(messages[0].text, kMeasurementsMissingText) << c.name;
            EXPECT_EQ(g.Height, 0.0f) << c.name << ": nothing stored";
        } else {
            ExpectCheckVerdict(ok, c.text, c.name);
        }
    }
    // The sleeve's inputs land in the sleeve, the cap-ease norm in the garment.
    TMenPattern& g = Choose(28, 0, 13);
    Type(setIn);
    ASSERT_TRUE(g.GetMeasures());
    EXPECT_EQ(main->Sleeve->ArmLength, 61.7f);
    EXPECT_EQ(main->Sleeve->ShoulderPad, 1.0f);
    EXPECT_EQ(main->Sleeve->WristEase, 13.0f);
    EXPECT_EQ(g.CapEaseNorm, 0.07f);
    EXPECT_EQ(g.InterliningEase, 0.4f);
    // A raglan reads h from row 26 and leaves the cap-ease norm alone.
    TMenPattern& r = Choose(31, 0, 15);
    r.CapEaseNorm = 5;
    Type(With(kBody, {"61.7", "32.8", "18.5", "1.5", "9", "9", "9", "14", "14", "0.4"}));
    ASSERT_TRUE(r.GetMeasures());
    EXPECT_EQ(r.InterliningEase, 0.4f);
    EXPECT_EQ(r.CapEaseNorm, 5.0f);
}

// ---------------------------------------------------------------------------
// The order file

TEST_F(MenCoatsWindowTest, EachSleeveCaseSavedAndReopened) {
    struct Case {
        int type, sleeve;
        std::vector<std::string> tail;
    } cases[] = {
        {28, 0, {"7", "7", "7", "0.4"}},
        {31, 13, {"61.8", "32.8", "18.5", "1", "9", "9", "9", "14", "14", "0.08", "0.4"}},
        {31, 15, {"61.7", "32.8", "18.5", "1.5", "9", "9", "9", "14", "14", "0.4"}},
    };
    for (const Case& c : cases) {
        const std::string context = std::to_string(c.type) + " sleeve " + std::to_string(c.sleeve);
        TMenPattern& g = Choose(c.type, 0, c.sleeve);
        const std::vector<std::string> rows = With(kBody, c.tail);
        Type(rows);
        ASSERT_TRUE(g.GetMeasures()) << context;
        RecordWriter w;
        g.SaveMeasures(w);
        ASSERT_EQ(w.Bytes().size(), 4 * rows.size()) << context;
        RecordReader r(w.Bytes());
        for (const std::string& s : rows) EXPECT_EQ(r.ReadFloat(), std::stof(s)) << context;

        const std::string path = TempPath("men" + std::to_string(c.type) + "_" + std::to_string(c.sleeve) + ".mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path)) << context;
        Choose(c.type == 28 ? 31 : 28, 0, 0);  // something else in between
        Type(std::vector<std::string>(20, "1"));
        messages.clear();
        ASSERT_TRUE(OpenOrderFrom(*main, path)) << context;
        EXPECT_TRUE(messages.empty()) << context << ": " << (messages.empty() ? "" : messages[0].text);
        EXPECT_EQ(main->ModelIndex, c.type);
        EXPECT_EQ(main->SleeveKind, c.sleeve);
        for (size_t k = 0; k < rows.size(); ++k) EXPECT_EQ(Field(int(k) + 1), rows[k]) << context << " row " << k + 1;
        EXPECT_TRUE(main->Model->calculated) << context;
    }
}

// An opened coat is drafted as it was saved: Попв under Пг, refused when
// typed, is not judged after an opening.
TEST_F(MenCoatsWindowTest, AnOpenedCoatIsDraftedWithoutTheRelationCheck) {
    TMenPattern& g = Choose(31, 0, 13);
    const std::vector<std::string> rows =
        With(kBody, {"61.8", "32.8", "18.5", "1", "9", "9", "9", "14", "14", "0.08", "0.4"});
    Type(rows);
    ASSERT_TRUE(g.GetMeasures());
    const std::string path = TempPath("coat.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    const std::vector<std::string> captions = MenColumnCaptions(MenColumnCase::SetIn);
    const size_t popv = size_t(std::find(captions.begin(), captions.end(), "Попв:") - captions.begin());
    ASSERT_LT(popv, captions.size());
    RewriteOrder(path, [&](OrderContents& o) { SetBlockFloat(o, popv, 8.5f); });
    Choose(28, 0, 0);
    messages.clear();
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].text);
    EXPECT_EQ(Field(Row("Попв:")), "8.5");
    EXPECT_TRUE(main->Model->calculated);
    EXPECT_FALSE(main->Model->GetMeasures());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Попв < Пг");
}

// ---------------------------------------------------------------------------
// The calculation

// The side-seam coats are offered the raglans: the back and front drawn as
// the raglan reshapes them, the sleeve's rows in the tables.
TEST_F(MenCoatsWindowTest, ASideSeamCoatWithARaglanDrawsAndPrints) {
    TMenPattern& g = Choose(31, 0, 15);
    Type(With(kBody, {"61.7", "32.8", "18.5", "1.5", "9", "9", "9", "14", "14", "0.4"}));
    main->CalcExecute();
    ASSERT_TRUE(g.calculated);
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].text);
    const QImage& sheet1 = report->List1()->Bitmap();
    // Sheet 1's origin is the one kept for the collar (the sleeve sheet's
    // is the context's last).
    const Vector at = ScreenDC.CollarOrigin;
    const int x = int((at.x + g.C2.x) * ScreenDC.PxPerCmX), y = int((at.y - g.C2.y) * ScreenDC.PxPerCmY);
    EXPECT_GT(DarkPixels(sheet1, QRect(x - 5, y - 5, 10, 10)), 3) << "the back raglan line";
    // Tables on sheet 3 of 3, the sleeve's without the "H" row.
    const QImage& sheet3 = report->List3()->Bitmap();
    EXPECT_GT(DarkPixels(sheet3, QRect(296, 57, 201, 61)), 100);
    EXPECT_EQ(DarkPixels(sheet3, QRect(296, 57 + 122, 201, 20)), 0);
    // Printed: the pattern's pages, then the sleeve's sheet (the last one
    // tiled) as the screen's sheet 2, then the tables.
    for (int mode : {1, 4}) {
        const std::string path = PrintAt(mode, "mencoat_raglan");
        EXPECT_EQ(PrintLayout.PagesDone, PrintLayout.PageCount);
        EXPECT_GT(PdfPages(path), PrintLayout.PageCount + 1) << "1:" << mode;
    }
}

// After a collar drag sheet 1 is drawn again as the calculation drew it,
// at its own origin even when the sleeve sheet was drawn after it.
TEST_F(MenCoatsWindowTest, RedrawingTheCollarRedrawsSheetOneInPlace) {
    for (int type : {28, 30, 34}) {
        TMenPattern& g = Choose(type, 7, 13);
        Type(With(kBody, {"61.7", "32.8", "18.5", "1", "7", "7", "7", "13", "13", "0.07", "0.4"}));
        main->CalcExecute();
        ASSERT_TRUE(g.calculated) << type;
        const QImage drawn = report->List1()->Bitmap().copy();
        g.RedrawCollar();
        EXPECT_EQ(report->List1()->Bitmap(), drawn) << type;
    }
}

// A side-seam coat: draft, own step, sleeve, collar; a side-part coat or
// the blazer: draft, sleeve, own step, collar.
TEST_F(MenCoatsWindowTest, EachGarmentCallsItsSleeveAndCollarInItsOrder) {
    const std::vector<std::string> sideSeam = {"sleeve after step", "collar after step"};
    const std::vector<std::string> sidePart = {"sleeve before step", "collar after step"};
    struct Case {
        int type;
        const std::vector<std::string>& calls;
    } cases[] = {{28, sideSeam}, {31, sideSeam}, {29, sidePart}, {32, sidePart},
                   {30, sidePart}, {33, sidePart}, {34, sidePart},   {35, sidePart}};
    for (const Case& c : cases) {
        CallLog log;
        gLog = &log;
        TMenPattern& g = Choose(c.type, 7, 13);
        Type(With(kBody, {"61.7", "32.8", "18.5", "1", "7", "7", "7", "13", "13", "0.07", "0.4"}));
        ASSERT_TRUE(g.GetMeasures()) << c.type;
        g.Calculate();
        EXPECT_EQ(log.calls, c.calls) << c.type;
        EXPECT_TRUE(g.calculated) << c.type;
    }
}

// With the two-seam sleeve the side part leaves the armhole where the sleeve
// put it (the sleeve runs first).
TEST_F(MenCoatsWindowTest, TheTwoSeamSleevePlacesTheSidePart) {
    for (int type : {29, 33, 35}) {
        auto& g = dynamic_cast<TMenSidePart&>(Choose(type, 0, 12));
        Type(With(kBody, {"61.8", "32.8", "18.5", "1", "7", "7", "7", "12", "12", "0.07", "0"}));
        ASSERT_TRUE(g.GetMeasures()) << type;
        g.Calculate();
        // The separate side part lifts the point with the upper front
        // afterwards; across it stays where the sleeve put it.
        EXPECT_EQ(g.SplitParam, 0.2f) << type;
        EXPECT_EQ(g.SplitPoint.x, g.FrontG2.x + 1) << type;
        EXPECT_EQ(g.SplitBack.x, g.FrontG2.x + 1 - g.FrontShift) << type;
        if (type == 29) {
            EXPECT_EQ(g.SplitPoint, g.FrontG2 + Vector(1, 1)) << type;
        }
    }
}

TEST_F(MenCoatsWindowTest, AnArmholeThatWillNotBalanceLeavesTheGarmentUncalculated) {
    CallLog log;
    gLog = &log;
    TMenPattern& g = Choose(28, 1, 13);
    std::vector<std::string> rows = With(kBody, {"61.7", "32.8", "18.5", "1", "7", "7", "7", "13", "13", "0.07", "0.4"});
    rows[14] = "80";  // a shoulder far wider than the back can hold
    Type(rows);
    ASSERT_TRUE(g.GetMeasures());
    EXPECT_THROW(g.Calculate(), int);
    EXPECT_FALSE(g.calculated);
    EXPECT_TRUE(log.calls.empty()) << "neither the sleeve nor the collar runs after a failed draft";
    // The calculation road reports it once, and nothing is drawn.
    messages.clear();
    main->CalcExecute();
    EXPECT_FALSE(g.calculated);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Пожалуйста, проверьте измерения. ");
    EXPECT_EQ(messages[0].caption, "Сбой при расчёте проймы");
}

const std::vector<std::string> kVestRows = {"176",  "20.7", "51.1", "52.2", "49",   "55.4", "27.8",
                                           "47.2", "19.4", "9.7",  "21.9", "45.2", "48.3", "20.1",
                                           "12",   "8",    "4",    "4",    "3.5",  "0"};

TEST_F(MenCoatsWindowTest, EachTypeDrawsAndPrints) {
    for (int type : {28, 29, 30, 31, 32, 33, 34, 35, 36}) {
        const bool vest = type == 36;
        TMenPattern& g = Choose(type, 0, 0);
        Type(vest ? kVestRows : With(kBody, {"7", "7", "7", "0.4"}));
        main->CalcExecute();
        ASSERT_TRUE(g.calculated) << type;
        EXPECT_TRUE(messages.empty()) << type << ": " << (messages.empty() ? "" : messages[0].text);
        // The pattern passes through its points; sheet 2 carries the tables.
        const QImage& sheet1 = report->List1()->Bitmap();
        for (const Vector& p : {g.A01, g.G2, g.T0, g.P10, vest ? g.H32 : g.B32}) {
            const int x = ScreenDC.PixelX(p.x), y = ScreenDC.PixelY(p.y);
            EXPECT_GT(DarkPixels(sheet1, QRect(x - 5, y - 5, 10, 10)), 3) << type << " at " << p.x << ", " << p.y;
        }
        const QImage& sheet2 = report->List2()->Bitmap();
        const int segmentsX = vest ? 296 : 541;
        EXPECT_GT(DarkPixels(sheet2, QRect(50, 57, 201, 301)), 200) << type;         // measurements
        EXPECT_GT(DarkPixels(sheet2, QRect(segmentsX, 57, 201, 45)), 100) << type;  // segments
        EXPECT_EQ(DarkPixels(sheet2, QRect(segmentsX, 57 + 103, 201, 40)), 0) << type;
        if (!vest) {
            EXPECT_EQ(DarkPixels(sheet2, QRect(296, 80, 201, 100)), 0) << type;  // no sleeve table
        }
        // What sheet 1 draws is what the pages tile at 1:1, all of it.
        ScreenDC.ResetDrawnExtent();
        main->Model->Draw();
        const TDrawContext::Extent drawn = ScreenDC.DrawnExtent();
        PrintAt(1, "extent" + std::to_string(type));
        EXPECT_GE(PrintLayout.SpanX - TilingMargin(1), drawn.right - drawn.left - 0.01) << type;
        EXPECT_GE(PrintLayout.SpanY - TilingMargin(1), drawn.bottom - drawn.top - 0.01) << type;
        // ... and not much more: the coats end at the hip line.
        EXPECT_LT(PrintLayout.SpanY - TilingMargin(1), drawn.bottom - drawn.top + 1) << type;
        ExpectRedrawsAtEveryScale();
        ExpectPrintsItsPages("mencoat" + std::to_string(type), true);
    }
}

// A collar drafted apart from the pattern (the stand, stand-and-fall and
// attached-stand collars) stands above the back neck on sheet 1: the pages
// tile all of it, and it is printed with the pattern.
TEST_F(MenCoatsWindowTest, ACollarDraftedApartIsTiledAndPrinted) {
    for (int type : {28, 34, 36}) {
        for (int collar : {1, 2, 6}) {
            const std::string context = std::to_string(type) + " collar " + std::to_string(collar);
            main->Neckline = 0;
            Choose(type, collar, 0);
            Type(type == 36 ? kVestRows : With(kBody, {"7", "7", "7", "0.4"}));
            main->CalcExecute();
            ASSERT_TRUE(main->Model->calculated) << context;
            ScreenDC.ResetDrawnExtent();
            main->Model->Draw();
            const TDrawContext::Extent drawn = ScreenDC.DrawnExtent();
            PrintAt(1, "apart" + context);
            EXPECT_GE(PrintLayout.SpanX - TilingMargin(1), drawn.right - drawn.left - 0.01) << context;
            EXPECT_GE(PrintLayout.SpanY - TilingMargin(1), drawn.bottom - drawn.top - 0.01) << context;
            ExpectPrintsItsPages("apart" + std::to_string(type) + "_" + std::to_string(collar), true);
        }
    }
}

// The vest with either neckline, and with waists that leave out the front
// dart, the side shaping and the back dart in turn, calculates and draws.
TEST_F(MenCoatsWindowTest, TheVestDrawsEveryLayout) {
    struct Case {
        int neckline;
        const char* waist;
    } cases[] = {{0, "49"}, {1, "49"}, {0, "62"}, {1, "68"}, {0, "72"}, {1, "40"}};
    for (const Case& c : cases) {
        main->Neckline = c.neckline;
        TMenPattern& g = Choose(36, 0, 0);
        std::vector<std::string> rows = kVestRows;
        rows[4] = c.waist;
        Type(rows);
        messages.clear();
        main->CalcExecute();
        const std::string context = std::string("neckline ") + std::to_string(c.neckline) + " Ст " + c.waist;
        EXPECT_TRUE(g.calculated) << context;
        EXPECT_TRUE(messages.empty()) << context << ": " << (messages.empty() ? "" : messages[0].text);
        ExpectRedrawsAtEveryScale();
    }
}

// The vest's block: its neckline, then its 20 floats; an opened order keeps
// the neckline it was saved with.
TEST_F(MenCoatsWindowTest, TheVestKeepsItsNecklineInTheOrder) {
    main->Neckline = 1;
    TMenPattern& g = Choose(36, 0, 0);
    Type(kVestRows);
    ASSERT_TRUE(g.GetMeasures());
    RecordWriter w;
    g.SaveMeasures(w);
    ASSERT_EQ(w.Bytes().size(), 84u);
    RecordReader r(w.Bytes());
    EXPECT_EQ(r.ReadInt(), 1);
    for (const std::string& s : kVestRows) EXPECT_EQ(r.ReadFloat(), std::stof(s));

    const std::string path = TempPath("vest.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, path));
    main->Neckline = 0;
    Choose(28, 0, 0);
    messages.clear();
    ASSERT_TRUE(OpenOrderFrom(*main, path));
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].text);
    auto* vest = dynamic_cast<TVest*>(main->Model);
    ASSERT_NE(vest, nullptr);
    EXPECT_EQ(vest->Neckline, 1);
    EXPECT_TRUE(vest->calculated);
    for (size_t k = 0; k < kVestRows.size(); ++k) EXPECT_EQ(Field(int(k) + 1), kVestRows[k]) << k + 1;
}

// A vest order holds its neckline; the collar must be one the base dialog
// offers with it, else the order is damaged (it would draft no neckline and
// no front edge).
TEST_F(MenCoatsWindowTest, AVestWhoseNecklineAndCollarDoNotPairIsRefused) {
    main->Neckline = 0;
    TMenPattern& g = Choose(36, 0, 0);
    Type(kVestRows);
    ASSERT_TRUE(g.GetMeasures());
    const std::string saved = TempPath("vest.mdr");
    ASSERT_TRUE(SaveOrderTo(*main, saved));
    const char* const damaged = "Файл основы повреждён и не может быть открыт: ";
    struct Case {
        int neckline, collar;
        const char* reason;  // nullptr: opens
    } cases[] = {
        {0, 0, nullptr},
        {1, 0, nullptr},
        {1, 1, "воротник «Стоячий» не делается с горловиной «Открытая»"},
        {0, 7, "воротник «Пиджачный» не делается с горловиной «Закрытая»"},
        {0, 8, "воротник «Покроя шаль» не делается с горловиной «Закрытая»"},
        {2, 0, "горловина в файле записана числом 2, а может быть 0 («Закрытая») или 1 («Открытая»)"},
        {-1, 0, "горловина в файле записана числом -1"},
        {0x7fc00000, 0, "горловина в файле записана числом 2143289344"},  // no float either
        {0, 4, "воротник вида 4 с рукавом вида 0 не предлагаются для этой основы"},
    };
    for (const Case& c : cases) {
        const std::string name = "neckline " + std::to_string(c.neckline) + " collar " + std::to_string(c.collar);
        const std::string path = TempPath("pair" + std::to_string(&c - cases) + ".mdr");
        ASSERT_TRUE(QFile::copy(QString::fromStdString(saved), QString::fromStdString(path))) << name;
        RewriteOrder(path, [&](OrderContents& o) {
            o.collarKind = c.collar;
            SetBlockInt(o, 0, c.neckline);
        });
        Choose(28, 0, 0);
        messages.clear();
        const bool opened = OpenOrderFrom(*main, path);
        if (!c.reason) {
            EXPECT_TRUE(opened) << name;
            EXPECT_TRUE(messages.empty()) << name << ": " << (messages.empty() ? "" : messages[0].text);
            auto* vest = dynamic_cast<TVest*>(main->Model);
            ASSERT_NE(vest, nullptr) << name;
            EXPECT_EQ(vest->Neckline, c.neckline) << name;
            EXPECT_TRUE(vest->calculated) << name;
            continue;
        }
        EXPECT_FALSE(opened) << name;
        EXPECT_EQ(main->ModelIndex, 28) << name;
        ASSERT_EQ(messages.size(), 1u) << name;
        EXPECT_EQ(messages[0].text.rfind(damaged, 0), 0u) << name << ": " << messages[0].text;
        EXPECT_NE(messages[0].text.find(c.reason), std::string::npos) << name << ": " << messages[0].text;
    }
}

// The jacket and shawl collars draw the neck and the front edge: with them
// the garment leaves its overlap alone; with no collar or a stand collar it
// drafts it 3 cm out.
TEST_F(MenCoatsWindowTest, TheOverlapIsTheGarmentsOnlyWithoutALapelCollar) {
    struct Case {
        int type, collar;
        bool own;
    } cases[] = {{28, 0, true}, {28, 1, true}, {28, 7, false}, {29, 7, false}, {35, 0, true}, {33, 1, true}};
    for (const Case& c : cases) {
        TMenPattern& g = Choose(c.type, c.collar, 0);
        Type(With(kBody, {"7", "7", "7", "0.4"}));
        ASSERT_TRUE(g.GetMeasures());
        g.Calculate();
        const Vector hem = c.type == 28 ? dynamic_cast<TMenCoatWSideSeam&>(g).EdgeHem
                                        : dynamic_cast<TMenSidePart&>(g).EdgeHem;
        const float hemY = c.type == 35 ? g.H32.y : g.B32.y;
        EXPECT_EQ(hem, c.own ? Vector(g.T32.x + 3, hemY) : Vector()) << c.type << " collar " << c.collar;
    }
}

// Centred between the back centre and the front overlap when there is no
// collar.
TEST_F(MenCoatsWindowTest, WithoutACollarSheetOneCentresBackAndOverlap) {
    auto& coat = dynamic_cast<TMenCoatWSideSeam&>(Choose(28, 0, 0));
    Type(With(kBody, {"7", "7", "7", "0.4"}));
    main->CalcExecute();
    ASSERT_TRUE(coat.calculated);
    EXPECT_FLOAT_EQ(ScreenDC.CollarOrigin.x, 52.5f - (coat.T.x + coat.EdgeHem.x) / 2);
    EXPECT_FLOAT_EQ(ScreenDC.CollarOrigin.y, std::max(coat.A2.y, coat.A3.y) + 10);
}

// The front hem and the 3 cm overlap's bottom from EdgeHem to the front
// edge are one line of the cut: drawn with the outline's pen on the blazers,
// whose hem at H is cut; thin on the coats, whose hem at B is a guide.  On
// the blazer with a separate side part the thin hem line runs from the side
// part's hem point H6 on to H3.
TEST_F(MenCoatsWindowTest, TheOverlapsBottomTakesTheFrontHemsPen) {
    for (int type : {28, 29, 30, 34, 35}) {
        SCOPED_TRACE(type);
        const SheetStrokes sheet = SheetOneOf(type);
        TMenPattern& g = *dynamic_cast<TMenPattern*>(main->Model);
        ASSERT_TRUE(g.calculated);
        const bool blazer = type >= 34;
        const Vector edgeHem = type == 28 ? dynamic_cast<TMenCoatWSideSeam&>(g).EdgeHem
                                          : dynamic_cast<TMenSidePart&>(g).EdgeHem;
        const Vector front = blazer ? g.H32 : g.B32;
        const int bottom = sheet.LineBetween(Pixel(edgeHem), Pixel(front));
        ASSERT_GE(bottom, 0);
        EXPECT_EQ(sheet.all[bottom].width, blazer ? GarmentSheets::kScreenOutline : 1);
        // The overlap's side above it is outline on every garment.
        const Vector waist(edgeHem.x, g.T32.y);
        const int side = sheet.LineBetween(Pixel(waist), Pixel(edgeHem));
        ASSERT_GE(side, 0);
        EXPECT_EQ(sheet.all[side].width, GarmentSheets::kScreenOutline);
        if (type == 35) {
            const auto& apart = dynamic_cast<TMenWCutOffPiece&>(g);
            const int hem = sheet.LineBetween(Pixel(apart.H6), Pixel(g.H3));
            ASSERT_GE(hem, 0);
            EXPECT_EQ(sheet.all[hem].width, 1);
            EXPECT_LT(sheet.LineBetween(Pixel(apart.H7), Pixel(g.H3), 0, true), 0);
        }
    }
}

// Sheet 1, as drawn by the calculation and by every collar drag, draws every
// line, the collar's among them, before the first name, so that no line runs
// over a label; the collar's name comes after the pattern's.
TEST_F(MenCoatsWindowTest, SheetOneDrawsEveryLineBeforeTheNames) {
    for (int type : {28, 29, 35, 36}) {
        SCOPED_TRACE(type);
        const bool vest = type == 36;
        TMenPattern& g = Choose(type, 8, 0);
        Type(vest ? kVestRows : With(kBody, {"7", "7", "7", "0.4"}));
        main->CalcExecute();
        ASSERT_TRUE(g.calculated);
        // A collar drag's frame draws sheet 1 through the same routine as
        // the calculation (and ends with the same pixels: the drag frames'
        // tests).
        const SheetStrokes sheet(report->List1()->GetCanvas(), [&] {
            g.ClearSheets();
            g.Draw();
        });
        ScreenDC.RestoreCollarOrigin();
        const int collarLine = sheet.LineBetween(Pixel(g.A01), Pixel(g.A01 + Vector(3, 3)));
        ASSERT_GE(collarLine, 0);
        const int firstText = sheet.FirstText();
        ASSERT_GE(firstText, 0);
        EXPECT_LT(sheet.LastLine(kWinBlack), firstText);
        const int collarName = sheet.TextAt("Collar");
        ASSERT_GE(collarName, 0);
        for (const char* name : {"A01", "T", "G2"}) {
            const int at = sheet.TextAt(name);
            if (at >= 0) {
                EXPECT_LT(at, collarName) << name;
            }
        }
    }
}

// The side-part garments' own point names in the order they are written,
// after the common ones: the one-piece blazer's hem line first, the coat's
// the same without it; on the separate side part the blazer's hem line
// between its side part's points, B0 with it on the blazer and after the
// hip line's ends on the coat.
TEST_F(MenCoatsWindowTest, TheSidePartGarmentsNamesComeInTheirOrder) {
    for (int type : {29, 34, 30, 35}) {
        SCOPED_TRACE(type);
        const SheetStrokes sheet = SheetOneOf(type);
        TMenPattern& g = *dynamic_cast<TMenPattern*>(main->Model);
        ASSERT_TRUE(g.calculated);
        const bool blazer = type >= 34;
        std::vector<std::string> expected;
        const auto add = [&](std::initializer_list<const char*> names) {
            for (const char* n : names) expected.push_back(n);
        };
        if (type == 29 || type == 34) {
            const auto& one = dynamic_cast<TMenWOnePiece&>(g);
            if (blazer) {
                add({"H", "H0", "H1"});
                add({"H5", "H4", "H2", "H3", "H31", "H32"});
            }
            add({"B2", "B1", "B5", "B4", "B0", "T11", "T1", "T8", "P12", "P13", "T2", "T6", "T7", "K2", "K", "K1"});
            if (one.HasFrontDart) add({"T52", "G61"});
        } else {
            if (blazer) add({"H32", "H31", "H3", "H7", "H6"});
            add({"B7", "B6", "B2"});
            if (blazer) {
                add({"H2", "H1", "H5", "H4", "H0", "H", "B0"});
            }
            add({"B1", "B5", "B4"});
            if (!blazer) add({"B0"});
            add({"T11", "T1", "T8", "P12", "P13", "T2", "T6", "K2", "K3", "K4", "K12", "K11", "K1", "G61"});
        }
        add({"1", "2", "P10", "A5"});
        const std::vector<std::string> texts = sheet.Texts();
        const auto first = std::find(texts.begin(), texts.end(), expected.front());
        ASSERT_NE(first, texts.end());
        const std::vector<std::string> written(first,
                                               first + std::min<std::ptrdiff_t>(texts.end() - first, expected.size()));
        EXPECT_EQ(written, expected);
    }
}

}  // namespace
