// The program's windows with the women's jeans and shorts registered with
// the factory, as a user gets them, with the decimal separator '.' and a
// PDF printer listed; and the sample measurements of these garments.
#pragma once

#include <QLineEdit>
#include <string>
#include <vector>

#include "garments/lower_women/WJeans.h"
#include "garments/lower_women/WShort.h"
#include "platform/Printer.h"
#include "tests/garments/lower_women/PagesAndPixels.h"
#include "platform/Text.h"
#include "shell/BuiltInPieces.h"
#include "shell/Settings.h"
#include "tests/ProgramWindows.h"

// The samples as typed with '.', in the order of the edits.
inline const std::vector<std::string>& JeansSamples() {
    static const std::vector<std::string> s = {"39.5", "50", "39.4", "99.9", "0.5", "0", "4"};
    return s;
}
inline const std::vector<std::string>& Jeans2Samples() {
    static const std::vector<std::string> s = {"39.5", "50", "23.5", "39.4", "99.9", "0.5", "0", "0", "4"};
    return s;
}
inline const std::vector<std::string>& ShortsSamples() {
    static const std::vector<std::string> s = {"39.5", "50", "23.5", "30", "30", "0.5", "0", "0"};
    return s;
}

class JeansWindowTest : public ProgramWindowsTest {
protected:
    void BeforeWindows() override {
        printers = {"PDF"};
        SetDecimalSeparator('.');
        RegisterBuiltInPieces();
        RegisterWJeans();
        RegisterWShort();
    }
    void AfterWindows() override {
        main->DecimalSeparator = '.';
        main->DecimalSeparatorText = ".";
        main->FillSamples = false;
    }
    void AfterTearDown() override {
        ThePrinter().Abort();
        SetDecimalSeparator(0);
    }

    void Choose(int type) {
        ASSERT_TRUE(main->CreateModel(type, -1, -1));
        messages.clear();
    }
    void Type(const std::vector<std::string>& texts) {
        for (size_t k = 0; k < texts.size(); ++k) main->Meas(int(k) + 1)->setText(QString::fromStdString(texts[k]));
    }
    std::string Field(int n) const { return main->Meas(n)->text().toStdString(); }

    // Prints the current garment at 1:mode into a new PDF file; its path.
    std::string PrintAt(int mode, const std::string& name) {
        Settings->Record->TilingMode = mode;
        const std::string path = TempPath(name + "_" + std::to_string(mode) + ".pdf");
        ThePrinter().SetPdfOutput(path);
        main->Model->Print();
        return path;
    }
};
