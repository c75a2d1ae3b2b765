// calibrate settings, cell, volume, ab and standard: each edit goes through the dialog's
// field checks and operation, a rejected line or value is named and skipped, the rest is
// written, and the exit status tells that something was refused.

#include "cli_harness.hpp"

namespace rheo::testing {
namespace {

using CalibrateTest = CliTest;

TEST_F(CalibrateTest, SettingsFromNothingKeepTheValueThatWasRefused) {
    const CliRun run = cli("calibrate settings --out RHEO.dat --company 'Lab A' --serial 'S 1' "
                           "--temperature 151 --timer 30");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err,
              "Please enter an operating temperature between 40 and 150 degrees celcius.\n");
    const std::string file = read("RHEO.dat");
    EXPECT_EQ(file.rfind("RHEO Version 2\r\nLab A\r\nS 1\r\n150\r\n30\r\n0.00000000 ", 0), 0u);

    // A line break would shift every line after the company name: refused.
    const CliRun broken = cli("calibrate settings --calibration RHEO.dat --out RHEO.dat "
                              "--company 'Lab\nB' --timer 0");
    EXPECT_EQ(broken.exitCode, 3);
    EXPECT_EQ(broken.err, "The company name must fit on one line.\nPlease enter a temperature "
                          "equilibrium timer duration between 1 and 30 minutes.\n");
    EXPECT_EQ(read("RHEO.dat"), file);
}

TEST_F(CalibrateTest, WhatWouldNotReadBackIsRefusedWhereEnteredOrNotSaved) {
    ASSERT_EQ(cli("calibrate settings --out RHEO.dat --company " + std::string(126, 'c')).exitCode,
              0);
    const std::string file = read("RHEO.dat");
    const CliRun serial = cli("calibrate settings --calibration RHEO.dat --out RHEO.dat --serial " +
                              std::string(127, 's'));
    EXPECT_EQ(serial.exitCode, 3);
    EXPECT_EQ(serial.err, "The serial number can hold at most 126 characters.\n");
    const CliRun name = cli("calibrate standard --calibration RHEO.dat --out RHEO.dat --viscosity "
                            "5 --name " +
                            std::string(115, 'n'));
    EXPECT_EQ(name.exitCode, 3);
    EXPECT_EQ(name.err, "The standard name can hold at most 114 characters.\n");
    EXPECT_EQ(read("RHEO.dat"), file);

    // Extreme but accepted values make a T0 whose cell line would not come back whole: the
    // save writes nothing and names the cause.
    ASSERT_EQ(cli("calibrate cell --calibration RHEO.dat --out RHEO.dat --cell 1 --diameter "
                  "0.0002 --length 100 --working 0.0001 --min 0 --max 2")
                  .exitCode,
              0);
    const std::string before = read("RHEO.dat");
    const CliRun volume =
        cli("calibrate volume --calibration RHEO.dat --out RHEO.dat --cell 1 --weighings " +
            put("w.csv", "h\n0.001,100,0.0101\n"));
    EXPECT_EQ(volume.exitCode, 2);
    EXPECT_NE(volume.err.find("The file could not be saved:\nRHEO.dat\nCell 1: the Target Efflux "
                              "Time makes its line 131 characters long; this line of the file "
                              "holds at most 126.\nThe previous file was kept unchanged.\n"),
              std::string::npos)
        << volume.err;
    EXPECT_EQ(read("RHEO.dat"), before);
}

TEST_F(CalibrateTest, CellDataChangeRecomputesT0FromTheWeighings) {
    put("RHEO.dat",
        calibration("1.00000000",
                    "VOL 10.00000000 15.00000000 0.83333333 18.00000000 6.00000000\r\n"));
    const CliRun run = cli("calibrate cell --calibration RHEO.dat --out RHEO.dat --cell 1 "
                           "--diameter 1.2 --working 1.4 --length 100");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err,
              "Please enter a non negative value below 1 mm for the Capillary Diameter.\n");
    // T0 of a 6 ml weighing at 1.4e6 1/s through r = 0.075 mm: 24000 / (r^3 W pi).
    EXPECT_NE(read("RHEO.dat")
                  .find("\r\n1.40000000 1.00000000 1.20000000 0.07500000 "
                        "100.00000000 0.00250000 9.00000000 0.50000000 6.00000000 "
                        "12.93449696\r\nVOL 10.00000000 15.00000000 0.83333333 "
                        "12.93449696 6.00000000\r\n"),
              std::string::npos)
        << read("RHEO.dat");
}

