#include "shell/PageSetupFile.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QSettings>

#include "platform/Printer.h"
#include "platform/PrinterList.h"
#include "shell/Settings.h"

const char* const kPageSetupFileName = "PageSetup.ini";

namespace {

QString FileIn(const std::string& folder) {
    return QDir(QString::fromStdString(folder)).filePath(QString::fromLatin1(kPageSetupFileName));
}

}  // namespace

PageChoice ReadPageChoice(const std::string& folder) {
    PageChoice choice;
    if (folder.empty() || !QFileInfo::exists(FileIn(folder))) return choice;
    QSettings file(FileIn(folder), QSettings::IniFormat);
    const QSizeF mm(file.value("Paper/WidthMm").toDouble(), file.value("Paper/HeightMm").toDouble());
    if (mm.width() > 0 && mm.height() > 0 && mm.width() < 10000 && mm.height() < 10000) {
        choice.paper = QPageSize(mm, QPageSize::Millimeter, file.value("Paper/Name").toString(),
                                 QPageSize::FuzzyMatch);
        choice.hasPaper = choice.paper.isValid();
    }
    const QString orientation = file.value("Paper/Orientation").toString();
    if (orientation == "portrait" || orientation == "landscape") {
        choice.hasOrientation = true;
        choice.portrait = orientation == "portrait";
    }
    return choice;
}

bool WritePageChoice(const std::string& folder, const PageChoice& choice) {
    if (folder.empty() || !QDir().mkpath(QString::fromStdString(folder))) return false;
    QSettings file(FileIn(folder), QSettings::IniFormat);
    file.clear();
    if (choice.hasPaper && choice.paper.isValid()) {
        const QSizeF mm = choice.paper.size(QPageSize::Millimeter);
        file.setValue("Paper/Name", choice.paper.name());
        file.setValue("Paper/WidthMm", mm.width());
        file.setValue("Paper/HeightMm", mm.height());
    }
    if (choice.hasOrientation) file.setValue("Paper/Orientation", choice.portrait ? "portrait" : "landscape");
    file.sync();
    return file.status() == QSettings::NoError;
}

PageChoice& UserPageChoice() {
    static PageChoice choice;
    return choice;
}

void LoadUserPageChoice() { UserPageChoice() = Settings ? ReadPageChoice(Settings->Path) : PageChoice(); }

void StoreUserPageChoice() {
    if (Settings) WritePageChoice(Settings->Path, UserPageChoice());
}

void ApplyPageForPrinter(const std::string& name) {
    const PrinterDefaults defaults = DefaultsOfPrinter(name);
    const PageChoice& choice = UserPageChoice();
    QPrinter& device = ThePrinter().Device();
    const QPageSize paper = choice.hasPaper ? choice.paper : defaults.paper;
    if (paper.isValid()) device.setPageSize(paper);
    const bool portrait = choice.hasOrientation ? choice.portrait : defaults.portrait;
    device.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
}
