#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

std::string QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString(); }

bool LoadQtTranslations(const std::string& folder) {
    UnloadQtTranslations();
    const QString dir = QString::fromStdString(folder.empty() ? QtTranslationsFolder() : folder);
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                          dir))
        return false;
    if (!QCoreApplication::installTranslator(translator.get())) return false;
    Installed() = std::move(translator);
    return true;
}

void UnloadQtTranslations() {
    if (!Installed()) return;
    QCoreApplication::removeTranslator(Installed().get());
    Installed().reset();
}
