#include "shell/PrintSetUps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/PrinterList.h"
#include "platform/PrinterSetup.h"
#include "shell/MainForm.h"
#include "shell/PageSetupFile.h"
#include "shell/Settings.h"

TPrintSetUps* PrintSetUps = nullptr;

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// The quality items and the printer's quality codes: item i is code i - 4
// (-4 high, -3 medium, -2 low, -1 draft).
const char* const kQualityItems[] = {"Наилучшее", "Обычное", "Ежедневное", "Черновое "};
int QualityItem(int code) { return code >= -4 && code <= -1 ? code + 4 : -1; }
int QualityCode(int item) { return item - 4; }

constexpr int kMinCopies = 1;
// The printer list is as wide as this many characters; longer names are
// cut in the closed list and shown whole in the open one.
constexpr int kPrinterBoxChars = 18;
constexpr int kMaxCopies = 10;

// The page pictures, in pixels of the 41 x 33 image: outline and folded
// corner of an upright and of a turned page.
const QPoint kPortraitPage[] = {{10, 3}, {24, 3}, {30, 9}, {30, 29}, {10, 29}};
const QPoint kPortraitFold[] = {{24, 3}, {24, 9}, {30, 9}};
const QPoint kLandscapePage[] = {{6, 6}, {28, 6}, {34, 12}, {34, 26}, {6, 26}};
const QPoint kLandscapeFold[] = {{28, 6}, {28, 12}, {34, 12}};
constexpr int kIconWidth = 41;
constexpr int kIconHeight = 33;

// The printer settings exist while the main window does and a printer is
// installed.
bool HaveDevMode() { return MainForm && PrinterInstalled(); }

// Changes the printer settings through the main window.
template <typename Change>
void ChangeDevMode(Change change) {
    if (!HaveDevMode()) return;
    TDevMode mode = MainForm->LockDevMode();
    change(mode);
    MainForm->ApplyDevMode(mode);
}

}  // namespace

TPrintSetUps::TPrintSetUps(bool modalBeforePrint, QWidget* parent) : QDialog(parent) {
    PrintSetUps = this;
    BuildWindow();
    SetModalBeforePrint(modalBeforePrint);
    if (Settings) {
        const TSettingsRecord& r = *Settings->Record;
        DoShowBeforePrinting->setChecked(r.ShowSetupBeforePrint != 0);
        // Selecting the button counts as clicking it: the record then holds
        // 1, 2 or 4.
        switch (r.TilingMode) {
            case 1:
                RadioButton1to1->setChecked(true);
                RadioButton1to1Click();
                break;
            case 2:
                RadioButton1to2->setChecked(true);
                RadioButton1to2Click();
                break;
            default:
                RadioButton1to4->setChecked(true);
                RadioButton1to4Click();
                break;
        }
    }
    FormCreate();
}

TPrintSetUps::~TPrintSetUps() { FormClose(); }

