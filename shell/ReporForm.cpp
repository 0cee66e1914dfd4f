#include "shell/ReporForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "kernel/Models.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "shell/MainForm.h"
#include "shell/Settings.h"

TReporForm* ReporForm = nullptr;

const char* const kNoSheetMemoryText =
    "Память сильно фрагментирована.\n"
    "Система не может выделить блок памяти \n"
    "необходимый для отображения чертежа. \n"
    "Перезагрузите систему.";
const char* const kNoSheetMemoryCaption = "Не возможно выделить память";
const char* const kCollarDragFailedText = "Не допустимое положение воротника. ";
const char* const kCollarDragFailedCaption = "Сбой при расчёте воротника";
const char* const kSleeveDragFailedText = "Ширина рукава больше допустимой. ";
const char* const kSleeveDragFailedCaption = "Сбой при расчёте оката";

namespace {

// The pointer over the sheets: the open hand at rest, the closed hand while
// a button is held.
constexpr Qt::CursorShape kOpenHand = Qt::OpenHandCursor;
constexpr Qt::CursorShape kCloseHand = Qt::ClosedHandCursor;

// Pointer positions are taken no farther than this many pixels from a
// sheet's or the background's corner: farther than any sheet reaches at any
// scale, and near enough that the pixel arithmetic of a press, a drag and
// panning cannot overflow.
constexpr int kPointerReach = 1 << 24;

int PointerPixel(int v) { return std::clamp(v, -kPointerReach, kPointerReach); }

// A window system's pointer coordinate as a pixel; no number at all is 0.
int PointerPixel(double v) {
    if (std::isnan(v)) return 0;
    return int(std::lround(std::clamp(v, double(-kPointerReach), double(kPointerReach))));
}

QPoint PointerPixel(const QPointF& p) { return QPoint(PointerPixel(p.x()), PointerPixel(p.y())); }

// Points the screen drawing context at the axes the garment drew the pieces
// of sheet n in: sheet 1's are kept as the collar's origin, sheet 2's as the
// sleeve's.  Sheet 3 holds no handle; false.
bool RestoreSheetOrigin(int sheet) {
    if (sheet == 1)
        ScreenDC.RestoreCollarOrigin();
    else if (sheet == 2)
        ScreenDC.RestoreSleeveOrigin();
    else
        return false;
    return true;
}

constexpr int kControlBarHeight = 31;
constexpr int kToolButtonSize = 28;
// The scale list: item i is the scale 1:(4 - i).
constexpr const char* kScaleItems[4] = {" M 1:4", " M 1:3", " M 1:2", " M 1:1"};

// Shows one sheet: the top-left Width x Height part of its bitmap, painted
// straight from the sheet's bitmap; mouse events go to the window's sheet
// handlers in the sheet's own pixels.
class SheetViewWidget : public QWidget {
public:
    SheetViewWidget(TReporForm* form, int sheet, SheetImage* image, QWidget* parent)
        : QWidget(parent), form_(form), sheet_(sheet), image_(image) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setObjectName(QString("List%1").arg(sheet));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QImage& bitmap = image_->Bitmap();
        for (const QRect& asked : event->region()) {
            const QRect area = asked & QRect(0, 0, image_->Width(), image_->Height());
            if (bitmap.isNull()) {
                painter.fillRect(area, Qt::white);
                continue;
            }
            const QRect inBitmap = area & bitmap.rect();
            if (!inBitmap.isEmpty()) painter.drawImage(inBitmap.topLeft(), bitmap, inBitmap);
            // A sheet larger than its bitmap (never after AllocateSheets) shows white beyond it.
            const QRegion rest = QRegion(area) - QRegion(inBitmap);
            for (const QRect& r : rest) painter.fillRect(r, Qt::white);
        }
    }
    void mousePressEvent(QMouseEvent* e) override {
        const QPoint p = PointerPixel(e->position());
        form_->ListMouseDown(sheet_, e->button(), p.x(), p.y());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const QPoint p = PointerPixel(e->position());
        form_->ListMouseMove(sheet_, e->buttons(), p.x(), p.y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        const QPoint p = PointerPixel(e->position());
        form_->ListMouseUp(sheet_, e->button(), p.x(), p.y());
    }

private:
    TReporForm* form_;
    int sheet_;
    SheetImage* image_;
};

}  // namespace

