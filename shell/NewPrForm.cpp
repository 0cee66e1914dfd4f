#include "shell/NewPrForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "shell/Factory.h"
#include "shell/MainForm.h"
#include "shell/Settings.h"

TNewPrForm* NewPrForm = nullptr;

namespace {

const char* const kCollarLinePrefix = "Воротник: ";
const char* const kSleeveLinePrefix = "Рукав: ";
const char* const kNotReadyHint = "Эта основа ещё не готова: её построение войдёт в следующие версии программы.";
const char* const kPieceNotReadyHint = "Ещё не готово";
// What the collar and sleeve lists hold before they are first filled.
const char* const kNotChosen = "Не выбран";

constexpr int kIndexRole = Qt::UserRole;

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }
QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

// The four tree images: 0 closed category, 1 open category, 2 base,
// 3 selected base.
QPixmap TreeImage(int index) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 90, 20), 1));
    if (index <= 1) {
        // A folder, its flap lifted when open.
        p.setBrush(QColor(230, 190, 80));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 2.5, 5, 2));
        if (index == 1) {
            p.setBrush(QColor(250, 220, 120));
            const QPointF flap[] = {{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}};
            p.drawPolygon(flap, 4);
        }
    } else {
        // A pattern sheet with a cut line, coloured when selected.
        p.setPen(QPen(QColor(60, 60, 70), 1));
        p.setBrush(index == 3 ? QColor(255, 240, 170) : QColor(250, 250, 245));
        const QPointF sheet[] = {{3.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {3.5, 14.5}};
        p.drawPolygon(sheet, 5);
        p.setPen(QPen(index == 3 ? QColor(204, 0, 0) : QColor(52, 101, 164), 1.2));
        p.drawLine(QPointF(5.5, 6), QPointF(11.5, 6));
        p.drawLine(QPointF(5.5, 9), QPointF(11.5, 9));
        p.drawLine(QPointF(5.5, 12), QPointF(9.5, 12));
    }
    return pixmap;
}

// An icon of image `normal` with image `selected` for a selected node.
QIcon TreeIcon(int normal, int selected) {
    QIcon icon;
    icon.addPixmap(TreeImage(normal), QIcon::Normal);
    icon.addPixmap(TreeImage(selected), QIcon::Selected);
    return icon;
}

// A stored list position, or -1 when it does not fit the list.
int Fit(int index, const QComboBox* box) { return index >= 0 && index < box->count() ? index : -1; }

bool PieceAvailable(int kind, bool isCollar) {
    if (kind <= 0) return true;
    return isCollar ? HasCollarMaker(kind) : HasSleeveMaker(kind);
}

// The item a list opens on: its default, unless that piece is not built yet;
// then "none" (kind 0, in every list), so that a base chosen as it opens can
// always be drafted.
int OpeningItem(const BaseList& list, int defaultItem, bool isCollar) {
    const BaseListItem* item = list.Item(defaultItem);
    if (!item || PieceAvailable(item->kind, isCollar)) return defaultItem;
    for (int i = 0; i < list.count; ++i)
        if (list.items[i].kind == 0) return i;
    return defaultItem;
}

}  // namespace

TNewPrForm::TNewPrForm(QWidget* parent) : QDialog(parent) {
    NewPrForm = this;
    BuildWindow();
    FormCreate();
}

TNewPrForm::~TNewPrForm() {
    if (NewPrForm == this) NewPrForm = nullptr;
}

