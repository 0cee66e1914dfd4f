// The base-selection dialog: the tree, what each leaf hands to the factory,
// the neckline, collar and sleeve lists with their defaults, the bases that
// are not built yet, the keys, and the state kept in the settings record.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <map>
#include <memory>

#include "shell/Factory.h"
#include "shell/NewPrForm.h"
#include "tests/shell/MainFormFixture.h"

namespace {

std::vector<std::string> Items(const QComboBox* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->count(); ++i) items.push_back(box->itemText(i).toStdString());
    return items;
}

std::string SelectedText(const QComboBox* box) { return box->currentText().toStdString(); }

}  // namespace

class NewPrFormTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        if (HasFatalFailure()) return;
        dialog = std::make_unique<TNewPrForm>();
    }

    void TearDown() override {
        dialog.reset();
        for (auto& [type, maker] : savedModels_) RegisterModelMaker(type, std::move(maker));
        for (auto& [kind, maker] : savedCollars_) RegisterCollarMaker(kind, std::move(maker));
        for (auto& [kind, maker] : savedSleeves_) RegisterSleeveMaker(kind, std::move(maker));
        MainFormFixture::TearDown();
    }

    // Every garment type, collar and sleeve becomes buildable, as when the
    // whole program is built: the fixture's test garment, collar and sleeve
    // stand in for every type and kind.
    void RegisterEverything() {
        const CollarMaker collar = RegisterCollarMaker(kTestCollarKinds[0], nullptr);
        RegisterCollarMaker(kTestCollarKinds[0], collar);
        const SleeveMaker sleeve = RegisterSleeveMaker(kTestSleeveKinds[0], nullptr);
        RegisterSleeveMaker(kTestSleeveKinds[0], sleeve);
        for (int type = 0; type < kModelTypes; ++type)
            if (!HasModelMaker(type)) savedModels_[type] = RegisterModelMaker(type, [] { return new TTestGarment; });
        for (int kind = 1; kind <= kCollarKinds; ++kind)
            if (!HasCollarMaker(kind)) savedCollars_[kind] = RegisterCollarMaker(kind, collar);
        for (int kind = 1; kind <= kSleeveKinds; ++kind)
            if (!HasSleeveMaker(kind)) savedSleeves_[kind] = RegisterSleeveMaker(kind, sleeve);
        dialog->RefreshAvailability();
    }

    // A dialog made anew, restoring from the settings record as at start-up.
    void Reopen() {
        dialog.reset();
        dialog = std::make_unique<TNewPrForm>();
    }

    std::unique_ptr<TNewPrForm> dialog;

private:
    std::map<int, ModelMaker> savedModels_;
    std::map<int, CollarMaker> savedCollars_;
    std::map<int, SleeveMaker> savedSleeves_;
};

// The tree as the user sees it with every category open: one blank of
// indent per level, and after '#' the garment type of a leaf.
const char* const kOutline[] = {
    "Основы",
    " Женские",
    "  Плечевых изделий",
    "   Платье",
    "    Прямого силуэта#7",
    "    Прилегающего силуэта#8",
    "   Жакет",
    "    Прямого силуэта#9",
    "    Прилегающего силуэта#10",
    "   Пальто демисезонное",
    "    Прямого силуэта#11",
    "    Прилегающего силуэта#12",
    "   Пальто зимнее",
    "    Прямого силуэта#13",
    "    Прилегающего силуэта#14",
    "  Поясных изделий",
    "   Юбка#0",
    "   Юбка - брюки#6",
    "   Брюки классические#1",
    "   Брюки классические 2#16",
    "   Брюки модельные#17",
    "   Джинсы#2",
    "   Джинсы 2#18",
    "   Шорты#19",
    " Мужские",
    "  Плечевых изделий",
    "   Сорочка",
    "    Прямого силуэта#22",
    "    Прилегающего силуэта#23",
    "   Куртка",
    "    Прямого силуэта#24",
    "    Прилегающего силуэта#25",
    "   Пальто демисезонное",
    "    С боковым швом#28",
    "    С цельнокроеным бочком#29",
    "    С отрезным бочком#30",
    "   Пальто зимнее",
    "    С боковым швом#31",
    "    С цельнокроеным бочком#32",
    "    С отрезным бочком#33",
    "   Пиджак",
    "    С цельнокроеным бочком#34",
    "    С отрезным бочком#35",
    "   Жилет#36",
    "  Поясных изделий",
    "   Брюки классические#4",
    "   Брюки классические 2#21",
    "   Брюки с заниженным поясом#15",
    "   Брюки с заниженным поясом 2#26",
    "   Брюки объёмной формы#5",
    "   Брюки объёмной формы 2#27",
    "   Джинсы#3",
    "   Джинсы 2#20",
};

