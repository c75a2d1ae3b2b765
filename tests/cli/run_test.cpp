// run and recommend: the worked example cell, the three refusals, the form's field checks,
// the calibration file's own checks, and the same texts under a German locale.

#include "cli_fixtures.hpp"
#include "cli_process.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

const std::string kAt = "2014-03-05 09:07";
const CliEnvironment kGerman{{{"LC_ALL", "de_DE.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, ""};

class RunTest : public ::testing::Test {
protected:
    CliRun run(const std::vector<std::string>& more, const CliEnvironment& environment = {},
               const std::string& calibration = workedExampleCalibration()) {
        std::vector<std::string> words = {"run", "--calibration",
                                          dir.write("RHEO.dat", calibration), "--at", kAt};
        words.insert(words.end(), more.begin(), more.end());
        return runCli(words, environment);
    }
    TempDir dir;
};

TEST_F(RunTest, WorkedExampleGivesTheNineTextsOfTheRow) {
    for (const CliEnvironment& environment : {CliEnvironment{}, kGerman}) {
        const CliRun result =
            run({"--cell", "1", "--pressure", "200", "--efflux-time", "18"}, environment);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out,
                  "NO_ID\t1\t8.500\t1.006\t266.3\tYes\t200.0\t18.00\t03/05/2014 09:07\n");
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(RunTest, NonNewtonianRunIsCorrectedAndSampleIdStoredAsSaved) {
    // A window from 0.9 lets the slower run (shear rate 0.905) in.
    const CliRun result = run({"--cell", "1", "--pressure", "200", "--efflux-time", "20",
                               "--non-newtonian", "--sample-id", "Lot 7,batch 12 final"},
                              {}, workedExampleCalibration("0.90000000"));
    EXPECT_EQ(result.exitCode, 0);
    // 9.55 x (20/18)^-0.1 = 9.4499, Re = 16.977 x 0.075 x 1600 / 9.4499; the ID keeps 17
    // characters, its comma made harmless.
    EXPECT_EQ(result.out,
              "Lot 7;batch 12 fi\t1\t9.450\t0.905\t215.6\tNo\t200.0\t20.00\t03/05/2014 09:07\n");
}

TEST_F(RunTest, RunOutsideTheWindowNamesTheSuggestedPressure) {
    const std::string message = "Sample Run did not fall within\nShearRateMin 1.010 and "
                                "ShearRateMax 1.200.\nRun the sample again at 201.50 psi.\n";
    for (const CliEnvironment& environment : {CliEnvironment{}, kGerman}) {
        const CliRun result = run({"--cell", "1", "--pressure", "200", "--efflux-time", "18"},
                                  environment, workedExampleCalibration("1.01000000"));
        EXPECT_EQ(result.exitCode, 3);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, message);
    }
}

TEST_F(RunTest, CellThatIsNotCalibratedIsRefused) {
    const CliRun result = run({"--cell", "2", "--pressure", "200", "--efflux-time", "18"});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "This cell is not calibrated.\nCalibrate it, load different calibration data, or "
              "choose a different cell.Working Shear Rate, Minimum Allowable Shear Rate, Maximum "
              "Allowable Shear Rate, Capillary Radius, Capillary Length, Cal Constant A, Cal "
              "Constant B, RMS % Diff, Cell Volume, Target Efflux Time are missing or invalid.\n");
}

TEST_F(RunTest, FormFieldChecksComeBeforeTheCalculation) {
    const std::string pressure = "Enter a non zero and non negative value for the Pressure.\n"
                                 "Pressures above 600 PSI are also inappropriate.\n";
    const std::string effluxTime = "Enter a non zero and non negative value for the Efflux "
                                   "Time.\nValues above 60 minutes are also not appropriate.\n";
    const struct {
        const char* pressure;
        const char* effluxTime;
        std::string err;
    } cases[] = {{"0", "18", pressure},
                 {"600.5", "18", pressure},
                 {"200", "3600.01", effluxTime},
                 {"200", "-1", effluxTime},
                 {"-5", "0", pressure + effluxTime}};
    for (const auto& c : cases) {
        // Cell 2 is not calibrated: a field message alone shows the check came first.
        const CliRun result =
            run({"--cell", "2", "--pressure", c.pressure, "--efflux-time", c.effluxTime});
        EXPECT_EQ(result.exitCode, 3) << c.pressure << " " << c.effluxTime;
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(RunTest, CalibrationFileIsReadByTheMenuRules) {
    const std::vector<std::string> runWords = {"--cell",        "1", "--pressure", "200",
                                               "--efflux-time", "18"};
    auto words = [&](const std::string& path) {
        std::vector<std::string> all = {"run", "--calibration", path};
        all.insert(all.end(), runWords.begin(), runWords.end());
        return all;
    };
    const CliRun missing = runCli(words(dir.file("absent.dat")));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "The specified file did not exist at that location.\nPlease choose a "
                           "different file.\n");

    const CliRun wrongExtension =
        runCli(words(dir.write("calibration.txt", workedExampleCalibration())));
    EXPECT_EQ(wrongExtension.exitCode, 2);
    EXPECT_EQ(wrongExtension.err, "Please Select a valid Calibration Data File.  '*.dat'\n");

    // Upper-case "DAT" is read, as the menu command reads it.
    const CliRun upperCase = runCli(words(dir.write("RHEO.DAT", workedExampleCalibration())));
    EXPECT_EQ(upperCase.exitCode, 0) << upperCase.err;
}

class RecommendTest : public RunTest {
protected:
    CliRun recommend(const std::string& cell, const std::string& viscosity,
                     const CliEnvironment& environment = {}) {
        return runCli({"recommend", "--calibration",
                       dir.write("RHEO.dat", workedExampleCalibration()), "--cell", cell,
                       "--viscosity", viscosity},
                      environment);
    }
};

TEST_F(RecommendTest, PressureTextFollowsTheBands) {
    const struct {
        const char* viscosity;
        const char* out;
    } cases[] = {{"8.5", "           200.0 psi\n18.00\n"},
                 {"22.0", "           500.0 psi\n18.00\n"},
                 {"26.0", "588.9 Warning > 500 psi\n18.00\n"},
                 {"26.5", "600.0 Warning > 500 psi\n18.00\n"},
                 {"27.0", "> 600 psi DO NOT RUN\n18.00\n"}};
    for (const auto& c : cases) {
        const CliRun result = recommend("1", c.viscosity, kGerman);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, c.out) << c.viscosity;
    }
}

TEST_F(RecommendTest, UncalibratedCellAndOutOfRangeEstimate) {
    const CliRun uncalibrated = recommend("3", "8.5");
    EXPECT_EQ(uncalibrated.exitCode, 0);
    EXPECT_EQ(uncalibrated.out, "               N/A\n0.00\n");

    for (const char* viscosity : {"0", "40.01"}) {
        const CliRun refused = recommend("1", viscosity);
        EXPECT_EQ(refused.exitCode, 3);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, "Enter a non zero and non negative value for the Estimated "
                               "Viscosity.\nValues above 40 mPa*s are also not appropriate.\n");
    }
    EXPECT_EQ(recommend("1", "40").exitCode, 0);
}

} // namespace
} // namespace rheo::testing