void TNewPrForm::BuildWindow() {
    setWindowTitle(Q("Основы"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    TreeView1 = new QTreeWidget(this);
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    TreeView1->setIndentation(19);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setIconSize(QSize(16, 16));
    BuildTree();

    GroupBox1 = new QGroupBox(Q(" Детали "), this);
    Label3 = new QLabel(Q("Горловина "), GroupBox1);
    ComboBox3 = new QComboBox(GroupBox1);
    ComboBox3->addItems({Q(kNecklineTexts[0]), Q(kNecklineTexts[1])});
    ComboBox3->setCurrentIndex(0);
    Label2 = new QLabel(Q("Воротник"), GroupBox1);
    ComboBox2 = new QComboBox(GroupBox1);
    ComboBox2->addItem(Q(kNotChosen));
    Label1 = new QLabel(Q("Рукав"), GroupBox1);
    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->addItem(Q(kNotChosen));
    auto* details = new QVBoxLayout(GroupBox1);
    for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(ComboBox3),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(ComboBox2),
                       static_cast<QWidget*>(Label1), static_cast<QWidget*>(ComboBox1)}) {
        details->addWidget(w);
        w->hide();
    }
    details->addStretch(1);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setReadOnly(true);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setFocusPolicy(Qt::NoFocus);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFixedHeight(58);

    ChoosBut = new QPushButton(Q("Выбрать"), this);
    ChoosBut->setToolTip(Q("Выбрать (Alt+S)"));
    CanselBut = new QPushButton(Q("Отменить"), this);
    CanselBut->setToolTip(Q("Отменить (Esc)"));
    // Enter belongs to the dialog's key preview, never to a focused button.
    ChoosBut->setAutoDefault(false);
    CanselBut->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(TreeView1, 1);
    top->addWidget(GroupBox1);
    GroupBox1->setFixedWidth(170);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ChoosBut);
    buttons->addWidget(CanselBut);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addWidget(RichEdit1);
    all->addLayout(buttons);
    setFixedSize(513, 312);

    connect(TreeView1, &QTreeWidget::itemSelectionChanged, this, [this] { OnSelectionChanged(); });
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem*, int) { RunGuarded([this] { TreeView1DblClick(); }); });
    connect(TreeView1, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { TreeView1Expanding(NodeIndex(item)); });
    connect(TreeView1, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { TreeView1Collapsing(NodeIndex(item)); });
    // The lists' change handlers answer the user's choices only.
    connect(ComboBox3, &QComboBox::activated, this, [this](int) { ComboBox3Change(); });
    connect(ComboBox2, &QComboBox::activated, this, [this](int) { ComboBox2Change(); });
    connect(ComboBox1, &QComboBox::activated, this, [this](int) { ComboBox1Change(); });
    connect(ChoosBut, &QPushButton::clicked, this, [this] { RunGuarded([this] { ChoosButClick(); }); });
    connect(CanselBut, &QPushButton::clicked, this, [this] { CanselButClick(); });

    // Key preview: the dialog sees Enter, Esc and Alt+S before its controls.
    for (QWidget* w : {static_cast<QWidget*>(TreeView1), static_cast<QWidget*>(ComboBox1),
                       static_cast<QWidget*>(ComboBox2), static_cast<QWidget*>(ComboBox3),
                       static_cast<QWidget*>(ChoosBut), static_cast<QWidget*>(CanselBut)})
        w->installEventFilter(this);
}

void TNewPrForm::BuildTree() {
    const QIcon category = TreeIcon(0, 1);
    const QIcon leaf = TreeIcon(2, 3);
    for (int i = 0; i < kBaseTreeNodes; ++i) {
        const BaseTreeNode& node = *BaseNode(i);
        QTreeWidgetItem* item = node.parent < 0 ? new QTreeWidgetItem(TreeView1)
                                                : new QTreeWidgetItem(nodes_[node.parent]);
        item->setText(0, Q(node.text));
        item->setData(0, kIndexRole, i);
        item->setIcon(0, IsCategoryNode(i) ? category : leaf);
        nodes_[i] = item;
    }
}

QTreeWidgetItem* TNewPrForm::Node(int index) const {
    return index >= 0 && index < kBaseTreeNodes ? nodes_[index] : nullptr;
}