TEST_F(NewPrFormTest, TreeHas53NodesWithTheirTextsLevelsAndTypes) {
    ASSERT_EQ(std::size(kOutline), 53u);
    ASSERT_EQ(dialog->TreeView1->topLevelItemCount(), 1);
    // Walk the widget's tree in its own order, depth first.
    std::vector<std::pair<QTreeWidgetItem*, int>> walk;
    std::vector<std::pair<QTreeWidgetItem*, int>> stack{{dialog->TreeView1->topLevelItem(0), 0}};
    while (!stack.empty()) {
        auto [item, depth] = stack.back();
        stack.pop_back();
        walk.emplace_back(item, depth);
        for (int c = item->childCount() - 1; c >= 0; --c) stack.emplace_back(item->child(c), depth + 1);
    }
    ASSERT_EQ(walk.size(), 53u);
    std::vector<int> categories;
    for (int i = 0; i < 53; ++i) {
        SCOPED_TRACE(i);
        const std::string line = kOutline[i];
        const size_t depth = line.find_first_not_of(' ');
        const size_t hash = line.find('#');
        const std::string text = line.substr(depth, hash == std::string::npos ? std::string::npos : hash - depth);
        const int type = hash == std::string::npos ? -1 : std::stoi(line.substr(hash + 1));

        EXPECT_EQ(walk[i].first->text(0).toStdString(), text);
        EXPECT_EQ(walk[i].second, int(depth));
        EXPECT_EQ(dialog->NodeIndex(walk[i].first), i);
        EXPECT_EQ(dialog->Node(i), walk[i].first);
        EXPECT_EQ(IsCategoryNode(i), type < 0);
        if (type < 0) categories.push_back(i);

        dialog->SelectNode(i);
        EXPECT_EQ(dialog->SelectedNode(), i);
        EXPECT_EQ(dialog->ChosenType(), type);
    }
    EXPECT_EQ(categories, (std::vector<int>{0, 1, 2, 3, 6, 9, 12, 15, 24, 25, 26, 29, 32, 36, 40, 44}));
}

TEST_F(NewPrFormTest, TextsOfTheDialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Основы");
    EXPECT_EQ(dialog->GroupBox1->title().toStdString(), " Детали ");
    EXPECT_EQ(dialog->Label3->text().toStdString(), "Горловина ");
    EXPECT_EQ(dialog->Label2->text().toStdString(), "Воротник");
    EXPECT_EQ(dialog->Label1->text().toStdString(), "Рукав");
    EXPECT_EQ(Items(dialog->ComboBox3), (std::vector<std::string>{"Закрытая", "Открытая"}));
    EXPECT_EQ(dialog->ChoosBut->text().toStdString(), "Выбрать");
    EXPECT_EQ(dialog->ChoosBut->toolTip().toStdString(), "Выбрать (Alt+S)");
    EXPECT_EQ(dialog->CanselBut->text().toStdString(), "Отменить");
    EXPECT_EQ(dialog->CanselBut->toolTip().toStdString(), "Отменить (Esc)");
    EXPECT_TRUE(dialog->RichEdit1->isReadOnly());
    EXPECT_EQ(dialog->size(), QSize(513, 312));
}

