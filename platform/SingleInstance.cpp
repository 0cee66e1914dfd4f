#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <map>

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

namespace {

#ifdef MSG_NOSIGNAL
constexpr int kSendFlags = MSG_NOSIGNAL;  // a vanished peer is an error, not a signal
#else
constexpr int kSendFlags = 0;
#endif

void SetDescriptorFlags(int fd, bool nonBlocking) {
    ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | FD_CLOEXEC);
    if (nonBlocking) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

// The socket address of a path; false when the path is too long for one.
bool SocketAddress(const QString& name, sockaddr_un& address) {
    const QByteArray path = QFile::encodeName(name);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

}  // namespace

// The first instance's server: a Unix socket heard through the Qt event
// loop.  Plain system calls rather than Qt's network module, which would
// load a dozen libraries (Kerberos, proxy discovery) at every start for
// one socket.
class SingleInstanceGuard::Listener {
public:
    explicit Listener(std::function<void()> onRequest) : onRequest_(std::move(onRequest)) {}
    ~Listener() {
        clients_.clear();
        notifier_.reset();
        if (fd_ >= 0) {
            ::close(fd_);
            ::unlink(path_.constData());
        }
    }

    bool Listen(const QString& name) {
        sockaddr_un address;
        if (!SocketAddress(name, address)) return false;
        // We hold the lock, so a socket of that name is a leftover.
        ::unlink(address.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0) return false;
        SetDescriptorFlags(fd, true);
        // Only this user may connect: the socket's file is made without
        // access for others (the mode before binding counts on Linux; the
        // mode after it elsewhere).
        ::fchmod(fd, S_IRUSR | S_IWUSR);
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd);
            return false;
        }
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR);
        if (::listen(fd, 16) != 0) {
            ::close(fd);
            ::unlink(address.sun_path);
            return false;
        }
        fd_ = fd;
        path_ = address.sun_path;
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { Accept(); });
        return true;
    }

private:
    struct Client {
        int fd = -1;
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray received;
        ~Client() {
            notifier.reset();
            ::close(fd);
        }
    };

    void Accept() {
        for (;;) {
            const int fd = ::accept(fd_, nullptr, nullptr);
            if (fd < 0) {
                if (errno == EINTR) continue;
                return;  // nobody more waiting
            }
            SetDescriptorFlags(fd, true);
            auto client = std::make_unique<Client>();
            client->fd = fd;
            client->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
            QObject::connect(client->notifier.get(), &QSocketNotifier::activated, client->notifier.get(),
                             [this, fd] { Read(fd); });
            clients_[fd] = std::move(client);
        }
    }

    void Read(int fd) {
        auto found = clients_.find(fd);
        if (found == clients_.end()) return;
        char buffer[256];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
        QByteArray& received = found->second->received;
        // The peer has gone, or it sends something that is no request.
        if (got <= 0 || received.size() > 4 * kActivateRequest.size()) {
            clients_.erase(found);
            return;
        }
        received.append(buffer, qsizetype(got));
        qsizetype end;
        while ((end = received.indexOf('\n')) >= 0) {
            const bool request = received.left(end + 1) == kActivateRequest;
            received.remove(0, end + 1);
            if (!request) continue;
            // The callback may turn the event loop: this client is not read
            // meanwhile, and may be gone when it returns.
            found->second->notifier->setEnabled(false);
            onRequest_();
            found = clients_.find(fd);
            if (found == clients_.end()) return;
            found->second->notifier->setEnabled(true);
            ::send(fd, kActivateReply.constData(), size_t(kActivateReply.size()), kSendFlags);
        }
    }

    std::function<void()> onRequest_;
    int fd_ = -1;
    QByteArray path_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::map<int, std::unique_ptr<Client>> clients_;
};

SingleInstanceGuard::SingleInstanceGuard() = default;

SingleInstanceGuard::~SingleInstanceGuard() {
    listener_.reset();
    if (lock_) lock_->unlock();
}

std::string SingleInstanceGuard::LockFilePath(const std::string& key) {
    return QDir(GuardFolder()).filePath(SafeKey(key) + QStringLiteral(".lock")).toStdString();
}

std::string SingleInstanceGuard::ServerName(const std::string& key) {
    // A socket in the user's own folder, so that users do not meet.
    return QDir(GuardFolder()).filePath(SafeKey(key) + QStringLiteral(".socket")).toStdString();
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
    listener_ = std::make_unique<Listener>([this] { RunCallback(onActivate_); });
    // Later starts will not find us when this fails; they start anyway.
    if (!listener_->Listen(QString::fromStdString(ServerName(key)))) listener_.reset();
}

SingleInstanceGuard::Outcome SingleInstanceGuard::AskOtherToActivate(const std::string& key) const {
    sockaddr_un address;
    if (!SocketAddress(QString::fromStdString(ServerName(key)), address)) return Outcome::OtherNotFound;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return Outcome::OtherNotFound;
    SetDescriptorFlags(fd, false);
    // Connecting, sending and waiting for the answer each wait at most the
    // reply timeout.
    timeval timeout;
    timeout.tv_sec = replyTimeoutMs_ / 1000;
    timeout.tv_usec = (replyTimeoutMs_ % 1000) * 1000;
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return Outcome::OtherNotFound;
    }
    qsizetype sent = 0;
    while (sent < kActivateRequest.size()) {
        const ssize_t n = ::send(fd, kActivateRequest.constData() + sent, size_t(kActivateRequest.size() - sent), kSendFlags);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        sent += n;
    }
    if (sent < kActivateRequest.size()) {
        ::close(fd);
        return Outcome::OtherNotFound;
    }
    // The request is delivered; the answer only tells that the other came
    // forward already (a busy instance comes forward when it is free).
    char reply[8];
    while (::recv(fd, reply, sizeof reply, 0) < 0 && errno == EINTR) {
    }
    ::close(fd);
    return Outcome::ActivatedOther;
}

