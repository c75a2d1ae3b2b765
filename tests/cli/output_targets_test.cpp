// Where rheo-cli may write: never over something that is no ordinary file, and never over a
// file the command reads, except the calibration that a calibrate subcommand edits in place
// and the results files that merge joins onto one of them.

#include "cli_harness.hpp"

#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

    // Every file of the directory with its bytes.
    std::map<std::string, std::string> contents() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            if (entry.is_regular_file())
                files[entry.path().filename().string()] = TempDir::read(entry.path().string());
        return files;
    }

    static std::string refusal(const std::string& output, const std::string& reason) {
        return "The file could not be saved:\n" + output + "\n" + reason +
               ".\nThe previous file was kept unchanged.\n";
    }

    const std::string kResults =
        "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate (1x10e6 1/sec),Reynolds "
        "Number,Newtonian,Pressure (psi),Efflux Time(sec),Date Time\r\n";
};

TEST_F(OutputTargetTest, EveryOutputRefusesWhatIsNoOrdinaryFileBeforeWritingAnything) {
    // Each kind of output, its target "T" named with the extension the command requires.
    const std::pair<std::string, std::string> outputs[] = {
        {"report calibration --calibration RHEO.dat --trace T", ".txt"},
        {"report results --results a.csv --pdf T", ".pdf"},
        {"calibrate settings --out T --company X", ".dat"},
        {"batch --calibration RHEO.dat --runs runs.csv --results T", ".csv"},
        {"merge a.csv --results T", ".csv"},
        {"convert RHEO.dat T", ".dat"},
    };
    // A pipe without a writer or reader must not block; a device node like /dev/null (made
    // here, as root only) must not be replaced.
    const auto make = [&](const std::string& kind, const std::string& name) {
        const std::string path = dir.file(name);
        if (kind == "pipe" || kind == "link to a pipe")
            ::mkfifo(dir.file(name + ".pipe").c_str(), 0600);
        if (kind == "pipe")
            return std::filesystem::rename(dir.file(name + ".pipe"), path), true;
        if (kind == "link to a pipe")
            return std::filesystem::create_symlink(name + ".pipe", path), true;
        if (kind == "directory")
            return std::filesystem::create_directory(path);
        return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    };
    int number = 0;
    for (const auto& [command, extension] : outputs) {
        for (const std::string kind : {"pipe", "link to a pipe", "directory", "device"}) {
            const std::string name = "target" + std::to_string(++number) + extension;
            if (!make(kind, name))
                continue; // no device node without root
            SCOPED_TRACE(command + " onto a " + kind);
            const auto before = contents();
            const CliRun run = cli(command.substr(0, command.find('T')) + name +
                                   command.substr(command.find('T') + 1));
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_EQ(run.err, refusal(name, "It is not an ordinary file"));
            EXPECT_EQ(contents(), before);
            EXPECT_FALSE(std::filesystem::is_regular_file(dir.file(name)));
        }
    }
}

TEST_F(OutputTargetTest, AnOutputOverAFileTheCommandReadsIsRefusedUnlessItEditsItInPlace) {
    std::filesystem::create_symlink("a.csv", dir.file("link.csv"));
    std::filesystem::create_hard_link(dir.file("RHEO.dat"), dir.file("hard.txt"));
    put("w.dat", "h\n10,16,0.8\n");
    // An older set, its companion named in another letter case.
    std::filesystem::create_directory(dir.file("old"));
    for (const std::string name : {"RHEO.DAT", "RHEOSET.DAT", "RHEOCAL.DAT"})
        std::filesystem::copy_file(
            examplePath("version1/" + name),
            dir.file("old/" + (name == "RHEOSET.DAT" ? "rheoset.dat" : name)));
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
        // The older format's companion files are read too.
        {"convert old/RHEO.DAT old/rheoset.dat", "old/rheoset.dat", "old/rheoset.dat"},
        {"calibrate settings --calibration old/RHEO.DAT --out old/rheoset.dat", "old/rheoset.dat",
         "old/rheoset.dat"},
    };
    const auto before = contents();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const CliRun run = cli(c.command);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, refusal(c.output, "It is the same file as " + c.input +
                                                 ", which this command reads"));
        EXPECT_EQ(contents(), before);
        EXPECT_EQ(TempDir::read(dir.file("old/rheoset.dat")),
                  TempDir::read(examplePath("version1/RHEOSET.DAT")));
    }

    // Editing the calibration in place, under any spelling, and joining onto an input stay.
    const CliRun edit = cli("calibrate settings --calibration RHEO.dat --out ./RHEO.dat "
                            "--company 'In Place'");
    EXPECT_EQ(edit.exitCode, 0) << edit.err;
    EXPECT_EQ(read("RHEO.dat").substr(0, 26), "RHEO Version 2\r\nIn Place\r\n");
    const CliRun merge = cli("merge a.csv b.csv --results a.csv");
    EXPECT_EQ(merge.exitCode, 0) << merge.err;
    EXPECT_EQ(read("a.csv"), before.at("a.csv") + before.at("b.csv").substr(kResults.size()));
}

} // namespace
} // namespace rheo::testing
