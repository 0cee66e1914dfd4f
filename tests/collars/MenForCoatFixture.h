// The men's jacket collar (or another lapel collar of the men's outerwear
// family, by Kind) on the main window's garments of the family: each
// garment type with its sample measurements, the collar calculated by the
// garment on the calculation road; and the checks both lapel collars pass
// alike (the base selection, the break point dragged on the sheet, the
// order file and print, a garment of another family).
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QStandardItemModel>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "collars/MenForCoat.h"
#include "garments/coats_men/MenPattern.h"
#include "kernel/PrintTiling.h"
#include "shell/BaseCatalog.h"
#include "shell/NewPrForm.h"
#include "shell/OrderFile.h"
#include "shell/ReporForm.h"
#include "tests/garments/GarmentWindowTest.h"

class MenForCoatTest : public GarmentWindowTest {
protected:
    // The collar kind the garments are drafted with.
    virtual int Kind() const { return TMenForCoat::kKind; }

    // The garment of `type` with the collar and no sleeve (or the given
    // one), its sample rows typed and calculated.
    TMenPattern& Calculated(int type, int sleeve = 0) {
        // The neckline with which the base dialog offers the collar (the
        // vest drafts by it).
        main->Neckline = CollarList(type, kNecklineOpen).IndexOfKind(Kind()) >= 0 ? kNecklineOpen : kNecklineClosed;
        EXPECT_TRUE(main->CreateModel(type, Kind(), sleeve)) << type;
        Type(Rows(type, sleeve));
        messages.clear();
        main->CalcExecute();
        EXPECT_TRUE(messages.empty()) << type << ": " << (messages.empty() ? "" : messages[0].text);
        return *CurrentMenPattern();
    }
    // The demi-season coat with a waist wide enough for the belly allowance
    // to carry the front edge out below the bust: the front edge runs
    // straight from A5 to T32, without the turn at the bust.
    TMenPattern& CalculatedWithoutTheTurn() {
        EXPECT_TRUE(main->CreateModel(28, Kind(), 0));
        std::vector<std::string> rows = Rows(28, 0);
        rows[4] = "60";  // Ст
        Type(rows);
        main->CalcExecute();
        return *CurrentMenPattern();
    }
    TMenForCoat& Collar() { return dynamic_cast<TMenForCoat&>(*main->Collar); }
    TMenLapelCollar& LapelCollar() { return dynamic_cast<TMenLapelCollar&>(*main->Collar); }

    // A press on p and a move to q, the collar calculated after it.
    void DragFromTo(const Vector& p, const Vector& q) {
        main->DraggingCollar = main->Collar->HitTest(1, p.x, p.y);
        ASSERT_TRUE(main->DraggingCollar);
        main->Collar->Drag(q.x, q.y);
        main->Collar->Calculate();
    }
    void TearDown() override {
        if (main) main->DraggingCollar = false;
        GarmentWindowTest::TearDown();
    }

    static std::vector<std::string> Rows(int type, int sleeve) {
        if (type == MenPatternType::kVest)
            return {"176", "20.7", "51.1", "52.2", "49",   "55.4", "27.8", "47.2", "19.4", "9.7",
                    "21.9", "45.2", "48.3", "20.1", "12", "8",    "4",    "4",    "3.5",  "0"};
        std::vector<std::string> rows = {"176",  "20.7", "51.1", "52.2", "49",   "53.4", "27.8", "47.2",
                                         "19.4", "9.7",  "21.9", "45.2", "48.3", "20.1", "15.4", "8"};
        std::vector<std::string> tail;
        if (sleeve == 15 || sleeve == 16)
            tail = {"61.7", "32.8", "18.5", "1.5", "9", "9", "9", "14", "14", "0.4"};
        else if (sleeve)
            tail = {"61.7", "32.8", "18.5", "1", "7", "7", "7", "13", "13", "0.07", "0.4"};
        else
            tail = {"7", "7", "7", "0.4"};
        rows.insert(rows.end(), tail.begin(), tail.end());
        return rows;
    }

