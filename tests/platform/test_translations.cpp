// Qt's own Russian texts: loaded from Qt's translations folder when they are
// installed, and the program runs on without them.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include "platform/Translations.h"

namespace {

QString CancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

struct Unload {
    ~Unload() { UnloadQtTranslations(); }
};

TEST(QtTranslations, StandardButtonsSpeakRussianWhenTheFileIsInstalled) {
    const Unload unload;
    const bool installed =
        QFileInfo(QDir(QString::fromStdString(QtTranslationsFolder())).filePath("qtbase_ru.qm")).isFile();
    EXPECT_EQ(LoadQtTranslations(), installed);
    if (!installed) GTEST_SKIP() << "qtbase_ru.qm is not installed in " << QtTranslationsFolder();
    EXPECT_EQ(CancelText().toStdString(), "Отмена");
    // Unloading gives Qt's own English back.
    UnloadQtTranslations();
    EXPECT_EQ(CancelText().toStdString(), "Cancel");
}

TEST(QtTranslations, AMissingOrDamagedFileLeavesTheEnglishTexts) {
    const Unload unload;
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EXPECT_FALSE(LoadQtTranslations(empty.path().toStdString()));
    EXPECT_FALSE(LoadQtTranslations((empty.path() + "/no such folder").toStdString()));
    QFile damaged(empty.filePath("qtbase_ru.qm"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a translation");
    damaged.close();
    EXPECT_FALSE(LoadQtTranslations(empty.path().toStdString()));
    EXPECT_EQ(CancelText().toStdString(), "Cancel");
}

}  // namespace
