// The main window: owner of the current garment, collar and sleeve, the
// measurement column every garment lays out its input rows in, the order
// texts, and the program's main commands (the calculation road, clearing,
// the screen scale, printing, help and shutdown).
//
// Garments, collars, sleeves and the drawing window reach everything here
// through the global MainForm.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QString>
#include <array>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "kernel/OrderInfo.h"
#include "platform/SheetImage.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QTextEdit;
class QTimer;
class QToolBar;
class QToolButton;
class TCollar;
class TModel;
class TSleeve;

// Number of rows of the measurement column.
constexpr int kMeasureRows = 27;

// The images of the window's commands, shared with the drawing window's tool
// bar: 0 new base, 1 open, 2 save, 3 clear, 4 switch windows, 5 print,
// 6 print set-up, 7 calculate.
QIcon MainToolIcon(int index);

// The printer settings the program keeps across runs: the print quality in
// the printer driver's numbering (-4 high, -3 medium, -2 low, -1 draft) and
// the orientation.  Applied to ThePrinter() and read back from it.
struct TDevMode {
    int PrintQuality = -4;
    int Copies = 1;
    bool Portrait = true;
};

// The order texts are offered to the sheets and the printed pages through
// OrderInfoSource; its ModelIndex() is answered by OrderModelIndex() because
// the main window's own ModelIndex is a data member.
class MainOrderInfo : public OrderInfoSource {
public:
    int ModelIndex() const final { return OrderModelIndex(); }

protected:
    virtual int OrderModelIndex() const = 0;
};

class TMainForm : public QMainWindow, public MainOrderInfo {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- The pieces and the choices the pieces read. ----
    TModel* Model = nullptr;    // the current garment, owned
    TCollar* Collar = nullptr;  // the current collar, owned
    TSleeve* Sleeve = nullptr;  // the current sleeve, owned
    int Neckline = 0;           // 0 closed, 1 open
    int ModelIndex = -2;        // garment type 0..36; -2 before the first choice
    int CollarKind = -2;        // 1..8; 0 none; -1 lower-body garment; -2 at start
    int SleeveKind = -2;        // 1..16; 0 none; -1, -2 as for the collar
    int PrevSleeveKind = 0;     // the sleeve kind before the last factory call
    int FileVersion = 0;        // format version of the last opened order file
    bool DraggingCollar = false;
    bool DraggingSleeve = false;
    bool AboutOpen = false;
    int OrderNumber = 0;
    bool PrintSetUpOpen = false;
    bool FillSamples = false;
    std::string HelpFile;              // the program's help page
    char DecimalSeparator = '.';       // the user's decimal separator
    std::string DecimalSeparatorText;  // the same as a one-character string
    TDevMode DevMode;                  // the printer settings in force

    // ---- Window parts. ----
    // The measurement figure (153 x 425) and the widget that shows it.
    SheetImage LineImage;
    QWidget* LineImageView = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    // Row n of the column, n = 1..27 (nullptr outside).
    QLabel* Line(int n) const;
    QLineEdit* Meas(int n) const;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* ModelType = nullptr;
    QLineEdit* CustomerData = nullptr;
    QLineEdit* CollarType = nullptr;
    QLineEdit* SleeveType = nullptr;
    QTextEdit* Comment = nullptr;  // plain text
    QPushButton* Calculete = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolBar* ToolBar2 = nullptr;
    QComboBox* MasAtMain = nullptr;  // " M 1:4" .. " M 1:1"; item i is scale 1:(4 - i)
    QToolButton* ToolButton8 = nullptr;  // print set-up
    QToolButton* ToolButton6 = nullptr;  // print
    QLabel* StatusPanel0 = nullptr;      // hint of the focused field
    QLabel* StatusPanel1 = nullptr;      // the application's current hint
    QTimer* Timer1 = nullptr;            // the one-shot start-up timer, 666 ms

    // ---- Actions (menu items, tool buttons and shortcuts). ----
    QAction* CloseProg = nullptr;
    QAction* File = nullptr;
    QAction* NewProject = nullptr;
    QAction* Open = nullptr;
    QAction* SaveModel = nullptr;
    QAction* PrintSetUp = nullptr;
    QAction* ToPrint = nullptr;
    QAction* EditModel = nullptr;
    QAction* ClearModel = nullptr;
    QAction* ReOn = nullptr;
    QAction* Mashtab14 = nullptr;
    QAction* Mashtab13 = nullptr;
    QAction* Mashtab12 = nullptr;
    QAction* Mashtab11 = nullptr;
    QAction* Calc = nullptr;
    QAction* About = nullptr;
    QAction* OpenHelpFile = nullptr;
    QAction* PAbout = nullptr;
    QAction* Answers = nullptr;
    QAction* Modelling = nullptr;
    QAction* QuestionMe = nullptr;
    // The scale menu items: in this program the menu item is its action, so
    // Mas14..Mas11 are Mashtab14..Mashtab11 (checkable, one group).
    QAction* Mas14 = nullptr;
    QAction* Mas13 = nullptr;
    QAction* Mas12 = nullptr;
    QAction* Mas11 = nullptr;
    // The scale menu item of 1:n, n = 1..4 (nullptr outside).
    QAction* ScaleMenuItem(int n) const;

