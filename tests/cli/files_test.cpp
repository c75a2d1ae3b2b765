// SPDX-License-Identifier: MIT
// The files of rheo-cli. The CSV inputs of batch, calibrate volume and calibrate ab: the
// three line ends, inputs that cannot be read whole (no ordinary file, a line too long, no
// record), a command that runs out of memory and one that does not, going row by row. Where
// rheo-cli may write: never over something that is no ordinary file, and never over a file
// the command reads, except the calibration that a calibrate subcommand edits in place and
// the results files that merge joins onto one of them.

#include "cli_harness.hpp"

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <tuple>

namespace rheo::testing {
namespace {

using InputTablesTest = CliTest;

// Each command with a CSV input, its good input, and the file it would write.
struct TableCommand {
    std::string arguments; // "X" stands for the CSV file
    std::string goodLines; // the lines after the header, LF-ended
    std::string output;
};

const TableCommand kCommands[] = {
    {"batch --calibration RHEO.dat --runs X --results out.csv --at '2024-05-14 09:05'",
     "1,1,A,200,18\n\n1,0,B,200,18\n", "out.csv"},
    {"calibrate volume --calibration RHEO.dat --out out.dat --cell 1 --weighings X",
     "10,16,0.8\n10,16.1,0.8\n", "out.dat"},
    {"calibrate ab --calibration RHEO.dat --out out.dat --cell 1 --points X",
     "7.0,150,20.0,Yes,Oil A\n8.6,200,18,1,b\n", "out.dat"},
};

std::string withX(const std::string& arguments, const std::string& file) {
    const std::size_t x = arguments.find(" X");
    return arguments.substr(0, x + 1) + file + arguments.substr(x + 2);
}

// Every input is read by one table reader (its lines by the core's line reader).
TEST_F(InputTablesTest, LinesEndInCrLfLfOrALoneCrAlike) {
    put("RHEO.dat", calibration());
    const TableCommand& batch = kCommands[0];
    std::string written;
    for (const std::string lineEnd : {"\n", "\r\n", "\r"}) {
        put("table.csv",
            std::regex_replace("header\n" + batch.goodLines, std::regex("\n"), lineEnd));
        EXPECT_EQ(cli(withX(batch.arguments, "table.csv")), (CliRun{0, "", ""}));
        written = written.empty() ? read(batch.output) : written;
        EXPECT_EQ(read(batch.output), written);
    }
    EXPECT_EQ(std::ranges::count(written, '\n'), 3); // the header and two runs
}

TEST_F(InputTablesTest, AnInputThatCannotBeReadWholeIsRefusedAndNothingIsWritten) {
    put("RHEO.dat", calibration());
    // A pipe without a writer must not block (the reader refuses every file that is not
    // ordinary, checked with the core).
    ASSERT_EQ(::mkfifo(dir.file("pipe.csv").c_str(), 0600), 0);
    for (const TableCommand& command : kCommands) {
        SCOPED_TRACE(command.arguments);
        const std::string name = command.arguments.substr(0, command.arguments.find(" --"));
        const std::string noRecord =
            "rheo-cli " + name + ": table.csv holds no record after its header line\nUsage:\n";
        // The file, its contents when it is written, the exit status and how standard error
        // starts. A line that is too long is named by its number (the header is line 1).
        const std::tuple<std::string, std::string, int, std::string> cases[] = {
            {"pipe.csv", "", 2,
             "Cannot read pipe.csv: " + std::string(file_texts::kNotAnOrdinaryFile) + "\n"},
            {"missing.csv", "", 2, "Cannot read missing.csv: No such file or directory\n"},
            {"table.csv", "h\n" + command.goodLines + std::string(4097, '7') + "\n", 2,
             "line " + std::to_string(2 + std::ranges::count(command.goodLines, '\n')) +
                 ": The line is longer than 4096 characters.\n"},
            {"table.csv", "h\n" + command.goodLines + "\"open,1\n2\n", 2,
             "line " + std::to_string(2 + std::ranges::count(command.goodLines, '\n')) +
                 ": The quote opened on this line is not closed.\n"},
            {"table.csv", "h\n\"a\"b,1\n", 2,
             "line 2: A quoted field must end at a comma or at the end of the line.\n"},
            {"table.csv", "header only\r\n", 1, noRecord},
            {"table.csv", "h\r\r\n \t\n\n", 1, noRecord}};
        for (const auto& [file, contents, exitCode, err] : cases) {
            SCOPED_TRACE(file + " " + contents.substr(0, 20));
            if (!contents.empty())
                put(file, contents);
            const CliRun run = cli(withX(command.arguments, file));
            EXPECT_EQ(run.exitCode, exitCode);
            EXPECT_EQ(run.err.substr(0, err.size()), err);
            EXPECT_EQ(run.out, "");
            EXPECT_FALSE(exists(command.output));
        }
    }
}

// The examples of RFC 4180 as sample IDs, each line one run: plain and quoted fields, a line
// break, a comma and a doubled quote inside quotes; a quote inside a plain field is a
// character, and an ID without quotes still takes whatever stands between the numbers.
TEST_F(InputTablesTest, QuotedFieldsFollowRfc4180) {
    put("RHEO.dat", calibration());
    const std::pair<std::string, std::string> cases[] = {
        {"1,1,aaa,200,18", "aaa"},
        {"\"1\",\"1\",\"aaa\",\"200\",\"18\"", "aaa"},
        {"1,1,\"b\r\nbb\",200,18", "b bb"},
        {"1,1,\"b\"\"bb\",200,18", "b\"bb"},
        {"1,1,\"Lot 5,6\",200,18", "Lot 5;6"},
        {"1,1,Lot 5,6,200,18", "Lot 5;6"},
        {"1,1,ab\"c,200,18", "ab\"c"},
        {"1,1,\"\",200,18", "NO_ID"}};
    std::string lines = "h\r\n";
    for (const auto& [line, id] : cases)
        lines += line + "\r\n";
    put("runs.csv", lines);
    const CliRun run = cli("batch --calibration RHEO.dat --runs runs.csv --results out.csv");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::istringstream written(read("out.csv"));
    std::string row;
    std::getline(written, row); // the header
    for (const auto& [line, id] : cases) {
        std::getline(written, row, ',');
        EXPECT_EQ(row, id) << line;
        std::getline(written, row);
    }
}

TEST_F(InputTablesTest, RunningOutOfMemoryEndsWithAMessageAndExitTwo) {
    // A report holds all 2 million rows, several hundred MB; the address space is limited to
    // 300 MB.
    const std::string limited = "ulimit -v 300000 && ";
    if (runShell(limited + kCli + " --help").exitCode != 0)
        GTEST_SKIP() << "rheo-cli cannot start within 300 MB of address space (a sanitizer build)";
    const std::string row = "A,1,8.500,1.01,266.3,1,200.0,18.00,5/14/2024 9:5";
    runShell("yes '" + row + "' | head -n 2000000 > " + quoted(dir.file("big.csv")));
    EXPECT_EQ(
        cli("report results --results big.csv --trace out.txt", limited),
        (CliRun{2, "",
                "rheo-cli: there is not enough memory to go on; the command was stopped.\n"}));
    EXPECT_FALSE(exists("out.txt"));

    // merge goes row by row: the same file is joined within that space. Its first line is
    // taken as the header.
    const CliRun merged = cli("merge big.csv --results out.csv", limited);
    EXPECT_EQ(merged.exitCode, 0) << merged.err;
    const std::size_t header = std::string(file_texts::kResultsHeader).size() + 2;
    EXPECT_EQ(std::filesystem::file_size(dir.file("out.csv")), header + 1999999 * (row.size() + 2));
}

class OutputTargetTest : public CliTest {
protected:
    void SetUp() override {
        put("RHEO.dat", calibration());
        put("runs.csv", "h\n1,1,A,200,18\n");
        put("a.csv", kResultsHeader + "A1,1,8.500,1.01,266.3,1,200.0,18.00,5/14/2024 9:5\r\n");
        put("b.csv", kResultsHeader + "B1,1,8.500,1.01,266.3,1,200.0,18.00,5/14/2024 9:6\r\n");
    }

