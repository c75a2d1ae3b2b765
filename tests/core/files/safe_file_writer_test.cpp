#include "core/files/safe_file_writer.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/files/calibration_file.hpp"
#include "core/files/results_file.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::TempDir;

std::vector<std::string> namesIn(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SafeFileWriter, ReplacesTheFileWithExactlyTheBytesAndKeepsItsPermissions) {
    TempDir dir;
    const std::string target = dir.write("RHEO.dat", "old");
    ::chmod(target.c_str(), 0640);
    const std::string bytes("line\r\nwith\0nul\r\n", 16);
    const SaveOutcome outcome = saveBytesSafely(target, bytes);
    EXPECT_TRUE(outcome.saved) << outcome.reason;
    EXPECT_EQ(TempDir::read(target), bytes);
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"RHEO.dat"}); // no temporary file left
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_TRUE(saveBytesSafely(dir.file("new.dat"), "").saved);
    EXPECT_EQ(TempDir::read(dir.file("new.dat")), "");
}

struct FailingStep {
    const char* name;
    void (*breakStep)(SaveSteps&);
};

class SafeFileWriterFailure : public ::testing::TestWithParam<FailingStep> {};

TEST_P(SafeFileWriterFailure, LeavesTheOldFileAndNoTemporaryFile) {
    TempDir dir;
    const std::string target = dir.write("RHEO.dat", "previous contents");
    SaveSteps steps = systemSaveSteps();
    GetParam().breakStep(steps);
    const SaveOutcome outcome = saveBytesSafely(target, "new contents", steps);
    EXPECT_FALSE(outcome.saved);
    EXPECT_NE(outcome.reason.find("No space left on device"), std::string::npos) << outcome.reason;
    EXPECT_EQ(TempDir::read(target), "previous contents");
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"RHEO.dat"});
}

// Each step fails with "disk full"; the close of a failed file still runs for real.
INSTANTIATE_TEST_SUITE_P(
    Steps, SafeFileWriterFailure,
    ::testing::Values(
        FailingStep{"write",
                    [](SaveSteps& s) {
                        s.write = [](std::FILE*, const char*, std::size_t) { return ENOSPC; };
                    }},
        FailingStep{"flush", [](SaveSteps& s) { s.flush = [](std::FILE*) { return ENOSPC; }; }},
        FailingStep{"sync", [](SaveSteps& s) { s.sync = [](std::FILE*) { return ENOSPC; }; }},
        FailingStep{"close",
                    [](SaveSteps& s) {
                        s.close = [](std::FILE* f) {
                            std::fclose(f);
                            return ENOSPC;
                        };
                    }},
        FailingStep{"rename",
                    [](SaveSteps& s) {
                        s.rename = [](const std::string&, const std::string&) { return ENOSPC; };
                    }}),
    [](const auto& step) { return std::string(step.param.name); });

// A real write failure part-way: the file-size limit makes write() fail with EFBIG.
TEST(SafeFileWriter, AFileSizeLimitPartWayReportsFailureAndKeepsTheOldFile) {
    TempDir dir;
    const std::string target = dir.write("RHEO.dat", "previous contents");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const SaveOutcome outcome = saveBytesSafely(target, std::string(100000, 'x'));
        ::_exit(outcome.saved ? 1 : (outcome.reason.find("large") != std::string::npos ? 0 : 2));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported as saved, 2: another reason";
    EXPECT_EQ(TempDir::read(target), "previous contents");
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"RHEO.dat"});
}

TEST(SafeFileWriter, NeverReplacesSomethingThatIsNoOrdinaryFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.dat"));
    ASSERT_EQ(::mkfifo(dir.file("pipe.dat").c_str(), 0600), 0);
    EXPECT_FALSE(saveBytesSafely(dir.file("folder.dat"), "x").saved);
    EXPECT_FALSE(saveBytesSafely(dir.file("pipe.dat"), "x").saved);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.dat")));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("pipe.dat")));
    // A link is followed: the file it names is replaced, the link stays.
    const std::string real = dir.write("real.dat", "old");
    std::filesystem::create_symlink(real, dir.file("link.dat"));
    EXPECT_TRUE(saveBytesSafely(dir.file("link.dat"), "new").saved);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.dat")));
    EXPECT_EQ(TempDir::read(real), "new");
}

TEST(SafeFileWriter, BothSaveCommandsTellTheOperatorAndReturnFalse) {
    TempDir dir;
    const std::string path = dir.file("no-such-folder/RHEO.dat");
    testing::ScriptedDialogs dialogs;
    EXPECT_FALSE(saveCalibrationFileAt(CalibrationData{}, path, dialogs));
    std::vector<TestResult> results{TestResult{}};
    const std::string csv = dir.file("no-such-folder/RHEO_Results.csv");
    EXPECT_FALSE(saveResultsFileAt(results, csv, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], "The file could not be saved:\n" + path +
                                       "\nCreating the file failed: No such file or "
                                       "directory.\nThe previous file was kept unchanged.");
    EXPECT_EQ(dialogs.messages[1].rfind("The file could not be saved:\n" + csv, 0), 0u);
}

} // namespace
} // namespace rheo