    // ---- Start-up and shutdown. ----
    // Restores the window position, the order number, the printer settings
    // and the sample option from the settings record.
    void FormCreate();
    // Deletes the pieces and writes the settings (once; closing the window
    // calls it).
    void FormClose();
    // The start-up sequence, run once by Timer1.
    void Timer1Timer();

    // ---- The measurement column. ----
    // The key filter of the measurement fields: key is replaced in place
    // (0 = swallowed); Enter moves the focus on.
    void FilterNumericKey(char& key);
    // Focus moved into Meas(n).
    void MeasEnter(int n);
    // The application's hint changed.
    void ApplicationEvents1Hint(const QString& hint);
    // Focus to the next (forward) or previous tab stop, from the focused one;
    // hidden and disabled controls are skipped.
    void SelectNextControl(bool forward);
    // Alt+Up / Alt+Down: the focus moves back / on; true when the key was
    // taken.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Row n (1..27) of the column as a garment lays it out: caption of the
    // label ("Ст:"), the measurement's full name as the hint of label and
    // edit (status tip and tool tip), both shown.
    void SetRow(int n, const std::string& caption, const std::string& hint);
    // Row n hidden again, with its default caption "Измерение n:" and no
    // hint (the edit's text is left as it is).
    void HideRow(int n);
    // The hint of edit n ("" outside 1..27).
    std::string MeasHint(int n) const;

    // ---- The order panel. ----
    // Shows the collar row (Label4, CollarType) and the sleeve row (Label5,
    // SleeveType) of the order panel, or hides them; the rows shown stand
    // one under the other below the customer line, and the comment takes
    // the height that is left.  Every bodice garment lays the panel out
    // through this one routine.
    void ShowPieceRows(bool collar, bool sleeve);
    bool CollarRowShown() const;
    bool SleeveRowShown() const;

    // ---- Factory. ----
    // Replaces the garment, collar and sleeve (see Factory.cpp).  A type or
    // kind that the program cannot build yet is refused with a message before
    // anything changes; the answer is false then.
    bool CreateModel(int type, int collarKind, int sleeveKind);
    // ModelType := the caption of ModelIndex followed by OrderNumber.
    void UpdateModelCaption();

    // ---- Commands. ----
    void CalcExecute();
    // The guarded block of the calculation road (Calculate, CalcSegments,
    // Draw, DrawTables) with its reruns and messages; eighthFailureText is
    // shown after the eighth failed run.  A draft that fails, or whose
    // drawing does not fit the sheets (a message says so), is discarded:
    // the garment is marked not calculated and the sheets are cleared, so
    // that neither a scale change nor printing shows it.  True when the
    // draft stands.
    bool RunCalcBlock(const char* eighthFailureText);
    void ClearModelExecute();
    void ReOnExecute();
    void MasAtMainChange(int index);
    void Mashtab14Execute();
    void Mashtab13Execute();
    void Mashtab12Execute();
    void Mashtab11Execute();
    void ToPrintExecute();
    void PrintModel();
    void PrintSetUpExecute();
    void OpenHelpFileExecute();
    void AnswersExecute();
    void ModellingExecute();
    void QuestionMeExecute();
    void NewProjectExecute();
    void PAboutExecute();
    void CloseProgExecute();
    void OpenExecute();
    void SaveModelExecute();
    // Right button on ModelType: the order-number dialog.
    void ModelTypeMouseDown(Qt::MouseButton button);

    // The printer settings: read from / applied to ThePrinter().
    TDevMode LockDevMode();
    void ApplyDevMode(const TDevMode& mode);
    // Gives the printer the choices restored at start (DevMode and the
    // paper chosen in an earlier run) when a printer is listed; run at the
    // printer's first use (SetPrinterRestore), not at start.
    void RestorePrintChoices();

    // ---- OrderInfoSource. ----
    std::string ModelTypeText() const override;
    std::string CustomerText() const override;
    std::vector<std::string> CommentLines() const override;
    int TilingMode() const override;

protected:
    int OrderModelIndex() const override { return ModelIndex; }
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

signals:
    // The window has closed and the settings are written: the program ends.
    void Closed();

private:
    void BuildWindow();
    void BuildActions();
    void BuildMenu();
    void BuildToolBars();
    void BuildColumn();
    void BuildGroupBox();
    void BuildStatusBar();
    // The column's content height follows its lowest visible row.
    void UpdateColumnExtent();
    bool FilterMeasKey(QLineEdit* edit, QKeyEvent* key);
    // SetScale(n), both scale lists and the menu check in step, then the
    // redraw of the garment.
    void ApplyScale(int n);
    // One run of the guarded block of the calculation road.
    void CalcBlock();
    // The garment not calculated and its sheets cleared.
    void DiscardDraft();

    std::array<QLabel*, kMeasureRows> lines_{};
    std::array<QLineEdit*, kMeasureRows> meas_{};
    bool scaleChanging_ = false;
    bool closed_ = false;
};

extern TMainForm* MainForm;

// Runs an event handler so that no exception leaves it: a failure is shown
// as a message with the error icon and the program's title as caption, in
// the program's own words (FailureText), never the exception's text.
void RunGuarded(const std::function<void()>& handler);
// What a failed command tells the user: a floating-point fault of the
// drafting, lack of memory, or an internal error.
std::string FailureText(const std::exception& e);
extern const char* const kDraftFailedText;
extern const char* const kNoMemoryText;
extern const char* const kInternalErrorText;

// Shows "Принтер не установлен!  " with the error icon.
void ShowNoPrinterMessage();
