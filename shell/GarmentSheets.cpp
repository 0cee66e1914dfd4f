#include "shell/GarmentSheets.h"

#include <QRegion>
#include <string>
#include <unordered_map>
#include <vector>

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

namespace {

// The pixels an operation may touch, widened to whole tiles of 64 pixels:
// a few large rectangles clear faster than many small ones.
QRect Tiled(const QRect& r) {
    constexpr int kTile = 64;
    auto down = [](int v) { return (v >= 0 ? v / kTile : -((-v + kTile - 1) / kTile)) * kTile; };
    const int left = down(r.left()), top = down(r.top());
    return QRect(left, top, down(r.right()) + kTile - left, down(r.bottom()) + kTile - top);
}

// The pixels where two drawings of a sheet (background left out) may
// differ: those of every operation of one without its equal in the other;
// and in `selected`, the operations of `after` to paint there: those that
// touch the pixels, which take theirs in too, until none more does.
QRegion Changed(const std::vector<Canvas::DrawnOp>& before, const std::vector<Canvas::DrawnOp>& after,
                std::vector<bool>& selected) {
    std::unordered_map<std::string, int> unmatched;
    for (const Canvas::DrawnOp& op : before)
        if (!op.background) ++unmatched[op.key];
    QRegion dirty;
    selected.assign(after.size(), false);
    for (size_t i = 0; i < after.size(); ++i) {
        const Canvas::DrawnOp& op = after[i];
        if (op.background) continue;
        auto it = unmatched.find(op.key);
        if (it != unmatched.end() && it->second > 0) {
            --it->second;
        } else {
            dirty += Tiled(op.bounds);
            selected[i] = true;
        }
    }
    for (const Canvas::DrawnOp& op : before) {
        if (op.background) continue;
        auto it = unmatched.find(op.key);
        if (it->second > 0) {
            --it->second;
            dirty += Tiled(op.bounds);
        }
    }
    for (bool grew = !dirty.isEmpty(); grew;) {
        grew = false;
        for (size_t i = 0; i < after.size(); ++i) {
            if (selected[i] || after[i].background || !dirty.intersects(after[i].bounds)) continue;
            selected[i] = true;
            dirty += Tiled(after[i].bounds);
            grew = true;
        }
    }
    return dirty;
}

}  // namespace

void RedrawChanged(int n, const std::function<void()>& draw) {
    SheetImage* sheet = Sheet(n);
    if (!sheet) return;
    auto* canvas = dynamic_cast<ImageCanvas*>(&sheet->GetCanvas());
    if (!canvas || !canvas->ClipsBackground()) return draw();
    if (!canvas->OpsValid()) {
        // The first such redraw draws the sheet whole and lists it from then on.
        canvas->KeepOps(true);
        return draw();
    }
    std::vector<Canvas::DrawnOp> before = canvas->TakeOps();
    const TDrawContext start = ScreenDC;
    try {
        canvas->RecordOnly();
        draw();
        canvas->PaintAll();
    } catch (...) {
        canvas->PaintAll();
        canvas->InvalidateOps();
        throw;
    }
    ScreenDC = start;
    if (!canvas->OpsValid()) return draw();  // the drawing did not begin with a clearing
    std::vector<Canvas::DrawnOp> after = canvas->TakeOps();
    std::vector<bool> selected;
    const QRegion dirty = Changed(before, after, selected) & QRegion(sheet->Bitmap().rect());
    try {
        canvas->KeepOps(false);
        for (const QRect& rect : dirty) {
            canvas->SetBackgroundClip(rect);
            ScreenDC.ClearImage(*sheet);
            ScreenDC.DrawGrid(*sheet);
        }
        canvas->SetBackgroundClip(QRect());
        ScreenDC = start;
        canvas->PaintSelected(std::move(selected));
        draw();
    } catch (...) {
        canvas->SetBackgroundClip(QRect());
        canvas->PaintAll();
        canvas->KeepOps(true);
        canvas->InvalidateOps();
        throw;
    }
    canvas->PaintAll();
    canvas->KeepOps(true);
    canvas->SetOps(std::move(after));
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
