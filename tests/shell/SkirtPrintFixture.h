// The skirt's windows for the print tests: the skirt calculated from its
// sample measurements, and a printer chosen in the print set-up window.
#pragma once

#include <QComboBox>
#include <memory>
#include <string>

#include "shell/PrintSetUps.h"
#include "tests/garments/lower_women/SkirtFixture.h"

class SkirtPrintTest : public SkirtWindowTest {
protected:
    void TearDown() override {
        window.reset();
        SkirtWindowTest::TearDown();
    }

    void Calculate() {
        Type(SkirtSamples());
        main->CalcExecute();
        ASSERT_TRUE(Skirt().calculated);
        messages.clear();
    }

    // The set-up window on its own, with `name` chosen in its printer list.
    TPrintSetUps& ChooseInSetUp(const std::string& name) {
        window = std::make_unique<TPrintSetUps>(false, main.get());
        const int item = window->PrinterBox->findText(QString::fromStdString(name));
        EXPECT_GE(item, 0) << name;
        window->PrinterBox->setCurrentIndex(item);
        window->PrinterBoxClick();
        return *window;
    }

    std::unique_ptr<TPrintSetUps> window;
};
