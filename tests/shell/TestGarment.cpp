#include "tests/shell/TestGarment.h"

#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/MeasureFigure.h"
#include "platform/MessageBox.h"
#include "shell/Factory.h"
#include "shell/MainForm.h"
#include "shell/ReporForm.h"

const char* const kTestRowCaptions[kTestRows + 1] = {"Ст:", "Сб:", "Ди:", "Др:"};
const char* const kTestRowHints[kTestRows + 1] = {"Полуобхват талии", "Полуобхват бёдер", "Длина изделия",
                                                  "Длина руки до запястья"};

TestScript& Script() {
    static TestScript script;
    return script;
}

namespace {

const char* const kTestCaption = " Платье прямого силуэта. Заказ № ";

// The caption a collar or sleeve writes into its field of the main window
// while it lives; its birth and end go to the script's log ("collar+1",
// "collar-1").
class PieceCaption {
public:
    PieceCaption(QLineEdit* field, const char* caption, const char* piece, int kind)
        : field_(field), piece_(piece), kind_(std::to_string(kind)) {
        field_->setText(QString::fromUtf8(caption));
        Script().log.push_back(piece_ + "+" + kind_);
    }
    ~PieceCaption() {
        field_->clear();
        Script().log.push_back(piece_ + "-" + kind_);
    }
    void Clear() { field_->clear(); }

private:
    QLineEdit* field_;
    std::string piece_;
    std::string kind_;
};

class TTestCollar : public TCollar {
public:
    explicit TTestCollar(int kind)
        : caption_(MainForm->CollarType, CollarCaption(kind), "collar", kind) {}
    void Calculate() override {}
    void Draw() override {}
    void DrawLabels() override {}
    void ClearCaption() override { caption_.Clear(); }
    void Hook4() override {}
    void Hook5() override {}
    bool HitTest(int, float, float) override { return false; }
    void Drag(float, float) override {}

private:
    PieceCaption caption_;
};

class TTestSleeve : public TSleeve {
public:
    explicit TTestSleeve(int kind)
        : caption_(MainForm->SleeveType, SleeveCaption(kind), "sleeve", kind) {}
    void Calculate() override {}
    void Draw() override {}
    void DrawOnFront() override {}
    void DrawOnBack() override {}
    void DrawLabels() override {}
    void LabelsOnFront() override {}
    void LabelsOnBack() override {}
    void ClearCaption() override { caption_.Clear(); }
    void Hook8() override {}
    void Hook9() override {}
    bool HitTest(int, float, float) override { return false; }
    void Drag(float, float) override {}

private:
    PieceCaption caption_;
};

}  // namespace

namespace {

// What the test pieces displaced, put back when they go.
struct Displaced {
    ModelMaker model;
    CollarMaker collars[std::size(kTestCollarKinds)];
    SleeveMaker sleeves[std::size(kTestSleeveKinds)];
};
Displaced& Saved() {
    static Displaced saved;
    return saved;
}

}  // namespace

void RegisterTestPieces() {
    Displaced& saved = Saved();
    saved.model = RegisterModelMaker(kTestGarmentType, [] { return new TTestGarment; });
    for (size_t k = 0; k < std::size(kTestCollarKinds); ++k) {
        const int kind = kTestCollarKinds[k];
        saved.collars[k] = RegisterCollarMaker(kind, [kind] { return new TTestCollar(kind); });
    }
    for (size_t k = 0; k < std::size(kTestSleeveKinds); ++k) {
        const int kind = kTestSleeveKinds[k];
        saved.sleeves[k] = RegisterSleeveMaker(kind, [kind] { return new TTestSleeve(kind); });
    }
}

void UnregisterTestPieces() {
    Displaced& saved = Saved();
    RegisterModelMaker(kTestGarmentType, std::move(saved.model));
    for (size_t k = 0; k < std::size(kTestCollarKinds); ++k)
        RegisterCollarMaker(kTestCollarKinds[k], std::move(saved.collars[k]));
    for (size_t k = 0; k < std::size(kTestSleeveKinds); ++k)
        RegisterSleeveMaker(kTestSleeveKinds[k], std::move(saved.sleeves[k]));
}

