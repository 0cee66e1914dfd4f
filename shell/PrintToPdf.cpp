#include "shell/PrintToPdf.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>

#include "platform/Desktop.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/PrinterList.h"
#include "shell/MainForm.h"

namespace {

const char* const kDialogTitle = "Сохранение чертежа в PDF";
const char* const kDialogFilter = "Файлы PDF (*.pdf)";
const char* const kUnnamed = "Чертёж";

PdfFileDialogHook& Hook() {
    static PdfFileDialogHook hook;
    return hook;
}

std::string RunPdfFileDialog(TMainForm& form, const std::string& proposed) {
    const QString start = QDir(QString::fromStdString(FileDialogFolder())).filePath(QString::fromStdString(proposed));
    QString path = QFileDialog::getSaveFileName(&form, QString::fromUtf8(kDialogTitle), start,
                                                QString::fromUtf8(kDialogFilter));
    if (path.isEmpty()) return std::string();
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    RememberFileDialogFolder(path.toStdString());
    return path.toStdString();
}

}  // namespace

const char* const kPrintCaption = "Печать";

std::string PrinterCheckMessage(const PrinterCheck& check) {
    const std::string name = "«" + check.name + "»";
    switch (check.state) {
        case QueueState::Ready: return std::string();
        case QueueState::Missing:
            if (check.name.empty()) return "Принтер не установлен!  ";
            return "Принтер " + name + " больше не установлен. Выберите другой принтер в настройке печати. ";
        case QueueState::Refusing:
            return "Принтер " + name + " не принимает задания. Чертёж не напечатан. ";
        case QueueState::ServerDown: return "Служба печати не отвечает. Чертёж не напечатан. ";
    }
    return std::string();
}

void SetPdfFileDialogHook(PdfFileDialogHook hook) { Hook() = std::move(hook); }

std::string PdfProposedName(const std::string& caption, const std::string& customer) {
    const QString first = QString::fromStdString(caption).trimmed();
    const QString second = QString::fromStdString(customer).trimmed();
    QString name = first.isEmpty() || second.isEmpty() ? first + second : first + QLatin1Char(' ') + second;
    if (name.isEmpty()) name = QString::fromUtf8(kUnnamed);
    return FileNameSafe(name.toStdString()) + ".pdf";
}

bool PreparePrinterForJob(TMainForm& form) {
    const PrinterCheck check = CheckPrinterForJob();
    if (check.state != QueueState::Ready) {
        ShowMessage(PrinterCheckMessage(check), kPrintCaption, MsgIcon::Error);
        return false;
    }
    ApplyChosenPrinter();
    ThePrinter().ApplyResolution();
    // The job's name in the printer's queue (and the PDF's title).
    ThePrinter().Device().setDocName(form.ModelType->text().trimmed());
    if (!PdfFileChosen()) return true;
    const std::string proposed = PdfProposedName(form.ModelType->text().toStdString(),
                                                 form.CustomerData->text().toStdString());
    const std::string path = Hook() ? Hook()(proposed) : RunPdfFileDialog(form, proposed);
    if (path.empty()) return false;
    ThePrinter().SetPdfOutput(path);
    return true;
}