// ---------------------------------------------------------------------------
// Construction

TReporForm::TReporForm(QWidget* parent) : QMainWindow(parent) {
    ReporForm = this;
    setWindowTitle("Основа");
    setObjectName("ReporForm");
    setMinimumSize(kReportMinWidth, kReportMinHeight);
    // Closing only hides the window; the program ends with the main window.
    setAttribute(Qt::WA_QuitOnClose, false);

    BuildActions();
    BuildScrollBox();
    BuildToolBars();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ControlBar1);
    layout->addWidget(ScrollBox1, 1);
    setCentralWidget(central);

    MasAtReport->setCurrentIndex(0);
    ShareMainShortcuts();
}

TReporForm::~TReporForm() {
    RestoreCursor();
    for (SheetImage& sheet : sheets_) sheet.SetOnChange(nullptr);
    if (ScreenDC.Window == this) ScreenDC.SetSheetWindow(nullptr);
    if (ReporForm == this) ReporForm = nullptr;
}

void TReporForm::BuildActions() {
    auto make = [this](const char* name, const QString& text, const QString& hint, const QKeySequence& key,
                       void (TReporForm::*handler)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        action->setToolTip(hint);
        action->setStatusTip(hint);
        if (!key.isEmpty()) action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);  // the shortcut acts anywhere in this window
        return action;
    };
    ReturnToMain = make("ReturnToMain", "Переключить", "Переключить (Ctrl+F)", QKeySequence("Ctrl+F"),
                        &TReporForm::ReturnToMainExecute);
    ClearMod = make("ClearMod", "Очистить", "Очистить", QKeySequence(), &TReporForm::ClearModExecute);
    ToPrint = make("ToPrint", "Печать", "Печать чертежа и таблиц основы (Ctrl+P)", QKeySequence("Ctrl+P"),
                   &TReporForm::ToPrintExecute);
    PrintSetUp =
        make("PrintSetUp", "Настройка печати", "Настройка печати", QKeySequence(), &TReporForm::PrintSetUpExecute);
    Help = make("Help", "Описание", "Описание (F1)", QKeySequence(Qt::Key_F1), &TReporForm::HelpExecute);
    ClearMod->setIcon(MainToolIcon(3));
    ReturnToMain->setIcon(MainToolIcon(4));
    ToPrint->setIcon(MainToolIcon(5));
    PrintSetUp->setIcon(MainToolIcon(6));
}

void TReporForm::BuildToolBars() {
    ControlBar1 = new QWidget(this);
    ControlBar1->setObjectName("ControlBar1");
    ControlBar1->setFixedHeight(kControlBarHeight);
    auto* bar = new QHBoxLayout(ControlBar1);
    bar->setContentsMargins(2, 0, 2, 0);
    bar->setSpacing(6);

    auto makeBar = [this](const char* name) {
        auto* toolBar = new QToolBar(ControlBar1);
        toolBar->setObjectName(name);
        toolBar->setMovable(false);
        toolBar->setFloatable(false);
        toolBar->setIconSize(QSize(kToolButtonSize - 6, kToolButtonSize - 6));
        toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        toolBar->setFixedHeight(kToolButtonSize + 2);
        return toolBar;
    };
    ToolBar1 = makeBar("ToolBar1");
    if (MainForm) {
        for (QAction* action : {MainForm->NewProject, MainForm->Open, MainForm->SaveModel})
            if (action) ToolBar1->addAction(action);
        ToolBar1->addSeparator();
    }
    ToolBar1->addAction(ClearMod);
    ToolBar1->addAction(ReturnToMain);

    MasAtReport = new QComboBox(ControlBar1);
    MasAtReport->setObjectName("MasAtReport");
    for (const char* item : kScaleItems) MasAtReport->addItem(QString::fromUtf8(item));
    MasAtReport->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    MasAtReport->setToolTip("Масштаб");
    connect(MasAtReport, qOverload<int>(&QComboBox::activated), this, &TReporForm::MasAtReportChange);

    ToolBar2 = makeBar("ToolBar2");
    ToolBar2->addAction(PrintSetUp);
    ToolBar2->addSeparator();
    ToolBar2->addAction(ToPrint);

    bar->addWidget(ToolBar1);
    bar->addWidget(MasAtReport);
    bar->addWidget(ToolBar2);
    bar->addStretch(1);
}

