// run and recommend: the worked example cell, the refusals and their messages, the form's
// field checks before the calculation, the calibration file's own checks, and the same
// texts under a German locale.

#include "cli_harness.hpp"

namespace rheo::testing {
namespace {

class RunTest : public CliTest {
protected:
    CliRun run(const std::string& arguments, const std::string& environment = "",
               const std::string& calibrationText = calibration()) {
        return cli("run --calibration " + put("RHEO.dat", calibrationText) +
                       " --at '2014-03-05 09:07' " + arguments,
                   environment);
    }
};

const std::string kWorkedRun = "--cell 1 --pressure 200 --efflux-time 18";

TEST_F(RunTest, AcceptedRunPrintsTheNineTextsOfTheRowUnderAnyLocale) {
    for (const std::string environment : {"", kGerman.c_str()}) {
        const CliRun result = run(kWorkedRun, environment);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out,
                  "NO_ID\t1\t8.500\t1.006\t266.3\tYes\t200.0\t18.00\t03/05/2014 09:07\n");
        EXPECT_EQ(result.err, "");
    }
    // A window from 0.9 lets the slower run (shear rate 0.905) in; 9.55 x (20/18)^-0.1 =
    // 9.4499. The ID keeps 17 characters, its comma made harmless.
    const CliRun corrected = run("--cell 1 --pressure 200 --efflux-time 20 --non-newtonian "
                                 "--sample-id 'Lot 7,batch 12 final'",
                                 "", calibration("0.90000000"));
    EXPECT_EQ(corrected.exitCode, 0);
    EXPECT_EQ(corrected.out,
              "Lot 7;batch 12 fi\t1\t9.450\t0.905\t215.6\tNo\t200.0\t20.00\t03/05/2014 09:07\n");
}

TEST_F(RunTest, ATabInTheSampleIdNeverSplitsAFieldButIsKeptInTheResultsFile) {
    const CliRun result = run(kWorkedRun + " --sample-id 'Lot\t7'");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Lot 7\t1\t8.500\t1.006\t266.3\tYes\t200.0\t18.00\t03/05/2014 09:07\n");
    put("runs.csv", "h\n1,1,Lot\t7,200,18\n");
    EXPECT_EQ(cli("batch --calibration RHEO.dat --runs runs.csv --results out.csv").exitCode, 0);
    EXPECT_NE(read("out.csv").find("\r\nLot\t7,1,8.500,"), std::string::npos) << read("out.csv");
}

TEST_F(RunTest, RefusedRunWritesTheMessageToStandardErrorAndExitsWithThree) {
    const std::string pressure = "Enter a non zero and non negative value for the Pressure.\n"
                                 "Pressures above 600 PSI are also inappropriate.\n";
    const std::string effluxTime = "Enter a non zero and non negative value for the Efflux "
                                   "Time.\nValues above 60 minutes are also not appropriate.\n";
    const struct {
        std::string arguments, minShearRate, err;
    } cases[] = {
        {kWorkedRun, "1.01000000",
         "Sample Run did not fall within\nShearRateMin 1.010 and ShearRateMax 1.200.\nRun the "
         "sample again at 201.50 psi.\n"},
        {"--cell 2 --pressure 200 --efflux-time 18", "1.00000000",
         "This cell is not calibrated.\nCalibrate it, load different calibration data, or "
         "choose a different cell.Working Shear Rate, Minimum Allowable Shear Rate, Maximum "
         "Allowable Shear Rate, Capillary Radius, Capillary Length, Cal Constant A, Cal "
         "Constant B, RMS % Diff, Cell Volume, Target Efflux Time are missing or invalid.\n"},
        // Cell 2 is not calibrated: a field message alone shows the check came first.
        {"--cell 2 --pressure 600.5 --efflux-time 18", "1.00000000", pressure},
        {"--cell 2 --pressure 200 --efflux-time 3600.01", "1.00000000", effluxTime},
        {"--cell 2 --pressure -5 --efflux-time 0", "1.00000000", pressure + effluxTime},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun result = run(c.arguments, kGerman, calibration(c.minShearRate));
        EXPECT_EQ(result.exitCode, 3);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.err);
    }
}

TEST_F(RunTest, CalibrationFileIsReadByTheMenuRules) {
    const CliRun missing = cli("run --calibration absent.dat " + kWorkedRun);
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "The specified file did not exist at that location.\nPlease choose a "
                           "different file.\n");
    const CliRun wrongExtension =
        cli("run --calibration " + put("calibration.txt", calibration()) + " " + kWorkedRun);
    EXPECT_EQ(wrongExtension.exitCode, 2);
    EXPECT_EQ(wrongExtension.err, "Please Select a valid Calibration Data File.  '*.dat'\n");
    // Upper-case "DAT" is read, as the menu command reads it.
    const CliRun upperCase =
        cli("run --calibration " + put("RHEO.DAT", calibration()) + " " + kWorkedRun);
    EXPECT_EQ(upperCase.exitCode, 0) << upperCase.err;
}

TEST_F(RunTest, RecommendPrintsThePressureAndT0TextsOrRefusesTheEstimate) {
    const struct {
        const char* arguments;
        int exitCode;
        const char *out, *err;
    } cases[] = {{"--cell 1 --viscosity 8.5", 0, "           200.0 psi\n18.00\n", ""},
                 {"--cell 1 --viscosity 27.0", 0, "> 600 psi DO NOT RUN\n18.00\n", ""},
                 {"--cell 3 --viscosity 8.5", 0, "               N/A\n0.00\n", ""},
                 {"--cell 1 --viscosity 40.01", 3, "",
                  "Enter a non zero and non negative value for the Estimated Viscosity.\nValues "
                  "above 40 mPa*s are also not appropriate.\n"}};
    put("RHEO.dat", calibration());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun result =
            cli(std::string("recommend --calibration RHEO.dat ") + c.arguments, kGerman);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
}

} // namespace
} // namespace rheo::testing