int TNewPrForm::NodeIndex(const QTreeWidgetItem* item) const {
    if (!item) return -1;
    bool ok = false;
    const int index = item->data(0, kIndexRole).toInt(&ok);
    return ok ? index : -1;
}

int TNewPrForm::SelectedNode() const {
    const QList<QTreeWidgetItem*> selected = TreeView1->selectedItems();
    return selected.isEmpty() ? -1 : NodeIndex(selected.first());
}

void TNewPrForm::SelectNode(int index) {
    QTreeWidgetItem* item = Node(index);
    if (!item) {
        TreeView1->clearSelection();
        return;
    }
    // As in the system tree, selecting a node brings it into view.
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
    TreeView1->setCurrentItem(item);
    item->setSelected(true);
    TreeView1->scrollToItem(item);
}

std::vector<std::string> TNewPrForm::DescriptionLines() const { return description_; }

bool TNewPrForm::Available(int type) { return HasModelMaker(type); }

void TNewPrForm::OnSelectionChanged() {
    const int index = SelectedNode();
    if (index == lastSelected_) return;
    TreeView1Changing(index);
    lastSelected_ = index;
    TreeView1Change(index);
}

// ---------------------------------------------------------------------------
// Steps 1 to 5: selection, neckline, collar, sleeve

void TNewPrForm::TreeView1Changing(int index) {
    // A category (and, here, no node at all) leaves nothing chosen.
    if (index < 0 || IsCategoryNode(index)) {
        chosenType_ = chosenCollar_ = chosenSleeve_ = -1;
        if (partsShown_) ShowParts(false);
    }
}

void TNewPrForm::TreeView1Change(int index) {
    description_.clear();
    ComboBox1->clear();
    ComboBox2->clear();
    ComboBox3->setCurrentIndex(kNecklineClosed);

    const BaseTreeNode* node = BaseNode(index);
    if (node && node->type >= 0) {
        const int type = node->type;
        chosenType_ = type;
        if (IsBodiceType(type)) {
            if (!partsShown_) ShowParts(true);
            const BaseList sleeves = SleeveList(type);
            const int sleeveItem = OpeningItem(sleeves, DefaultSleeveItem(type), false);
            FillList(ComboBox1, sleeves, false);
            ComboBox1->setCurrentIndex(sleeveItem);
            chosenSleeve_ = sleeves.Item(sleeveItem)->kind;
            chosenCollar_ = 0;
            ComboBox3->setCurrentIndex(DefaultNeckline(type));
            description_ = {BaseDescription(type), kCollarLinePrefix,
                            std::string(kSleeveLinePrefix) + sleeves.Item(sleeveItem)->text};
        } else {
            if (partsShown_) ShowParts(false);
            chosenCollar_ = chosenSleeve_ = -1;
            description_ = {BaseDescription(type)};
        }
    }
    ComboBox3Change();
    UpdateDescription();
    UpdateChooseButton();
}

void TNewPrForm::ComboBox3Change() {
    ComboBox2->clear();
    const int neckline = ComboBox3->currentIndex();
    const BaseList collars = CollarList(chosenType_, neckline);
    if (collars.Empty()) return;
    FillList(ComboBox2, collars, true);
    const int item = OpeningItem(collars, DefaultCollarItem(chosenType_, neckline), true);
    ComboBox2->setCurrentIndex(item);
    chosenCollar_ = collars.Item(item)->kind;
    SetDescriptionLine(1, std::string(kCollarLinePrefix) + collars.Item(item)->text);
}

void TNewPrForm::ComboBox2Change() {
    const BaseListItem* item = CollarList(chosenType_, ComboBox3->currentIndex()).Item(ComboBox2->currentIndex());
    if (!item) return;
    chosenCollar_ = item->kind;
    SetDescriptionLine(1, std::string(kCollarLinePrefix) + item->text);
}

