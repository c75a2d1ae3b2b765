// Where rheo-cli may write: never over something that is no ordinary file, and never over a
// file the command reads, except the calibration that a calibrate subcommand edits in place
// and the results files that merge joins onto one of them.

#include "cli_harness.hpp"

#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace rheo::testing {
namespace {

class OutputTargetTest : public CliTest {
protected:
    void SetUp() override {
        put("RHEO.dat", calibration());
        put("runs.csv", "h\n1,1,A,200,18\n");
        put("a.csv", kResults + "A1,1,8.500,1.01,266.3,1,200.0,18.00,5/14/2024 9:5\r\n");
        put("b.csv", kResults + "B1,1,8.500,1.01,266.3,1,200.0,18.00,5/14/2024 9:6\r\n");
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
        EXPECT_EQ(run.err, "The file could not be saved:\n" + output + "\n" + reason +
                               ".\nThe previous file was kept unchanged.\n");
        EXPECT_EQ(contents(), before);
    }

    const std::string kResults =
        "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate (1x10e6 1/sec),Reynolds "
        "Number,Newtonian,Pressure (psi),Efflux Time(sec),Date Time\r\n";
};

TEST_F(OutputTargetTest, EveryOutputRefusesWhatIsNoOrdinaryFileBeforeWritingAnything) {
    // A pipe without a reader must not block; the device node (made as root only, like
    // /dev/null) must not be replaced.
    ::mkfifo(dir.file("pipe").c_str(), 0600);
    const bool root = ::mknod(dir.file("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    for (const std::string extension : {".dat", ".csv"}) {
        std::filesystem::create_symlink("pipe", dir.file("pipe" + extension));
        std::filesystem::create_directory(dir.file("folder" + extension));
        if (root)
            std::filesystem::create_symlink("null", dir.file("null" + extension));
    }
    for (const std::string target : {"pipe", "folder", "null"}) {
        if (target == "null" && !root)
            continue;
        // Each kind of output, named with the extension the command requires.
        const std::string dat = target + ".dat", csv = target + ".csv";
        for (const auto& [command, output] :
             {std::pair{"calibrate settings --company X --out " + dat, dat},
              {"convert RHEO.dat " + dat, dat},
              {"batch --calibration RHEO.dat --runs runs.csv --results " + csv, csv},
              {"merge a.csv --results " + csv, csv},
              {"report calibration --calibration RHEO.dat --trace " + csv, csv},
              {"report results --results a.csv --pdf " + csv, csv}})
            expectRefused(command, output, "It is not an ordinary file");
    }
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
    EXPECT_EQ(read("a.csv"), a + read("b.csv").substr(kResults.size()));
}

} // namespace
} // namespace rheo::testing