    // The base selection offers the collar (its item `item`) with an open
    // neckline on every garment of the family, and choosing it drafts the
    // garment with it.
    void ExpectChoosableForTheWholeFamily(const char* item) {
        auto dialog = std::make_unique<TNewPrForm>();
        dialog->RefreshAvailability();
        std::vector<int> offered;
        for (int node = 0; node < kBaseTreeNodes; ++node) {
            const int type = BaseNode(node)->type;
            if (type < MenPatternType::kFirstCoat || type > MenPatternType::kVest) continue;
            SCOPED_TRACE(type);
            dialog->SelectNode(node);
            dialog->ComboBox3->setCurrentIndex(1);  // "Открытая"
            dialog->ComboBox3Change();
            const int index = dialog->ComboBox2->findText(item);
            ASSERT_GE(index, 0);
            const auto* model = qobject_cast<const QStandardItemModel*>(dialog->ComboBox2->model());
            ASSERT_NE(model, nullptr);
            EXPECT_TRUE(model->item(index)->isEnabled());
            dialog->ComboBox2->setCurrentIndex(index);
            dialog->ComboBox2Change();
            EXPECT_EQ(dialog->ChosenCollar(), Kind());
            dialog->ComboBox1->setCurrentIndex(0);  // "Без рукава"
            dialog->ComboBox1Change();
            dialog->ChoosButClick();
            EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].text);
            EXPECT_EQ(main->ModelIndex, type);
            EXPECT_EQ(main->CollarKind, Kind());
            offered.push_back(type);
        }
        EXPECT_EQ(offered.size(), 9u);
    }

    // The break point dragged through the drawing window on the winter
    // coat: the sheet follows it; a draft that fails while dragging is
    // reported once and the collar keeps its last good draft.
    void ExpectTheBreakPointDraggedOnTheSheet() {
        TMenPattern& g = Calculated(31);
        TMenLapelCollar& k = LapelCollar();
        const auto at = [](const Vector& p) {
            ScreenDC.RestoreCollarOrigin();
            return QPoint(ScreenDC.PixelX(p.x), ScreenDC.PixelY(p.y));
        };
        const Vector start = k.BreakPoint;
        const QPoint press = at(start);
        report->ListMouseDown(1, Qt::LeftButton, press.x(), press.y());
        ASSERT_TRUE(main->DraggingCollar);
        const int twoCm = int(2 * ScreenDC.PxPerCmX + 0.5f);
        report->ListMouseMove(1, Qt::LeftButton, press.x() + twoCm, press.y() + twoCm);
        EXPECT_TRUE(messages.empty());
        EXPECT_NEAR(k.BreakPoint.x, start.x + 2, 0.2);
        EXPECT_NEAR(k.BreakPoint.y, start.y - 2, 0.2);
        EXPECT_GT(k.ExtensionAtBreak, k.Extension + 1.5f);
        const QImage& sheet = report->List1()->Bitmap();
        EXPECT_EQ(sheet.pixel(at(k.BreakPoint + Vector(DragHandle::kHalfSide, 0))), qRgb(0, 255, 0));
        const Vector good = k.BreakPoint;

        // The garment's neck data spoilt under the drag: the draft fails.
        g.LowNeckExcess = std::numeric_limits<float>::quiet_NaN();
        report->ListMouseMove(1, Qt::LeftButton, press.x() + twoCm, press.y() + 2 * twoCm);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "Не допустимое положение воротника. ");
        EXPECT_EQ(messages[0].caption, "Сбой при расчёте воротника");
        EXPECT_FALSE(main->DraggingCollar);
        EXPECT_EQ(k.BreakPoint, good);
        report->ListMouseMove(1, Qt::LeftButton, press.x() + twoCm, press.y() + 3 * twoCm);
        EXPECT_EQ(messages.size(), 1u) << "reported once";
        report->ListMouseUp(1, Qt::LeftButton, press.x(), press.y());
    }

    // An order of each of the types with the collar is saved, opens with
    // the same collar drafted alike, and prints at true scale with the
    // whole collar inside the tiled area.
    void ExpectSavedReopenedAndPrinted(std::initializer_list<int> types, const char* caption, const std::string& name) {
        for (int type : types) {
            SCOPED_TRACE(type);
            Calculated(type);
            const TMenLapelCollar& before = LapelCollar();
            const Vector breakPoint = before.BreakPoint;
            const float box[4] = {before.BoxLeft, before.BoxRight, before.BoxTop, before.BoxBottom};
            const std::string path = TempPath(name + std::to_string(type) + ".mdr");
            ASSERT_TRUE(SaveOrderTo(*main, path));
            ASSERT_TRUE(main->CreateModel(28, 0, 0));
            EXPECT_EQ(main->CollarType->text().toStdString(), "");
            ASSERT_TRUE(OpenOrderFrom(*main, path));
            EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].text);
            EXPECT_EQ(main->ModelIndex, type);
            EXPECT_EQ(main->CollarKind, Kind());
            EXPECT_EQ(main->CollarType->text().toStdString(), caption);
            ASSERT_TRUE(main->Model->calculated);
            const TMenLapelCollar& k = LapelCollar();
            EXPECT_EQ(k.BreakPoint, breakPoint);
            EXPECT_EQ(k.BoxLeft, box[0]);
            EXPECT_EQ(k.BoxRight, box[1]);
            EXPECT_EQ(k.BoxTop, box[2]);
            EXPECT_EQ(k.BoxBottom, box[3]);

            PrintAt(1, name + std::to_string(type));
            EXPECT_GE(PrintLayout.SpanX - TilingMargin(1), k.BoxRight - k.BoxLeft - 0.01);
            ExpectPrintsItsPages(name + std::to_string(type), true);
        }
    }

    // Paired with a garment outside the men's outerwear family (only a
    // damaged order file can do it), the collar fails the calculation
    // through the road's message instead of reading a garment it does not
    // have.
    void ExpectTheRoadToReportAnotherFamily() {
        main->FillSamples = true;
        ASSERT_TRUE(main->CreateModel(7, Kind(), 0));
        messages.clear();
        main->CalcExecute();
        EXPECT_FALSE(main->Model->calculated);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "Пожалуйста, проверьте измерения. ");
        EXPECT_EQ(messages[0].caption, "Сбой при расчёте");
    }
};
