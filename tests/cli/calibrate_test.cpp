// calibrate settings, cell, volume, ab and standard: each edit goes through the dialog's
// field checks and operation, a rejected line or value is named and skipped, the rest is
// written, and the exit status tells that something was refused.

#include "cli_fixtures.hpp"
#include "cli_process.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace rheo::testing {
namespace {

// Line `index` (from 0) of a file written with CR LF line ends.
std::string fileLine(const std::string& bytes, size_t index) {
    std::istringstream in(bytes);
    std::string line;
    for (size_t i = 0; i <= index && std::getline(in, line); ++i) {
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

class CalibrateTest : public ::testing::Test {
protected:
    std::string calibration(const std::string& text = workedExampleCalibration()) {
        return dir.write("RHEO.dat", text);
    }
    CliRun calibrate(std::vector<std::string> words, const CliEnvironment& environment = {}) {
        words.insert(words.begin(), "calibrate");
        return runCli(words, environment);
    }
    std::string written() const { return TempDir::read(dir.file("RHEO.dat")); }
    TempDir dir;
};

TEST_F(CalibrateTest, SettingsFromNothingWithOneRefusedValue) {
    const CliRun run = calibrate({"settings", "--out", dir.file("RHEO.dat"), "--company", "Lab A",
                                  "--serial", "S 1", "--temperature", "151", "--timer", "30"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err,
              "Please enter an operating temperature between 40 and 150 degrees celcius.\n");
    const std::string file = written();
    EXPECT_EQ(fileLine(file, 0), "RHEO Version 2");
    EXPECT_EQ(fileLine(file, 1), "Lab A");
    EXPECT_EQ(fileLine(file, 2), "S 1");
    EXPECT_EQ(fileLine(file, 3), "150"); // the default stays
    EXPECT_EQ(fileLine(file, 4), "30");

    // A line break would shift every line after the company name: refused.
    const CliRun broken = calibrate({"settings", "--calibration", dir.file("RHEO.dat"), "--out",
                                     dir.file("RHEO.dat"), "--company", "Lab\nB", "--timer", "0"});
    EXPECT_EQ(broken.exitCode, 3);
    EXPECT_EQ(broken.err, "The company name must fit on one line.\nPlease enter a temperature "
                          "equilibrium timer duration between 1 and 30 minutes.\n");
    EXPECT_EQ(written(), file);
}

TEST_F(CalibrateTest, CellDataChangeRecomputesT0FromTheWeighings) {
    const CliRun run = calibrate({"cell", "--calibration", calibration(calibrationWithWeighings()),
                                  "--out", dir.file("RHEO.dat"), "--cell", "1", "--diameter", "1.2",
                                  "--working", "1.4", "--length", "100"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err,
              "Please enter a non negative value below 1 mm for the Capillary Diameter.\n");
    // T0 of each 6 ml weighing at 1.4e6 1/s through r = 0.075 mm: 24000 / (r^3 W pi).
    EXPECT_EQ(fileLine(written(), 5),
              "1.40000000 1.00000000 1.20000000 0.07500000 100.00000000 0.00250000 9.00000000 "
              "0.50000000 6.00000000 12.93449696");
    EXPECT_EQ(fileLine(written(), 6),
              "VOL 10.00000000 15.00000000 0.83333333 12.93449696 6.00000000");
}

TEST_F(CalibrateTest, VolumeWorkedExampleWithRejectedLines) {
    ASSERT_EQ(calibrate({"cell", "--out", dir.file("RHEO.dat"), "--cell", "2", "--working", "1.4",
                         "--diameter", "0.15"})
                  .exitCode,
              0);
    const CliRun run =
        calibrate({"volume", "--calibration", dir.file("RHEO.dat"), "--out", dir.file("RHEO.dat"),
                   "--cell", "2", "--weighings",
                   dir.write("w.csv", "tare weight,full weight,density\n10.0,16.0,0.8\n10,10,0.8\n"
                                      "10,16.1,0.8\n10,15.9,0.8\n10,16,0.01\nx,1,1\n")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "10.0000\t16.0000\t6.0000\t0.8000\t16.17\t7.5000\n"
                       "10.0000\t16.1000\t6.1000\t0.8000\t16.44\t7.6250\n"
                       "10.0000\t15.9000\t5.9000\t0.8000\t15.90\t7.3750\n"
                       "Average Volume (ml):\t7.5000\n"
                       "Average Target Efflux Time (T0) (sec):\t16.17\n");
    EXPECT_EQ(run.err, "line 3: Tare Weight must be less than the Full Weight\n"
                       "line 6: Please enter a value between 0.01 and 10 grams/ml.\n"
                       "line 7: The tare weight is not a number: \"x\"\n");

    // A cell without radius and working shear rate rejects every weighing.
    const CliRun few = calibrate({"volume", "--out", dir.file("fresh.dat"), "--cell", "2",
                                  "--weighings", dir.write("w2.csv", "h\n10,16,0.8\n")});
    EXPECT_EQ(few.exitCode, 3); // the fresh cell has no radius: the weighing is rejected
    EXPECT_EQ(few.err, "line 2: The Working Shear Rate and Capillary Radius are needed for this "
                       "calculation.\n");
    // With two weighings in the cell the notice asks for more.
    const CliRun notice =
        calibrate({"cell", "--calibration", dir.file("RHEO.dat"), "--out", dir.file("RHEO.dat"),
                   "--cell", "3", "--working", "1.4", "--diameter", "0.15"});
    ASSERT_EQ(notice.exitCode, 0);
    const CliRun two = calibrate({"volume", "--calibration", dir.file("RHEO.dat"), "--out",
                                  dir.file("RHEO.dat"), "--cell", "3", "--weighings",
                                  dir.write("w4.csv", "h\n10,16,0.8\n10,16.1,0.8\n")});
    EXPECT_EQ(two.exitCode, 0);
    EXPECT_EQ(two.err, "At least 3 data points are needed to accurately calculate\nthe cell "
                       "volume and target efflux time (T0).\nPlease add more data.\n");
}

TEST_F(CalibrateTest, AbWorkedExampleWithRejectedLines) {
    const CliRun run = calibrate(
        {"ab", "--calibration", calibration(), "--out", dir.file("RHEO.dat"), "--cell", "1",
         "--points",
         dir.write("p.csv", "known viscosity,pressure,efflux time,newtonian,standard name\n"
                            "7.0,150,20.0,Yes,Oil A\n"
                            "8.0,200,22,Yes,slow\n"
                            "8.6,200,18.0,1,\n"
                            "41,200,18,Yes,thick\n"
                            "9.4,250,16.0,Yes,x,y\n"
                            "10.7,300,15.0,No,z\n")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "line 3: The efflux time was not within +-20% of the target efflux "
                       "time.\nPlease run the sample again at a higher pressure.\n"
                       "line 5: Enter a non zero and non negative value below 40 mPa*s for the "
                       "Known Viscosity.\n");
    // The fourth point is not Newtonian: its viscosity is corrected with (15/18)^-0.1, so
    // only the first three rows are those of the all-Newtonian worked example.
    const std::string expectedStart = "OilA\t7.000\t150.0\t20.00\t7.004\t0.06\t290.9\tYes\n"
                                      "\t8.600\t200.0\t18.00\t8.525\t-0.88\t265.5\tYes\n"
                                      "x,y\t9.400\t250.0\t16.00\t9.451\t0.54\t269.4\tYes\n";
    EXPECT_EQ(run.out.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(run.out.find("A:\t0.002783\nB:\t26.907721\n"), std::string::npos) << run.out;
}

TEST_F(CalibrateTest, AbWorkedExampleAllNewtonianAndTheNoticeBeforeTheFit) {
    const std::string points = "h\n7.0,150,20.0,Yes,a\n8.6,200,18.0,Yes,b\n9.4,250,16.0,Yes,c\n"
                               "10.7,300,15.0,Yes,d\n";
    // Under a German locale the inputs and the texts keep "." as decimal point.
    const CliRun four =
        calibrate({"ab", "--calibration", calibration(), "--out", dir.file("four.dat"), "--cell",
                   "1", "--points", dir.write("p.csv", points)},
                  {{{"LC_ALL", "de_DE.UTF-8"}}, ""});
    EXPECT_EQ(four.exitCode, 0);
    EXPECT_EQ(four.err, "");
    EXPECT_EQ(four.out, "a\t7.000\t150.0\t20.00\t7.004\t0.06\t290.9\tYes\n"
                        "b\t8.600\t200.0\t18.00\t8.525\t-0.88\t265.5\tYes\n"
                        "c\t9.400\t250.0\t16.00\t9.451\t0.54\t269.4\tYes\n"
                        "d\t10.700\t300.0\t15.00\t10.731\t0.29\t253.1\tYes\n"
                        "A:\t0.002783\nB:\t26.907721\nRMS % Diff:\t0.54\n");

    const CliRun two = calibrate(
        {"ab", "--calibration", calibration(), "--out", dir.file("two.dat"), "--cell", "1",
         "--points", dir.write("p2.csv", "h\n7.0,150,20.0,Yes,a\n8.6,200,18,Yes,b\n")});
    EXPECT_EQ(two.exitCode, 0);
    EXPECT_EQ(two.out, "a\t7.000\t150.0\t20.00\t0.000\t0.00\t0.0\tYes\n"
                       "b\t8.600\t200.0\t18.00\t0.000\t0.00\t0.0\tYes\n"
                       "A:\t0.00000000\nB:\t0.00000000\nRMS % Diff:\t0.00000000\n");
    EXPECT_EQ(two.err, "The constants A and B are determined through regression.\nAt least 4 "
                       "data points are needed for an accurate result.\nPlease add more data.\n");
}

TEST_F(CalibrateTest, StandardsAreAddedCleanedReplacedAndDeleted) {
    const std::string file = calibration();
    auto standard = [&](std::vector<std::string> more) {
        std::vector<std::string> words = {"standard", "--calibration", file, "--out", file};
        words.insert(words.end(), more.begin(), more.end());
        return calibrate(words);
    };
    EXPECT_EQ(standard({"--name", "Oil A", "--viscosity", "5"}).exitCode, 0);
    EXPECT_EQ(standard({"--name", "OilA", "--viscosity", "8.5"}).exitCode, 0); // replaces
    EXPECT_EQ(standard({"--name", "Thin", "--viscosity", "2"}).exitCode, 0);
    const CliRun refused = standard({"--name", "Thick", "--viscosity", "40.001"});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.err, "Enter a non-zero, non-negative viscosity below 40 mPa*s\n");

    const CliRun table = runCli({"standards", "--calibration", file});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_EQ(table.out, "Thin\t2.000\t55.6\tN/A\tN/A\tN/A\tN/A\n"
                         "OilA\t8.500\t200.0\tN/A\tN/A\tN/A\tN/A\n");

    const CliRun missing = standard({"--delete", "Nothing"});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_EQ(missing.err, "There is no standard named \"Nothing\".\n");
    EXPECT_EQ(standard({"--delete", "Oil A"}).exitCode, 0);
    EXPECT_EQ(runCli({"standards", "--calibration", file}).out,
              "Thin\t2.000\t55.6\tN/A\tN/A\tN/A\tN/A\n");
}

TEST_F(CalibrateTest, OutputFileIsWrittenByTheSaveRules) {
    const CliRun run = calibrate({"settings", "--calibration", calibration(), "--out",
                                  dir.file("copy.DAT"), "--company", "X"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "Please Use .dat  File Extension.\n");
    EXPECT_EQ(TempDir::read(dir.file("copy.DAT")), "");
}

} // namespace
} // namespace rheo::testing