TTestGarment::TTestGarment() {
    for (int n = 1; n <= kTestRows; ++n) MainForm->SetRow(n, kTestRowCaptions[n - 1], kTestRowHints[n - 1]);
    if (MainForm->SleeveKind > 0)
        MainForm->SetRow(kTestSleeveRow, kTestRowCaptions[kTestRows], kTestRowHints[kTestRows]);
    MainForm->ModelType->setText(QString::fromUtf8(kTestCaption) + QString::number(MainForm->OrderNumber));
    if (MainForm->FillSamples)
        for (int n = 1; n <= kTestRows; ++n)
            MainForm->Meas(n)->setText(QString::fromStdString(std::to_string(30 + n) + MainForm->DecimalSeparatorText + "5"));
    if (ReporForm) {
        ReporForm->List1()->SetVisible(true);
        ReporForm->List2()->SetVisible(true);
    }
    Script().log.push_back("model+");
}

TTestGarment::~TTestGarment() {
    for (int n = 1; n <= kTestRows; ++n) MainForm->HideRow(n);
    if (MainForm->PrevSleeveKind > 0) {
        MainForm->HideRow(kTestSleeveRow);
        Script().log.push_back("hide-sleeve-row");
    }
    if (ReporForm) {
        ReporForm->List1()->SetVisible(false);
        ReporForm->List2()->SetVisible(false);
    }
    Script().log.push_back("model-");
}

bool TTestGarment::GetMeasures() {
    ++Script().getMeasures;
    if (!Script().measuresOk) {
        ShowMessage("Введите измерения. ", "Введите верные измерения  ", MsgExclamation);
        return false;
    }
    return true;
}

void TTestGarment::Calculate() {
    ++Script().calculateCalls;
    TestScript::Step step = TestScript::Step::Ok;
    if (!Script().calculate.empty()) {
        step = Script().calculate.front();
        Script().calculate.pop_front();
    }
    switch (step) {
        case TestScript::Step::Ok: break;
        case TestScript::Step::Int1: throw 1;
        case TestScript::Step::Int2: throw 2;
        case TestScript::Step::Int7: throw 7;
        case TestScript::Step::Float: (void)Checked::Div(1.0, 0.0, "test division"); break;
        case TestScript::Step::RunAway1: throw EFitRunAway(1);
        case TestScript::Step::RunAway2: throw EFitRunAway(2);
        case TestScript::Step::Other: throw 'x';
    }
    calculated = true;
}

void TTestGarment::Draw() {
    ++Script().draws;
    if (!calculated || !ReporForm) return;
    Canvas& canvas = ReporForm->List1()->GetCanvas();
    canvas.SetPenColor(0);
    canvas.SetPenWidth(2);
    canvas.MoveTo(20, 20);
    canvas.LineTo(200, 20);
    ReporForm->List1()->Refresh();
    if (Script().drawThrows) Checked::Fail("test pixel y");
}

void TTestGarment::ClearSheets() {
    ++Script().clearSheets;
    if (!ReporForm) return;
    for (SheetImage* sheet : {ReporForm->List1(), ReporForm->List2()}) {
        ScreenDC.ClearImage(*sheet);
        ScreenDC.DrawGrid(*sheet);
        sheet->Refresh();
    }
}

void TTestGarment::ClearInputs(int sleeveKind) {
    calculated = false;
    Script().log.push_back("clear(" + std::to_string(sleeveKind) + ")");
    for (int n = 1; n <= kTestSleeveRow; ++n) MainForm->Meas(n)->clear();
    MainForm->ModelType->setText(QString::fromUtf8(kTestCaption) + QString::number(MainForm->OrderNumber));
    MainForm->CustomerData->clear();
    MainForm->Comment->clear();
}

void TTestGarment::ShowMeasure(int n) {
    Script().lastShown = n;
    if (n == 1) MeasureHints::LowerLine1();
}

void TTestGarment::DrawTables(int scale) {
    ++Script().drawTables;
    Script().lastTableScale = scale;
}

void TTestGarment::Print() {
    ++Script().prints;
    Script().printButtonsEnabledDuringPrint = MainForm->ToolButton6->isEnabled();
    if (Script().printThrows) throw std::runtime_error("Принтер не отвечает.");
}