void TReporForm::BuildScrollBox() {
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setMinimumSize(100, 200);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    QPalette palette = ScrollBox1->palette();
    palette.setColor(QPalette::Window, WinColorToQColor(kReportBackground));
    palette.setColor(QPalette::Base, WinColorToQColor(kReportBackground));
    QWidget* viewport = ScrollBox1->viewport();
    viewport->setPalette(palette);
    viewport->setAutoFillBackground(true);
    viewport->setCursor(kOpenHand);
    viewport->installEventFilter(this);

    container_ = new QWidget;
    container_->setObjectName("ScrollBox1Contents");
    container_->setPalette(palette);
    container_->setAutoFillBackground(true);
    container_->setCursor(kOpenHand);
    container_->installEventFilter(this);
    container_->resize(0, 0);
    ScrollBox1->setWidget(container_);

    for (int k = 0; k < 3; ++k) {
        views_[k] = new SheetViewWidget(this, k + 1, &sheets_[k], container_);
        sheets_[k].SetVisible(false);  // shown by the garment's sheet operations
        views_[k]->hide();
        sheets_[k].SetOnChange([this, k](const QRegion* pixels) { SheetChanged(k, pixels); });
    }
}

QWidget* TReporForm::SheetView(int n) const { return n >= 1 && n <= 3 ? views_[n - 1] : nullptr; }

void TReporForm::ShareMainShortcuts() {
    if (!MainForm) return;
    // This window's own shortcuts win: a main-window command with the same
    // key would make the key ambiguous, so it is left to the main window.
    std::vector<QKeySequence> own;
    for (QAction* action : actions())
        if (action->parent() == this && !action->shortcut().isEmpty()) own.push_back(action->shortcut());
    TMainForm& m = *MainForm;
    for (QAction* action : {m.CloseProg, m.NewProject, m.Open, m.SaveModel, m.PrintSetUp, m.ToPrint, m.ClearModel,
                            m.ReOn, m.Mashtab14, m.Mashtab13, m.Mashtab12, m.Mashtab11, m.Calc, m.OpenHelpFile,
                            m.PAbout, m.Answers, m.Modelling, m.QuestionMe}) {
        if (!action || action->shortcut().isEmpty()) continue;
        if (std::find(own.begin(), own.end(), action->shortcut()) != own.end()) continue;
        if (!actions().contains(action)) addAction(action);
    }
}

// ---------------------------------------------------------------------------
// Creation

void TReporForm::FormCreate() {
    if (Settings && Settings->Record) {
        const TSettingsRecord& r = *Settings->Record;
        move(r.ReportLeft, r.ReportTop);
        resize(r.ReportWidth, r.ReportHeight);
        switch (r.ReportState) {
            case 0:
            case 2:
                setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
                break;
            case 1:
                setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
                break;
            default:
                break;
        }
    }
}

