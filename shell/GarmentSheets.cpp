#include "shell/GarmentSheets.h"

#include <QRegion>
#include <string>
#include <string_view>
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
// differ, and in `selected` the operations of `after` to paint there.
//
// Each pixel shows the last operation that painted it.  An operation of
// `after` is matched with an equal one of `before` (the same key paints the
// same pixels) when the matched ones keep their order; the pixels of every
// operation left unmatched, on either side, may change.  Outside them the
// same operations paint in the same order, so the pixels stay; inside them
// the background and every operation of `after` that may touch them are
// painted again, kept to them.
QRegion Changed(const std::vector<Canvas::DrawnOp>& before, const std::vector<Canvas::DrawnOp>& after,
                std::vector<bool>& selected) {
    // The places in `before` of each key, first to last.
    std::unordered_map<std::string_view, std::vector<size_t>> places;
    for (size_t i = before.size(); i-- > 0;)
        if (!before[i].background) places[before[i].key].push_back(i);
    std::vector<bool> matched(before.size(), false);
    std::vector<bool> unmatched(after.size(), false);
    size_t last = 0;  // one past the place of the last match
    for (size_t i = 0; i < after.size(); ++i) {
        const Canvas::DrawnOp& op = after[i];
        if (op.background) continue;
        auto it = places.find(op.key);
        std::vector<size_t>* free = it == places.end() ? nullptr : &it->second;
        // An equal operation that came earlier than the last match would
        // change the order: it is dropped.
        while (free && !free->empty() && free->back() < last) free->pop_back();
        if (!free || free->empty()) {
            unmatched[i] = true;
            continue;
        }
        matched[free->back()] = true;
        last = free->back() + 1;
        free->pop_back();
    }
    QRegion dirty;
    for (size_t i = 0; i < after.size(); ++i)
        if (unmatched[i]) dirty += Tiled(after[i].bounds);
    for (size_t i = 0; i < before.size(); ++i)
        if (!before[i].background && !matched[i]) dirty += Tiled(before[i].bounds);
    selected.assign(after.size(), false);
    if (dirty.isEmpty()) return dirty;
    for (size_t i = 0; i < after.size(); ++i)
        selected[i] = !after[i].background && dirty.intersects(after[i].bounds);
    return dirty;
}

}  // namespace

void RedrawChanged(int n, const std::function<void()>& draw) {
    SheetImage* sheet = Sheet(n);
    if (!sheet) return;
    auto whole = [n, &draw] {
        ClearSheet(n);
        draw();
    };
    auto* canvas = dynamic_cast<ImageCanvas*>(&sheet->GetCanvas());
    if (!canvas || !canvas->ClipsBackground()) return whole();
    if (!canvas->OpsValid()) {
        // The first such redraw draws the sheet whole and lists it from then on.
        canvas->KeepOps(true);
        return whole();
    }
    std::vector<Canvas::DrawnOp> before = canvas->TakeOps();
    const TDrawContext start = ScreenDC;
    try {
        canvas->RecordOnly();
        whole();
        canvas->PaintAll();
    } catch (...) {
        // Nothing was painted: the sheet shows the drawing before, unlisted.
        canvas->PaintAll();
        canvas->InvalidateOps();
        throw;
    }
    const TDrawContext end = ScreenDC;
    if (!canvas->OpsValid()) {  // the clearing did not cover the sheet
        ScreenDC = start;
        return whole();
    }
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
        if (!dirty.isEmpty()) {
            ScreenDC = start;
            canvas->PaintSelected(std::move(selected), dirty);
            whole();
        }
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
    ScreenDC = end;
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
