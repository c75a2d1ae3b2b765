// SPDX-License-Identifier: MIT
// Saving through a temporary file so that the old file survives every failure. (Inputs of
// extreme size are for the benchmarks.)
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/files/calibration_file.hpp"
#include "core/files/output_target.hpp"
#include "core/files/results_file.hpp"
#include "core/files/safe_file_writer.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::TempDir;
using namespace std::string_literals;

// Runs `body` in a child process, which ends with what it returns; its wait status.
int statusOfChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = -1;
    EXPECT_TRUE(child > 0 && ::waitpid(child, &status, 0) == child);
    return status;
}

// The number of entries in the directory: a save leaves no temporary file behind.
std::ptrdiff_t entriesIn(const TempDir& dir) {
    return std::distance(std::filesystem::directory_iterator(dir.path()), {});
}

// The unprivileged user a test running as root takes on.
constexpr uid_t kNobody = 65534;

// On success the new bytes replace the old file keeping its mode, owner and group (as root
// the file is first given to nobody); on any failing step the old file stays.
TEST(SafeSave, ReplacesTheBytesExactlyOrOnAnyFailingStepKeepsTheOldFile) {
    const auto diskFull = [](auto&&...) { return ENOSPC; };
    std::vector<SaveSteps> steps(6, systemSaveSteps());
    steps[1].write = diskFull;
    steps[2].flush = diskFull;
    steps[3].sync = diskFull;
    steps[4].close = [](std::FILE* file) { return std::fclose(file), ENOSPC; }; // still closed
    steps[5].rename = diskFull;
    const std::string bytes = "line\r\nwith\0nul\r\n"s;
    const uid_t owner = ::geteuid() == 0 ? kNobody : ::geteuid();
    std::string reasons;
    for (std::size_t step = 0; step < steps.size(); ++step) {
        TempDir dir;
        const std::string target = dir.write("RHEO.dat", "previous contents");
        ASSERT_EQ(::chmod(target.c_str(), 0640) + ::chown(target.c_str(), owner, owner), 0);
        const SaveOutcome result = saveBytesSafely(target, bytes, steps[step]);
        EXPECT_EQ(result.saved, step == 0);
        // The reason names the step that failed, then the system's words for the error.
        reasons += result.reason.substr(0, result.reason.rfind(": No space left on device")) + "|";
        EXPECT_EQ(TempDir::read(target), step == 0 ? bytes : "previous contents");
        EXPECT_EQ(entriesIn(dir), 1);
        struct stat info {};
        EXPECT_TRUE(::stat(target.c_str(), &info) == 0 && (info.st_mode & 0777) == 0640 &&
                    info.st_uid == owner && info.st_gid == owner);
    }
    EXPECT_EQ(reasons, "|Writing failed|Writing failed|Writing to the disk failed|Closing the file "
                       "failed|Replacing the file failed|");
}

TEST(SafeSave, TheDirectoryIsSyncedAfterTheRenameSoThatTheNewNameLasts) {
    TempDir dir;
    const std::string target = dir.write("RHEO.dat", "previous contents");
    std::string calls;
    const SaveSteps system = systemSaveSteps();
    SaveSteps steps = system;
    steps.sync = [&](std::FILE* file) { return calls += "sync|", system.sync(file); };
    steps.rename = [&](const std::string& from, const std::string& to) {
        return calls += "rename|", system.rename(from, to);
    };
    steps.syncDirectory = [&](const std::string& directory) {
        return calls += "sync " + directory + "|", system.syncDirectory(directory);
    };
    ASSERT_TRUE(saveBytesSafely(target, "new", steps).saved);
    // A name without a directory is synced in the current directory.
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    EXPECT_TRUE(saveBytesSafely("RHEO.dat", "newer", steps).saved);
    std::filesystem::current_path(previous);
    EXPECT_EQ(calls, "sync|rename|sync " + dir.path().string() + "|sync|rename|sync .|");
}

