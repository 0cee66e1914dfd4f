#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageInterceptor& Interceptor() {
    static MessageInterceptor interceptor;
    return interceptor;
}

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::Warning: return QMessageBox::Warning;
        case MsgIcon::Error: return QMessageBox::Critical;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void SetMessageInterceptor(MessageInterceptor interceptor) { Interceptor() = std::move(interceptor); }

MsgResult ShowMessage(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons) {
    if (Interceptor()) return Interceptor()(MessageRecord{text, caption, icon, buttons});

    QMessageBox box(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (box.exec()) {
        case QMessageBox::Cancel: return MsgResult::Cancel;
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        default: return MsgResult::Ok;
    }
}
