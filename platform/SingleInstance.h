// One running instance per user: a lock file plus a local socket server, both
// named after a key.  The first instance takes the lock and listens; a second
// start finds the lock held, connects and asks the first one to come forward,
// then ends.  When the lock is held but nobody answers on the socket, the
// caller is told so (it shows its message and starts anyway).  A lock left by
// a process that has died is taken over.
//
// The lock file and the socket live in the user's runtime folder
// (QStandardPaths::RuntimeLocation; the temporary folder when there is none).
// The first instance hears the requests through the Qt event loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

class QLockFile;

class SingleInstanceGuard {
public:
    enum class Outcome {
        First,           // this is the only instance: the lock is ours
        ActivatedOther,  // another instance runs and was asked to come forward
        OtherNotFound,   // the lock is held but its owner cannot be reached
    };

    SingleInstanceGuard();
    // Stops listening and releases the lock.
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // Takes the lock of key, or meets the instance that holds it.  Call once;
    // waits at most about the reply timeout.
    Outcome Acquire(const std::string& key);
    // Whether this instance holds the lock.
    bool Holds() const;

    // Run in this (first) instance when a later start asks it to come forward.
    void SetActivationCallback(std::function<void()> callback) { onActivate_ = std::move(callback); }

    // How long a second start waits for the first to accept and to answer.
    void SetReplyTimeoutMs(int ms) { replyTimeoutMs_ = ms; }

    // The lock file and the socket name used for key (the key's characters
    // outside A-Z a-z 0-9 - _ . become '_').
    static std::string LockFilePath(const std::string& key);
    static std::string ServerName(const std::string& key);

private:
    class Listener;

    void Listen(const std::string& key);
    Outcome AskOtherToActivate(const std::string& key) const;

    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<Listener> listener_;
    std::function<void()> onActivate_;
    int replyTimeoutMs_ = 1500;
};
