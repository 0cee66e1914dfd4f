// The piece factory: its caption tables, the order in which CreateModel
// replaces the collar, the sleeve and the garment, and the refusal of a
// piece the program cannot build yet.
#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "kernel/MeasureFigure.h"
#include "shell/Factory.h"
#include "tests/shell/MainFormFixture.h"

namespace {

using Log = std::vector<std::string>;

QString U(const char* s) { return QString::fromUtf8(s); }

}  // namespace

TEST(FactoryTables, CaptionsCoverEveryNumberAndNothingElse) {
    EXPECT_STREQ(ModelCaption(0), " Юбка. Заказ № ");
    EXPECT_STREQ(ModelCaption(6), " Юбка-брюки. Заказ № ");
    EXPECT_STREQ(ModelCaption(22), " Сорочка прямого силуэта. Заказ № ");
    EXPECT_STREQ(ModelCaption(36), " Жилет. Заказ № ");
    EXPECT_EQ(ModelCaption(-1), nullptr);
    EXPECT_EQ(ModelCaption(37), nullptr);
    for (int type = 0; type < kModelTypes; ++type) {
        const std::string caption = ModelCaption(type);
        EXPECT_EQ(caption.front(), ' ') << type;
        EXPECT_EQ(caption.substr(caption.size() - std::string(". Заказ № ").size()), ". Заказ № ") << type;
    }

    EXPECT_STREQ(CollarCaption(1), " Стоячий");
    EXPECT_STREQ(CollarCaption(6), " С притачной стойкой");
    EXPECT_STREQ(CollarCaption(8), " Покроя шаль");
    EXPECT_EQ(CollarCaption(0), nullptr);
    EXPECT_EQ(CollarCaption(9), nullptr);

    EXPECT_STREQ(SleeveCaption(1), " Одношовный");
    EXPECT_STREQ(SleeveCaption(11), " Летучая мышь");
    EXPECT_STREQ(SleeveCaption(16), " Реглан с вытачкой");
    EXPECT_EQ(SleeveCaption(-1), nullptr);
    EXPECT_EQ(SleeveCaption(17), nullptr);
}

TEST(FactoryTables, MakersAreRegisteredReplacedAndRemoved) {
    ModelMaker original = RegisterModelMaker(3, [] { return nullptr; });
    EXPECT_TRUE(HasModelMaker(3));
    ModelMaker ours = RegisterModelMaker(3, nullptr);
    EXPECT_TRUE(ours) << "the replaced maker comes back";
    EXPECT_FALSE(HasModelMaker(3));
    RegisterModelMaker(3, std::move(original));
    // Numbers outside the tables are ignored.
    RegisterModelMaker(37, [] { return nullptr; });
    RegisterCollarMaker(0, [] { return nullptr; });
    RegisterSleeveMaker(17, [] { return nullptr; });
    EXPECT_FALSE(HasModelMaker(37));
    EXPECT_FALSE(HasCollarMaker(0));
    EXPECT_FALSE(HasSleeveMaker(17));
}

using FactoryTest = MainFormFixture;

