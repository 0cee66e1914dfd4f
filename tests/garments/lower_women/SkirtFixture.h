// The program's windows with the skirt chosen through the factory, as a user
// gets them, with the decimal separator '.' and a PDF printer listed.
#pragma once

#include <QLineEdit>
#include <string>
#include <vector>

#include "garments/lower_women/Yubka.h"
#include "platform/Text.h"
#include "shell/BuiltInPieces.h"
#include "tests/ProgramWindows.h"

// The sample measurements of the skirt, as typed with '.'.
inline const std::vector<std::string>& SkirtSamples() {
    static const std::vector<std::string> samples = {"38", "53", "53.3", "99.4", "97.9", "38.2", "0.5", "1"};
    return samples;
}

class SkirtWindowTest : public ProgramWindowsTest {
protected:
    void BeforeWindows() override {
        printers = {"PDF"};
        SetDecimalSeparator('.');
        RegisterBuiltInPieces();
    }
    void AfterWindows() override {
        main->DecimalSeparator = '.';
        main->DecimalSeparatorText = ".";
        main->FillSamples = false;
        ASSERT_TRUE(main->CreateModel(kYubkaType, -1, -1));
    }
    void AfterTearDown() override { SetDecimalSeparator(0); }

    TYubka& Skirt() { return *dynamic_cast<TYubka*>(main->Model); }

    void Type(const std::vector<std::string>& texts) {
        for (size_t k = 0; k < texts.size(); ++k) main->Meas(int(k) + 1)->setText(QString::fromStdString(texts[k]));
    }

    std::string Field(int n) const { return main->Meas(n)->text().toStdString(); }
};
