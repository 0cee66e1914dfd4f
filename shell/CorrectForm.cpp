#include "shell/CorrectForm.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "shell/MainForm.h"

TCorrectForm* CorrectForm = nullptr;

namespace {

constexpr int kRepeatMs = 220;
constexpr int kEnter = 13;
constexpr int kEscape = 27;

QPushButton* BoldButton(const char* text, QWidget* parent, const QRect& bounds) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    button->setGeometry(bounds);
    // Enter belongs to the dialog's key handling, not to a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

TCorrectForm::TCorrectForm(TMainForm* main, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), main_(main) {
    CorrectForm = this;
    setWindowTitle(QString::fromUtf8("Номер заказа:"));
    setFixedSize(208, 42);

    OrderNamb = new QLineEdit(QStringLiteral("0"), this);
    OrderNamb->setGeometry(8, 10, 89, 22);
    OrderNamb->setMaxLength(9);
    // Pasted text obeys the same rule as typed keys.
    OrderNamb->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), this));
    Minus = BoldButton("-", this, QRect(104, 8, 26, 26));
    Plus = BoldButton("+", this, QRect(132, 8, 26, 26));
    OkButt = BoldButton("Ok!", this, QRect(162, 8, 40, 26));

    CountTime = new QTimer(this);
    CountTime->setInterval(kRepeatMs);

    connect(OrderNamb, &QLineEdit::textChanged, this, [this] { OrderNambChange(); });
    connect(Plus, &QPushButton::clicked, this, [this] { PlusClick(); });
    connect(Minus, &QPushButton::clicked, this, [this] { MinusClick(); });
    connect(OkButt, &QPushButton::clicked, this, [this] { OkButtClick(); });
    connect(CountTime, &QTimer::timeout, this, [this] { CountTimerTimer(); });
    for (QWidget* w : {static_cast<QWidget*>(OrderNamb), static_cast<QWidget*>(Minus), static_cast<QWidget*>(Plus),
                       static_cast<QWidget*>(OkButt)})
        w->installEventFilter(this);

    // The start-up sequence begins once this last start-up window exists.
    if (main_ && main_->Timer1) main_->Timer1->start();
}

TCorrectForm::~TCorrectForm() {
    if (CorrectForm == this) CorrectForm = nullptr;
}

void TCorrectForm::ShowNumber() { OrderNamb->setText(QString::number(Number)); }

void TCorrectForm::FormShow() { ShowNumber(); }

void TCorrectForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TCorrectForm::OrderNambChange() {
    const QString text = OrderNamb->text();
    if (text.isEmpty()) return;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= 0) Number = value;
}

bool TCorrectForm::OrderNambKeyPress(QChar ch) { return ch.unicode() == 8 || (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')); }

void TCorrectForm::Step(bool up) {
    // "+" stops at the largest number the edit can show.
    Number = ClampedOrderNumber(static_cast<long long>(Number) + (up ? 1 : -1));
    ShowNumber();
}

void TCorrectForm::PlusClick() { Step(true); }
void TCorrectForm::MinusClick() { Step(false); }

void TCorrectForm::PlusMouseDown() {
    CountUp = true;
    CountTime->start();
}

void TCorrectForm::MinusMouseDown() {
    CountUp = false;
    CountTime->start();
}

void TCorrectForm::PlusMouseUp() { CountTime->stop(); }
void TCorrectForm::MinusMouseUp() { CountTime->stop(); }

void TCorrectForm::CountTimerTimer() { Step(CountUp); }

void TCorrectForm::OkButtClick() {
    if (main_) main_->OrderNumber = Number;
    accept();
}

bool TCorrectForm::FormKeyPress(int ch) {
    if (ch == kEnter) {
        OkButtClick();
        return true;
    }
    if (ch == kEscape) {
        reject();
        return true;
    }
    return false;
}

bool TCorrectForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            // The form sees Enter and Esc before its controls.
            int ch = 0;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) ch = kEnter;
            if (key->key() == Qt::Key_Escape) ch = kEscape;
            if (ch && FormKeyPress(ch)) return true;
            if (watched == OrderNamb && !key->text().isEmpty() && key->text().at(0).isPrint() &&
                !OrderNambKeyPress(key->text().at(0)))
                return true;
            break;
        }
        case QEvent::MouseButtonPress:
            if (watched == Plus) PlusMouseDown();
            if (watched == Minus) MinusMouseDown();
            break;
        case QEvent::MouseButtonRelease:
            if (watched == Plus) PlusMouseUp();
            if (watched == Minus) MinusMouseUp();
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void TCorrectForm::OpenFor(TMainForm& form) {
    main_ = &form;
    Number = ClampedOrderNumber(form.OrderNumber);
    move(form.x() + 355, form.y() + 143);
}

void TCorrectForm::done(int result) {
    CountTime->stop();
    QDialog::done(result);
}

bool RunOrderNumberDialog(TMainForm& form) {
    if (!CorrectForm) new TCorrectForm(nullptr, &form);
    CorrectForm->OpenFor(form);
    if (CorrectForm->exec() != QDialog::Accepted) return false;
    form.UpdateModelCaption();
    return true;
}
