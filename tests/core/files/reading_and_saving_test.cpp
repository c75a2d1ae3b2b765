// Reading lines of bounded length, inputs of extreme size, and saving through a temporary file
// so that the old file survives every failure.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/files/calibration_file.hpp"
#include "core/files/input_file.hpp"
#include "core/files/output_target.hpp"
#include "core/files/results_file.hpp"
#include "core/files/safe_file_writer.hpp"
#include "failing_file.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using Lines = std::vector<std::string>;
using testing::TempDir;
using namespace std::string_literals;

Lines readAll(LineReader&& reader) {
    Lines lines;
    for (std::string line; reader.next(line);)
        lines.push_back(line);
    return lines;
}

TEST(LineReader, LineEndsAreCrLfOrLfAndAReadTakesAtMost127BytesTheLineEndCountingAsOne) {
    const std::string a126(126, 'a'), a127(127, 'a');
    // 127 bytes fill a read; the line end after them then comes as an empty line of its own.
    EXPECT_EQ(readAll(LineReader("a\r\nb\nc\r\r\n\r\n\n\0b\0\r\n"s + a126 + "\r\nz\n" + a127 +
                                 "\r\nz\n" + a127 + "bc")),
              (Lines{"a", "b", "c\r", "", "", "\0b\0"s, a126, "z", a127, "", "z", a127, "bc"}));
    EXPECT_EQ(readAll(LineReader("")), Lines{});
}

TEST(LineReader, AFileReadsLikeItsBytesAcrossBlockBoundaries) {
    // The CR of a line end is the last byte of the first 64 KiB block, its LF the next one's
    // first; NULs and long lines.
    const std::string bytes = std::string(65535, '\0') + "\r\nafter\n" + std::string(70000, 'y');
    TempDir dir;
    const InputFile file = openInputFile(dir.write("big.dat", bytes));
    ASSERT_TRUE(file);
    EXPECT_EQ(readAll(LineReader(file.get())), readAll(LineReader(bytes)));
    // Only ordinary files are opened: an endless read of /dev/zero would hang the reader.
    EXPECT_FALSE(openInputFile(dir.file("missing.dat")));
    EXPECT_FALSE(openInputFile(dir.path().string()));
    EXPECT_FALSE(openInputFile("/dev/zero"));
}

TEST(LineReader, AFailingReadEndsTheLinesAndIsReportedWithItsErrorNumber) {
    const InputFile failing = testing::fileFailingAfter("first\r\nsecond");
    LineReader reader(failing.get());
    Lines lines;
    for (std::string line; reader.next(line);)
        lines.push_back(line);
    EXPECT_EQ(lines, (Lines{"first", "second"}));
    EXPECT_TRUE(reader.readError());
    EXPECT_EQ(reader.readErrorNumber(), EIO);

    TempDir dir;
    const InputFile good = openInputFile(dir.write("good.dat", "first\r\nsecond"));
    LineReader goodReader(good.get());
    EXPECT_EQ(readAll(LineReader(good.get())), (Lines{"first", "second"}));
    EXPECT_FALSE(goodReader.readError() || goodReader.readErrorNumber() != 0);
}