bool TReporForm::AllocateSheets() {
    ScreenDC.SetSheetWindow(this);
    for (int n = 1; n <= 4; ++n) {
        try {
            ScreenDC.AllocateSheets(n);
            return true;
        } catch (...) {
            // A coarser scale needs smaller bitmaps: try the next one.
        }
    }
    ShowMessage(kNoSheetMemoryText, kNoSheetMemoryCaption, MsgIcon::Error);
    return false;
}

// ---------------------------------------------------------------------------
// Sheets and scrolling

void TReporForm::SheetChanged(int k, const QRegion* pixels) {
    QWidget* view = views_[k];
    if (pixels) {
        // Only the drawing changed, where it says.
        view->update(*pixels);
        return;
    }
    SheetImage& sheet = sheets_[k];
    view->setGeometry(sheet.Left(), sheet.Top(), sheet.Width(), sheet.Height());
    view->setVisible(sheet.Visible());
    view->update();
    UpdateContainer();
}

void TReporForm::UpdateContainer() {
    int width = 0;
    int height = 0;
    for (const SheetImage& sheet : sheets_) {
        if (!sheet.Visible()) continue;
        width = std::max(width, sheet.Left() + sheet.Width());
        height = std::max(height, sheet.Top() + sheet.Height());
    }
    if (container_->size() != QSize(width, height)) container_->resize(width, height);
    // The scroll area updates its bars on the contents' resize event, which
    // a hidden window only gets when shown; the ranges must be right now,
    // before a scale change sets the positions.
    const QSize view = ScrollBox1->viewport()->size();
    QScrollBar* horz = ScrollBox1->horizontalScrollBar();
    QScrollBar* vert = ScrollBox1->verticalScrollBar();
    horz->setRange(0, std::max(0, width - view.width()));
    horz->setPageStep(view.width());
    vert->setRange(0, std::max(0, height - view.height()));
    vert->setPageStep(view.height());
}

void TReporForm::SetMaxSize(int width, int height) {
    setMaximumSize(std::max(width, minimumWidth()), std::max(height, minimumHeight()));
}

bool TReporForm::IsMaximized() const { return isMaximized(); }
int TReporForm::WindowWidth() const { return width(); }
int TReporForm::WindowHeight() const { return height(); }
int TReporForm::WindowLeft() const { return x(); }
int TReporForm::WindowTop() const { return y(); }

// A maximized window's place and size are the window system's, within the
// maximum size: moving or resizing it here would end the maximized state,
// and the next start would bring the window back normal.
void TReporForm::SetWindowWidth(int width) {
    if (!isMaximized()) resize(std::clamp(width, minimumWidth(), maximumWidth()), height());
}

void TReporForm::SetWindowHeight(int height) {
    if (!isMaximized()) resize(width(), std::clamp(height, minimumHeight(), maximumHeight()));
}

void TReporForm::SetWindowLeft(int left) {
    if (!isMaximized()) move(left, y());
}

void TReporForm::SetWindowTop(int top) {
    if (!isMaximized()) move(x(), top);
}

int TReporForm::ScreenWidth() const { return ::ScreenWidth(); }
int TReporForm::ScreenHeight() const { return ::ScreenHeight(); }
int TReporForm::ScrollClientWidth() const { return ScrollBox1->viewport()->width(); }
int TReporForm::ScrollClientHeight() const { return ScrollBox1->viewport()->height(); }
int TReporForm::HorzScrollPos() const { return ScrollBox1->horizontalScrollBar()->value(); }
int TReporForm::VertScrollPos() const { return ScrollBox1->verticalScrollBar()->value(); }
void TReporForm::SetHorzScrollPos(int pos) { ScrollBox1->horizontalScrollBar()->setValue(pos); }
void TReporForm::SetVertScrollPos(int pos) { ScrollBox1->verticalScrollBar()->setValue(pos); }

// ---------------------------------------------------------------------------
// Mouse

void TReporForm::SetPressCursor() {
    if (pressCursor_) {
        QApplication::changeOverrideCursor(QCursor(kCloseHand));
    } else {
        QApplication::setOverrideCursor(QCursor(kCloseHand));
        pressCursor_ = true;
    }
}

