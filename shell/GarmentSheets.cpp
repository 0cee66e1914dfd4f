#include "shell/GarmentSheets.h"

#include "kernel/DrawContext.h"
#include "kernel/SheetCaptions.h"
#include "platform/Canvas.h"
#include "platform/Printer.h"
#include "platform/SheetImage.h"

namespace GarmentSheets {

std::string SheetText(int n, int count) { return "Лист " + std::to_string(n) + " из " + std::to_string(count); }

SheetImage* Sheet(int n) {
    SheetWindow* window = ScreenDC.Window;
    if (!window) return nullptr;
    switch (n) {
        case 1: return window->List1();
        case 2: return window->List2();
        case 3: return window->List3();
        default: return nullptr;
    }
}

void Show(int count, bool visible) {
    for (int n = 1; n <= count; ++n)
        if (SheetImage* sheet = Sheet(n)) sheet->SetVisible(visible);
}

void ClearSheet(int n) {
    SheetImage* sheet = Sheet(n);
    if (!sheet) return;
    ScreenDC.ClearImage(*sheet);
    ScreenDC.DrawGrid(*sheet);
    sheet->Refresh();
}

void Clear(int count) {
    for (int n = 1; n <= count; ++n) ClearSheet(n);
}

bool Attach(int n) {
    SheetImage* sheet = Sheet(n);
    if (!sheet) return false;
    ScreenDC.SetCanvas(&sheet->GetCanvas());
    return true;
}

void Refresh(int n) {
    if (SheetImage* sheet = Sheet(n)) sheet->Refresh();
}

bool AttachWithCaptions(int n, const std::string& label) {
    if (!Attach(n)) return false;
    ScreenDC.SetIntOffset(0, 0);
    DrawSheetCaptions(label);
    return true;
}

bool CaptionSheetsForTables(int count, const std::function<void(int n)>& pieceSheet) {
    for (int n = 1; n < count; ++n) {
        if (!AttachWithCaptions(n, SheetText(n, count))) return false;
        if (pieceSheet) pieceSheet(n);
        Refresh(n);
    }
    return AttachWithCaptions(count, SheetText(count, count));
}

void SetPaperLabelFont() {
    if (PrinterDC.Canvas) PrinterDC.Canvas->SetFontSize(kPaperLabelFontSize);
}

void PrintTablesPage(const std::string& label, const std::function<void()>& body) {
    ThePrinter().NewPage();
    PrinterDC.PrintableAreaFrame();
    PrintPageHeader();
    PrintPageText(label);
    body();
    PrintProgramFooter();
    PrintPageDateFooter();
}

}  // namespace GarmentSheets