TEST(ExtremeInputs, AMillionLinesAndAHugeLineAreReadInBoundedTime) {
    const auto start = std::chrono::steady_clock::now();
    std::string calibration = "RHEO Version 2\r\n\r\n\r\n150\r\n1\r\n";
    for (int i = 0; i < 1'000'000; ++i)
        calibration += "7 7 7 7 7 7 7 7 7 7\r\n"; // the sixth and later cell lines are ignored
    CalibrationData data;
    parseCalibrationText(data, calibration + "CAL " + std::string(10'000'000, 'x') +
                                   " 5\r\nCAL Next 2\r\n");
    EXPECT_EQ(data.cells[4].workingShearRate, 7e6);
    EXPECT_EQ(data.standards,
              (std::vector<ViscosityStandard>{{std::string(123, 'x'), 0}, {"Next", 2}}));
    EXPECT_TRUE(parseResultsText("header\r\n" + std::string(1'000'000, '\n')).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

// The number of entries in the directory: a save leaves no temporary file behind.
std::ptrdiff_t entriesIn(const TempDir& dir) {
    return std::distance(std::filesystem::directory_iterator(dir.path()), {});
}

TEST(SafeSave, ReplacesTheBytesExactlyOrOnAnyFailingStepKeepsTheOldFile) {
    const auto diskFull = [](auto&&...) { return ENOSPC; };
    std::vector<SaveSteps> steps(6, systemSaveSteps());
    steps[1].write = diskFull;
    steps[2].flush = diskFull;
    steps[3].sync = diskFull;
    steps[4].close = [](std::FILE* file) { return std::fclose(file), ENOSPC; }; // still closed
    steps[5].rename = diskFull;
    const std::string bytes = "line\r\nwith\0nul\r\n"s;
    std::string reasons;
    for (std::size_t step = 0; step < steps.size(); ++step) {
        TempDir dir;
        const std::string target = dir.write("RHEO.dat", "previous contents");
        ::chmod(target.c_str(), 0640);
        const SaveOutcome result = saveBytesSafely(target, bytes, steps[step]);
        EXPECT_EQ(result.saved, step == 0);
        // The reason names the step that failed, then the system's words for the error.
        reasons += result.reason.substr(0, result.reason.rfind(": No space left on device")) + "|";
        EXPECT_EQ(TempDir::read(target), step == 0 ? bytes : "previous contents");
        EXPECT_EQ(entriesIn(dir), 1);
        struct stat info {};
        EXPECT_TRUE(::stat(target.c_str(), &info) == 0 && (info.st_mode & 0777) == 0640);
    }
    EXPECT_EQ(reasons, "|Writing failed|Writing failed|Writing to the disk failed|Closing the file "
                       "failed|Replacing the file failed|");
}

TEST(SafeSave, TheDirectoryIsSyncedAfterTheRenameSoThatTheNewNameLasts) {
    TempDir dir;
    const std::string target = dir.write("RHEO.dat", "previous contents");
    std::vector<std::string> calls;
    const SaveSteps system = systemSaveSteps();
    SaveSteps steps = system;
    steps.sync = [&](std::FILE* file) { return calls.push_back("sync"), system.sync(file); };
    steps.rename = [&](const std::string& from, const std::string& to) {
        return calls.push_back("rename"), system.rename(from, to);
    };
    steps.syncDirectory = [&](const std::string& directory) {
        calls.push_back("sync " + directory);
        return system.syncDirectory(directory);
    };
    ASSERT_TRUE(saveBytesSafely(target, "new", steps).saved);
    EXPECT_EQ(calls, (std::vector<std::string>{"sync", "rename", "sync " + dir.path().string()}));
    // A name without a directory is synced in the current directory.
    calls.clear();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    EXPECT_TRUE(saveBytesSafely("RHEO.dat", "newer", steps).saved);
    std::filesystem::current_path(previous);
    EXPECT_EQ(calls.back(), "sync .");
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
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
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
                ::_exit(saveBytesSafely(target, std::string(1'000'000, 'x'), steps).saved ? 0 : 1);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_EQ(entriesIn(dir), 1);
            if (ignored) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                EXPECT_EQ(TempDir::read(target), std::string(1'000'000, 'x'));
            } else {
                EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber);
                EXPECT_EQ(TempDir::read(target), "previous contents");
            }
        }
    }
}

// A real write failure part-way: the file-size limit makes write() fail with EFBIG.
TEST(SafeSave, AFileSizeLimitPartWayReportsFailureAndKeepsTheOldFile) {
    TempDir dir;
    const std::string target = dir.write("RHEO.dat", "previous contents");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const SaveOutcome outcome = saveBytesSafely(target, std::string(100000, 'x'));
        ::_exit(outcome.saved ? 1 : outcome.reason == "Writing failed: File too large" ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "1: reported as saved, 2: another reason";
    EXPECT_EQ(TempDir::read(target), "previous contents");
    EXPECT_EQ(entriesIn(dir), 1);
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

// The unprivileged user a test running as root takes on.
constexpr uid_t kNobody = 65534;

// A write-protected file is not replaced, although its directory would allow the rename: run
// in a child as a user who may not write it (as root the child first drops to nobody).
TEST(SafeSave, AFileThisUserMayNotWriteIsKeptAsAPlainOpenForWritingWould) {
    TempDir dir;
    ::chmod(dir.path().c_str(), 0777);
    const std::string target = dir.write("locked.dat", "previous contents");
    ::chmod(target.c_str(), 0444);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(77);
        const SaveOutcome outcome = saveBytesSafely(target, "new");
        ::_exit(outcome.saved                                                  ? 1
                : outcome.reason == "It may not be written: Permission denied" ? 0
                                                                               : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "running as root, and the child could not become user " << kNobody;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: replaced the file, 2: another reason";
    EXPECT_EQ(TempDir::read(target), "previous contents");
    EXPECT_EQ(entriesIn(dir), 1);
}

TEST(SafeSave, TheReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    TempDir dir;
    const std::string target = dir.write("RHEO.dat", "previous contents");
    ASSERT_EQ(::chown(target.c_str(), kNobody, kNobody), 0);
    ASSERT_TRUE(saveBytesSafely(target, "new").saved);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kNobody);
    EXPECT_EQ(info.st_gid, kNobody);
    EXPECT_EQ(TempDir::read(target), "new");
}

} // namespace
} // namespace rheo