void TReporForm::RestoreCursor() {
    if (!pressCursor_) return;
    QApplication::restoreOverrideCursor();
    pressCursor_ = false;
}

void TReporForm::PanSheet(int x, int y) {
    SetHorzScrollPos(HorzScrollPos() + (pressX_ - x));
    SetVertScrollPos(VertScrollPos() + (pressY_ - y));
}

void TReporForm::DragFailed(const char* text, const char* caption) {
    EndPress();
    if (TModel* model = MainForm->Model) {
        model->ClearSheets();
        model->calculated = false;
    }
    ShowMessage(text, caption, MsgIcon::Error);
}

void TReporForm::EndPress() {
    if (MainForm) {
        MainForm->DraggingCollar = false;
        MainForm->DraggingSleeve = false;
    }
    RestoreCursor();
}

void TReporForm::RunMouseHandler(const std::function<void()>& handler) {
    RunGuarded([&] {
        try {
            handler();
        } catch (...) {
            EndPress();  // the next move must not fail again
            throw;
        }
    });
}

void TReporForm::ListMouseDown(int sheet, Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton) return;
    x = PointerPixel(x);
    y = PointerPixel(y);
    RunMouseHandler([&] {
        pressX_ = x;
        pressY_ = y;
        SetPressCursor();
        if (!MainForm || !MainForm->Model || !RestoreSheetOrigin(sheet)) return;
        TMainForm& m = *MainForm;
        // Each part grabs only a handle it has drawn on the pressed sheet.
        const float cx = ScreenDC.PixelToCmX(x);
        const float cy = ScreenDC.PixelToCmY(y);
        if (m.Collar) m.DraggingCollar = m.Collar->HitTest(sheet, cx, cy);
        if (m.Sleeve) m.DraggingSleeve = m.Sleeve->HitTest(sheet, cx, cy);
    });
}

template <class Part>
void TReporForm::DragStep(Part& part, void (TModel::*redraw)(), int sheet, int x, int y, const char* text,
                          const char* caption) {
    RestoreSheetOrigin(sheet);
    part.Drag(ScreenDC.PixelToCmX(x), ScreenDC.PixelToCmY(y));  // must not throw: outside the guard
    try {
        part.Calculate();
        (MainForm->Model->*redraw)();
    } catch (...) {
        DragFailed(text, caption);
    }
}

void TReporForm::ListMouseMove(int sheet, Qt::MouseButtons buttons, int x, int y) {
    if (!(buttons & Qt::LeftButton)) return;
    x = PointerPixel(x);
    y = PointerPixel(y);
    RunMouseHandler([&] {
        TMainForm* m = MainForm;
        const bool collar = m && m->DraggingCollar && m->Model && m->Collar;
        const bool sleeve = m && m->DraggingSleeve && m->Model && m->Sleeve;
        if (!(collar || sleeve) || sheet < 1 || sheet > 2) {
            PanSheet(x, y);
            return;
        }
        // The handles were grabbed on this sheet, in its axes.
        if (collar)
            DragStep(*m->Collar, &TModel::RedrawCollar, sheet, x, y, kCollarDragFailedText, kCollarDragFailedCaption);
        // Read afresh: a failed collar drag has ended the sleeve's too.
        if (m->DraggingSleeve && m->Sleeve && m->Model)
            DragStep(*m->Sleeve, &TModel::RedrawSleeve, sheet, x, y, kSleeveDragFailedText, kSleeveDragFailedCaption);
        // The redraws refresh what they changed, on whichever sheets.
    });
}

void TReporForm::ListMouseUp(int sheet, Qt::MouseButton button, int x, int y) { EndPress(); }

