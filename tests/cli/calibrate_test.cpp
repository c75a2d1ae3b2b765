// SPDX-License-Identifier: MIT
// calibrate settings, cell, volume, ab and standard: each edit goes through the dialog's
// field checks and operation, a rejected line or value is named and skipped, the rest is
// written, and the exit status tells that something was refused.

#include "cli_harness.hpp"

namespace rheo::testing {
namespace {

using CalibrateTest = CliTest;

// A refused value is told and kept out, the rest written (the limits of the texts are the
// core's).
TEST_F(CalibrateTest, SettingsAndNamesAreCheckedWhereEntered) {
    const CliRun run = cli("calibrate settings --out RHEO.dat --company 'Lab A' --serial 'S 1' "
                           "--temperature 151 --timer 30");
    EXPECT_EQ(run, (CliRun{3, "", told(NumberField::OperatingTemperature)}));
    const std::string file = read("RHEO.dat");
    EXPECT_EQ(file.rfind("RHEO Version 2\r\nLab A\r\nS 1\r\n150\r\n30\r\n0.00000000 ", 0), 0u);

    // Two refusals at once, both told; nothing of that edit is written.
    EXPECT_EQ(
        cli("calibrate settings --company 'Lab\nB' --timer 0 --calibration RHEO.dat --out "
            "RHEO.dat"),
        (CliRun{3, "",
                told(FileText::CompanyName, "\n") + told(NumberField::EquilibriumTimerMinutes)}));
    EXPECT_EQ(read("RHEO.dat"), file);
}

// After a change of cell data T0 is computed again from the weighings: 24000 / (r^3 W pi) for
// a 6 ml weighing at 1.4e6 1/s through r = 0.075 mm. Extreme but accepted values make a T0
// whose cell line would not read back whole: the save writes nothing and names the cause.
TEST_F(CalibrateTest, CellDataRecomputesT0AndALineTooLongIsNotSaved) {
    put("RHEO.dat",
        calibration("1.00000000",
                    "VOL 10.00000000 15.00000000 0.83333333 18.00000000 6.00000000\r\n"));
    const CliRun run = cli("calibrate cell --calibration RHEO.dat --out RHEO.dat --cell 1 "
                           "--diameter 1.2 --working 1.4 --length 100");
    EXPECT_EQ(run, (CliRun{3, "", told(NumberField::CapillaryDiameter)}));
    const std::string file = read("RHEO.dat");
    EXPECT_NE(file.find("\r\n1.40000000 1.00000000 1.20000000 0.07500000 100.00000000 0.00250000 "
                        "9.00000000 0.50000000 6.00000000 12.93449696\r\nVOL 10.00000000 "
                        "15.00000000 0.83333333 12.93449696 6.00000000\r\n"),
              std::string::npos)
        << file;

    const CliRun tooLong = cli("calibrate cell --calibration RHEO.dat --out RHEO.dat --cell 1 "
                               "--diameter 0.000000001 --working 0.0001");
    EXPECT_EQ(tooLong.exitCode, 2);
    EXPECT_EQ(tooLong.err.rfind(file_texts::kCouldNotSave + std::string("RHEO.dat\nCell 1: "), 0),
              0u);
    EXPECT_EQ(read("RHEO.dat"), file);
}

// The weighings as the dialog lists them, the averages, each rejected line by its number, and
// the notice while fewer than three weighings are held.
TEST_F(CalibrateTest, VolumeListsTheWeighingsAndNamesRejectedLines) {
    ASSERT_EQ(cli("calibrate cell --out RHEO.dat --cell 2 --working 1.4 --diameter 0.15").exitCode,
              0);
    const CliRun run = cli("calibrate volume --calibration RHEO.dat --out RHEO.dat --cell 2 "
                           "--weighings " +
                           put("w.csv", "tare weight,full weight,density\n10.0,16.0,0.8\n"
                                        "10,10,0.8\n10,16.1,0.8\nx,1,1\n"));
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "10.0000\t16.0000\t6.0000\t0.8000\t16.17\t7.5000\n"
                       "10.0000\t16.1000\t6.1000\t0.8000\t16.44\t7.6250\n"
                       "Average Volume (ml):\t7.5625\n"
                       "Average Target Efflux Time (T0) (sec):\t16.30\n");
    EXPECT_EQ(run.err, "line 3: " + std::string(calibration_texts::kTareNotBelowFullRejection) +
                           "\nline 5: The tare weight is not a number: \"x\"\n" +
                           std::string(calibration_texts::kVolumeNotice) + "\n");
}

// The points as the dialog lists them (the names cleaned) and the constants, each rejected
// line by its number, and the notice while fewer than four points are held; below three no
// fit, and the constants read as zeros. Under a German locale the inputs and the texts keep
// "." as decimal point.
TEST_F(CalibrateTest, AbListsThePointsAndTheFitAndNamesRejectedLines) {
    put("RHEO.dat", calibration());
    const std::string notice = std::string(calibration_texts::kAbRegressionNotice) + "\n";
    const CliRun run = cli("calibrate ab --calibration RHEO.dat --out RHEO.dat --cell 1 --points " +
                               put("p.csv", "known viscosity,pressure,efflux time,newtonian,"
                                            "standard name\n7.0,150,20.0,Yes,Oil A\n"
                                            "8.0,200,22,Yes,slow\n8.6,200,18.0,1,\n"
                                            "9.4,250,16.0,Yes,x,y\n"),
                           kGerman);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err,
              "line 3: " + std::string(calibration_texts::kAbTooSlowRejection) + "\n" + notice);
    EXPECT_EQ(run.out, "OilA\t7.000\t150.0\t20.00\t6.992\t-0.12\t291.4\tYes\n"
                       "\t8.600\t200.0\t18.00\t8.547\t-0.61\t264.8\tYes\n"
                       "x,y\t9.400\t250.0\t16.00\t9.470\t0.74\t268.9\tYes\n"
                       "A:\t0.002919\nB:\t35.311586\nRMS % Diff:\t0.56\n");