void TNewPrForm::ComboBox1Change() {
    const BaseListItem* item = SleeveList(chosenType_).Item(ComboBox1->currentIndex());
    if (!item) return;
    chosenSleeve_ = item->kind;
    SetDescriptionLine(2, std::string(kSleeveLinePrefix) + item->text);
}

void TNewPrForm::ShowParts(bool shown) {
    for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(ComboBox3),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(ComboBox2),
                       static_cast<QWidget*>(Label1), static_cast<QWidget*>(ComboBox1)})
        w->setVisible(shown);
    partsShown_ = shown;
}

void TNewPrForm::SetDescriptionLine(int line, const std::string& text) {
    if (int(description_.size()) <= line) description_.resize(line + 1);
    description_[line] = text;
    UpdateDescription();
}

void TNewPrForm::UpdateDescription() {
    QStringList lines;
    for (const std::string& line : description_) lines << Q(line);
    RichEdit1->setPlainText(lines.join('\n'));
}

void TNewPrForm::FillList(QComboBox* box, const BaseList& list, bool isCollar) {
    box->clear();
    for (int i = 0; i < list.count; ++i) box->addItem(Q(list.items[i].text), list.items[i].kind);
    // Items whose piece is not built yet stay in the list (its positions are
    // stored) but are greyed; choosing one is refused by the factory.
    auto* model = qobject_cast<QStandardItemModel*>(box->model());
    for (int i = 0; model && i < list.count; ++i) {
        QStandardItem* item = model->item(i);
        const bool available = PieceAvailable(list.items[i].kind, isCollar);
        item->setEnabled(available);
        item->setToolTip(available ? QString() : Q(kPieceNotReadyHint));
    }
}

void TNewPrForm::RefreshAvailability() {
    const QBrush greyed = palette().brush(QPalette::Disabled, QPalette::Text);
    for (int i = 0; i < kBaseTreeNodes; ++i) {
        const int type = BaseNode(i)->type;
        if (type < 0) continue;
        const bool available = Available(type);
        nodes_[i]->setForeground(0, available ? QBrush() : greyed);
        nodes_[i]->setToolTip(0, available ? QString() : Q(kNotReadyHint));
    }
    if (chosenType_ >= 0 && partsShown_) {
        // Re-grey the lists in place, keeping their positions.
        const int collar = ComboBox2->currentIndex(), sleeve = ComboBox1->currentIndex();
        FillList(ComboBox1, SleeveList(chosenType_), false);
        FillList(ComboBox2, CollarList(chosenType_, ComboBox3->currentIndex()), true);
        ComboBox2->setCurrentIndex(Fit(collar, ComboBox2));
        ComboBox1->setCurrentIndex(Fit(sleeve, ComboBox1));
    }
    UpdateChooseButton();
}

void TNewPrForm::UpdateChooseButton() {
    // A category toggles, so the button stays usable on it; a leaf only when
    // its garment is built.
    const BaseTreeNode* node = BaseNode(SelectedNode());
    ChoosBut->setEnabled(!node || node->type < 0 || Available(node->type));
}

// ---------------------------------------------------------------------------
// Step 6: choosing

bool TNewPrForm::Choose() {
    QTreeWidgetItem* item = Node(SelectedNode());
    if (!item) return false;
    if (item->childCount() > 0) {
        item->setExpanded(!item->isExpanded());
        return false;
    }
    if (!Available(chosenType_) || !MainForm) return false;
    const int oldNeckline = MainForm->Neckline;
    MainForm->Neckline = ComboBox3->currentIndex();
    // The factory refuses (with its message) a collar or sleeve that is not
    // built yet; the dialog then stays open on the choice.
    if (!MainForm->CreateModel(chosenType_, chosenCollar_, chosenSleeve_)) {
        MainForm->Neckline = oldNeckline;
        return false;
    }
    done(QDialog::Accepted);
    return true;
}

void TNewPrForm::ChoosButClick() { Choose(); }