void TPrintSetUps::BuildWindow() {
    setWindowTitle(Q("Настройка печати"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);

    GroupBox1 = new QGroupBox(Q(" Масштаб "), this);
    RadioButton1to4 = new QRadioButton(Q("1:4"), GroupBox1);
    RadioButton1to2 = new QRadioButton(Q("1:2"), GroupBox1);
    RadioButton1to1 = new QRadioButton(Q("1:1"), GroupBox1);
    auto* scales = new QVBoxLayout(GroupBox1);
    for (QRadioButton* b : {RadioButton1to4, RadioButton1to2, RadioButton1to1}) {
        QFont bold = b->font();
        bold.setBold(true);
        b->setFont(bold);
        b->setLayoutDirection(Qt::RightToLeft);  // text left of the button
        scales->addWidget(b);
    }

    AdditionButton = new QPushButton(Q("Дополнительно"), this);
    AdditionButton->setFocusPolicy(Qt::NoFocus);
    AdditionButton->setAutoDefault(false);

    Label2 = new QLabel(Q("Качество печати:"), this);
    ComboBox1 = new QComboBox(this);
    for (const char* item : kQualityItems) ComboBox1->addItem(Q(item));
    ComboBox1->setCurrentIndex(-1);

    Label1 = new QLabel(Q("Копий :"), this);
    UpDownCopy = new QSpinBox(this);
    UpDownCopy->setRange(kMinCopies, kMaxCopies);
    UpDownCopy->setWrapping(true);
    UpDownCopy->setValue(kMinCopies);
    // The number changes by the arrows only.
    Edit1 = UpDownCopy->findChild<QLineEdit*>();
    if (Edit1) Edit1->setReadOnly(true);

    GroupBox3 = new QGroupBox(Q(" Ориентация "), this);
    Image1 = new QLabel(GroupBox3);
    Image1->setFixedSize(kIconWidth, kIconHeight);
    RadioButtonPortrait = new QRadioButton(Q("Книжная"), GroupBox3);
    RadioButtonLandscape = new QRadioButton(Q("Альбомная"), GroupBox3);
    auto* orientations = new QVBoxLayout;
    orientations->addWidget(RadioButtonPortrait);
    orientations->addWidget(RadioButtonLandscape);
    auto* orientation = new QHBoxLayout(GroupBox3);
    orientation->addWidget(Image1);
    orientation->addLayout(orientations, 1);

    DoShowBeforePrinting = new QCheckBox(Q("Показывать перед печатью"), this);
    DoShowBeforePrinting->setFocusPolicy(Qt::NoFocus);

    CloseButton = new QPushButton(this);
    CloseButton->setDefault(true);

    PrinterLabel = new QLabel(Q("Принтер:"), this);
    PrinterBox = new QComboBox(this);
    PrinterBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    PrinterBox->setMinimumContentsLength(kPrinterBoxChars);
    PrinterLabel->setBuddy(PrinterBox);

    auto* all = new QGridLayout(this);
    all->addWidget(PrinterLabel, 0, 0, 1, 2);
    all->addWidget(PrinterBox, 1, 0, 1, 2);
    all->addWidget(GroupBox1, 2, 0, 2, 1);
    all->addWidget(AdditionButton, 2, 1, Qt::AlignTop);
    all->addWidget(Label2, 4, 0, 1, 2);
    all->addWidget(ComboBox1, 5, 0, 1, 2);
    auto* copies = new QHBoxLayout;
    copies->addWidget(Label1);
    copies->addWidget(UpDownCopy, 1);
    all->addLayout(copies, 6, 0, 1, 2);
    all->addWidget(GroupBox3, 7, 0, 1, 2);
    all->addWidget(DoShowBeforePrinting, 8, 0, 1, 2);
    all->addWidget(CloseButton, 9, 0, 1, 2, Qt::AlignRight);
    setFixedSize(sizeHint().expandedTo(QSize(217, 240)));

    // A blank picture until the orientation is known.
    icon_ = QImage(kIconWidth, kIconHeight, QImage::Format_RGB32);
    icon_.fill(GroupBox3->palette().color(QPalette::Window));
    Image1->setPixmap(QPixmap::fromImage(icon_));

    const auto guarded = [this](void (TPrintSetUps::*handler)()) {
        return [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(RadioButton1to1, &QRadioButton::clicked, this, guarded(&TPrintSetUps::RadioButton1to1Click));
    connect(RadioButton1to2, &QRadioButton::clicked, this, guarded(&TPrintSetUps::RadioButton1to2Click));
    connect(RadioButton1to4, &QRadioButton::clicked, this, guarded(&TPrintSetUps::RadioButton1to4Click));
    connect(DoShowBeforePrinting, &QCheckBox::clicked, this, guarded(&TPrintSetUps::DoShowBeforePrintingClick));
    connect(ComboBox1, &QComboBox::activated, this, guarded(&TPrintSetUps::ComboBox1Click));
    connect(PrinterBox, &QComboBox::activated, this, guarded(&TPrintSetUps::PrinterBoxClick));
    connect(UpDownCopy, &QSpinBox::valueChanged, this, guarded(&TPrintSetUps::UpDownCopyClick));
    connect(RadioButtonPortrait, &QRadioButton::clicked, this, guarded(&TPrintSetUps::RadioButtonPortraitClick));
    connect(RadioButtonLandscape, &QRadioButton::clicked, this, guarded(&TPrintSetUps::RadioButtonLandscapeClick));
    connect(AdditionButton, &QPushButton::clicked, this, guarded(&TPrintSetUps::AdditionButtonClick));
    connect(CloseButton, &QPushButton::clicked, this, guarded(&TPrintSetUps::CloseButtonClick));
    // Ctrl+P belongs to this window while it is the active one.
    auto* print = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(print, &QShortcut::activated, this,
            [this] { RunGuarded([this] { FormKeyDown(Qt::Key_P, Qt::ControlModifier); }); });
}

void TPrintSetUps::SetModalBeforePrint(bool modalBeforePrint) {
    modalBeforePrint_ = modalBeforePrint;
    CloseButton->setText(Q(modalBeforePrint ? "Печать" : "Закрыть"));
}

int TPrintSetUps::TilingMode() const {
    if (RadioButton1to1->isChecked()) return 1;
    if (RadioButton1to2->isChecked()) return 2;
    return 4;
}

// ---------------------------------------------------------------------------
// Opening and closing

void TPrintSetUps::FormCreate() {
    if (MainForm) {
        MainForm->PrintSetUpOpen = true;
        move(MainForm->x() + 244, MainForm->y() + 86);
    }
    // The printers as they are now: a queue deleted since is not offered,
    // and the printer shown in its place is the one that prints.
    RefreshPrinters();
    if (ForgetGoneChoice()) ApplyPageForPrinter(ChosenPrinter());
    ReadPrinterChoice();
    ReadDevMode();
}

void TPrintSetUps::FormClose() {
    if (closed_) return;
    closed_ = true;
    if (MainForm) MainForm->PrintSetUpOpen = false;
    if (PrintSetUps == this) PrintSetUps = nullptr;
}

void TPrintSetUps::done(int result) {
    FormClose();
    QDialog::done(result);
    // The modeless window is freed when it closes; the modal one by its
    // opener.
    if (!modalBeforePrint_) deleteLater();
}

void TPrintSetUps::CloseButtonClick() { done(modalBeforePrint_ ? QDialog::Accepted : QDialog::Rejected); }

// ---------------------------------------------------------------------------
// Scale and show-before-printing: the settings record

void TPrintSetUps::StoreTilingMode() {
    if (Settings) Settings->Record->TilingMode = TilingMode();
}

void TPrintSetUps::RadioButton1to1Click() { StoreTilingMode(); }
void TPrintSetUps::RadioButton1to2Click() { StoreTilingMode(); }
void TPrintSetUps::RadioButton1to4Click() { StoreTilingMode(); }

void TPrintSetUps::DoShowBeforePrintingClick() {
    if (Settings) Settings->Record->ShowSetupBeforePrint = DoShowBeforePrinting->isChecked() ? 1 : 0;
}

// ---------------------------------------------------------------------------
// The printer: a choice for the run

void TPrintSetUps::ReadPrinterChoice() {
    const QSignalBlocker block(PrinterBox);
    PrinterBox->clear();
    for (const std::string& name : PrinterNames()) PrinterBox->addItem(QString::fromStdString(name));
    PrinterBox->setCurrentIndex(PrinterBox->findText(QString::fromStdString(ChosenPrinter())));
}

void TPrintSetUps::PrinterBoxClick() {
    const int item = PrinterBox->currentIndex();
    if (item < 0) return;
    // The quality and copies set here go with the printer; the paper and
    // orientation are the new printer's own unless the user chose them.
    const bool keepMode = HaveDevMode();
    TDevMode mode = keepMode ? MainForm->LockDevMode() : TDevMode{};
    const std::string name = PrinterBox->itemText(item).toStdString();
    if (!ChoosePrinter(name)) return;
    ApplyPageForPrinter(name);
    if (keepMode) {
        mode.Portrait = ThePrinter().Device().pageLayout().orientation() == QPageLayout::Portrait;
        MainForm->ApplyDevMode(mode);
    }
    ReadPrinterChoice();
    ReadDevMode();
    DrawOrientationIcon();
}

// ---------------------------------------------------------------------------
// Quality, copies, orientation: the printer settings

void TPrintSetUps::ReadDevMode() {
    if (!HaveDevMode()) return;
    const TDevMode mode = MainForm->LockDevMode();
    // A quality that is not one of the four codes (a resolution in dots per
    // inch) leaves the list as it is.
    if (const int item = QualityItem(mode.PrintQuality); item >= 0) ComboBox1->setCurrentIndex(item);
    {
        const QSignalBlocker block(UpDownCopy);
        UpDownCopy->setValue(std::clamp(mode.Copies, kMinCopies, kMaxCopies));
    }
    QRadioButton* button = mode.Portrait ? RadioButtonPortrait : RadioButtonLandscape;
    if (!button->isChecked()) {
        // Selecting the button counts as clicking it.
        button->setChecked(true);
        SetOrientation(mode.Portrait);
    }
}

void TPrintSetUps::ComboBox1Click() {
    const int item = ComboBox1->currentIndex();
    if (item < 0) return;
    ChangeDevMode([item](TDevMode& mode) { mode.PrintQuality = QualityCode(item); });
}

void TPrintSetUps::UpDownCopyClick() {
    const int copies = UpDownCopy->value();
    ChangeDevMode([copies](TDevMode& mode) { mode.Copies = copies; });
}

void TPrintSetUps::SetOrientation(bool portrait) {
    ChangeDevMode([portrait](TDevMode& mode) { mode.Portrait = portrait; });
    DrawOrientationIcon();
}

void TPrintSetUps::ChooseOrientation(bool portrait) {
    // The user's choice: it holds for every printer and between runs.
    PageChoice& choice = UserPageChoice();
    choice.hasOrientation = true;
    choice.portrait = portrait;
    StoreUserPageChoice();
    SetOrientation(portrait);
}

void TPrintSetUps::RadioButtonPortraitClick() { ChooseOrientation(true); }
void TPrintSetUps::RadioButtonLandscapeClick() { ChooseOrientation(false); }

void TPrintSetUps::AdditionButtonClick() {
    // The printer's page set-up: paper and orientation; nothing is printed.
    if (!RunPrinterSetupDialog(this)) return;
    const QPageLayout layout = ThePrinter().Device().pageLayout();
    PageChoice& choice = UserPageChoice();
    choice.hasPaper = layout.pageSize().isValid();
    choice.paper = layout.pageSize();
    choice.hasOrientation = true;
    choice.portrait = layout.orientation() == QPageLayout::Portrait;
    StoreUserPageChoice();
    // The printer holds what the dialog set; the copies join the settings
    // the main window keeps (the orientation is read from the printer).
    const int copies = ThePrinter().Device().copyCount();
    ChangeDevMode([copies](TDevMode& mode) { mode.Copies = std::clamp(copies, kMinCopies, kMaxCopies); });
    ReadDevMode();
    DrawOrientationIcon();
}

void TPrintSetUps::DrawOrientationIcon() {
    const bool portrait = MainForm ? MainForm->LockDevMode().Portrait : true;
    icon_ = QImage(kIconWidth, kIconHeight, QImage::Format_RGB32);
    icon_.fill(GroupBox3->palette().color(QPalette::Window));
    {
        QPainter p(&icon_);
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        QFont font = p.font();
        font.setPointSize(10);
        font.setBold(true);
        p.setFont(font);
        if (portrait) {
            p.drawPolygon(kPortraitPage, 5);
            p.drawPolyline(kPortraitFold, 3);
        } else {
            p.drawPolygon(kLandscapePage, 5);
            p.drawPolyline(kLandscapeFold, 3);
        }
        p.setBrush(Qt::NoBrush);
        p.drawText(QRect(16, 8, kIconWidth - 16, kIconHeight - 8), Qt::AlignLeft | Qt::AlignTop, Q("A"));
    }
    Image1->setPixmap(QPixmap::fromImage(icon_));
}

// ---------------------------------------------------------------------------
// Keys

bool TPrintSetUps::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape && !(modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
        done(QDialog::Rejected);
        return true;
    }
    if (key != Qt::Key_P || (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) !=
                                Qt::ControlModifier)
        return false;
    if (modalBeforePrint_) {
        done(QDialog::Accepted);
        return true;
    }
    if (!MainForm || !MainForm->Model) return true;
    if (!PrinterInstalled()) {
        RefreshPrinters();
        if (!PrinterInstalled()) {
            ShowMessage("Принтер не найден!  ", "", MsgIcon::Error);
            return true;
        }
    }
    MainForm->PrintModel();
    return true;
}

void TPrintSetUps::keyPressEvent(QKeyEvent* event) {
    if (FormKeyDown(event->key(), event->modifiers())) return;
    QDialog::keyPressEvent(event);
}

// ---------------------------------------------------------------------------
// Entries

bool RunPrintSetupBeforePrint(TMainForm& main) {
    TPrintSetUps window(true, &main);
    return window.exec() == QDialog::Accepted;
}

void ShowPrintSetupWindow(TMainForm& main) {
    TPrintSetUps* window = PrintSetUps ? PrintSetUps : new TPrintSetUps(false, &main);
    window->show();
    window->raise();
    window->activateWindow();
}

PrintSetupHiddenWhilePrinting::PrintSetupHiddenWhilePrinting() {
    if (PrintSetUps && !PrintSetUps->ModalBeforePrint() && PrintSetUps->isVisible()) {
        hidden_ = PrintSetUps;
        hidden_->hide();
    }
}

PrintSetupHiddenWhilePrinting::~PrintSetupHiddenWhilePrinting() {
    if (hidden_) hidden_->show();
}
