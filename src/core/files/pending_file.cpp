// SPDX-License-Identifier: MIT
#include "core/files/pending_file.hpp"

#include <atomic>
#include <csignal>
#include <cstring>

#include "core/files/posix_file.hpp"

#include <signal.h>

namespace rheo {
namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// What the signal handler may use: no allocation, no lock. The path is complete before the
// flag is set.
char pendingPath[4096];
std::atomic<bool> pendingRecorded{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void removePendingFileAndEnd(int signalNumber) {
    if (pendingRecorded.load())
        posix::removeFile(pendingPath);
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    ::sigemptyset(&byDefault.sa_mask);
    ::sigaction(signalNumber, &byDefault, nullptr);
    ::raise(signalNumber); // delivered with the default action once the handler returns
}

// Holds the ending signals back in this thread while it lives.
class EndingSignalsHeld {
public:
    EndingSignalsHeld() {
        sigset_t ending;
        ::sigemptyset(&ending);
        for (const int signalNumber : kEndingSignals)
            ::sigaddset(&ending, signalNumber);
        ::pthread_sigmask(SIG_BLOCK, &ending, &previous_);
    }
    ~EndingSignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

} // namespace

PendingFile::PendingFile() {
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        struct sigaction current {};
        if (::sigaction(kEndingSignals[i], nullptr, &current) != 0 ||
            (current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction handler {};
        handler.sa_handler = removePendingFileAndEnd;
        ::sigemptyset(&handler.sa_mask);
        handlers_[i] = ::sigaction(kEndingSignals[i], &handler, nullptr) == 0;
    }
}

PendingFile::~PendingFile() {
    {
        const EndingSignalsHeld held;
        pendingRecorded.store(false);
        if (!path_.empty())
            posix::removeFile(path_.c_str());
    }
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        if (!handlers_[i])
            continue;
        struct sigaction byDefault {};
        byDefault.sa_handler = SIG_DFL;
        ::sigemptyset(&byDefault.sa_mask);
        ::sigaction(kEndingSignals[i], &byDefault, nullptr);
    }
}

int PendingFile::create(const std::function<int(std::string& path)>& createFile) {
    const EndingSignalsHeld held;
    const int fd = createFile(path_);
    if (fd < 0) {
        path_.clear();
        return fd;
    }
    if (path_.size() < sizeof(pendingPath)) {
        std::memcpy(pendingPath, path_.c_str(), path_.size() + 1);
        pendingRecorded.store(true);
    }
    return fd;
}

void PendingFile::keep() {
    pendingRecorded.store(false);
    path_.clear();
}

} // namespace rheo
