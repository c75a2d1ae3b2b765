// The CSV inputs of batch, calibrate volume and calibrate ab: the three line ends, inputs
// that cannot be read whole (no ordinary file, a line too long, no record), a command that
// runs out of memory and one that does not, going row by row.

#include "cli_harness.hpp"
#include "core/files/file_messages.hpp"

#include <sys/stat.h>

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

std::string withLineEnds(const std::string& text, const std::string& lineEnd) {
    std::string out;
    for (const char c : text)
        out += c == '\n' ? lineEnd : std::string(1, c);
    return out;
}

TEST_F(InputTablesTest, LinesEndInCrLfLfOrALoneCrAlike) {
    put("RHEO.dat", calibration());
    for (const TableCommand& command : kCommands) {
        SCOPED_TRACE(command.arguments);
        put("table.csv", "header\n" + command.goodLines);
        const CliRun lf = cli(withX(command.arguments, "table.csv"));
        ASSERT_EQ(lf.exitCode, 0) << lf.err;
        const std::string written = read(command.output);
        for (const std::string lineEnd : {"\r\n", "\r"}) {
            put("table.csv", withLineEnds("header\n" + command.goodLines, lineEnd));
            std::filesystem::remove(dir.file(command.output));
            const CliRun run = cli(withX(command.arguments, "table.csv"));
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_EQ(run.out + run.err, lf.out + lf.err);
            EXPECT_EQ(read(command.output), written);
        }
    }
}

TEST_F(InputTablesTest, AnInputThatCannotBeReadWholeIsRefusedAndNothingIsWritten) {
    put("RHEO.dat", calibration());
    ASSERT_EQ(::mkfifo(dir.file("pipe.csv").c_str(), 0600), 0); // no writer: must not block
    std::filesystem::create_directory(dir.file("folder.csv"));
    const std::string notOrdinary = ": It is not an ordinary file\n";
    for (const TableCommand& command : kCommands) {
        SCOPED_TRACE(command.arguments);
        const std::string name = command.arguments.substr(0, command.arguments.find(" --"));
        const std::string noRecord =
            "rheo-cli " + name + ": table.csv holds no record after its header line\nUsage:\n";
        const struct {
            std::string file, contents; // contents written when not empty
            int exitCode;
            std::string err; // standard error starts with this
        } cases[] = {
            {"pipe.csv", "", 2, "Cannot read pipe.csv" + notOrdinary},
            {"folder.csv", "", 2, "Cannot read folder.csv" + notOrdinary},
            {"/dev/zero", "", 2, "Cannot read /dev/zero" + notOrdinary},
            {"missing.csv", "", 2, "Cannot read missing.csv: No such file or directory\n"},
            {"table.csv", "h\n" + command.goodLines + std::string(4097, '7') + "\n", 2, ""},
            {"table.csv", "header only\r\n", 1, noRecord},
            {"table.csv", "h\r\r\n \t\n\n", 1, noRecord},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.file + " " + c.contents.substr(0, 20));
            if (!c.contents.empty())
                put(c.file, c.contents);
            const CliRun run = cli(withX(command.arguments, c.file));
            EXPECT_EQ(run.exitCode, c.exitCode);
            EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
            EXPECT_EQ(run.out, "");
            EXPECT_FALSE(exists(command.output));
        }
        // The line that is too long is named by its number (the header is line 1).
        put("table.csv", "h\n1\n" + std::string(5000, '7') + "\n");
        const std::string err = cli(withX(command.arguments, "table.csv")).err;
        EXPECT_EQ(err.substr(err.find("line 3:")),
                  "line 3: The line is longer than 4096 characters.\n");
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
    const CliRun run = cli("report results --results big.csv --trace out.txt", limited);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "rheo-cli: there is not enough memory to go on; the command was stopped.\n");
    EXPECT_FALSE(exists("out.txt"));

    // merge goes row by row: the same file is joined within that space. Its first line is
    // taken as the header.
    const CliRun merged = cli("merge big.csv --results out.csv", limited);
    EXPECT_EQ(merged.exitCode, 0) << merged.err;
    const std::size_t header = std::string(file_texts::kResultsHeader).size() + 2;
    EXPECT_EQ(std::filesystem::file_size(dir.file("out.csv")), header + 1999999 * (row.size() + 2));
}

} // namespace
} // namespace rheo::testing
