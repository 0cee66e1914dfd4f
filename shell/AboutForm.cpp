#include "shell/AboutForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Desktop.h"
#include "platform/MessageBox.h"
#include "shell/AppInfo.h"
#include "shell/MainForm.h"
#include "shell/Settings.h"

TAboutForm* AboutForm = nullptr;

namespace {

constexpr int kSelfCloseMs = 20000;
constexpr int kWidth = 369;
constexpr int kHeight = 425;

const char* const kMailHint = "Написать письмо автору";
const char* const kPageHint = "Открыть страницу программы";

QString Q(const char* text) { return QString::fromUtf8(text); }

void SetTextColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

}  // namespace

QColor TAboutForm::HoverColor() { return QColor(0, 0, 255); }

std::string TAboutForm::LinkTarget(int label) {
    switch (label) {
        case 5: return "mailto:avtor@ladomirka.ru";
        case 6: return "https://ladomirka.ru";
        case 7: return "mailto:podderzhka@ladomirka.ru";
        default: return std::string();
    }
}

TAboutForm::TAboutForm(TMainForm& main)
    : QDialog(&main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowStaysOnTopHint),
      main_(main) {
    AboutForm = this;
    main_.AboutOpen = true;
    setWindowTitle(Q("О программе"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    Image1 = new QLabel(this);
    Image1->setFixedSize(32, 32);
    Image1->setPixmap(main_.windowIcon().pixmap(32, 32));

    Label1 = new QLabel(Q("Ладомирка"), this);
    QFont big = Label1->font();
    big.setBold(true);
    big.setPixelSize(24);
    Label1->setFont(big);

    Label3 = new QLabel(Q("Версия 4.23"), this);

    auto* text = new QLabel(Q("Построение основ одежды по измерениям заказчика.\n"
                              "Вопросы, пожелания и замечания присылайте автору:"),
                            this);
    text->setObjectName(QStringLiteral("AboutText"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label5 = MakeLink(5, kMailHint);
    Label6 = MakeLink(6, kPageHint);
    Label7 = MakeLink(7, kMailHint);
    RestColor = Label5->palette().color(QPalette::WindowText);

    CheckBox1 = new QCheckBox(Q("Заполнять измерениями для примера."), this);
    CheckBox1->setChecked(main_.FillSamples);
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });

    Button1 = new QPushButton(Q("Закрыть"), this);
    Button1->setMinimumSize(96, 28);
    connect(Button1, &QPushButton::clicked, this, [this] { close(); });

    // Every text takes the room its font needs, wrapped lines included; the
    // box keeps its size unless the texts need more.
    auto* title = new QVBoxLayout;
    title->setSpacing(8);
    title->addWidget(Label1);
    title->addWidget(Label3);
    auto* head = new QHBoxLayout;
    head->setSpacing(16);
    head->addWidget(Image1, 0, Qt::AlignTop);
    head->addLayout(title, 1);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(24, 24, 24, 20);
    all->setSpacing(8);
    all->addLayout(head);
    all->addSpacing(20);
    all->addWidget(text);
    all->addSpacing(4);
    for (QLabel* link : {Label5, Label6, Label7}) all->addWidget(link);
    all->addStretch(1);
    all->addWidget(CheckBox1);
    all->addSpacing(12);
    all->addWidget(Button1, 0, Qt::AlignHCenter);
    all->activate();
    const int width = std::max(kWidth, all->totalMinimumSize().width());
    setFixedSize(width, std::max({kHeight, all->totalMinimumSize().height(), all->totalHeightForWidth(width)}));

    Timer2 = new QTimer(this);
    Timer2->setSingleShot(true);
    Timer2->setInterval(kSelfCloseMs);
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });

    FormCreate();
}

TAboutForm::~TAboutForm() {
    // Closing (done) has cleared AboutOpen; a box freed without closing goes
    // with its main window.
    if (AboutForm == this) AboutForm = nullptr;
}

QLabel* TAboutForm::MakeLink(int label, const char* hint) {
    std::string target = LinkTarget(label);
    const std::string mailto = "mailto:";
    if (target.compare(0, mailto.size(), mailto) == 0) target.erase(0, mailto.size());
    auto* link = new QLabel(QString::fromStdString(target), this);
    link->setCursor(Qt::PointingHandCursor);
    link->setToolTip(Q(hint));
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    SetTextColor(link, QColor(0, 0, 128));  // navy
    link->installEventFilter(this);
    return link;
}

void TAboutForm::FormCreate() {
    const int left = static_cast<int>(main_.x() + (main_.width() - width()) * 0.5 + 6);
    const int top = static_cast<int>(main_.y() + (main_.height() - height()) * 0.5 - 10);
    move(left, top);
}

void TAboutForm::LinkMouseDown(int label) {
    const std::string target = LinkTarget(label);
    if (!target.empty() && !OpenUrl(target))
        ShowMessage("Не удалось открыть " + target + ". ", kAppTitle, MsgIcon::Error);
}

void TAboutForm::CheckBox1Click() {
    main_.FillSamples = CheckBox1->isChecked();
    if (Settings) Settings->Record->FillSamples = main_.FillSamples ? 1 : 0;
}

void TAboutForm::Timer2Timer() { close(); }

void TAboutForm::done(int result) {
    Timer2->stop();
    main_.AboutOpen = false;
    if (AboutForm == this) AboutForm = nullptr;
    QDialog::done(result);
    deleteLater();
}

void TAboutForm::closeEvent(QCloseEvent* event) {
    // A box that is not shown closes for good too.
    if (!isVisible()) {
        done(QDialog::Rejected);
        event->accept();
        return;
    }
    QDialog::closeEvent(event);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    for (QLabel* link : {Label5, Label6, Label7}) {
        if (watched != link) continue;
        if (event->type() == QEvent::Enter) SetTextColor(link, HoverColor());
        if (event->type() == QEvent::Leave) SetTextColor(link, RestColor);
        if (event->type() == QEvent::MouseButtonPress) {
            LinkMouseDown(link == Label5 ? 5 : link == Label6 ? 6 : 7);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShowAboutAtStartUp(TMainForm& form) {
    auto* box = new TAboutForm(form);
    box->Timer2->start();
    box->exec();
}

void ToggleAboutBox(TMainForm& form) {
    if (form.AboutOpen && AboutForm) {
        AboutForm->close();
        return;
    }
    auto* box = new TAboutForm(form);
    box->show();
}
