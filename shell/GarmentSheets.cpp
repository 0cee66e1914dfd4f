#include "shell/GarmentSheets.h"

#include <QRegion>
#include <algorithm>
#include <cstdlib>
#include <optional>
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

// The tiles of 32 × 32 pixels of a sheet that may change: a few large
// rectangles clear faster than many small ones.  An operation's pixels are
// those of its bounds, or for a line those near its segment, so that a
// long slanting line takes in only the tiles it crosses.
class Tiles {
public:
    explicit Tiles(const QSize& size)
        : columns_((size.width() + kTile - 1) / kTile), rows_((size.height() + kTile - 1) / kTile),
          on_(size_t(std::max(columns_, 0)) * size_t(std::max(rows_, 0)), false) {}

    void Mark(const Canvas::DrawnOp& op) {
        Visit(op, [this](int c, int r) {
            on_[size_t(r) * size_t(columns_) + size_t(c)] = true;
            any_ = true;
            return false;
        });
    }
    bool Touches(const Canvas::DrawnOp& op) const {
        return any_ && Visit(op, [this](int c, int r) { return bool(on_[size_t(r) * size_t(columns_) + size_t(c)]); });
    }
    bool Empty() const { return !any_; }
    // The marked tiles as rectangles: the runs of each row of tiles.
    QRegion Region() const {
        QRegion region;
        std::vector<QRect> rects;
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < columns_;) {
                if (!on_[size_t(r) * size_t(columns_) + size_t(c)]) {
                    ++c;
                    continue;
                }
                const int first = c;
                while (c < columns_ && on_[size_t(r) * size_t(columns_) + size_t(c)]) ++c;
                rects.emplace_back(first * kTile, r * kTile, (c - first) * kTile, kTile);
            }
        region.setRects(rects.data(), int(rects.size()));
        return region;
    }

private:
    static constexpr int kTile = 32;

    static int Down(int v) { return v >= 0 ? v / kTile : -((-v + kTile - 1) / kTile); }

    // Calls visit(column, row) for the tiles of the rectangle within the
    // sheet until it answers true; whether it did.
    template <class F>
    bool VisitRect(const QRect& r, F&& visit) const {
        const int c0 = std::max(Down(r.left()), 0), c1 = std::min(Down(r.right()), columns_ - 1);
        const int r0 = std::max(Down(r.top()), 0), r1 = std::min(Down(r.bottom()), rows_ - 1);
        for (int row = r0; row <= r1; ++row)
            for (int c = c0; c <= c1; ++c)
                if (visit(c, row)) return true;
        return false;
    }
    // The tiles of the operation: a line's in pieces of at most half a tile.
    template <class F>
    bool Visit(const Canvas::DrawnOp& op, F&& visit) const {
        const QLine& l = op.segment;
        if (l.isNull()) return VisitRect(op.bounds, visit);
        const int pieces = std::max(std::abs(l.dx()), std::abs(l.dy())) / (kTile / 2) + 1;
        auto at = [&](int k, int from, int d) { return from + int((long long)d * k / pieces); };
        for (int k = 0; k < pieces; ++k) {
            const QPoint a(at(k, l.x1(), l.dx()), at(k, l.y1(), l.dy()));
            const QPoint b(at(k + 1, l.x1(), l.dx()), at(k + 1, l.y1(), l.dy()));
            const QRect piece = QRect(a, b).normalized().adjusted(-op.reach, -op.reach, op.reach, op.reach);
            if (VisitRect(piece, visit)) return true;
        }
        return false;
    }

    int columns_, rows_;
    std::vector<bool> on_;
    bool any_ = false;
};

// The tiles where two drawings of a sheet (background left out) may
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
                const QSize& size, std::vector<bool>& selected) {
    // The places in `before` of each key, last to first.
    std::unordered_map<std::string_view, std::vector<size_t>> places;
    for (size_t i = before.size(); i-- > 0;)
        if (!before[i].background) places[before[i].key].push_back(i);
    std::vector<bool> matched(before.size(), false);
    Tiles tiles(size);
    size_t last = 0;  // one past the place of the last match
    for (const Canvas::DrawnOp& op : after) {
        if (op.background) continue;
        auto it = places.find(op.key);
        std::vector<size_t>* free = it == places.end() ? nullptr : &it->second;
        // An equal operation earlier than the last match would change the
        // order: it is left unmatched.
        while (free && !free->empty() && free->back() < last) free->pop_back();
        if (!free || free->empty()) {
            tiles.Mark(op);
            continue;
        }
        matched[free->back()] = true;
        last = free->back() + 1;
        free->pop_back();
    }
    for (size_t i = 0; i < before.size(); ++i)
        if (!before[i].background && !matched[i]) tiles.Mark(before[i]);
    selected.assign(after.size(), false);
    if (tiles.Empty()) return QRegion();
    for (size_t i = 0; i < after.size(); ++i) selected[i] = !after[i].background && tiles.Touches(after[i]);
    return tiles.Region();
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
    // The drawing's own refreshes are held: the window repaints only the
    // pixels that changed, once, at the end (or the whole sheet when the
    // frame is drawn whole or fails).
    struct Held {
        SheetImage& sheet;
        explicit Held(SheetImage& s) : sheet(s) { sheet.HoldRefresh(true); }
        ~Held() { sheet.HoldRefresh(false); }
    };
    std::optional<Held> held(std::in_place, *sheet);
    auto refreshWhole = [&] {
        held.reset();
        sheet->Refresh();
    };
    // The drawing is listed first, nothing painted: a drawing that fails
    // leaves the sheet as it was.
    const bool listed = canvas->OpsValid();
    std::vector<Canvas::DrawnOp> before = canvas->TakeOps();
    canvas->KeepOps(true);
    const TDrawContext start = ScreenDC;
    try {
        canvas->RecordOnly();
        whole();
        canvas->PaintAll();
    } catch (...) {
        // The sheet shows the drawing before, unlisted.
        canvas->PaintAll();
        canvas->InvalidateOps();
        refreshWhole();
        throw;
    }
    const TDrawContext end = ScreenDC;
    if (!listed || !canvas->OpsValid()) {
        // No list of the drawing before (the first such redraw), or the
        // clearing did not cover the sheet: drawn whole (and listed from its
        // clearing on).
        canvas->InvalidateOps();
        ScreenDC = start;
        held.reset();
        return whole();
    }
    std::vector<Canvas::DrawnOp> after = canvas->TakeOps();
    std::vector<bool> selected;
    const QRect area = sheet->Bitmap().rect();
    const QRegion dirty = Changed(before, after, area.size(), selected) & QRegion(area);
    try {
        canvas->KeepOps(false);
        if (!dirty.isEmpty()) {
            // The background, then the drawing, kept to the changed tiles.
            canvas->SetBackgroundClip(dirty);
            ScreenDC.ClearImage(*sheet);
            ScreenDC.DrawGrid(*sheet);
            canvas->SetBackgroundClip(QRegion());
            ScreenDC = start;
            canvas->PaintSelected(std::move(selected), dirty);
            whole();
        }
    } catch (...) {
        canvas->SetBackgroundClip(QRegion());
        canvas->PaintAll();
        canvas->KeepOps(true);
        canvas->InvalidateOps();
        refreshWhole();
        throw;
    }
    canvas->PaintAll();
    canvas->KeepOps(true);
    canvas->SetOps(std::move(after));
    ScreenDC = end;
    held.reset();
    sheet->Refresh(dirty);
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
