#include "platform/Desktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

DesktopInterceptor& Interceptor() {
    static DesktopInterceptor interceptor;
    return interceptor;
}

bool Open(DesktopRequest::Kind kind, const std::string& target, const QUrl& url) {
    if (Interceptor()) return Interceptor()(DesktopRequest{kind, target});
    return QDesktopServices::openUrl(url);
}

}  // namespace

void SetDesktopInterceptor(DesktopInterceptor interceptor) { Interceptor() = std::move(interceptor); }

bool OpenDocument(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    if (path.empty() || !file.isFile()) return false;
    return Open(DesktopRequest::Kind::Document, path, QUrl::fromLocalFile(file.absoluteFilePath()));
}

bool OpenUrl(const std::string& url) {
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (url.empty() || !address.isValid() || address.scheme().isEmpty()) return false;
    return Open(DesktopRequest::Kind::Url, url, address);
}

namespace {

std::string& LastFolder(FileDialogKind kind) {
    static std::string folders[2];
    return folders[kind == FileDialogKind::Order ? 1 : 0];
}

}  // namespace

std::string FileDialogFolder(FileDialogKind kind) {
    const std::string& last = LastFolder(kind);
    if (!last.empty() && QDir(QString::fromStdString(last)).exists()) return last;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir(documents).exists()) documents = QDir::homePath();
    return documents.toStdString();
}

void RememberFileDialogFolder(const std::string& chosenFile, FileDialogKind kind) {
    if (chosenFile.empty()) return;
    LastFolder(kind) = QFileInfo(QString::fromStdString(chosenFile)).absolutePath().toStdString();
}

std::string FileNameSafe(const std::string& text) {
    QString name = QString::fromStdString(text);
    for (QChar& ch : name)
        if (ch.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(ch)) ch = QLatin1Char('_');
    return name.toStdString();
}
