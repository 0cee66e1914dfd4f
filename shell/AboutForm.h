// The about box "О программе": the program's name, icon and version, three
// links to the maker's mail and web page, and the option "Заполнять
// измерениями для примера." (the main window's FillSamples).
//
// Shown once at start-up, modally, closing itself after 20 seconds; and by
// the about command, without blocking and without the timer, the same
// command closing it again.  The box exists only while it is open: the main
// window's AboutOpen says so, and closing frees it.
#pragma once

#include <QColor>
#include <QDialog>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class TMainForm;

class TAboutForm : public QDialog {
    Q_OBJECT

public:
    // Sets main's AboutOpen; the check box shows main's FillSamples.
    explicit TAboutForm(TMainForm& main);
    ~TAboutForm() override;

    QLabel* Image1 = nullptr;  // the program's icon, 32 x 32
    QLabel* Label1 = nullptr;  // "Ладомирка"
    QLabel* Label3 = nullptr;  // the version line
    QLabel* Label5 = nullptr;  // the maker's mail
    QLabel* Label6 = nullptr;  // the program's web page
    QLabel* Label7 = nullptr;  // the support mail
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Закрыть"
    QTimer* Timer2 = nullptr;        // 20 000 ms, on only at start-up

    // The colour the links rest in (Label5's at construction) and the one
    // they take under the mouse.
    QColor RestColor;
    static QColor HoverColor();
    // The address each link label opens.
    static std::string LinkTarget(int label);

    // Centres the box on the main window (with the small offsets of the
    // original layout).
    void FormCreate();
    // A press of any mouse button on link label 5, 6 or 7.
    void LinkMouseDown(int label);
    void CheckBox1Click();
    void Timer2Timer();
    // The box closes for good: AboutOpen cleared, the box freed.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* MakeLink(int label, const char* hint);
    TMainForm& main_;
};

// The open about box, nullptr when there is none.
extern TAboutForm* AboutForm;

// The start-up sequence's about box: made, its self-closing timer on, shown
// modally; returns when it has closed.
void ShowAboutAtStartUp(TMainForm& form);
// The about command: closes the open box, else opens one without blocking.
void ToggleAboutBox(TMainForm& form);
