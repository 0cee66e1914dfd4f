// The program's windows with the test pieces registered (a small garment,
// collars and sleeves that live only in the tests).
#pragma once

#include "tests/ProgramWindows.h"
#include "tests/shell/TestGarment.h"

class MainFormFixture : public ProgramWindowsTest {
protected:
    void BeforeWindows() override {
        Script().Reset();
        RegisterTestPieces();
    }
    void AfterTearDown() override { UnregisterTestPieces(); }

    // A garment of the test type with the given kinds, made through the
    // factory; the messages it raised are cleared.
    void MakeGarment(int collarKind = 0, int sleeveKind = 0) {
        ASSERT_TRUE(main->CreateModel(kTestGarmentType, collarKind, sleeveKind));
        messages.clear();
    }
};
