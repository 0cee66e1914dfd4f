#include "kernel/PrintTiling.h"

#include <QImage>
#include <cmath>

#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/OrderInfo.h"
#include "kernel/SheetCaptions.h"
#include "platform/Canvas.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"

TPrintLayout PrintLayout;

const char* const kManyPagesQuestion =
    "Страниц в чертеже: %1. Обычно основе хватает нескольких десятков: возможно, в измерениях опечатка.\n\n"
    "Всё равно печатать? ";
const char* const kManyPagesCaption = "Печать";

float TilingMargin(int tilingMode) {
    switch (tilingMode) {
        case 1: return 1.0f;
        case 2: return 2.0f;
        case 4: return 4.0f;
        default: return 0.0f;
    }
}

namespace {

// Index of the last page of a span: floor(span / page), so a span of
// exactly two pages gets three.
int LastIndex(float span, float page, const char* what) {
    if (!(page > 0.0f)) Checked::Fail(what);
    const double last = std::floor(Checked::Div(span, page, what));
    if (!(last >= 0.0 && last < kMaxPrintPages)) Checked::Fail(what);
    return int(last);
}

// The pages of pattern a print job asks for: the tiling made just before
// the job counts for it, and every tiling inside it adds its pages.
struct JobPages {
    bool inJob = false;
    bool confirmed = false;
    int tiledAhead = 0;  // the last tiling outside a job
    int count = 0;       // the pages of the job so far
};

JobPages& Pages() {
    static JobPages pages;
    return pages;
}

void ConfirmPages(int count) {
    JobPages& p = Pages();
    if (count <= kAskAbovePages || p.confirmed) return;
    std::string text = kManyPagesQuestion;
    text.replace(text.find("%1"), 2, std::to_string(count));
    if (ShowMessage(text, kManyPagesCaption, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        throw PrintJobCancelled();
    p.confirmed = true;
}

}  // namespace

int TilePrintSheets(const float& minX, const float& maxX, const float& maxY, const float& minY) {
    TPrintLayout& l = PrintLayout;
    const float pageW = PrinterDC.PageWidthCm;
    const float pageH = PrinterDC.PageHeightCm;
    const float m = TilingMargin(CurrentOrder().TilingMode());

    l.SpanX = float(Checked::Finite(double(maxX) - minX + m, "print span x"));
    l.SpanY = float(Checked::Finite(double(maxY) - minY + m, "print span y"));
    l.LastColumn = LastIndex(l.SpanX, pageW, "print columns");
    l.LastRow = LastIndex(l.SpanY, pageH, "print rows");
    if (double(l.LastColumn + 1) * (l.LastRow + 1) > kMaxPrintPages) Checked::Fail("print pages");
    l.CoveredX = float((l.LastColumn + 1) * double(pageW));
    l.CoveredY = float((l.LastRow + 1) * double(pageH));
    l.PageCount = (l.LastColumn + 1) * (l.LastRow + 1);
    l.PagesDone = 0;
    // The box in the middle of the block across, 44 % of the spare height
    // above it and 56 % below.
    l.StartX = float((double(l.CoveredX) - l.SpanX + m) * 0.5 - minX);
    l.StartY = float((double(l.CoveredY) - l.SpanY + m) * 0.44 + maxY);
    JobPages& p = Pages();
    if (p.inJob) {
        p.count += l.PageCount;
        ConfirmPages(p.count);
    } else {
        p.tiledAhead = l.PageCount;
    }
    return l.PageCount;
}

void WalkPrintPages(const std::string& sheetLabel, const std::function<void(const PrintPage&)>& drawPieces) {
    TPrintLayout& l = PrintLayout;
    const float pageW = PrinterDC.PageWidthCm;
    const float pageH = PrinterDC.PageHeightCm;
    for (int r = 0; r <= l.LastRow; ++r) {
        l.CurrentX = l.StartX;
        for (int c = 0; c <= l.LastColumn; ++c) {
            PrinterDC.SetOrigin(l.CurrentX, l.StartY);
            ++l.PagesDone;
            PrinterDC.PrintableAreaFrame();
            const bool top = r == 0, bottom = r == l.LastRow;
            const bool left = c == 0, right = c == l.LastColumn;
            if (top && left) PrintSheetCaptions();
            if (top && right) PrintPageText(sheetLabel);
            drawPieces(PrintPage{r, c});
            if (bottom && left) PrintProgramFooter();
            if (bottom && right) PrintPageDateFooter();
            l.CurrentX -= pageW;
            if (l.PagesDone < l.PageCount) ThePrinter().NewPage();
        }
        l.StartY -= pageH;
    }
}

PrintedBox MeasurePrinted(const std::function<void()>& draw) {
    // A canvas that paints nothing, of the printer's resolution so that
    // the labels' text measures as it prints.
    const double dpmX =
        Checked::Div(PrinterDC.PrinterWidthDots * 1000.0, PrinterDC.PrinterWidthMmExact, "printer dpm x");
    const double dpmY =
        Checked::Div(PrinterDC.PrinterHeightDots * 1000.0, PrinterDC.PrinterHeightMmExact, "printer dpm y");
    QImage image(1, 1, QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpmX)));
    image.setDotsPerMeterY(int(std::lround(dpmY)));
    ImageCanvas canvas(std::move(image));
    canvas.RecordOnly();

    const TDrawContext kept = PrinterDC;
    if (kept.Canvas) {
        canvas.SetFontFamily(kept.Canvas->FontFamily());
        canvas.SetFontSize(kept.Canvas->FontSize());
    }
    TDrawContext::Extent drawn;
    try {
        PrinterDC.Canvas = &canvas;
        PrinterDC.SetOrigin(0.0f, 0.0f);
        PrinterDC.ResetDrawnExtent();
        draw();
        drawn = PrinterDC.DrawnExtent();
    } catch (...) {
        PrinterDC = kept;
        throw;
    }
    PrinterDC = kept;
    if (drawn.Empty()) return {};
    // Sheet cm from the origin (0, 0): x across, y down.
    return {float(drawn.left), float(drawn.right), float(-drawn.top), float(-drawn.bottom)};
}

void PrintSheet(const std::string& sheetLabel, const std::function<void(const PrintPage&)>& drawPieces) {
    const PrintedBox box = MeasurePrinted([&] { drawPieces(PrintPage{0, 0}); });
    TilePrintSheets(box.left, box.right, box.top, box.bottom);
    WalkPrintPages(sheetLabel, drawPieces);
}

void RunPrintJob(const std::function<void()>& body) {
    JobPages& p = Pages();
    p = JobPages{true, false, 0, p.tiledAhead};
    struct Done {
        ~Done() { Pages() = JobPages{}; }
    } done;
    ConfirmPages(p.count);

    Printer& printer = ThePrinter();
    printer.BeginDoc();
    try {
        PrinterDC.AttachPrinterCanvas();
        body();
        printer.EndDoc();
    } catch (...) {
        printer.Abort();
        throw;
    }
}
