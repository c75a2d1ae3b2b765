// batch and merge: runs from a CSV file into a results file, refused lines named by their
// line number, and results files joined in the order given.

#include "cli_harness.hpp"

namespace rheo::testing {
namespace {

using ResultsFilesTest = CliTest;

const std::string kHeader = "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate (1x10e6 "
                            "1/sec),Reynolds Number,Newtonian,Pressure (psi),Efflux "
                            "Time(sec),Date Time\r\n";
const std::string kRow = "1,8.500,1.01,266.3,1,200.0,18.00,5/14/2024 9:5\r\n";

const std::string kBatch =
    "batch --calibration RHEO.dat --runs runs.csv --at '2024-05-14 09:05' --results ";

TEST_F(ResultsFilesTest, BatchWritesAcceptedRunsInInputOrderAndNamesRefusedLines) {
    put("RHEO.dat", calibration());
    put("runs.csv", "cell,newtonian,sample id,pressure,efflux time\r\n"
                    "1,Yes,Oil 1,200,18\r\n"
                    "1,1,Oil 2,200,18.2\r\n"
                    "\r\n"
                    "1,No,Lot 7, blend 3,210,17.5\r\n"
                    "1,maybe,Oil 4,200,18\r\n"
                    "1,1,A,200\n"
                    "7,1,B,200,18\n"
                    "1,1,C,0,18\n"
                    "1,1,,200,18\n");
    const CliRun run = cli(kBatch + "out.csv");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "");
    // Line numbers count the header as line 1 and the blank line 4.
    EXPECT_EQ(run.err,
              "line 3: Sample Run did not fall within\nShearRateMin 1.000 and ShearRateMax "
              "1.200.\nRun the sample again at 203.86 psi.\n"
              "line 6: Newtonian must be 1, 0, Yes or No, not \"maybe\"\n"
              "line 7: A run needs five fields: cell,newtonian,sample id,pressure,efflux time\n"
              "line 8: The cell number must be a whole number from 1 to 5, not \"7\"\n"
              "line 9: Enter a non zero and non negative value for the Pressure.\nPressures "
              "above 600 PSI are also inappropriate.\n");
    // The ID between the first two and the last two fields keeps its comma as ";".
    EXPECT_EQ(read("out.csv"),
              kHeader + "Oil 1," + kRow +
                  "Lot 7; blend 3,1,8.698,1.03,267.7,0,210.0,17.50,5/14/2024 9:5\r\n" + "NO_ID," +
                  kRow);

    put("runs.csv", "h\n1,1,A,200,18\n");
    const CliRun allAccepted = cli(kBatch + "out.csv");
    EXPECT_EQ(allAccepted.exitCode, 0);
    EXPECT_EQ(allAccepted.err, "");
    EXPECT_EQ(read("out.csv"), kHeader + "A," + kRow);
}

TEST_F(ResultsFilesTest, BatchFilesAreReadAndWrittenByTheResultsFileRules) {
    put("RHEO.dat", calibration());
    put("runs.csv", "h\n1,1,A,200,18\n");
    const CliRun wrongExtension = cli(kBatch + "out.CSV");
    EXPECT_EQ(wrongExtension.exitCode, 2);
    EXPECT_EQ(wrongExtension.err, "Please Use .csv File Extension.\n");
    EXPECT_FALSE(exists("out.CSV"));

    std::filesystem::remove(dir.file("runs.csv"));
    EXPECT_EQ(cli(kBatch + "out.csv").exitCode, 2);
    EXPECT_FALSE(exists("out.csv"));
}

TEST_F(ResultsFilesTest, MergeKeepsTheRowsOfTheFirstFileFirst) {
    const std::string a = "A1," + kRow + "A2,2,7.250,1.20,300.0,0,180.5,16.25,12/31/2023 23:59\r\n";
    put("first.csv", kHeader + a);
    put("second.csv", kHeader + "B1,3,9.000,1.10,250.1,1,220.0,17.00,1/2/2024 8:0\n");
    const CliRun run = cli("merge first.csv second.csv --results all.csv");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(read("all.csv"),
              kHeader + a + "B1,3,9.000,1.10,250.1,1,220.0,17.00,1/2/2024 8:0\r\n");

    // One file that cannot be read: nothing is written.
    const CliRun missing = cli("merge first.csv absent.csv --results none.csv");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "The specified file did not exist at that location.\nPlease choose a "
                           "different file.\n");
    EXPECT_FALSE(exists("none.csv"));
}

} // namespace
} // namespace rheo::testing