    const CliRun two = cli("calibrate ab --calibration " + put("new.dat", calibration()) +
                           " --out new.dat --cell 1 --points " +
                           put("p.csv", "h\n7.0,150,20.0,Yes,a\n8.6,200,18,Yes,b\n"));
    EXPECT_EQ(two, (CliRun{0,
                           "a\t7.000\t150.0\t20.00\t0.000\t0.00\t0.0\tYes\n"
                           "b\t8.600\t200.0\t18.00\t0.000\t0.00\t0.0\tYes\n"
                           "A:\t0.00000000\nB:\t0.00000000\nRMS % Diff:\t0.00000000\n",
                           notice}));
}

TEST_F(CalibrateTest, StandardsAreAddedCleanedReplacedAndDeleted) {
    put("RHEO.dat", calibration());
    const auto standard = [&](const std::string& arguments) {
        return cli("calibrate standard --calibration RHEO.dat --out RHEO.dat " + arguments);
    };
    for (const char* arguments : {"--name 'Oil A' --viscosity 5", "--name OilA --viscosity 8.5",
                                  "--name Thin --viscosity 2"})
        EXPECT_EQ(standard(arguments).exitCode, 0) << arguments; // the second replaces the first
    const std::pair<std::string, std::string> refused[] = {
        {"--name Thick --viscosity 40.001", told(NumberField::StandardViscosity)},
        {"--viscosity 5 --name " + std::string(115, 'n'),
         told(FileText::StandardName, std::string(115, 'n'))},
        {"--delete Nothing", "There is no standard named \"Nothing\".\n"}};
    for (const auto& [arguments, err] : refused)
        EXPECT_EQ(standard(arguments), (CliRun{3, "", err}));
    EXPECT_EQ(cli("standards --calibration RHEO.dat").out,
              "Thin\t2.000\t55.6\tN/A\tN/A\tN/A\tN/A\nOilA\t8.500\t200.0\tN/A\tN/A\tN/A\tN/A\n");
    EXPECT_EQ(standard("--delete 'Oil A'").exitCode, 0);
    EXPECT_EQ(cli("standards --calibration RHEO.dat").out,
              "Thin\t2.000\t55.6\tN/A\tN/A\tN/A\tN/A\n");
}

} // namespace
} // namespace rheo::testing