TEST_F(CalibrateTest, VolumeWorkedExampleWithRejectedLinesAndTheNotice) {
    ASSERT_EQ(cli("calibrate cell --out RHEO.dat --cell 2 --working 1.4 --diameter 0.15").exitCode,
              0);
    // With two weighings in the cell the notice asks for more.
    const CliRun two = cli("calibrate volume --calibration RHEO.dat --out two.dat --cell 2 "
                           "--weighings " +
                           put("w2.csv", "h\n10,16,0.8\n10,16.1,0.8\n"));
    EXPECT_EQ(two.exitCode, 0);
    EXPECT_EQ(two.err, "At least 3 data points are needed to accurately calculate\nthe cell "
                       "volume and target efflux time (T0).\nPlease add more data.\n");

    const CliRun run =
        cli("calibrate volume --calibration RHEO.dat --out RHEO.dat --cell 2 "
            "--weighings " +
            put("w.csv", "tare weight,full weight,density\n10.0,16.0,0.8\n"
                         "10,10,0.8\n10,16.1,0.8\n10,15.9,0.8\n10,16,0.01\nx,1,1\n"));
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "10.0000\t16.0000\t6.0000\t0.8000\t16.17\t7.5000\n"
                       "10.0000\t16.1000\t6.1000\t0.8000\t16.44\t7.6250\n"
                       "10.0000\t15.9000\t5.9000\t0.8000\t15.90\t7.3750\n"
                       "Average Volume (ml):\t7.5000\n"
                       "Average Target Efflux Time (T0) (sec):\t16.17\n");
    EXPECT_EQ(run.err, "line 3: Tare Weight must be less than the Full Weight\n"
                       "line 6: Please enter a value between 0.01 and 10 grams/ml.\n"
                       "line 7: The tare weight is not a number: \"x\"\n");
}

TEST_F(CalibrateTest, AbWorkedExampleWithRejectedLinesUnderAGermanLocale) {
    // Under a German locale the inputs and the texts keep "." as decimal point.
    put("RHEO.dat", calibration());
    const CliRun run = cli("calibrate ab --calibration RHEO.dat --out RHEO.dat --cell 1 --points " +
                               put("p.csv", "known viscosity,pressure,efflux time,newtonian,"
                                            "standard name\n7.0,150,20.0,Yes,Oil A\n"
                                            "8.0,200,22,Yes,slow\n8.6,200,18.0,1,\n"
                                            "41,200,18,Yes,thick\n9.4,250,16.0,Yes,x,y\n"
                                            "10.7,300,15.0,Yes,d\n"),
                           kGerman);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "line 3: The efflux time was not within +-20% of the target efflux "
                       "time.\nPlease run the sample again at a higher pressure.\n"
                       "line 5: Enter a non zero and non negative value below 40 mPa*s for the "
                       "Known Viscosity.\n");
    EXPECT_EQ(run.out, "OilA\t7.000\t150.0\t20.00\t7.004\t0.06\t290.9\tYes\n"
                       "\t8.600\t200.0\t18.00\t8.525\t-0.88\t265.5\tYes\n"
                       "x,y\t9.400\t250.0\t16.00\t9.451\t0.54\t269.4\tYes\n"
                       "d\t10.700\t300.0\t15.00\t10.731\t0.29\t253.1\tYes\n"
                       "A:\t0.002783\nB:\t26.907721\nRMS % Diff:\t0.54\n");
}

TEST_F(CalibrateTest, AbBeforeTheFitShowsZeroLabelsAndTheNotice) {
    put("RHEO.dat", calibration());
    const CliRun two = cli("calibrate ab --calibration RHEO.dat --out two.dat --cell 1 --points " +
                           put("p.csv", "h\n7.0,150,20.0,Yes,a\n8.6,200,18,Yes,b\n"));
    EXPECT_EQ(two.exitCode, 0);
    EXPECT_EQ(two.out, "a\t7.000\t150.0\t20.00\t0.000\t0.00\t0.0\tYes\n"
                       "b\t8.600\t200.0\t18.00\t0.000\t0.00\t0.0\tYes\n"
                       "A:\t0.00000000\nB:\t0.00000000\nRMS % Diff:\t0.00000000\n");
    EXPECT_EQ(two.err, "The constants A and B are determined through regression.\nAt least 4 "
                       "data points are needed for an accurate result.\nPlease add more data.\n");
}

TEST_F(CalibrateTest, StandardsAreAddedCleanedReplacedAndDeleted) {
    put("RHEO.dat", calibration());
    auto standard = [&](const std::string& arguments) {
        return cli("calibrate standard --calibration RHEO.dat --out RHEO.dat " + arguments);
    };
    EXPECT_EQ(standard("--name 'Oil A' --viscosity 5").exitCode, 0);
    EXPECT_EQ(standard("--name OilA --viscosity 8.5").exitCode, 0); // replaces
    EXPECT_EQ(standard("--name Thin --viscosity 2").exitCode, 0);
    const CliRun refused = standard("--name Thick --viscosity 40.001");
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.err, "Enter a non-zero, non-negative viscosity below 40 mPa*s\n");

    const CliRun table = cli("standards --calibration RHEO.dat");
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_EQ(table.out, "Thin\t2.000\t55.6\tN/A\tN/A\tN/A\tN/A\n"
                         "OilA\t8.500\t200.0\tN/A\tN/A\tN/A\tN/A\n");

    const CliRun missing = standard("--delete Nothing");
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_EQ(missing.err, "There is no standard named \"Nothing\".\n");
    EXPECT_EQ(standard("--delete 'Oil A'").exitCode, 0);
    EXPECT_EQ(cli("standards --calibration RHEO.dat").out,
              "Thin\t2.000\t55.6\tN/A\tN/A\tN/A\tN/A\n");
}

} // namespace
} // namespace rheo::testing
