// The main window: construction, the window parts, the measurement column
// with its key filter and focus moves, the status bar, and the order texts
// offered to the sheets and the printed pages.  The commands are in
// MainFormCommands.cpp, the factory in Factory.cpp.
#include "shell/MainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QValidator>
#include <exception>
#include <new>

#include "kernel/Checked.h"
#include "kernel/MeasureFigure.h"
#include "kernel/Models.h"
#include "platform/MessageBox.h"
#include "platform/SheetImage.h"
#include "platform/Text.h"
#include "shell/AppInfo.h"
#include "shell/MeasureColumn.h"
#include "shell/Settings.h"

TMainForm* MainForm = nullptr;

namespace {

// Client area of the window and the height of its status bar.
constexpr int kClientWidth = 683;
constexpr int kClientHeight = 488;
constexpr int kStatusHeight = 20;

// The measurement column: row n's label at (8, 8 + 48 (n - 1)), its edit at
// (8, 24 + 48 (n - 1)), 113 x 21.
constexpr int kRowPitch = 48;
constexpr int kRowLeft = 8;
constexpr int kEditWidth = 113;
constexpr int kEditHeight = 21;

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }

QString DefaultRowCaption(int n) { return QString::fromUtf8("Измерение %1:").arg(n); }

// Shows a sheet image (the measurement figure) and repaints it whenever the
// image says it changed.
class SheetImageView : public QWidget {
public:
    SheetImageView(SheetImage& image, QWidget* parent) : QWidget(parent), image_(image) {
        image_.SetOnChange([this](const QRegion*) { update(); });
    }
    ~SheetImageView() override { image_.SetOnChange(nullptr); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QImage& bitmap = image_.Bitmap();
        if (bitmap.isNull())
            p.fillRect(rect(), palette().window());
        else
            p.drawImage(0, 0, bitmap);
    }

private:
    SheetImage& image_;
};

// What can stand in a measurement field: digits and the user's decimal
// separator.  A '.' or ',' that comes in (typed or pasted) becomes the
// separator; any other character rejects the whole change, so pasted text
// cannot get past the key filter.  A change that would make the field a
// number beyond the largest measurement (kMaxMeasureCm) is rejected too:
// the key that would have made it is not taken.
class MeasureValidator : public QValidator {
public:
    MeasureValidator(const char& separator, QObject* parent) : QValidator(parent), separator_(separator) {}

    State validate(QString& input, int&) const override {
        for (QChar& c : input) {
            if (c.isDigit() && c.unicode() < 128) continue;
            if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
                c = QLatin1Char(separator_);
                continue;
            }
            return Invalid;
        }
        float value = 0.0f;
        if (ParseMeasureText(input.toStdString(), value) == MeasureParse::OutOfRange) return Invalid;
        return Acceptable;
    }

private:
    const char& separator_;
};

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

const char* const kDraftFailedText =
    "Чертёж не может быть построен по этим измерениям. Пожалуйста, проверьте измерения. ";
const char* const kNoMemoryText = "Не хватает памяти для выполнения команды. ";
const char* const kInternalErrorText = "Внутренняя ошибка программы. ";

std::string FailureText(const std::exception& e) {
    // The exceptions' own texts are for the program's developers, not for
    // the user.
    if (dynamic_cast<const EFloatError*>(&e)) return kDraftFailedText;
    if (dynamic_cast<const std::bad_alloc*>(&e) || dynamic_cast<const EOutOfResources*>(&e)) return kNoMemoryText;
    return kInternalErrorText;
}

void RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ShowMessage(FailureText(e), kAppTitle, MsgIcon::Error);
    } catch (int code) {
        ShowMessage("Внутренняя ошибка программы (код " + std::to_string(code) + "). ", kAppTitle, MsgIcon::Error);
    } catch (...) {
        ShowMessage(kInternalErrorText, kAppTitle, MsgIcon::Error);
    }
}

// ---------------------------------------------------------------------------
// Construction

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    MainForm = this;
    BuildWindow();

    Settings = new TSettings(width(), height());
    HelpFile = QDir(QCoreApplication::applicationDirPath()).filePath("ModrinHelp.html").toStdString();
    MasAtMain->setCurrentIndex(0);
    DecimalSeparator = ::DecimalSeparator();
    DecimalSeparatorText = std::string(1, DecimalSeparator);

    LineImage.SetWidth(kFigureWidth);
    LineImage.SetHeight(kFigureHeight);
    MeasureFigure.Init(LineImage, 255);

    SetOrderInfoSource(this);
    FormCreate();
}