void TReporForm::ScrollBox1MouseDown(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton) return;
    pressX_ = PointerPixel(x);
    pressY_ = PointerPixel(y);
    pressHorz_ = HorzScrollPos();
    pressVert_ = VertScrollPos();
    SetPressCursor();
}

void TReporForm::ScrollBox1MouseMove(Qt::MouseButtons buttons, int x, int y) {
    if (!(buttons & Qt::LeftButton)) return;
    SetHorzScrollPos(pressHorz_ + (pressX_ - PointerPixel(x)));
    SetVertScrollPos(pressVert_ + (pressY_ - PointerPixel(y)));
}

void TReporForm::ScrollBox1MouseUp(Qt::MouseButton button, int x, int y) { EndPress(); }

bool TReporForm::eventFilter(QObject* watched, QEvent* event) {
    // The background: the contents widget between and beside the sheets and
    // the viewport beyond it, in the viewport's coordinates (fixed while
    // scrolling).
    if (watched == container_ || watched == ScrollBox1->viewport()) {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
            auto* e = static_cast<QMouseEvent*>(event);
            QPointF p = e->position();
            if (watched == container_) p = container_->mapTo(ScrollBox1->viewport(), p);
            const QPoint at = PointerPixel(p);
            if (type == QEvent::MouseButtonPress)
                ScrollBox1MouseDown(e->button(), at.x(), at.y());
            else if (type == QEvent::MouseMove)
                ScrollBox1MouseMove(e->buttons(), at.x(), at.y());
            else
                ScrollBox1MouseUp(e->button(), at.x(), at.y());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Commands

void TReporForm::ReturnToMainExecute() {
    if (!MainForm) return;
    if (MainForm->isMinimized()) MainForm->showNormal();
    MainForm->show();
    MainForm->raise();
    MainForm->activateWindow();
}

void TReporForm::ClearModExecute() {
    if (MainForm) RunGuarded([] { MainForm->ClearModelExecute(); });
}

// The print command is the main window's: without a garment nothing; then
// the printer check and the print routine.
void TReporForm::ToPrintExecute() {
    if (MainForm) RunGuarded([] { MainForm->ToPrintExecute(); });
}

void TReporForm::PrintSetUpExecute() {
    if (MainForm) RunGuarded([] { MainForm->PrintSetUpExecute(); });
}

void TReporForm::HelpExecute() {
    if (MainForm) RunGuarded([] { MainForm->OpenHelpFileExecute(); });
}

void TReporForm::SetPrintButtonsEnabled(bool enabled) {
    ToPrint->setEnabled(enabled);
    PrintSetUp->setEnabled(enabled);
}

void TReporForm::MasAtReportChange(int index) {
    if (scaleChanging_ || index < 0 || index > 3) return;
    QScopedValueRollback<bool> guard(scaleChanging_, true);
    RunGuarded([&] {
        ScreenDC.SetScale(4 - index);
        // A scale finer than the sheets allow falls back: show the one in use.
        const int n = ScreenDC.Scale;
        {
            const QSignalBlocker block(MasAtReport);
            MasAtReport->setCurrentIndex(4 - n);
        }
        if (!MainForm) return;
        if (QComboBox* mainList = MainForm->MasAtMain) {
            const QSignalBlocker block(mainList);
            mainList->setCurrentIndex(4 - n);
        }
        for (int k = 1; k <= 4; ++k) {
            if (QAction* item = MainForm->ScaleMenuItem(k)) {
                const QSignalBlocker block(item);
                item->setChecked(k == n);
            }
        }
        if (TModel* model = MainForm->Model) {
            model->ClearSheets();
            model->Draw();
            model->DrawTables(n);
        }
    });
}

// ---------------------------------------------------------------------------
// Window

void TReporForm::closeEvent(QCloseEvent* event) {
    RestoreCursor();
    event->accept();  // hidden, not destroyed
}

void TReporForm::showEvent(QShowEvent* event) {
    ShareMainShortcuts();
    QMainWindow::showEvent(event);
}
