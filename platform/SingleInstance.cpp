#include "platform/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <exception>

#include "platform/MessageBox.h"

namespace {

// The request a later start sends, and the first instance's answer.
const QByteArray kActivateRequest = "activate\n";
const QByteArray kActivateReply = "ok\n";

QString SafeKey(const std::string& key) {
    QString safe = QString::fromStdString(key);
    for (QChar& c : safe) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                           c == u'-' || c == u'_' || c == u'.';
        if (!plain) c = u'_';
    }
    return safe.isEmpty() ? QStringLiteral("_") : safe;
}

// The user's runtime folder, or the temporary folder; looked up once.
QString GuardFolder() {
    static const QString folder = [] {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        return !runtime.isEmpty() && QDir().mkpath(runtime) ? runtime : QDir::tempPath();
    }();
    return folder;
}

// Runs the activation callback; nothing thrown there may leave the event
// handler that called it.
void RunCallback(const std::function<void()>& callback) {
    if (!callback) return;
    try {
        callback();
    } catch (...) {
        ShowMessage("Внутренняя ошибка программы. ", "", MsgIcon::Error);
    }
}

}  // namespace

SingleInstanceGuard::SingleInstanceGuard() = default;

SingleInstanceGuard::~SingleInstanceGuard() {
    if (server_) server_->close();
    server_.reset();
    if (lock_) lock_->unlock();
}

std::string SingleInstanceGuard::LockFilePath(const std::string& key) {
    return QDir(GuardFolder()).filePath(SafeKey(key) + QStringLiteral(".lock")).toStdString();
}

std::string SingleInstanceGuard::ServerName(const std::string& key) {
#ifdef Q_OS_WIN
    return SafeKey(key).toStdString();
#else
    // A socket in the user's own folder, so that users do not meet.
    return QDir(GuardFolder()).filePath(SafeKey(key) + QStringLiteral(".socket")).toStdString();
#endif
}

bool SingleInstanceGuard::Holds() const { return lock_ && lock_->isLocked(); }

SingleInstanceGuard::Outcome SingleInstanceGuard::Acquire(const std::string& key) {
    lock_ = std::make_unique<QLockFile>(QString::fromStdString(LockFilePath(key)));
    // Never stale by age: only a lock whose process has gone is taken over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        Listen(key);
        return Outcome::First;
    }
    const Outcome outcome = AskOtherToActivate(key);
    // A lock that cannot be made at all (no writable folder) guards nothing:
    // start as the first unless another instance answered.
    if (lock_->error() != QLockFile::LockFailedError && outcome == Outcome::OtherNotFound) return Outcome::First;
    return outcome;
}

void SingleInstanceGuard::Listen(const std::string& key) {
    const QString name = QString::fromStdString(ServerName(key));
    // We hold the lock, so a socket of that name is a leftover.
    QLocalServer::removeServer(name);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        server_.reset();  // later starts will not find us; they start anyway
        return;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { Serve(); });
}

void SingleInstanceGuard::Serve() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto onData = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() != kActivateRequest) continue;
                RunCallback(onActivate_);
                socket->write(kActivateReply);
                socket->flush();
            }
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, onData);
        onData();  // the request may have come with the connection
    }
}

SingleInstanceGuard::Outcome SingleInstanceGuard::AskOtherToActivate(const std::string& key) const {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(ServerName(key)));
    if (!socket.waitForConnected(replyTimeoutMs_)) return Outcome::OtherNotFound;
    socket.write(kActivateRequest);
    // Nine bytes go out in one or two writes; a few tries are plenty.
    for (int tries = 0; tries < 4 && socket.bytesToWrite() > 0; ++tries) socket.waitForBytesWritten(replyTimeoutMs_);
    if (socket.bytesToWrite() > 0) return Outcome::OtherNotFound;
    // The request is delivered; the answer only tells that the other came
    // forward already (a busy instance comes forward when it is free).
    socket.waitForReadyRead(replyTimeoutMs_);
    socket.disconnectFromServer();
    return Outcome::ActivatedOther;
}