    // Every ordinary file of the directory with its bytes.
    std::map<std::string, std::string> contents() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path()))
            if (entry.is_regular_file() && !entry.is_symlink())
                files[entry.path().string()] = TempDir::read(entry.path().string());
        return files;
    }

    void expectRefused(const std::string& command, const std::string& output,
                       const std::string& reason) {
        SCOPED_TRACE(command);
        const auto before = contents();
        const CliRun run = cli(command);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, file_texts::kCouldNotSave + output + "\n" + reason + "." +
                               "\nThe previous file was kept unchanged." + "\n");
        EXPECT_EQ(contents(), before);
    }
};

// A pipe without a reader must not block: each output is checked before anything is written.
// (Which kinds of file are refused, folders and devices included, is the core's rule.)
TEST_F(OutputTargetTest, EveryOutputRefusesWhatIsNoOrdinaryFileBeforeWritingAnything) {
    ::mkfifo(dir.file("pipe").c_str(), 0600);
    for (const std::string name : {"pipe.dat", "pipe.csv"}) // each with its required extension
        std::filesystem::create_symlink("pipe", dir.file(name));
    for (const auto& [command, output] :
         {std::pair<std::string, std::string>{"calibrate settings --company X --out pipe.dat",
                                              "pipe.dat"},
          {"convert RHEO.dat pipe.dat", "pipe.dat"},
          {"batch --calibration RHEO.dat --runs runs.csv --results pipe.csv", "pipe.csv"},
          {"merge a.csv --results pipe.csv", "pipe.csv"},
          {"report calibration --calibration RHEO.dat --trace pipe.csv", "pipe.csv"},
          {"report results --results a.csv --pdf pipe.csv", "pipe.csv"}})
        expectRefused(command, output, file_texts::kNotAnOrdinaryFile);
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("pipe")));
}