TMainForm::~TMainForm() {
    RunGuarded([this] { FormClose(); });
    if (MeasureFigure.Image == &LineImage) {
        MeasureFigure.Image = nullptr;
        MeasureFigure.Canvas = nullptr;
    }
    if (&CurrentOrder() == this) SetOrderInfoSource(nullptr);
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::BuildWindow() {
    setWindowTitle(Q(kAppTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(MainToolIcon(7));

    auto* central = new QWidget(this);
    central->setFixedSize(kClientWidth, kClientHeight - kStatusHeight);
    setCentralWidget(central);

    BuildActions();
    BuildMenu();
    BuildToolBars();

    LineImageView = new SheetImageView(LineImage, central);
    LineImageView->setGeometry(5, 40, kFigureWidth, kFigureHeight);
    const QString figureHint = Q(" Измерения для построения основы");
    LineImageView->setToolTip(figureHint);
    LineImageView->setStatusTip(figureHint);

    BuildColumn();
    BuildGroupBox();
    BuildStatusBar();

    // The tab order: the column from top to bottom, then the order texts
    // and the calculate button.
    QWidget* previous = meas_[0];
    for (int k = 1; k < kMeasureRows; ++k) {
        setTabOrder(previous, meas_[k]);
        previous = meas_[k];
    }
    for (QWidget* w : std::initializer_list<QWidget*>{ModelType, CustomerData, CollarType, SleeveType, Comment,
                                                        Calculete}) {
        setTabOrder(previous, w);
        previous = w;
    }

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(666);
    connect(Timer1, &QTimer::timeout, this, [this] { RunGuarded([this] { Timer1Timer(); }); });

    // Alt+Up and Alt+Down move the focus wherever it is in the window.
    for (int key : {int(Qt::Key_Up), int(Qt::Key_Down)}) {
        auto* move = new QAction(this);
        move->setShortcut(QKeySequence(Qt::ALT | Qt::Key(key)));
        move->setShortcutContext(Qt::WindowShortcut);
        connect(move, &QAction::triggered, this, [this, key] { FormKeyDown(key, Qt::AltModifier); });
        addAction(move);
    }

    adjustSize();
    setFixedSize(sizeHint());
}

void TMainForm::BuildActions() {
    // An action with its caption, shortcut, hint (tool tip and status tip)
    // and handler; every handler runs guarded.
    auto make = [this](const char* caption, QKeySequence shortcut, const char* hint, void (TMainForm::*handler)(),
                       int icon = -1) {
        auto* action = new QAction(Q(caption), this);
        if (!shortcut.isEmpty()) {
            action->setShortcut(shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (hint) {
            action->setToolTip(Q(hint));
            action->setStatusTip(Q(hint));
        }
        if (icon >= 0) action->setIcon(MainToolIcon(icon));
        if (handler)
            connect(action, &QAction::triggered, this, [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
        addAction(action);
        return action;
    };

    CloseProg = make("&Выйти", QKeySequence(Qt::CTRL | Qt::Key_Q), nullptr, &TMainForm::CloseProgExecute);
    File = make("&Файл", {}, nullptr, nullptr);
    NewProject = make("&Новая основа..", QKeySequence(Qt::CTRL | Qt::Key_N), "Новая основа (Ctrl+N)",
                      &TMainForm::NewProjectExecute, 0);
    Open = make("&Открыть..", QKeySequence(Qt::CTRL | Qt::Key_O), " Открыть основу (Ctr+O)", &TMainForm::OpenExecute, 1);
    SaveModel = make("&Сохранить..", QKeySequence(Qt::CTRL | Qt::Key_S), " Сохранить основу (Ctrl+S)",
                     &TMainForm::SaveModelExecute, 2);
    PrintSetUp = make("&Настройка печати..", {}, " Настройка печати", &TMainForm::PrintSetUpExecute, 6);
    ToPrint = make("&Печать", QKeySequence(Qt::CTRL | Qt::Key_P), " Печать чертежа и таблиц основы (Ctrl+P)",
                   &TMainForm::ToPrintExecute, 5);
    EditModel = make("Ре&дактирование", {}, nullptr, nullptr);
    ClearModel = make("&Очистить", {}, "Очистить", &TMainForm::ClearModelExecute, 3);
    ReOn = make("П&ереключить", QKeySequence(Qt::CTRL | Qt::Key_F), "Переключить (Ctrl+F)", &TMainForm::ReOnExecute, 4);
    Mashtab14 = make("1:4", {}, nullptr, &TMainForm::Mashtab14Execute);
    Mashtab13 = make("1:3", {}, nullptr, &TMainForm::Mashtab13Execute);
    Mashtab12 = make("1:2", {}, nullptr, &TMainForm::Mashtab12Execute);
    Mashtab11 = make("1:1", {}, nullptr, &TMainForm::Mashtab11Execute);
    Calc = make("&Рассчитать", QKeySequence(Qt::CTRL | Qt::Key_C), "Расчёт и построение чертежа и таблиц основы (Ctrl+C)",
                &TMainForm::CalcExecute, 7);
    About = make("&Справка", {}, nullptr, nullptr);
    // The menu item of the help action reads "Опис&ание ".
    OpenHelpFile = make("Опис&ание ", QKeySequence(Qt::Key_F1), nullptr, &TMainForm::OpenHelpFileExecute);
    PAbout = make("О п&рограмме", {}, nullptr, &TMainForm::PAboutExecute);
    Answers = make("&Ответы на часто задаваемые вопросы", {}, nullptr, &TMainForm::AnswersExecute);
    Modelling = make("&Моделирование", {}, nullptr, &TMainForm::ModellingExecute);
    QuestionMe = make("&Задать вопрос..", {}, nullptr, &TMainForm::QuestionMeExecute);

    auto* scaleGroup = new QActionGroup(this);
    scaleGroup->setExclusive(true);
    for (QAction* a : {Mashtab14, Mashtab13, Mashtab12, Mashtab11}) {
        a->setCheckable(true);
        scaleGroup->addAction(a);
    }
    Mashtab14->setChecked(true);
    Mas14 = Mashtab14;
    Mas13 = Mashtab13;
    Mas12 = Mashtab12;
    Mas11 = Mashtab11;
}

void TMainForm::BuildMenu() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(File->text());
    file->addAction(NewProject);
    file->addSeparator();
    file->addAction(Open);
    file->addAction(SaveModel);
    file->addSeparator();
    file->addAction(PrintSetUp);
    file->addAction(ToPrint);
    file->addSeparator();
    file->addAction(CloseProg);

    QMenu* edit = bar->addMenu(EditModel->text());
    edit->addAction(ClearModel);
    edit->addAction(ReOn);
    QMenu* scale = edit->addMenu(Q("Масштаб"));
    for (QAction* a : {Mas14, Mas13, Mas12, Mas11}) scale->addAction(a);

    QMenu* help = bar->addMenu(About->text());
    help->addAction(OpenHelpFile);
    help->addAction(PAbout);
    help->addSeparator();
    help->addAction(Answers);
    help->addAction(Modelling);
    help->addAction(QuestionMe);
}

void TMainForm::BuildToolBars() {
    QWidget* central = centralWidget();
    auto makeBar = [central](int left) {
        auto* bar = new QToolBar(central);
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(QSize(24, 24));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->move(left, 2);
        return bar;
    };
    ToolBar1 = makeBar(2);
    ToolBar1->addAction(NewProject);
    ToolBar1->addAction(Open);
    ToolBar1->addAction(SaveModel);
    ToolBar1->addSeparator();
    ToolBar1->addAction(ClearModel);
    ToolBar1->addAction(ReOn);
    ToolBar1->adjustSize();

    MasAtMain = new QComboBox(central);
    for (const char* item : {" M 1:4", " M 1:3", " M 1:2", " M 1:1"}) MasAtMain->addItem(Q(item));
    MasAtMain->setFocusPolicy(Qt::NoFocus);
    MasAtMain->setToolTip(Q(" Выбор масштаба"));
    MasAtMain->setStatusTip(Q(" Выбор масштаба"));
    MasAtMain->setFixedWidth(82);
    MasAtMain->move(ToolBar1->x() + ToolBar1->width() + 6, 6);
    // The user's choice only: the program sets the index itself when the
    // scale changes elsewhere.
    connect(MasAtMain, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { RunGuarded([this, index] { MasAtMainChange(index); }); });

    ToolBar2 = makeBar(MasAtMain->x() + MasAtMain->width() + 8);
    ToolButton8 = new QToolButton(ToolBar2);
    ToolButton8->setDefaultAction(PrintSetUp);
    ToolButton8->setAutoRaise(true);
    ToolButton8->setIconSize(QSize(24, 24));
    ToolBar2->addWidget(ToolButton8);
    ToolBar2->addSeparator();
    ToolButton6 = new QToolButton(ToolBar2);
    ToolButton6->setDefaultAction(ToPrint);
    ToolButton6->setText(Q("&Печать "));
    ToolButton6->setAutoRaise(true);
    ToolButton6->setIconSize(QSize(24, 24));
    ToolBar2->addWidget(ToolButton6);
    ToolBar2->adjustSize();
}

void TMainForm::BuildColumn() {
    ScrollBox1 = new QScrollArea(centralWidget());
    ScrollBox1->setGeometry(5 + kFigureWidth + 5, 40, 161, 425);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);

    auto* column = new QWidget;
    column->setFixedWidth(161 - 4);
    QFont bold = column->font();
    bold.setBold(true);
    for (int k = 0; k < kMeasureRows; ++k) {
        const int n = k + 1;
        auto* label = new QLabel(DefaultRowCaption(n), column);
        label->setFont(bold);
        label->setGeometry(kRowLeft, 8 + kRowPitch * k, kEditWidth + 20, 16);
        label->hide();
        auto* edit = new QLineEdit(column);
        edit->setGeometry(kRowLeft, 24 + kRowPitch * k, kEditWidth, kEditHeight);
        edit->setValidator(new MeasureValidator(DecimalSeparator, edit));
        edit->setContextMenuPolicy(Qt::DefaultContextMenu);
        edit->installEventFilter(this);
        edit->hide();
        lines_[k] = label;
        meas_[k] = edit;
    }
    ScrollBox1->setWidget(column);
    UpdateColumnExtent();
}

// The order panel's rows below the customer line: label above field, one
// row every kPanelRowPitch pixels.
namespace {
constexpr int kPanelFirstPieceRow = 120;
constexpr int kPanelRowPitch = 48;
constexpr int kPanelLabelToField = 18;
}  // namespace

void TMainForm::ShowPieceRows(bool collar, bool sleeve) {
    int top = kPanelFirstPieceRow;
    auto row = [&](QLabel* label, QLineEdit* field, bool shown) {
        label->setVisible(shown);
        field->setVisible(shown);
        if (!shown) return;
        label->move(label->x(), top);
        field->move(field->x(), top + kPanelLabelToField);
        top += kPanelRowPitch;
    };
    row(Label4, CollarType, collar);
    row(Label5, SleeveType, sleeve);
    Label3->move(Label3->x(), top);
    const int commentTop = top + kPanelLabelToField;
    Comment->setGeometry(12, commentTop, GroupBox1->width() - 24, GroupBox1->height() - commentTop - 12);
}

bool TMainForm::CollarRowShown() const { return !CollarType->isHidden(); }
bool TMainForm::SleeveRowShown() const { return !SleeveType->isHidden(); }

void TMainForm::BuildGroupBox() {
    QWidget* central = centralWidget();
    const int left = ScrollBox1->x() + ScrollBox1->width() + 6;
    GroupBox1 = new QGroupBox(Q(" Комментарий к заказу и информация о клиенте: "), central);
    GroupBox1->setGeometry(left, 36, kClientWidth - left - 5, 385);

    const int inner = GroupBox1->width() - 24;
    auto label = [this](const char* text, int top) {
        auto* l = new QLabel(Q(text), GroupBox1);
        l->move(12, top);
        l->adjustSize();
        return l;
    };
    auto edit = [this, inner](int top, const char* hint, int maxLength) {
        auto* e = new QLineEdit(GroupBox1);
        e->setGeometry(12, top, inner, 22);
        if (maxLength > 0) e->setMaxLength(maxLength);
        if (hint) {
            e->setToolTip(Q(hint));
            e->setStatusTip(Q(hint));
        }
        e->installEventFilter(this);
        return e;
    };
    Label1 = label("Основа:", 24);
    ModelType = edit(42, " Щелкните правой кнопкой для коррекции номера заказа", 50);
    // The right button opens the order-number dialog, and only that: the
    // field's own edit menu, which would follow the press, is suppressed.
    ModelType->setContextMenuPolicy(Qt::PreventContextMenu);
    Label2 = label("Клиент:", 72);
    CustomerData = edit(90, " Информация о клиенте", 50);
    Label4 = label("Воротник:", 120);
    CollarType = edit(138, nullptr, 0);
    CollarType->setReadOnly(true);
    Label5 = label("Рукав:", 168);
    SleeveType = edit(186, nullptr, 0);
    SleeveType->setReadOnly(true);
    Label3 = label("Комментарий к заказу", 216);
    Comment = new QTextEdit(GroupBox1);
    Comment->setAcceptRichText(false);
    Comment->setTabChangesFocus(true);
    Comment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ShowPieceRows(false, false);
    Comment->setToolTip(Q(" Комментарий к заказу"));
    Comment->setStatusTip(Q(" Комментарий к заказу"));

    Calculete = new QPushButton(Q("Рассчитать"), central);
    Calculete->setIcon(MainToolIcon(7));
    Calculete->setToolTip(Calc->toolTip());
    Calculete->setStatusTip(Calc->statusTip());
    Calculete->setGeometry(GroupBox1->x() + GroupBox1->width() - 140, GroupBox1->y() + GroupBox1->height() + 8, 140,
                           32);
    connect(Calculete, &QPushButton::clicked, Calc, &QAction::trigger);
}

void TMainForm::BuildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(kStatusHeight);
    StatusPanel0 = new QLabel(bar);
    StatusPanel0->setFixedWidth(161);
    StatusPanel0->setFrameShape(QFrame::StyledPanel);
    StatusPanel0->setFrameShadow(QFrame::Sunken);
    StatusPanel1 = new QLabel(bar);
    StatusPanel1->setMinimumWidth(50);
    StatusPanel1->setFrameShape(QFrame::StyledPanel);
    StatusPanel1->setFrameShadow(QFrame::Sunken);
    bar->addWidget(StatusPanel0);
    bar->addWidget(StatusPanel1, 1);
    setStatusBar(bar);
}

// ---------------------------------------------------------------------------
// The measurement column

QLabel* TMainForm::Line(int n) const { return n >= 1 && n <= kMeasureRows ? lines_[n - 1] : nullptr; }
QLineEdit* TMainForm::Meas(int n) const { return n >= 1 && n <= kMeasureRows ? meas_[n - 1] : nullptr; }

QAction* TMainForm::ScaleMenuItem(int n) const {
    switch (n) {
        case 1: return Mas11;
        case 2: return Mas12;
        case 3: return Mas13;
        case 4: return Mas14;
        default: return nullptr;
    }
}

void TMainForm::SetRow(int n, const std::string& caption, const std::string& hint) {
    QLabel* label = Line(n);
    QLineEdit* edit = Meas(n);
    if (!label) return;
    const QString h = Q(hint);
    label->setText(Q(caption));
    label->setStatusTip(h);
    edit->setStatusTip(h);
    label->setToolTip(h);
    edit->setToolTip(h);
    label->show();
    edit->show();
    UpdateColumnExtent();
}

void TMainForm::HideRow(int n) {
    QLabel* label = Line(n);
    QLineEdit* edit = Meas(n);
    if (!label) return;
    label->hide();
    edit->hide();
    label->setText(DefaultRowCaption(n));
    for (QWidget* w : std::initializer_list<QWidget*>{label, edit}) {
        w->setToolTip(QString());
        w->setStatusTip(QString());
    }
    UpdateColumnExtent();
}

std::string TMainForm::MeasHint(int n) const {
    const QLineEdit* edit = Meas(n);
    return edit ? edit->statusTip().toStdString() : std::string();
}

void TMainForm::UpdateColumnExtent() {
    int bottom = 0;
    for (QLineEdit* edit : meas_)
        if (!edit->isHidden()) bottom = std::max(bottom, edit->y() + edit->height());
    QWidget* column = ScrollBox1->widget();
    if (column) column->setFixedHeight(std::max(bottom + 8, ScrollBox1->viewport()->height()));
}

void TMainForm::FilterNumericKey(char& key) {
    if (key == 13) {
        key = 0;
        SelectNextControl(true);
    } else if ((key >= '0' && key <= '9') || key == 8) {
        // passes
    } else if (key == '.' || key == ',') {
        key = DecimalSeparator;
    } else {
        key = 0;
    }
}

void TMainForm::SelectNextControl(bool forward) { focusNextPrevChild(forward); }

bool TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & Qt::AltModifier)) return false;
    if (key == Qt::Key_Up) {
        SelectNextControl(false);
        return true;
    }
    if (key == Qt::Key_Down) {
        SelectNextControl(true);
        return true;
    }
    return false;
}

void TMainForm::MeasEnter(int n) {
    QLineEdit* edit = Meas(n);
    if (!edit) return;
    ScrollBox1->ensureWidgetVisible(edit, 0, 8);
    StatusPanel0->setText(QStringLiteral("  ") + edit->statusTip());
    if (Model) Model->ShowMeasure(n);
}

void TMainForm::ApplicationEvents1Hint(const QString& hint) { StatusPanel1->setText(QStringLiteral("  ") + hint); }

// A key typed into a measurement field, through the key filter.  True when
// the key was taken here.
bool TMainForm::FilterMeasKey(QLineEdit* edit, QKeyEvent* key) {
    if (IsEnter(key->key())) {
        char c = 13;
        FilterNumericKey(c);
        return true;
    }
    // Editing keys and shortcuts (arrows, Delete, Ctrl+V ...) are the field's
    // own; what they insert still passes the field's validator.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key->text();
    if (text.isEmpty()) return false;
    QString typed;
    for (QChar qc : text) {
        if (qc.unicode() >= 128) continue;  // letters of other alphabets
        char c = char(qc.unicode());
        if (c == 8) return false;  // Backspace: the field's own
        FilterNumericKey(c);
        if (c != 0) typed += QLatin1Char(c);
    }
    if (!typed.isEmpty()) edit->insert(typed);
    return true;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    bool taken = false;
    RunGuarded([&] {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit) return;
        const int row = int(std::find(meas_.begin(), meas_.end(), edit) - meas_.begin()) + 1;
        const bool isMeas = row <= kMeasureRows;
        switch (event->type()) {
            case QEvent::ShortcutOverride: {
                // The field would take Ctrl+C for copying; the calculate
                // command comes first, as everywhere else in the window.
                auto* key = static_cast<QKeyEvent*>(event);
                if (isMeas && key->matches(QKeySequence::Copy)) {
                    event->ignore();
                    taken = true;
                }
                break;
            }
            case QEvent::KeyPress: {
                auto* key = static_cast<QKeyEvent*>(event);
                if (isMeas) {
                    taken = FilterMeasKey(edit, key);
                } else if (IsEnter(key->key()) && !(key->modifiers() & Qt::AltModifier)) {
                    SelectNextControl(true);
                    taken = true;
                }
                break;
            }
            case QEvent::FocusIn:
                if (isMeas) MeasEnter(row);
                break;
            case QEvent::MouseButtonPress:
                if (edit == ModelType) ModelTypeMouseDown(static_cast<QMouseEvent*>(event)->button());
                break;
            default:
                break;
        }
    });
    return taken || QMainWindow::eventFilter(watched, event);
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ApplicationEvents1Hint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    RunGuarded([this] { FormClose(); });
    QMainWindow::closeEvent(event);
    emit Closed();
}

// ---------------------------------------------------------------------------
// The order texts

std::string TMainForm::ModelTypeText() const { return ModelType->text().toStdString(); }
std::string TMainForm::CustomerText() const { return CustomerData->text().toStdString(); }

std::vector<std::string> TMainForm::CommentLines() const {
    std::vector<std::string> lines;
    const QString text = Comment->toPlainText();
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(line.toStdString());
    return lines;
}

int TMainForm::TilingMode() const { return Settings ? int(Settings->Record->TilingMode) : 4; }
