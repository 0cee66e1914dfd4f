#include "platform/Desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
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