TEST_F(OutputTargetTest, AnOutputOverAFileTheCommandReadsIsRefusedUnlessItEditsItInPlace) {
    std::filesystem::create_symlink("a.csv", dir.file("link.csv"));
    std::filesystem::create_hard_link(dir.file("RHEO.dat"), dir.file("hard.txt"));
    put("w.dat", "h\n10,16,0.8\n");
    // An older set, its companion named in another letter case: it is read too.
    std::filesystem::create_directory(dir.file("old"));
    for (const std::string name : {"RHEO.DAT", "RHEOSET.DAT", "RHEOCAL.DAT"})
        std::filesystem::copy_file(
            examplePath("version1/" + name),
            dir.file(name == "RHEOSET.DAT" ? "old/rheoset.dat" : "old/" + name));
    const struct {
        std::string command, output, input;
    } cases[] = {
        {"report results --results a.csv --trace a.csv", "a.csv", "a.csv"},
        {"report results --results a.csv --trace link.csv", "link.csv", "a.csv"},
        {"report calibration --calibration RHEO.dat --pdf ./RHEO.dat", "./RHEO.dat", "RHEO.dat"},
        {"report results --results a.csv --calibration RHEO.dat --trace hard.txt", "hard.txt",
         "RHEO.dat"},
        {"batch --calibration RHEO.dat --runs runs.csv --results runs.csv", "runs.csv", "runs.csv"},
        {"calibrate volume --calibration RHEO.dat --out w.dat --cell 1 --weighings w.dat", "w.dat",
         "w.dat"},
        {"convert RHEO.dat ./RHEO.dat", "./RHEO.dat", "RHEO.dat"},
        {"convert old/RHEO.DAT old/rheoset.dat", "old/rheoset.dat", "old/rheoset.dat"},
        {"calibrate settings --calibration old/RHEO.DAT --out old/rheoset.dat", "old/rheoset.dat",
         "old/rheoset.dat"},
    };
    for (const auto& c : cases)
        expectRefused(c.command, c.output,
                      "It is the same file as " + c.input + ", which this command reads");

    // Editing the calibration in place, under any spelling, and joining onto an input stay.
    const std::string a = read("a.csv");
    EXPECT_EQ(
        cli("calibrate settings --calibration RHEO.dat --out ./RHEO.dat --company New").exitCode,
        0);
    EXPECT_EQ(read("RHEO.dat").substr(0, 21), "RHEO Version 2\r\nNew\r\n");
    EXPECT_EQ(cli("merge a.csv b.csv --results a.csv").exitCode, 0);
    EXPECT_EQ(read("a.csv"), a + read("b.csv").substr(kResultsHeader.size()));
}

} // namespace
} // namespace rheo::testing