TEST_F(NewPrFormTest, EveryLeafHandsItsTypeAndDefaultKindsToTheFactory) {
    RegisterEverything();
    struct Case {
        int node, type, collar, sleeve, neckline;
    };
    const Case cases[] = {
        {4, 7, 0, 0, 0},     {5, 8, 0, 0, 0},     {7, 9, 1, 2, 0},     {8, 10, 1, 2, 0},
        {10, 11, 1, 2, 0},   {11, 12, 1, 2, 0},   {13, 13, 1, 3, 0},   {14, 14, 1, 3, 0},
        {16, 0, -1, -1, 0},  {17, 6, -1, -1, 0},  {18, 1, -1, -1, 0},  {19, 16, -1, -1, 0},
        {20, 17, -1, -1, 0}, {21, 2, -1, -1, 0},  {22, 18, -1, -1, 0}, {23, 19, -1, -1, 0},
        {27, 22, 6, 4, 0},   {28, 23, 6, 4, 0},   {30, 24, 2, 4, 0},   {31, 25, 2, 4, 0},
        {33, 28, 2, 12, 0},  {34, 29, 2, 12, 0},  {35, 30, 2, 12, 0},  {37, 31, 2, 12, 0},
        {38, 32, 2, 12, 0},  {39, 33, 2, 12, 0},  {41, 34, 7, 12, 1},  {42, 35, 7, 12, 1},
        {43, 36, 0, 0, 0},   {45, 4, -1, -1, 0},  {46, 21, -1, -1, 0}, {47, 15, -1, -1, 0},
        {48, 26, -1, -1, 0}, {49, 5, -1, -1, 0},  {50, 27, -1, -1, 0}, {51, 3, -1, -1, 0},
        {52, 20, -1, -1, 0},
    };
    ASSERT_EQ(std::size(cases), 37u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        main->Neckline = 7;
        dialog->setResult(-1);
        dialog->SelectNode(c.node);
        EXPECT_TRUE(dialog->ChoosBut->isEnabled());
        dialog->ChoosButClick();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        ASSERT_NE(main->Model, nullptr);
        EXPECT_EQ(main->ModelIndex, c.type);
        EXPECT_EQ(main->CollarKind, c.collar);
        EXPECT_EQ(main->SleeveKind, c.sleeve);
        EXPECT_EQ(main->Neckline, c.neckline);
        EXPECT_EQ(main->Collar != nullptr, c.collar > 0);
        EXPECT_EQ(main->Sleeve != nullptr, c.sleeve > 0);
        EXPECT_EQ(dialog->PartsShown(), c.collar >= 0);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(NewPrFormTest, DescriptionAndListsOfALeaf) {
    struct Case {
        int node;
        std::vector<std::string> description;
        std::vector<std::string> sleeves;
        std::vector<std::string> collars;
        std::string neckline;
    };
    const Case cases[] = {
        {16, {"Основа: Юбка"}, {}, {}, "Закрытая"},
        {20, {"Основа: Брюки женские модельные"}, {}, {}, "Закрытая"},
        {4,
         {"Основа: Платье прямого силуэта", "Воротник: Без воротника", "Рукав: Без рукава"},
         {"Без рукава", "Двухшовный", "Одношовный с вытачкой", "Одношовный", "Рубашечный", "Реглан прямой",
          "Реглан с вытачкой", "Цельнокроеный прямой", "Цельнокроеный с вытачкой", "Спущенный прямой",
          "Спущенный с вытачкой", "Летучая мышь"},
         {"Без воротника", "Стоячий", "С притачной стойкой", "Стояче-отложной", "Цельнокроеный"},
         "Закрытая"},
        {28,
         {"Основа: Сорочка прилегающего силуэта", "Воротник: С притачной стойкой", "Рукав: Рубашечный"},
         {"Без рукава", "Двухшовный", "Одношовный с вытачкой", "Одношовный", "Рубашечный", "Реглан прямой",
          "Реглан с вытачкой"},
         {"Без воротника", "Стоячий", "С притачной стойкой", "Стояче-отложной"},
         "Закрытая"},
        {37,
         {"Основа: Пальто зимнее с боковым швом", "Воротник: Стояче-отложной", "Рукав: Двухшовный"},
         {"Без рукава", "Двухшовный", "Одношовный с вытачкой", "Одношовный", "Реглан прямой", "Реглан с вытачкой"},
         {"Без воротника", "Стоячий", "С притачной стойкой", "Стояче-отложной"},
         "Закрытая"},
        {35,
         {"Основа: Пальто деми с отрезным бочком", "Воротник: Стояче-отложной", "Рукав: Двухшовный"},
         {"Без рукава", "Двухшовный", "Одношовный с вытачкой", "Одношовный"},
         {"Без воротника", "Стоячий", "С притачной стойкой", "Стояче-отложной"},
         "Закрытая"},
        {42,
         {"Основа: Пиджак с отрезным бочком", "Воротник: Пиджачный", "Рукав: Двухшовный"},
         {"Без рукава", "Двухшовный"},
         {"Без воротника", "Покроя шаль", "Пиджачный"},
         "Открытая"},
        {43,
         {"Основа: Жилет", "Воротник: Без воротника", "Рукав: Без рукава"},
         {"Без рукава"},
         {"Без воротника", "Стоячий"},
         "Закрытая"},
    };
    // The lists open on their defaults when every piece is built.
    RegisterEverything();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        dialog->SelectNode(c.node);
        EXPECT_EQ(dialog->DescriptionLines(), c.description);
        EXPECT_EQ(dialog->RichEdit1->toPlainText().split('\n').size(), qsizetype(c.description.size()));
        EXPECT_EQ(dialog->PartsShown(), !c.sleeves.empty());
        EXPECT_EQ(dialog->ComboBox1->isHidden(), c.sleeves.empty());
        EXPECT_EQ(dialog->Label2->isHidden(), c.sleeves.empty());
        EXPECT_EQ(Items(dialog->ComboBox1), c.sleeves);
        EXPECT_EQ(Items(dialog->ComboBox2), c.collars);
        EXPECT_EQ(SelectedText(dialog->ComboBox3), c.neckline);
    }
}

TEST_F(NewPrFormTest, ListsOpenOnNoneWhileTheirDefaultPieceIsNotBuilt) {
    // Пиджак с отрезным бочком opens on "Пиджачный" and "Двухшовный"; with
    // neither piece built it opens on "Без воротника" and "Без рукава", so
    // that the base can be drafted as it opens.  Built defaults are kept.
    const SleeveMaker sleeve = RegisterSleeveMaker(12, nullptr);
    const CollarMaker collar = RegisterCollarMaker(7, nullptr);
    dialog->RefreshAvailability();
    dialog->SelectNode(42);
    EXPECT_EQ(SelectedText(dialog->ComboBox2), "Без воротника");
    EXPECT_EQ(SelectedText(dialog->ComboBox1), "Без рукава");
    EXPECT_EQ(dialog->ChosenCollar(), 0);
    EXPECT_EQ(dialog->ChosenSleeve(), 0);
    EXPECT_EQ(dialog->DescriptionLines(),
              (std::vector<std::string>{"Основа: Пиджак с отрезным бочком", "Воротник: Без воротника",
                                        "Рукав: Без рукава"}));
    RegisterCollarMaker(7, [] { return static_cast<TCollar*>(nullptr); });  // built, never made here
    dialog->RefreshAvailability();
    dialog->SelectNode(43);
    dialog->SelectNode(42);
    EXPECT_EQ(SelectedText(dialog->ComboBox2), "Пиджачный");
    EXPECT_EQ(dialog->ChosenCollar(), 7);
    RegisterCollarMaker(7, collar);
    RegisterSleeveMaker(12, sleeve);
}

TEST_F(NewPrFormTest, NecklineCollarAndSleeveChoices) {
    RegisterEverything();
    // Жакет прямого силуэта: the collar "Цельнокроеный" is kind 3.
    dialog->SelectNode(7);
    dialog->ComboBox2->setCurrentIndex(4);
    emit dialog->ComboBox2->activated(4);
    EXPECT_EQ(dialog->ChosenCollar(), 3);
    EXPECT_EQ(dialog->DescriptionLines()[1], "Воротник: Цельнокроеный");

    // The sleeve "Одношовный" is kind 1; switching the neckline resets the
    // collar to the open neckline's default and keeps the sleeve.
    dialog->ComboBox1->setCurrentIndex(3);
    emit dialog->ComboBox1->activated(3);
    EXPECT_EQ(dialog->ChosenSleeve(), 1);
    EXPECT_EQ(dialog->DescriptionLines()[2], "Рукав: Одношовный");
    dialog->ComboBox3->setCurrentIndex(1);
    emit dialog->ComboBox3->activated(1);
    EXPECT_EQ(Items(dialog->ComboBox2), (std::vector<std::string>{"Без воротника", "Покроя шаль", "Пиджачный"}));
    EXPECT_EQ(SelectedText(dialog->ComboBox2), "Пиджачный");
    EXPECT_EQ(dialog->ChosenCollar(), 4);
    EXPECT_EQ(dialog->ChosenSleeve(), 1);
    EXPECT_EQ(SelectedText(dialog->ComboBox1), "Одношовный");
    EXPECT_EQ(dialog->DescriptionLines(),
              (std::vector<std::string>{"Основа: Жакет прямого силуэта", "Воротник: Пиджачный", "Рукав: Одношовный"}));

    // The vest with an open neckline: the men's collars, "Без воротника"
    // kept as the default.
    dialog->SelectNode(43);
    dialog->ComboBox3->setCurrentIndex(1);
    dialog->ComboBox3Change();
    EXPECT_EQ(Items(dialog->ComboBox2), (std::vector<std::string>{"Без воротника", "Покроя шаль", "Пиджачный"}));
    EXPECT_EQ(dialog->ComboBox2->currentIndex(), 0);
    EXPECT_EQ(dialog->ChosenCollar(), 0);
    dialog->ComboBox2->setCurrentIndex(1);
    dialog->ComboBox2Change();
    EXPECT_EQ(dialog->ChosenCollar(), 8);

    // From a bodice to a category: nothing chosen, the parts hidden.
    dialog->SelectNode(40);
    EXPECT_EQ(dialog->ChosenType(), -1);
    EXPECT_EQ(dialog->ChosenCollar(), -1);
    EXPECT_EQ(dialog->ChosenSleeve(), -1);
    EXPECT_FALSE(dialog->PartsShown());
    EXPECT_TRUE(dialog->ComboBox3->isHidden());
    EXPECT_TRUE(dialog->DescriptionLines().empty());
}

TEST_F(NewPrFormTest, BasesNotBuiltYetAreGreyedAndCannotBeChosen) {
    // Only the test garment (type 7, node 4) is built here.
    dialog->RefreshAvailability();
    EXPECT_EQ(dialog->Node(4)->toolTip(0), QString());
    EXPECT_FALSE(dialog->Node(5)->toolTip(0).isEmpty());
    EXPECT_NE(dialog->Node(5)->foreground(0), dialog->Node(4)->foreground(0));

    dialog->SelectNode(5);
    EXPECT_EQ(dialog->ChosenType(), 8);
    EXPECT_FALSE(dialog->ChoosBut->isEnabled());
    dialog->setResult(-1);
    dialog->ChoosButClick();
    dialog->TreeView1DblClick();
    EXPECT_TRUE(dialog->FormKeyPress(13));
    EXPECT_EQ(main->Model, nullptr);
    EXPECT_EQ(main->ModelIndex, -2);
    EXPECT_EQ(dialog->result(), -1);
    EXPECT_TRUE(messages.empty());

    // A category keeps the button usable (it opens and closes the node).
    dialog->SelectNode(3);
    EXPECT_TRUE(dialog->ChoosBut->isEnabled());
    dialog->SelectNode(4);
    EXPECT_TRUE(dialog->ChoosBut->isEnabled());

    // A collar that is not built is greyed in its list; choosing it is
    // refused by the factory and the dialog stays open.
    dialog->SelectNode(4);
    dialog->ComboBox2->setCurrentIndex(4);  // "Цельнокроеный", kind 3
    dialog->ComboBox2Change();
    const auto* model = qobject_cast<const QStandardItemModel*>(dialog->ComboBox2->model());
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(model->item(1)->isEnabled());   // kind 1, a test collar
    EXPECT_FALSE(model->item(4)->isEnabled());  // kind 3
    dialog->ChoosButClick();
    EXPECT_EQ(main->Model, nullptr);
    EXPECT_EQ(dialog->result(), -1);
    EXPECT_EQ(messages.size(), 1u);

    // Once the garment is there, the leaf can be chosen.
    RegisterEverything();
    dialog->SelectNode(5);
    EXPECT_TRUE(dialog->ChoosBut->isEnabled());
    EXPECT_EQ(dialog->Node(5)->toolTip(0), QString());
}

TEST_F(NewPrFormTest, KeysAndDoubleClick) {
    RegisterEverything();
    // Enter on a category opens and closes it, and the dialog stays open.
    dialog->SelectNode(15);
    dialog->Node(15)->setExpanded(false);
    dialog->setResult(-1);
    QTest::keyClick(dialog->TreeView1, Qt::Key_Return);
    EXPECT_TRUE(dialog->Node(15)->isExpanded());
    QTest::keyClick(dialog->TreeView1, Qt::Key_Enter);
    EXPECT_FALSE(dialog->Node(15)->isExpanded());
    EXPECT_EQ(dialog->result(), -1);
    EXPECT_EQ(main->Model, nullptr);

    // Enter on a leaf chooses it, whichever control has the key.
    dialog->SelectNode(16);
    QTest::keyClick(dialog->ComboBox3, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(main->ModelIndex, 0);

    // Alt+S.
    dialog->setResult(-1);
    dialog->SelectNode(4);
    QTest::keyClick(dialog->TreeView1, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(main->ModelIndex, 7);

    // A double click chooses a leaf, not a category.
    dialog->setResult(-1);
    dialog->SelectNode(18);
    dialog->TreeView1DblClick();
    EXPECT_EQ(main->ModelIndex, 1);
    dialog->setResult(-1);
    dialog->SelectNode(44);
    dialog->TreeView1DblClick();
    EXPECT_EQ(dialog->result(), -1);
    EXPECT_EQ(main->ModelIndex, 1);

    // Esc and the cancel button close with the cancel result and choose
    // nothing.
    dialog->SelectNode(21);
    QTest::keyClick(dialog->TreeView1, Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    dialog->setResult(-1);
    dialog->CanselBut->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(main->ModelIndex, 1);
}

TEST_F(NewPrFormTest, FirstStartSelectsTheRootAndChoosingNothingDoesNothing) {
    // No settings file: node 0 selected, nothing else.
    EXPECT_EQ(dialog->SelectedNode(), 0);
    EXPECT_FALSE(dialog->PartsShown());
    EXPECT_TRUE(dialog->RichEdit1->toPlainText().isEmpty());
    EXPECT_EQ(dialog->ComboBox2->count(), 0);

    // No node stored (settings of another version): Enter and the button do
    // nothing; a stored node outside the tree is the same.
    for (int stored : {-1, 53, -7}) {
        SCOPED_TRACE(stored);
        Settings->Record->SelectedNode = stored;
        Reopen();
        EXPECT_EQ(dialog->SelectedNode(), -1);
        dialog->setResult(-1);
        EXPECT_TRUE(dialog->FormKeyPress(13));
        dialog->ChoosButClick();
        EXPECT_EQ(dialog->result(), -1);
        EXPECT_EQ(dialog->ChosenType(), -1);
    }
}

TEST_F(NewPrFormTest, TreeStateSelectionAndListsRoundTripThroughTheSettings) {
    // Some categories opened, a bodice leaf with its own choices.
    for (int node : {2, 24, 32}) dialog->Node(node)->setExpanded(true);
    dialog->SelectNode(11);  // opens 1, 2 and 9 on its way
    dialog->ComboBox3->setCurrentIndex(1);
    dialog->ComboBox3Change();
    dialog->ComboBox2->setCurrentIndex(2);
    dialog->ComboBox2Change();
    dialog->ComboBox1->setCurrentIndex(5);
    dialog->ComboBox1Change();
    dialog->move(123, 77);
    dialog->CanselButClick();

    const TSettingsRecord& r = *Settings->Record;
    for (int i = 0; i < kSettingsTreeNodes; ++i) {
        SCOPED_TRACE(i);
        const bool open = i == 0 || i == 1 || i == 2 || i == 9 || i == 24 || i == 32;
        EXPECT_EQ(r.Expanded[i], open ? 1 : 0);
    }
    EXPECT_EQ(r.SelectedNode, 11);
    EXPECT_EQ(r.NecklineIndex, 1);
    EXPECT_EQ(r.CollarIndex, 2);
    EXPECT_EQ(r.SleeveIndex, 5);
    EXPECT_EQ(r.NewBaseLeft, dialog->x());
    EXPECT_EQ(r.NewBaseTop, dialog->y());

    Reopen();
    EXPECT_EQ(dialog->pos(), QPoint(r.NewBaseLeft, r.NewBaseTop));
    for (int i = 0; i < kSettingsTreeNodes; ++i) EXPECT_EQ(dialog->Node(i)->isExpanded(), r.Expanded[i] != 0) << i;
    EXPECT_EQ(dialog->SelectedNode(), 11);
    EXPECT_EQ(dialog->ChosenType(), 12);
    EXPECT_EQ(SelectedText(dialog->ComboBox3), "Открытая");
    EXPECT_EQ(SelectedText(dialog->ComboBox2), "Пиджачный");
    EXPECT_EQ(dialog->ChosenCollar(), 4);
    EXPECT_EQ(SelectedText(dialog->ComboBox1), "Реглан прямой");
    EXPECT_EQ(dialog->ChosenSleeve(), 5);
    EXPECT_EQ(dialog->DescriptionLines(),
              (std::vector<std::string>{"Основа: Пальто демисезонное прилегающего силуэта", "Воротник: Пиджачный",
                                        "Рукав: Реглан прямой"}));

    // Closing without a selection, and with lists that have no item, stores
    // -1; stored positions that do not fit leave the lists without a
    // selected item and the kinds at the leaf's defaults.
    Settings->Record->CollarIndex = 9;
    Settings->Record->SleeveIndex = 12;
    Settings->Record->NecklineIndex = 0;
    Reopen();
    EXPECT_EQ(dialog->ComboBox2->currentIndex(), -1);
    EXPECT_EQ(dialog->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(dialog->ChosenCollar(), 1);  // closed neckline's default for type 12
    EXPECT_EQ(dialog->ChosenSleeve(), 2);
    dialog->SelectNode(-1);
    dialog->CanselButClick();
    EXPECT_EQ(r.SelectedNode, -1);
    EXPECT_EQ(r.CollarIndex, -1);
    EXPECT_EQ(r.SleeveIndex, -1);
}

TEST_F(NewPrFormTest, CategoryImagesFollowExpansion) {
    QTreeWidgetItem* node = dialog->Node(26);
    node->setExpanded(false);
    const QImage closed = node->icon(0).pixmap(16, 16, QIcon::Normal).toImage();
    node->setExpanded(true);
    const QImage open = node->icon(0).pixmap(16, 16, QIcon::Normal).toImage();
    EXPECT_NE(closed, open);
    EXPECT_EQ(node->icon(0).pixmap(16, 16, QIcon::Selected).toImage(), open);
    node->setExpanded(false);
    EXPECT_EQ(node->icon(0).pixmap(16, 16, QIcon::Normal).toImage(), closed);
    EXPECT_EQ(node->icon(0).pixmap(16, 16, QIcon::Selected).toImage(), closed);
    // A leaf has its own picture, another when selected.
    const QIcon leaf = dialog->Node(27)->icon(0);
    EXPECT_NE(leaf.pixmap(16, 16, QIcon::Normal).toImage(), leaf.pixmap(16, 16, QIcon::Selected).toImage());
}

// What an opened order may carry: exactly the kinds the dialog can hand over.
TEST_F(NewPrFormTest, KindsOfferedAreThoseTheDialogCanChoose) {
    struct Case {
        int type, collar, sleeve;
        bool offered;
    };
    const Case cases[] = {
        {0, -1, -1, true},  {0, 0, 0, false},    {15, -1, -1, true}, {27, -1, -1, true}, {27, 0, -1, false},
        {7, 3, 11, true},   {7, 7, 0, false},    {14, 5, 0, true},   {22, 3, 0, false},  {22, 4, 6, true},  {22, 4, 7, false},
        {22, 0, 8, false},  {28, 2, 16, true},   {29, 2, 15, false}, {35, 7, 12, true},  {35, 8, 13, false},
        {36, 1, 0, true},   {36, 8, 0, true},    {36, 0, 12, false}, {36, 2, 0, false},  {7, -1, -1, false},
        {-1, -1, -1, false}, {37, 0, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BaseKindsOffered(c.type, c.collar, c.sleeve), c.offered) << c.type << " " << c.collar << " " << c.sleeve;

    // Every combination reachable through the dialog's lists is offered.
    for (int node = 0; node < kBaseTreeNodes; ++node) {
        if (IsCategoryNode(node)) continue;
        dialog->SelectNode(node);
        const int type = dialog->ChosenType();
        if (!dialog->PartsShown()) {
            EXPECT_TRUE(BaseKindsOffered(type, dialog->ChosenCollar(), dialog->ChosenSleeve())) << node;
            continue;
        }
        for (int neck = 0; neck < 2; ++neck) {
            dialog->ComboBox3->setCurrentIndex(neck);
            dialog->ComboBox3Change();
            for (int ci = 0; ci < dialog->ComboBox2->count(); ++ci)
                for (int si = 0; si < dialog->ComboBox1->count(); ++si) {
                    dialog->ComboBox2->setCurrentIndex(ci);
                    dialog->ComboBox2Change();
                    dialog->ComboBox1->setCurrentIndex(si);
                    dialog->ComboBox1Change();
                    EXPECT_TRUE(BaseKindsOffered(type, dialog->ChosenCollar(), dialog->ChosenSleeve()))
                        << node << " " << neck << " " << ci << " " << si;
                }
        }
    }
}