void TNewPrForm::TreeView1DblClick() {
    QTreeWidgetItem* item = Node(SelectedNode());
    if (item && item->childCount() == 0) Choose();
}

void TNewPrForm::CanselButClick() { done(QDialog::Rejected); }

bool TNewPrForm::FormKeyPress(int key) {
    if (key == 13) {
        RunGuarded([this] { ChoosButClick(); });
        return true;
    }
    if (key == 27) {
        done(QDialog::Rejected);
        return true;
    }
    return false;
}

bool TNewPrForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    // Alt+S, also on the Russian layout (Qt's key code of "Ы", which stands
    // on the S key, is its upper-case code point).
    constexpr int kKeyYeru = 0x042B;
    if ((key == Qt::Key_S || key == kKeyYeru) &&
        (modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier)) == Qt::AltModifier) {
        RunGuarded([this] { ChoosButClick(); });
        return true;
    }
    return false;
}

namespace {

// The key-preview character of a key event: 13 for Enter, 27 for Esc, 0
// otherwise.
int PreviewChar(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return 0;
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        default: return 0;
    }
}

}  // namespace

void TNewPrForm::keyPressEvent(QKeyEvent* event) {
    if (FormKeyDown(event->key(), event->modifiers())) return;
    if (const int c = PreviewChar(event); c && FormKeyPress(c)) return;
    QDialog::keyPressEvent(event);
}

bool TNewPrForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (FormKeyDown(key->key(), key->modifiers())) return true;
        if (const int c = PreviewChar(key); c && FormKeyPress(c)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Step 7: position and tree state; step 8: category images

void TNewPrForm::FormCreate() {
    if (!Settings) return;
    const TSettingsRecord& r = *Settings->Record;
    move(r.NewBaseLeft, r.NewBaseTop);
    for (int i = 0; i < kBaseTreeNodes; ++i)
        if (r.Expanded[i]) nodes_[i]->setExpanded(true);
    // A stored node outside the tree (a damaged file) selects nothing.
    if (r.SelectedNode != -1) SelectNode(Node(r.SelectedNode) ? int(r.SelectedNode) : -1);
    if (partsShown_) {
        ComboBox3->setCurrentIndex(Fit(r.NecklineIndex, ComboBox3));
        ComboBox3Change();
        ComboBox2->setCurrentIndex(Fit(r.CollarIndex, ComboBox2));
        ComboBox2Change();
        ComboBox1->setCurrentIndex(Fit(r.SleeveIndex, ComboBox1));
        ComboBox1Change();
    }
    RefreshAvailability();
}

void TNewPrForm::FormClose() {
    if (!Settings) return;
    TSettingsRecord& r = *Settings->Record;
    r.NewBaseLeft = x();
    r.NewBaseTop = y();
    for (int i = 0; i < kBaseTreeNodes; ++i) r.Expanded[i] = nodes_[i]->isExpanded() ? 1 : 0;
    r.SelectedNode = SelectedNode();
    r.NecklineIndex = ComboBox3->currentIndex();
    r.CollarIndex = ComboBox2->currentIndex();
    r.SleeveIndex = ComboBox1->currentIndex();
}

void TNewPrForm::TreeView1Expanding(int index) {
    if (IsCategoryNode(index)) nodes_[index]->setIcon(0, TreeIcon(1, 1));
}

void TNewPrForm::TreeView1Collapsing(int index) {
    if (IsCategoryNode(index)) nodes_[index]->setIcon(0, TreeIcon(0, 0));
}

void TNewPrForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TNewPrForm::showEvent(QShowEvent* event) {
    RefreshAvailability();
    QDialog::showEvent(event);
}

bool RunBaseSelection() {
    if (!NewPrForm) return false;
    const bool chosen = NewPrForm->exec() == QDialog::Accepted;
    if (chosen && MainForm) {
        MainForm->raise();
        MainForm->activateWindow();
    }
    return chosen;
}
