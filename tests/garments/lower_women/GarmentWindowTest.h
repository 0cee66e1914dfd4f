// The program's windows as a user gets them, for the tests of one garment
// family: the decimal separator '.', a PDF printer listed, the built-in
// pieces and the family's garments registered with the factory, and the
// helpers that type into the measurement column and print to a PDF file.
#pragma once

#include <QLineEdit>
#include <string>
#include <vector>

#include "kernel/DrawContext.h"
#include "kernel/Models.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Text.h"
#include "shell/BuiltInModels.h"
#include "shell/Settings.h"
#include "tests/ProgramWindows.h"
#include "tests/garments/lower_women/PagesAndPixels.h"

class GarmentWindowTest : public ProgramWindowsTest {
protected:
    // Hooks of the families: their garments' registration, before the
    // windows exist, and the garment to open once they are up.
    virtual void RegisterGarments() {}
    virtual void OpenGarment() {}

    void BeforeWindows() override {
        printers = {"PDF"};
        SetDecimalSeparator('.');
        RegisterBuiltInModels();
        RegisterGarments();
    }
    void AfterWindows() override {
        main->DecimalSeparator = '.';
        main->DecimalSeparatorText = ".";
        main->FillSamples = false;
        OpenGarment();
    }
    void AfterTearDown() override {
        ThePrinter().Abort();
        SetDecimalSeparator(0);
    }

    // The texts into the edits of rows 1, 2, ...
    void Type(const std::vector<std::string>& texts) {
        for (size_t k = 0; k < texts.size(); ++k) main->Meas(int(k) + 1)->setText(QString::fromStdString(texts[k]));
    }
    std::string Field(int n) const { return main->Meas(n)->text().toStdString(); }

    // GetMeasures answered ok and showed what it should: nothing when the
    // measurements pass (refusal nullptr), else exactly the failed check's
    // text under the checks' caption with the exclamation icon.
    void ExpectCheckVerdict(bool ok, const char* refusal, const std::string& context) {
        if (!refusal) {
            EXPECT_TRUE(ok) << context;
            EXPECT_TRUE(messages.empty()) << context;
            return;
        }
        EXPECT_FALSE(ok) << context;
        ASSERT_EQ(messages.size(), 1u) << context;
        EXPECT_EQ(messages[0].text, refusal);
        EXPECT_EQ(messages[0].caption, "Введите верные измерения  ");
        EXPECT_EQ(messages[0].icon, MsgExclamation);
    }

    // The calculated garment cleared and drawn again, sheets and tables, at
    // every scale the sheets allow, without throwing.
    void ExpectRedrawsAtEveryScale() {
        for (int scale = 4; scale >= ScreenDC.MinScale; --scale) {
            ScreenDC.SetScale(scale);
            main->Model->ClearSheets();
            EXPECT_NO_THROW(main->Model->Draw()) << scale;
            EXPECT_NO_THROW(main->Model->DrawTables(scale)) << scale;
        }
    }

    // Prints the current garment at 1:mode into a new PDF file
    // "<name>_<mode>.pdf"; its path.
    std::string PrintAt(int mode, const std::string& name) {
        Settings->Record->TilingMode = mode;
        const std::string path = TempPath(name + "_" + std::to_string(mode) + ".pdf");
        ThePrinter().SetPdfOutput(path);
        main->Model->Print();
        return path;
    }
};
