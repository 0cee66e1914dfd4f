// The drawing window: the three drawing sheets stacked in a scroll area at a
// screen scale of 1:1 to 1:4, panned by dragging with the left button; the
// handles of a collar (sheet 1), of a raglan sleeve (sheet 1) and of a
// sleeve piece (sheet 2) are dragged here too, each step recalculating the
// part and redrawing its sheet.  A small tool bar reaches the main window's
// commands, the scale list is kept in step with the main window's, and the
// two print commands live here as well.
//
// The screen drawing context sizes, stacks and rescales the sheets through
// the SheetWindow interface this window implements.
#pragma once

#include <QMainWindow>
#include <Qt>
#include <functional>

#include "kernel/DrawContext.h"
#include "platform/SheetImage.h"

class QAction;
class QComboBox;
class QScrollArea;
class QToolBar;
class QWidget;
class TModel;

// Minimum size of the drawing window.
constexpr int kReportMinWidth = 360;
constexpr int kReportMinHeight = 260;
// Background colour of the scroll area (RGB 225, 225, 225).
constexpr int kReportBackground = 14803425;

// Message shown when no sheet bitmaps can be allocated at any scale.
extern const char* const kNoSheetMemoryText;
extern const char* const kNoSheetMemoryCaption;
// Messages of a failed drag.
extern const char* const kCollarDragFailedText;
extern const char* const kCollarDragFailedCaption;
extern const char* const kSleeveDragFailedText;
extern const char* const kSleeveDragFailedCaption;

class TReporForm : public QMainWindow, public SheetWindow {
    Q_OBJECT

public:
    // Sets ReporForm to this window (cleared by the destructor).  Made after
    // the main window, whose new/open/save commands go on its tool bar.
    explicit TReporForm(QWidget* parent = nullptr);
    ~TReporForm() override;

    // ---- Creation. ----
    // Bounds and window state from the settings record (when it exists).
    void FormCreate();
    // Points the screen drawing context at this window and allocates the
    // sheets at 1:1, else 1:2, 1:3, 1:4.  When every attempt fails, shows
    // the "Не возможно выделить память" message and answers false (the
    // program then ends).
    bool AllocateSheets();

    // ---- Window parts. ----
    QWidget* ControlBar1 = nullptr;  // the tool bar strip, 31 px high
    QToolBar* ToolBar1 = nullptr;    // new, open, save | clear, to the main window
    QComboBox* MasAtReport = nullptr;  // " M 1:4" .. " M 1:1"; item i is scale 1:(4 - i)
    QToolBar* ToolBar2 = nullptr;    // print set-up | print
    QScrollArea* ScrollBox1 = nullptr;
    // The widget that shows sheet n (1..3) inside ScrollBox1; nullptr outside.
    QWidget* SheetView(int n) const;

    // ---- Actions. ----
    QAction* ReturnToMain = nullptr;  // Ctrl+F
    QAction* ClearMod = nullptr;
    QAction* ToPrint = nullptr;  // Ctrl+P
    QAction* PrintSetUp = nullptr;
    QAction* Help = nullptr;  // F1

    // Enables or disables the two print commands (off while printing).
    void SetPrintButtonsEnabled(bool enabled);
    // Lets the main window's command shortcuts act while this window is
    // active (this window's own shortcuts take precedence).  Run at
    // construction and whenever the window is shown; harmless to repeat.
    void ShareMainShortcuts();

    // ---- Handlers. ----
    void ReturnToMainExecute();
    void ClearModExecute();
    void ToPrintExecute();
    void PrintSetUpExecute();
    void HelpExecute();
    void MasAtReportChange(int index);
    // Mouse on sheet n (1..3) at (x, y) in the sheet's pixels; buttons is
    // the state of all buttons during a move.  A press asks the collar and
    // the sleeve for a handle drawn on that sheet.  Every handler takes any
    // position: one beyond the reach of the sheets counts as at that reach.
    void ListMouseDown(int sheet, Qt::MouseButton button, int x, int y);
    void ListMouseMove(int sheet, Qt::MouseButtons buttons, int x, int y);
    void ListMouseUp(int sheet, Qt::MouseButton button, int x, int y);
    // Mouse on the scroll area's background, (x, y) in the coordinates of
    // its visible part (they do not move when scrolling).
    void ScrollBox1MouseDown(Qt::MouseButton button, int x, int y);
    void ScrollBox1MouseMove(Qt::MouseButtons buttons, int x, int y);
    void ScrollBox1MouseUp(Qt::MouseButton button, int x, int y);

    // ---- SheetWindow. ----
    SheetImage* List1() override { return &sheets_[0]; }
    SheetImage* List2() override { return &sheets_[1]; }
    SheetImage* List3() override { return &sheets_[2]; }
    void SetMaxSize(int width, int height) override;
    bool IsMaximized() const override;
    int WindowWidth() const override;
    int WindowHeight() const override;
    int WindowLeft() const override;
    int WindowTop() const override;
    // The four setters leave a maximized window as the window system keeps it.
    void SetWindowWidth(int width) override;
    void SetWindowHeight(int height) override;
    void SetWindowLeft(int left) override;
    void SetWindowTop(int top) override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    int ScrollClientWidth() const override;
    int ScrollClientHeight() const override;
    int HorzScrollPos() const override;
    int VertScrollPos() const override;
    void SetHorzScrollPos(int pos) override;
    void SetVertScrollPos(int pos) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildActions();
    void BuildToolBars();
    void BuildScrollBox();
    // Sheet k (0..2) changed: its widget follows it, the scroll range too;
    // with `pixels`, only those pixels of its drawing changed.
    void SheetChanged(int k, const QRegion* pixels);
    void UpdateContainer();
    // Pans by the pointer's travel since the press.
    void PanSheet(int x, int y);
    // The closed hand while a button is down, the default otherwise.
    void SetPressCursor();
    void RestoreCursor();
    // A release of any button: both drag flags cleared, cursor restored.
    void EndPress();
    // Runs a mouse handler so that nothing escapes it (shown as an error);
    // a failure also ends the press and any drag.
    void RunMouseHandler(const std::function<void()>& handler);
    // Ends a drag that failed: sheets cleared, not calculated, both flags
    // cleared (so further moves raise no more messages), then the message.
    void DragFailed(const char* text, const char* caption);
    // One move of a drag on sheet n: the axes of that sheet, the part's
    // Drag, then guarded its Calculate and the garment's redraw.
    template <class Part>
    void DragStep(Part& part, void (TModel::*redraw)(), int sheet, int x, int y, const char* text,
                  const char* caption);

    SheetImage sheets_[3];
    QWidget* views_[3] = {nullptr, nullptr, nullptr};
    QWidget* container_ = nullptr;
    int pressX_ = 0;
    int pressY_ = 0;
    int pressHorz_ = 0;
    int pressVert_ = 0;
    bool pressCursor_ = false;
    bool scaleChanging_ = false;
};

extern TReporForm* ReporForm;
