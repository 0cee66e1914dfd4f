// The print set-up window ("Настройка печати"): the printer (a system
// printer or the PDF file, chosen for the run only), print scale (how the
// pattern is tiled over pages: 1:1, 1:2 or 1:4), print quality, copies,
// paper orientation, and whether the window is shown before every print.
//
// Quality, copies and orientation go into the printer settings the main
// window keeps and applies to the printer (TDevMode, LockDevMode,
// ApplyDevMode); the print scale and the show-before-printing choice into
// the settings record, at every click.
//
// The window is made anew at each opening and freed when it closes, in one
// of two roles: before a print (modal, its close button "Печать" lets the
// print go on) or on its own (modeless, close button "Закрыть").
#pragma once

#include <QDialog>
#include <QImage>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TMainForm;

class TPrintSetUps : public QDialog {
    Q_OBJECT

public:
    // Shows the record's choices, places itself beside the main window and
    // reads the printer settings; the main window's PrintSetUpOpen is set
    // while the window exists.
    explicit TPrintSetUps(bool modalBeforePrint, QWidget* parent = nullptr);
    ~TPrintSetUps() override;

    // ---- Controls. ----
    QLabel* PrinterLabel = nullptr;             // "Принтер:"
    QComboBox* PrinterBox = nullptr;            // the printers and the PDF file
    QCheckBox* DoShowBeforePrinting = nullptr;  // "Показывать перед печатью"
    QGroupBox* GroupBox1 = nullptr;             // " Масштаб "
    QRadioButton* RadioButton1to4 = nullptr;
    QRadioButton* RadioButton1to2 = nullptr;
    QRadioButton* RadioButton1to1 = nullptr;
    QPushButton* AdditionButton = nullptr;  // "Дополнительно": the printer's page set-up
    QLabel* Label2 = nullptr;               // "Качество печати:"
    QComboBox* ComboBox1 = nullptr;         // the four qualities
    QLabel* Label1 = nullptr;               // "Копий :"
    QSpinBox* UpDownCopy = nullptr;         // copies 1..10, wrapping
    QLineEdit* Edit1 = nullptr;             // its read-only text field
    QGroupBox* GroupBox3 = nullptr;         // " Ориентация "
    QLabel* Image1 = nullptr;               // the page picture, 41 x 33
    QRadioButton* RadioButtonPortrait = nullptr;   // "Книжная"
    QRadioButton* RadioButtonLandscape = nullptr;  // "Альбомная"
    QPushButton* CloseButton = nullptr;            // "Печать" or "Закрыть"

    // The role: before a print (modal) or on its own.  Sets the close
    // button's caption.
    bool ModalBeforePrint() const { return modalBeforePrint_; }
    void SetModalBeforePrint(bool modalBeforePrint);

    // The print scale of the scale buttons: 1, 2, or 4 (also when none is
    // selected).
    int TilingMode() const;
    // The page picture as last drawn.
    const QImage& OrientationIcon() const { return icon_; }

    // ---- Handlers. ----
    void FormCreate();
    void FormClose();
    void RadioButton1to1Click();
    void RadioButton1to2Click();
    void RadioButton1to4Click();
    void DoShowBeforePrintingClick();
    // Another printer chosen in PrinterBox (for the run; the quality and
    // copies stay, the paper and orientation become the printer's own
    // unless the user chose them).
    void PrinterBoxClick();
    void ComboBox1Click();
    void UpDownCopyClick();
    void RadioButtonPortraitClick();
    void RadioButtonLandscapeClick();
    void AdditionButtonClick();
    void CloseButtonClick();
    // Esc closes (cancels a print); Ctrl+P prints.  True when the key was
    // taken.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

    // Lists the printers in PrinterBox and selects the chosen one.
    void ReadPrinterChoice();
    // Shows the printer settings in the controls.
    void ReadDevMode();
    // Redraws the page picture for the printer's orientation.
    void DrawOrientationIcon();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildWindow();
    void StoreTilingMode();
    void SetOrientation(bool portrait);
    void ChooseOrientation(bool portrait);

    bool modalBeforePrint_ = false;
    bool closed_ = false;
    QImage icon_;
};

// The window while it is open, nullptr otherwise.
extern TPrintSetUps* PrintSetUps;

// Entries for the main window's print command and print set-up command.
// The window before a print, modal: true when the print may go on.
bool RunPrintSetupBeforePrint(TMainForm& main);
// The window on its own, modeless; when it is open already it only gets
// the focus.
void ShowPrintSetupWindow(TMainForm& main);

// While it lives, an open modeless set-up window is hidden (the print
// command prints without it); it is shown again at the end of the scope.
class PrintSetupHiddenWhilePrinting {
public:
    PrintSetupHiddenWhilePrinting();
    ~PrintSetupHiddenWhilePrinting();
    PrintSetupHiddenWhilePrinting(const PrintSetupHiddenWhilePrinting&) = delete;
    PrintSetupHiddenWhilePrinting& operator=(const PrintSetupHiddenWhilePrinting&) = delete;

private:
    QPointer<TPrintSetUps> hidden_;
};
