// The order-number dialog "Номер заказа:": the number of the current order
// typed in or stepped with "+" and "-", which repeat every 220 ms while a
// mouse button holds them.  Made once at start-up, after the main window,
// the drawing window and the base-selection dialog; making it switches on
// the main window's start-up timer.
#pragma once

#include <QDialog>

// The order numbers the dialog can show and take: 0 to 999 999 999 (at most
// 9 digits).
constexpr int kMaxOrderNumber = 999999999;
// n held within 0 .. kMaxOrderNumber.
constexpr int ClampedOrderNumber(long long n) {
    return n < 0 ? 0 : n > kMaxOrderNumber ? kMaxOrderNumber : int(n);
}

class QLineEdit;
class QPushButton;
class QTimer;
class TMainForm;

class TCorrectForm : public QDialog {
    Q_OBJECT

public:
    // Switches on main's start-up timer (Timer1); main may be null.
    explicit TCorrectForm(TMainForm* main, QWidget* parent = nullptr);
    ~TCorrectForm() override;

    QLineEdit* OrderNamb = nullptr;  // at most 9 digits
    QPushButton* Minus = nullptr;
    QPushButton* Plus = nullptr;
    QPushButton* OkButt = nullptr;
    QTimer* CountTime = nullptr;  // 220 ms, on while a step button is held

    // The edited number (0 .. kMaxOrderNumber) and the direction of the
    // repetition.
    int Number = 0;
    bool CountUp = true;

    void FormShow();
    void OrderNambChange();
    // True when the typed character may enter OrderNamb.
    static bool OrderNambKeyPress(QChar ch);
    void PlusClick();
    void MinusClick();
    // A mouse button pressed on "+" ("-"): the repetition starts upwards
    // (downwards); released: it stops.
    void PlusMouseDown();
    void MinusMouseDown();
    void PlusMouseUp();
    void MinusMouseUp();
    // One step in the current direction (the timer's tick).
    void CountTimerTimer();
    // The main window's OrderNumber := the edited number; result OK.
    void OkButtClick();
    // Enter: as OkButtClick; Esc: cancel.  True when the key was taken.
    bool FormKeyPress(int ch);
    // Before each opening: the number of `form`, which OK writes back; the
    // place at the window's left + 355, top + 143.
    void OpenFor(TMainForm& form);
    // Every close (OK, Esc, close box) stops the repetition.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(bool up);
    void ShowNumber();
    TMainForm* main_;
};

extern TCorrectForm* CorrectForm;

// The main window's right click on ModelType: the dialog (made when there is
// none yet) opens modally for `form` (OpenFor); on OK the order caption is
// rewritten (UpdateModelCaption).
// True when it closed with OK.
bool RunOrderNumberDialog(TMainForm& form);
