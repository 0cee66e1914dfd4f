// What the window tests of the bodice garments of every family check alike:
// the rows the column shows, ClearInputs emptying the rows of the sleeve
// kind it is given, and an order saved and opened again.  Each family's
// fixture types its garment's samples.
#pragma once

#include <QPrinter>
#include <QTextEdit>
#include <functional>
#include <string>
#include <vector>

#include "shell/Factory.h"
#include "tests/garments/GarmentWindowTest.h"

class BodiceWindowTest : public GarmentWindowTest {
protected:
    // Chooses the garment with its pieces and types its samples.
    virtual void TypeSamplesOf(int type, int collar, int sleeve) = 0;

    std::string Caption(int n) const { return main->Line(n)->text().toStdString(); }
    int VisibleRows() const {
        int n = 0;
        while (n < kMeasureRows && !main->Line(n + 1)->isHidden()) ++n;
        return n;
    }

    // ClearInputs(clearedFor) on the garment with its samples: not
    // calculated, rows 1 .. emptied empty (the next one kept), the order
    // caption written again, the customer and the comment empty.
    void ExpectClearInputsEmpties(int type, int sleeve, int clearedFor, int emptied) {
        TypeSamplesOf(type, 0, sleeve);
        main->CustomerData->setText("Иванова");
        main->Comment->setPlainText("к пятнице");
        main->Model->calculated = true;
        main->OrderNumber = 41;
        main->Model->ClearInputs(clearedFor);
        const std::string context = std::to_string(type) + " cleared for " + std::to_string(clearedFor);
        EXPECT_FALSE(main->Model->calculated) << context;
        for (int n = 1; n <= emptied; ++n) EXPECT_EQ(Field(n), "") << context << " row " << n;
        if (emptied < VisibleRows()) EXPECT_NE(Field(emptied + 1), "") << context;
        EXPECT_EQ(main->ModelType->text().toStdString(), std::string(ModelCaption(type)) + "41") << context;
        EXPECT_EQ(main->CustomerData->text().toStdString(), "") << context;
        EXPECT_EQ(main->Comment->toPlainText().toStdString(), "") << context;
    }

    // Row `row` of the garment's column shows `illustration`.
    void ExpectRowIllustration(int type, int sleeve, int row, void (*illustration)()) {
        ASSERT_TRUE(main->CreateModel(type, 0, sleeve)) << type;
        illustration();
        const QImage expected = main->LineImage.Bitmap().copy();
        MeasureHints::LowerLine7();  // something else first
        main->Model->ShowMeasure(row);
        EXPECT_EQ(main->LineImage.Bitmap(), expected) << type << " sleeve " << sleeve << " row " << row;
    }

    // The last printed page drew the horizontal from x0 to x1 and the
    // vertical from y0 down to y1 (draft cm) at 1:mode.
    void ExpectPrintedAtScale(float x0, float x1, float y0, float y1, int mode, const std::string& context) {
        const double dpiX = ThePrinter().Device().logicalDpiX(), dpiY = ThePrinter().Device().logicalDpiY();
        const double across = (PrinterDC.PixelX(x1) - PrinterDC.PixelX(x0)) * 2.54 / dpiX;
        const double down = (PrinterDC.PixelY(y1) - PrinterDC.PixelY(y0)) * 2.54 / dpiY;
        EXPECT_NEAR(across / ((double(x1) - x0) / mode), 1.0, 1e-3) << context << " 1:" << mode;
        EXPECT_NEAR(down / ((double(y0) - y1) / mode), 1.0, 1e-3) << context << " 1:" << mode;
    }

    // The garment calculated from its samples, saved and opened again: the
    // same type and sleeve, every row with the text it had, calculated to
    // the same `points`.
    void ExpectOrderReopens(int type, int sleeve, const std::function<std::vector<Vector>(TModel&)>& points) {
        const std::string name = "type " + std::to_string(type) + " sleeve " + std::to_string(sleeve);
        TypeSamplesOf(type, 0, sleeve);
        messages.clear();
        main->CalcExecute();
        ASSERT_TRUE(main->Model->calculated) << name;
        const std::vector<Vector> drafted = points(*main->Model);
        const int rows = VisibleRows();
        std::vector<std::string> fields;
        for (int n = 1; n <= rows; ++n) fields.push_back(Field(n));
        const std::string path = TempPath("order.mdr");
        ASSERT_TRUE(SaveOrderTo(*main, path)) << name;

        main->CreateModel(0, -1, -1);
        messages.clear();
        ASSERT_TRUE(OpenOrderFrom(*main, path)) << name;
        EXPECT_TRUE(messages.empty()) << name;
        EXPECT_EQ(main->ModelIndex, type) << name;
        EXPECT_EQ(main->SleeveKind, sleeve) << name;
        ASSERT_EQ(VisibleRows(), rows) << name;
        for (int n = 1; n <= rows; ++n) EXPECT_EQ(Field(n), fields[size_t(n - 1)]) << name << " row " << n;
        EXPECT_TRUE(main->Model->calculated) << name;
        EXPECT_EQ(points(*main->Model), drafted) << name;
    }
};
