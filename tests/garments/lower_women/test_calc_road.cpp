// The calculation road with the real garments: a slip typed after a good
// calculation, or a draft too large for the sheets, leaves nothing drawn
// and nothing printable, whichever garment it is, and says so in Russian;
// an opened order is judged on the values its file holds.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <string>
#include <vector>

#include "garments/lower_women/LowerWomen.h"
#include "garments/lower_women/WBryuki.h"
#include "garments/lower_women/WJeans.h"
#include "garments/lower_women/WShort.h"
#include "garments/lower_women/WVolPants.h"
#include "garments/lower_women/Yubka.h"
#include "garments/lower_women/YubkaBruyki.h"
#include "kernel/Record.h"
#include "kernel/SheetCaptions.h"
#include "shell/OrderFile.h"
#include "tests/garments/GarmentWindowTest.h"

namespace {

const char* const kCheck = "Пожалуйста, проверьте измерения. ";
const char* const kTooLarge = "Чертёж не помещается на листах. Пожалуйста, проверьте измерения. ";

bool HasLatinLetter(const std::string& text) {
    for (char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    return false;
}

}  // namespace

class CalcRoadTest : public GarmentWindowTest {
protected:
    void RegisterGarments() override { RegisterLowerWomenGarments(); }

    // Lines and text on the three sheets, as far as they are shown.
    int DarkOnSheets() const {
        int n = 0;
        for (SheetImage* sheet : {report->List1(), report->List2(), report->List3()})
            n += DarkPixels(sheet->Bitmap(), QRect(0, 0, sheet->Width(), sheet->Height()));
        return n;
    }

    // No message of the program speaks English.
    void ExpectRussianOnly() const {
        for (const MessageRecord& m : messages) {
            EXPECT_FALSE(HasLatinLetter(m.text)) << m.text;
            EXPECT_FALSE(HasLatinLetter(m.caption)) << m.caption;
        }
    }

    // After a failed calculation: not calculated, blank sheets at every
    // scale, and printing has nothing to print.
    void ExpectNothingDrawnOrPrintable() {
        EXPECT_FALSE(main->Model->calculated);
        EXPECT_EQ(DarkOnSheets(), 0);
        for (int index : {0, 3, 2, 1}) {
            main->MasAtMain->setCurrentIndex(index);
            EXPECT_EQ(DarkOnSheets(), 0) << "scale item " << index;
        }
        main->MasAtMain->setCurrentIndex(0);
        messages.clear();
        main->PrintModel();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, kNothingToPrintText);
    }
};

TEST_F(CalcRoadTest, ASlipAfterAGoodCalculationLeavesNothingDrawnOrPrintable) {
    struct Case {
        const char* name;
        int type;
        int row;           // the slipped measurement's row
        const char* slip;  // what was typed there
        const char* text;  // the road's message
        int row2 = 0;      // a second slipped row, when there is one
        const char* slip2 = nullptr;
    };
    const Case cases[] = {
        {"jeans, Сб 500", kWJeansType, 2, "500", kCheck},
        {"jeans 2, Сб 500", kWJeans2Type, 2, "500", kCheck},
        {"shorts, Пб 500", kWShortType, 7, "500", kCheck},
        {"model trousers, Сб 300", kWVolPantsType, 2, "300", kCheck},
        // The classic trousers kept their last draft, but their tables
        // would have shown the slipped value beside it.
        {"classic trousers 2, Сб + Пб = −1", kWBryuki2Type, 6, "-51", kCheck, 5, "-38.5"},
        {"classic trousers, Сб 500", kWBryukiType, 2, "500", kTooLarge},
        {"skirt, Дтк 300", kYubkaType, 3, "300", kTooLarge},
        {"skirt-trousers, Ст 300", kYubkaBruykiType, 1, "300", kTooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        main->FillSamples = true;
        ASSERT_TRUE(main->CreateModel(c.type, -1, -1));
        main->MasAtMain->setCurrentIndex(0);
        messages.clear();
        main->CalcExecute();
        ASSERT_TRUE(messages.empty());
        ASSERT_TRUE(main->Model->calculated);
        ASSERT_GT(DarkOnSheets(), 0);

        main->Meas(c.row)->setText(QString::fromUtf8(c.slip));
        if (c.slip2) main->Meas(c.row2)->setText(QString::fromUtf8(c.slip2));
        main->CalcExecute();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.text);
        EXPECT_EQ(messages[0].caption, "Сбой при расчёте");
        EXPECT_EQ(messages[0].icon, MsgIcon::Error);
        ExpectRussianOnly();
        ExpectNothingDrawnOrPrintable();
        ExpectRussianOnly();

        // Mended, the next calculation draws again.
        main->FillSamples = true;
        ASSERT_TRUE(main->CreateModel(c.type, -1, -1));
        messages.clear();
        main->CalcExecute();
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(main->Model->calculated);
    }
}

// An opened order is judged on the values as the file holds them, not on a
// rounded text of them: hips 0.02 cm narrower than the waist would pass as
// equal at one decimal and draft a negative suppression.
TEST_F(CalcRoadTest, OpeningJudgesTheValuesAsTheFileHoldsThem) {
    struct Case {
        const char* name;
        int type;
        const char* refusal;
    };
    const Case cases[] = {
        {"classic trousers", kWBryukiType, "Ст+Пт > Сб+Пб"},
        {"skirt", kYubkaType, "Сб+Пб < Ст+Пт"},
        {"jeans", kWJeansType, "Ст+Пт > Сб+Пб"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        main->FillSamples = true;
        ASSERT_TRUE(main->CreateModel(c.type, -1, -1));
        // Ст 40.1, Пт = Пб: the hips at 40.08 are 0.02 cm short.
        main->Meas(1)->setText("40.1");
        main->Meas(2)->setText("45");
        for (int n = 1; n <= kMeasureRows; ++n)
            if (main->Line(n)->text() == QString::fromUtf8("Пт:") || main->Line(n)->text() == QString::fromUtf8("Пб:"))
                main->Meas(n)->setText("1");
        const std::string path = TempPath("short-hips.mdr");
        messages.clear();
        ASSERT_TRUE(SaveOrderTo(*main, path));
        OrderContents order;
        std::string reason;
        QFile in(QString::fromStdString(path));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        ASSERT_TRUE(DecodeOrder(in.readAll().toStdString(), order, reason)) << reason;
        in.close();
        RecordReader block(order.block);
        std::vector<float> values;
        while (block.Remaining() >= 4) values.push_back(block.ReadFloat());
        ASSERT_GE(values.size(), 2u);
        ASSERT_EQ(values[0], 40.1f);
        const float hips = 40.08f;
        RecordWriter patched;
        values[1] = hips;
        for (float v : values) patched.WriteFloat(v);
        order.block = patched.Bytes();
        QFile out(QString::fromStdString(path));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const std::string bytes = EncodeOrder(order);
        out.write(bytes.data(), qint64(bytes.size()));
        out.close();

        ASSERT_TRUE(main->CreateModel(c.type, -1, -1));
        messages.clear();
        ASSERT_TRUE(OpenOrderFrom(*main, path));
        EXPECT_EQ(main->Meas(2)->text().toStdString(), "40.08");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.refusal);
        EXPECT_FALSE(main->Model->calculated);
        EXPECT_EQ(DarkOnSheets(), 0);
    }
}
