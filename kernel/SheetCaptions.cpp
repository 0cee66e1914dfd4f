#include "kernel/SheetCaptions.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "kernel/DrawContext.h"
#include "kernel/OrderInfo.h"
#include "kernel/Units.h"
#include "platform/Canvas.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"

const char* const kMeasurementsMissingText = "Введите необходимые измерения.  ";
const char* const kMeasurementsMissingCaption = "Не все измерения";
const char* const kNothingToPrintText = "Рассчитайте основу для печати.  ";
const char* const kNothingToPrintCaption = "Нет результата для печати";
const char* const kCommentTitle = "Комментарий к заказу";
const char* const kPrintCaptionLine = "Лекала построены по измерениям заказчика";
const char* const kPrintEdgeLine = "Перед раскроем сверьте размеры лекал с измерениями";

namespace {

// Comment lines shown: indexes 0 .. min(count, 27), so at most 28.
constexpr int kMaxCommentIndex = 27;

// Font sizes of the printed furniture.
constexpr int kPrintFontSize = 10;
constexpr int kPrintCaptionFontSize = 4;
constexpr int kPrintEdgeFontSize = 6;

Canvas& CanvasOf(const TDrawContext& dc) {
    if (!dc.Canvas) throw std::logic_error("The drawing context has no canvas");
    return *dc.Canvas;
}

// Keeps the printer canvas font size for the length of a routine and puts
// it back at the end, however the routine ends.
class PrinterFontSizeKeeper {
public:
    PrinterFontSizeKeeper() : canvas_(CanvasOf(PrinterDC)), size_(canvas_.FontSize()) {}
    ~PrinterFontSizeKeeper() { canvas_.SetFontSize(size_); }
    PrinterFontSizeKeeper(const PrinterFontSizeKeeper&) = delete;
    PrinterFontSizeKeeper& operator=(const PrinterFontSizeKeeper&) = delete;

private:
    Canvas& canvas_;
    int size_;
};

// The start of most printed routines: offset (0, 0), font size 10.
void BeginPrintedFurniture() {
    PrinterDC.SetIntOffset(0, 0);
    CanvasOf(PrinterDC).SetFontSize(kPrintFontSize);
}

void CommentBlock(TDrawContext& dc, int titleX) {
    const std::vector<std::string> lines = CurrentOrder().CommentLines();
    const int n = std::min(int(lines.size()), kMaxCommentIndex);
    dc.TextAt(titleX, 0, kCommentTitle);
    for (int i = 0; i <= n; ++i)
        if (i < int(lines.size())) dc.TextAt(0, 26 + 16 * i, lines[size_t(i)]);
}

// The printed header, with the print scale line under it when asked.
void PrintHeader(bool withScale) {
    PrinterFontSizeKeeper keep;
    BeginPrintedFurniture();
    PrinterDC.TextAt(24, 6, SheetHeaderText());
    if (withScale) PrinterDC.TextAt(24, 24, "M 1:" + std::to_string(CurrentOrder().TilingMode()));
}

}  // namespace

std::string SheetHeaderText() {
    const OrderInfoSource& order = CurrentOrder();
    return "Основа: " + order.ModelTypeText() + " " + order.CustomerText();
}

void ShowMeasurementsMissing() {
    ShowMessage(kMeasurementsMissingText, kMeasurementsMissingCaption, MsgExclamation, MsgButtons::Ok);
}

void ShowNothingToPrint() {
    ShowMessage(kNothingToPrintText, kNothingToPrintCaption, MsgExclamation, MsgButtons::Ok);
}

void DrawSheetCaptions(const std::string& label) {
    // All three sheets have the size of the current scale.
    const int w = ScreenDC.SheetWidthPx;
    const int h = ScreenDC.SheetHeightPx;
    ScreenDC.TextAt(24, 6, SheetHeaderText());
    ScreenDC.TextAt(w - 80, 6, label);
    ScreenDC.TextAt(24, h - 24, FooterText);
    ScreenDC.TextAt(w - 80, h - 24, ShortDateText());
}

void DrawCommentBlock() { CommentBlock(ScreenDC, 112); }

void PrintPageHeader() { PrintHeader(false); }

void PrintSheetCaptions() { PrintHeader(true); }

void PrintPageText(const std::string& label) {
    PrinterFontSizeKeeper keep;
    BeginPrintedFurniture();
    PrinterDC.TextAt(PrinterDC.PageWidthUnits() - 88, 6, label);
}

void PrintProgramFooter() {
    PrinterFontSizeKeeper keep;
    PrinterDC.SetIntOffset(0, 0);
    Canvas& canvas = CanvasOf(PrinterDC);
    const int h = PrinterDC.PageHeightUnits();
    canvas.SetFontSize(kPrintCaptionFontSize);
    PrinterDC.TextAt(24, h - 33, kPrintCaptionLine);
    canvas.SetFontSize(kPrintFontSize);
    PrinterDC.TextAt(24, h - 24, FooterText);
}

void PrintPageDateFooter() {
    PrinterFontSizeKeeper keep;
    BeginPrintedFurniture();
    const int w = PrinterDC.PageWidthUnits();
    const int h = PrinterDC.PageHeightUnits();
    PrinterDC.TextAt(w - 88, h - 24, ShortDateText());
    // The edge line runs upwards, its glyphs to the right of x.
    Canvas& canvas = CanvasOf(PrinterDC);
    canvas.SetFontSize(kPrintEdgeFontSize);
    canvas.TextOutUp(PrinterDC.TablePixelX(w - 18), PrinterDC.TablePixelY(h - 100), kPrintEdgeLine);
}

void PrintCommentBlock() {
    PrinterFontSizeKeeper keep;
    CanvasOf(PrinterDC).SetFontSize(kPrintFontSize);
    CommentBlock(PrinterDC, 130);
}