TEST_F(FactoryTest, FirstGarmentIsReadyForInput) {
    ShowMain();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    ASSERT_TRUE(main->CreateModel(kTestGarmentType, 1, 2));
    EXPECT_EQ(Script().log, (Log{"collar+1", "sleeve+2", "model+"}));
    ASSERT_NE(main->Model, nullptr);
    ASSERT_NE(main->Collar, nullptr);
    ASSERT_NE(main->Sleeve, nullptr);
    EXPECT_EQ(main->ModelIndex, kTestGarmentType);
    EXPECT_EQ(CurrentModelIndex(), kTestGarmentType);
    EXPECT_EQ(main->CollarKind, 1);
    EXPECT_EQ(main->SleeveKind, 2);
    EXPECT_EQ(main->PrevSleeveKind, -2);
    EXPECT_EQ(main->CollarType->text(), U(" Стоячий"));
    EXPECT_EQ(main->SleeveType->text(), U(" Двухшовный"));
    EXPECT_FALSE(main->Meas(kTestSleeveRow)->isHidden()) << "the new garment saw the new sleeve kind";
    EXPECT_FALSE(main->Model->calculated);
    EXPECT_EQ(Script().lastShown, 1);
    EXPECT_EQ(Script().clearSheets, 1);
    EXPECT_EQ(QApplication::focusWidget(), main->Meas(1));
    EXPECT_EQ(main->ScrollBox1->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FactoryTest, SameNumbersAgainKeepTheCollarAndSleeve) {
    MakeGarment(1, 2);
    TCollar* collar = main->Collar;
    TSleeve* sleeve = main->Sleeve;
    main->Meas(1)->setText("40");
    Script().log.clear();

    ASSERT_TRUE(main->CreateModel(kTestGarmentType, 1, 2));
    EXPECT_EQ(Script().log, (Log{"clear(2)", "hide-sleeve-row", "model-", "model+"}));
    EXPECT_EQ(main->Collar, collar);
    EXPECT_EQ(main->Sleeve, sleeve);
    EXPECT_EQ(main->CollarType->text(), U(" Стоячий"));
    EXPECT_EQ(main->SleeveType->text(), U(" Двухшовный"));
    EXPECT_EQ(main->PrevSleeveKind, 2);
    EXPECT_NE(main->Meas(1)->text(), U("40")) << "a fresh garment with fresh fields";
}

TEST_F(FactoryTest, ChangedKindsAreReplacedBeforeTheGarment) {
    MakeGarment(1, 2);
    Script().log.clear();

    // Sleeve kind 2 -> 0: the sleeve goes; the outgoing garment still hides
    // the sleeve row of kind 2, and the new one shows none.
    ASSERT_TRUE(main->CreateModel(kTestGarmentType, 2, 0));
    EXPECT_EQ(Script().log,
              (Log{"collar-1", "collar+2", "sleeve-2", "clear(2)", "hide-sleeve-row", "model-", "model+"}));
    EXPECT_EQ(main->Sleeve, nullptr);
    EXPECT_EQ(main->SleeveKind, 0);
    EXPECT_EQ(main->PrevSleeveKind, 2);
    EXPECT_TRUE(main->SleeveType->text().isEmpty());
    EXPECT_EQ(main->CollarType->text(), U(" Стояче-отложной"));
    EXPECT_TRUE(main->Meas(kTestSleeveRow)->isHidden());

    // A lower-body choice (-1, -1) drops the collar as well.
    Script().log.clear();
    ASSERT_TRUE(main->CreateModel(kTestGarmentType, -1, -1));
    EXPECT_EQ(Script().log, (Log{"collar-2", "clear(0)", "model-", "model+"}));
    EXPECT_EQ(main->Collar, nullptr);
    EXPECT_EQ(main->CollarKind, -1);
    EXPECT_EQ(main->SleeveKind, -1);
}

TEST_F(FactoryTest, APieceThatCannotBeMadeIsRefusedAndNothingChanges) {
    MakeGarment(1, 2);
    TModel* model = main->Model;
    main->Meas(1)->setText("40");
    Script().log.clear();

    struct Case {
        int type, collar, sleeve;
        const char* names;  // what the message names
    };
    const Case cases[] = {
        {0, 1, 2, "Юбка"},                            // no such garment yet
        {36, 1, 2, "Жилет"},                          //
        {kTestGarmentType, 3, 2, "Цельнокроенный"},   // no such collar yet
        {kTestGarmentType, 1, 11, "Летучая мышь"},    // no such sleeve yet
        {37, 1, 2, "37"},                             // outside the table
        {-1, 1, 2, "-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names);
        messages.clear();
        // Whatever the program can build by now, this case's piece is made
        // unavailable for the call.
        ModelMaker modelMaker = c.type != kTestGarmentType ? RegisterModelMaker(c.type, nullptr) : nullptr;
        CollarMaker collarMaker = c.collar != 1 ? RegisterCollarMaker(c.collar, nullptr) : nullptr;
        SleeveMaker sleeveMaker = c.sleeve != 2 ? RegisterSleeveMaker(c.sleeve, nullptr) : nullptr;
        EXPECT_FALSE(main->CreateModel(c.type, c.collar, c.sleeve));
        if (modelMaker) RegisterModelMaker(c.type, std::move(modelMaker));
        if (collarMaker) RegisterCollarMaker(c.collar, std::move(collarMaker));
        if (sleeveMaker) RegisterSleeveMaker(c.sleeve, std::move(sleeveMaker));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].icon, MsgIcon::Error);
        EXPECT_NE(messages[0].text.find(c.names), std::string::npos) << messages[0].text;
        EXPECT_EQ(main->Model, model);
        EXPECT_EQ(main->ModelIndex, kTestGarmentType);
        EXPECT_EQ(main->CollarKind, 1);
        EXPECT_EQ(main->SleeveKind, 2);
        EXPECT_EQ(main->Meas(1)->text(), U("40"));
        EXPECT_TRUE(Script().log.empty());
    }
}

TEST_F(FactoryTest, UpdateModelCaptionWritesTheTypeAndOrderNumber) {
    main->ModelType->setText("x");
    main->UpdateModelCaption();  // no garment type yet
    EXPECT_EQ(main->ModelType->text(), U("x"));
    main->ModelIndex = 0;
    main->OrderNumber = 12;
    main->UpdateModelCaption();
    EXPECT_EQ(main->ModelType->text(), U(" Юбка. Заказ № 12"));
}