// SIGINT, SIGTERM or SIGHUP in the middle of a long write ends the program as the signal
// would, and the temporary file goes with it; a signal the program ignores leaves the save
// alone. Run in a child, whose write step raises the signal half-way.
TEST(SafeSave, ASignalThatEndsTheProgramDuringASaveRemovesTheTemporaryFile) {
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        for (const bool ignored : {false, true}) {
            SCOPED_TRACE(std::string(strsignal(signalNumber)) + (ignored ? " ignored" : ""));
            TempDir dir;
            const std::string target = dir.write("RHEO.dat", "previous contents");
            const int status = statusOfChild([&] {
                for (const int s : {SIGINT, SIGTERM, SIGHUP})
                    std::signal(s, s == signalNumber && ignored ? SIG_IGN : SIG_DFL);
                SaveSteps steps = systemSaveSteps();
                steps.write = [signalNumber](std::FILE* file, const char* data, std::size_t size) {
                    std::fwrite(data, 1, size / 2, file);
                    std::fflush(file);
                    std::raise(signalNumber);
                    std::fwrite(data + size / 2, 1, size - size / 2, file);
                    return 0;
                };
                return saveBytesSafely(target, std::string(1'000'000, 'x'), steps).saved ? 0 : 1;
            });
            EXPECT_EQ(entriesIn(dir), 1);
            EXPECT_TRUE(ignored ? WIFEXITED(status) && WEXITSTATUS(status) == 0
                                : WIFSIGNALED(status) && WTERMSIG(status) == signalNumber);
            EXPECT_EQ(TempDir::read(target),
                      ignored ? std::string(1'000'000, 'x') : "previous contents");
        }
    }
}

// SIGKILL cannot be caught: its temporary file stays until the next save beside it, which
// removes the files of gone processes and leaves those of running ones and other files.
TEST(SafeSave, TheNextSaveRemovesTheTemporaryFileOfAKilledSave) {
    TempDir dir;
    const std::string target = dir.write("RHEO.dat", "previous contents");
    const int status = statusOfChild([&] {
        SaveSteps steps = systemSaveSteps();
        steps.write = [](std::FILE*, const char*, std::size_t) { return ::raise(SIGKILL); };
        return saveBytesSafely(target, "new", steps).saved ? 0 : 1;
    });
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL && entriesIn(dir) == 2);
    dir.write(".RHEO.dat.saving-1-0", "init's save"); // a running process
    dir.write(".RHEO.dat.saving-x-0", "not ours");
    EXPECT_TRUE(saveBytesSafely(target, "new", systemSaveSteps()).saved);
    EXPECT_EQ(entriesIn(dir), 3);
}

TEST(SafeSave, NeverReplacesSomethingThatIsNoOrdinaryFileButFollowsALink) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.dat"));
    ASSERT_EQ(::mkfifo(dir.file("pipe.dat").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.file("pipe.dat"), dir.file("to-pipe.dat"));
    std::vector<std::string> targets = {"folder.dat", "pipe.dat", "to-pipe.dat"};
    // A device node of the kind of /dev/null, made here so that a fault replaces only a copy.
    if (::mknod(dir.file("null.dat").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets.push_back("null.dat");
    for (const std::string& name : targets) {
        SCOPED_TRACE(name);
        const SaveOutcome outcome = saveBytesSafely(dir.file(name), "x");
        EXPECT_FALSE(outcome.saved);
        EXPECT_EQ(outcome.reason, "It is not an ordinary file");
        EXPECT_EQ(outputTargetRefusal(dir.file(name)), outcome.reason);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("pipe.dat")));
    EXPECT_EQ(entriesIn(dir), static_cast<std::ptrdiff_t>(targets.size()));
    std::filesystem::create_symlink(dir.write("real.dat", "old"), dir.file("link.dat"));
    EXPECT_TRUE(saveBytesSafely(dir.file("link.dat"), "new").saved);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.dat")));
    EXPECT_EQ(TempDir::read(dir.file("real.dat")), "new");
}

// Real failures, in a child: the file-size limit makes write() fail part-way; a write-protected
// file is not replaced, although its directory would allow the rename, as a plain open for
// writing would refuse it (as root the child first drops to nobody).
TEST(SafeSave, ARealFailureIsReportedAndKeepsTheOldFile) {
    for (const bool limited : {true, false}) {
        TempDir dir;
        ::chmod(dir.path().c_str(), 0777);
        const std::string target = dir.write("RHEO.dat", "previous contents");
        ::chmod(target.c_str(), limited ? 0644 : 0444);
        const int status = statusOfChild([&] {
            const rlimit limit{4096, 4096};
            if (limited && (std::signal(SIGXFSZ, SIG_IGN), ::setrlimit(RLIMIT_FSIZE, &limit)) != 0)
                return 3;
            if (!limited && ::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
                return 77;
            const SaveOutcome outcome = saveBytesSafely(target, std::string(100000, 'x'));
            return outcome.saved ? 1
                   : outcome.reason == (limited ? "Writing failed: File too large"
                                                : "It may not be written: Permission denied")
                       ? 0
                       : 2;
        });
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 77)
            GTEST_SKIP() << "running as root, and the child could not become user " << kNobody;
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported as saved, 2: another reason";
        EXPECT_EQ(TempDir::read(target), "previous contents");
        EXPECT_EQ(entriesIn(dir), 1);
    }
}

} // namespace
} // namespace rheo
