// SPDX-License-Identifier: MIT
// run, recommend, batch and merge as a script sees them: a row's nine texts on standard
// output (under any locale), a refusal's message on standard error with exit 3, a calibration
// that cannot be read with exit 2; batch lines named by their number, JSON documents, results
// files joined in the order given. The texts and messages themselves are the core's.

#include "cli_harness.hpp"
#include "core/text/c_format.hpp"

#include <nlohmann/json.hpp>

#include <tuple>

namespace rheo::testing {
namespace {

using RunTest = CliTest;

const std::string kWorkedRun = "--cell 1 --pressure 200 --efflux-time 18";
const std::string kRunAt = "run --calibration RHEO.dat --at '2014-03-05 09:07' " + kWorkedRun;

// The row's nine texts under any locale: a tab in the ID never splits a field of the output, the
// comma is made harmless. Typed text is UTF-8, the files hold Windows-1252 (a tab kept), the
// 17-byte cut of the ID falls between characters; a character without a Windows-1252 form is
// refused, never replaced.
TEST_F(RunTest, AcceptedRunPrintsItsTextsUtf8AndTheFilesHoldWindows1252) {
    put("RHEO.dat", calibration());
    EXPECT_EQ(
        cli(kRunAt + " --non-newtonian --sample-id 'Lot\t7,b'", kGerman),
        (CliRun{0, "Lot 7;b\t1\t8.500\t1.006\t266.3\tNo\t200.0\t18.00\t03/05/2014 09:07\n", ""}));
    const std::string id = "\xC3\x96l 150 \xC2\xB0"
                           "C \xC3\x96l\xC3\xB6l\xC3\xB6l\xC3\xB6l\xC3\xB6l";
    const CliRun accepted = cli(kRunAt + " --sample-id " + quoted(id));
    EXPECT_EQ(accepted.out.substr(0, accepted.out.find('\t')), id.substr(0, 23));
    put("runs.csv", "h\n1,1," + id + ",200,18\n1,1,ok \xE2\x9C\x93,200,18\n1,1,Lot\t7,200,18\n");
    const CliRun batch = cli("batch --calibration RHEO.dat --runs runs.csv --results out.csv");
    EXPECT_EQ(batch.exitCode, 3);
    EXPECT_EQ(batch.err,
              "line 3: " + cformat(file_texts::kNoWindows1252Form, "The sample ID", 0x2713u) +
                  "\n");
    EXPECT_NE(read("out.csv").find("\r\n\xD6l 150 \xB0"
                                   "C \xD6l\xF6l\xF6l\xF6,1,8.500,"),
              std::string::npos);
    EXPECT_NE(read("out.csv").find("\r\nLot\t7,1,8.500,"), std::string::npos);
    EXPECT_EQ(cli(kRunAt + " --sample-id '\xE2\x9C\x93'").exitCode, 3);
}

// Each outcome on its stream with its exit status: the calculation's refusal; the form's field
// checks before the calculation (cell 2 is not calibrated: the field messages alone show they
// came first); a calibration that cannot be read; the recommendation's two texts (from an
// upper-case "DAT", read as the menu command reads it) and the estimate's refusal.
TEST_F(RunTest, EachOutcomeHasItsStreamAndExitStatus) {
    put("RHEO.dat", calibration("1.01000000"));
    put("RHEO.DAT", calibration());
    const std::pair<std::string, CliRun> cases[] = {
        {"run --calibration RHEO.dat " + kWorkedRun,
         {3, "", cformat(run_texts::kOutsideWindow, 1.01, 1.2, "201.50") + "\n"}},
        {"run --calibration RHEO.dat --cell 2 --pressure -5 --efflux-time 0",
         {3, "", told(NumberField::RunPressure) + told(NumberField::RunEffluxTime)}},
        {"run --calibration absent.dat " + kWorkedRun,
         {2, "", std::string(file_texts::kFileDidNotExist) + "\n"}},
        {"recommend --calibration RHEO.DAT --cell 1 --viscosity 8.5",
         {0, cformat(run_texts::kRecommendedPressure, 200.0) + "\n18.00\n", ""}},
        {"recommend --calibration RHEO.DAT --cell 1 --viscosity 40.01",
         {3, "", told(NumberField::EstimatedViscosity)}}};
    for (const auto& [arguments, expected] : cases)
        EXPECT_EQ(cli(arguments, kGerman), expected) << arguments;
}

using ResultsFilesTest = CliTest;

const std::string kRow = "1,8.500,1.01,266.3,1,200.0,18.00,5/14/2024 9:5\r\n";

const std::string kBatch =
    "batch --calibration RHEO.dat --runs runs.csv --at '2024-05-14 09:05' --results ";

TEST_F(ResultsFilesTest, BatchWritesAcceptedRunsInInputOrderAndNamesRefusedLines) {
    put("RHEO.dat", calibration());
    put("runs.csv", "cell,newtonian,sample id,pressure,efflux time\r\n1,Yes,Oil 1,200,18\r\n"
                    "1,1,Oil 2,200,18.2\r\n\r\n1,No,Lot 7, blend 3,210,17.5\r\n"
                    "1,maybe,Oil 4,200,18\r\n1,1,A,200\n7,1,B,200,18\n1,1,C,0,18\n1,1,,200,18\n");
    // Line numbers count the header as line 1 and the blank line 4.
    EXPECT_EQ(
        cli(kBatch + "out.csv"),
        (CliRun{
            3, "",
            "line 3: " + cformat(run_texts::kOutsideWindow, 1.0, 1.2, "203.86") +
                "\nline 6: Newtonian must be 1, 0, Yes or No, not \"maybe\"\n"
                "line 7: A run needs five fields: cell,newtonian,sample id,pressure,efflux time\n"
                "line 8: The cell number must be a whole number from 1 to 5, not \"7\"\n"
                "line 9: " +
                told(NumberField::RunPressure)}));
    // The ID between the first two and the last two fields keeps its comma as ";".
    EXPECT_EQ(read("out.csv"),
              kResultsHeader + "Oil 1," + kRow +
                  "Lot 7; blend 3,1,8.698,1.03,267.7,0,210.0,17.50,5/14/2024 9:5\r\n" + "NO_ID," +
                  kRow);

    // The results file is written by the results-file rules (an input that cannot be read,
    // and a batch with every run accepted, are with the input tables); a name the save would
    // refuse is told before any run is read.
    put("runs.csv", "h\n1,1,A,200,18\n1,maybe,B,200,18\n");
    EXPECT_EQ(cli(kBatch + "out.CSV"),
              (CliRun{2, "", std::string(file_texts::kUseCsvExtension) + "\n"}));
    EXPECT_FALSE(exists("out.CSV"));
}

// JSON keeps the digits the text shows (8.500, 18.00, 203.86), texts are UTF-8 strings, a
// refused run carries its message and re-run pressure, batch names every line; results
// prints a file as the list shows it, in both formats.
TEST_F(ResultsFilesTest, JsonDocumentsKeepTheShownDigits) {
    put("RHEO.dat", calibration());
    put("runs.csv", "h\n1,1,A,200,18.2\n9,1,B,1,1\n1,1,\xC3\x96l,200,18\n");
    // Read back from the results file the shear rate keeps two decimals, shown with three.
    const auto accepted = [](const std::string& id, const std::string& shearRate = "1.006") {
        return "{\"sampleId\":\"" + id +
               "\",\"cell\":1,\"viscosity\":8.500,\"shearRate\":" + shearRate +
               ",\"reynoldsNumber\":266.3,"
               "\"newtonian\":true,\"pressure\":200.0,\"effluxTime\":18.00,\"dateTime\":\"05/14/"
               "2024 09:05\"}";
    };
    const std::tuple<std::string, int, std::string> cases[] = {
        {"run --calibration RHEO.dat --cell 1 --pressure 200 --efflux-time 18 --sample-id A "
         "--at '2024-05-14 09:05' --format json",
         0, "{\"accepted\":true,\"result\":" + accepted("A") + "}\n"},
        {kBatch + "out.csv --format json", 3,
         "[{\"line\":2,\"accepted\":false,\"message\":" +
             nlohmann::json(cformat(run_texts::kOutsideWindow, 1.0, 1.2, "203.86")).dump() +
             ",\"rerunPressure\":203.86},{\"line\":3,\"accepted\":false,\"message\":\"The cell "
             "number must be a whole number from 1 to 5, not \\\"9\\\"\",\"rerunPressure\":null},"
             "{\"line\":4,\"accepted\":true,\"result\":" +
             accepted("\xC3\x96l") + "}]\n"},
        {"results out.csv --format json", 0, "[" + accepted("\xC3\x96l", "1.010") + "]\n"},
        {"results out.csv", 0,
         "\xC3\x96l\t1\t8.500\t1.010\t266.3\tYes\t200.0\t18.00\t05/14/2024 09:05\n"},
        {"recommend --calibration RHEO.dat --cell 1 --viscosity 8.5 --format json", 0,
         "{\"recommendedPressure\":200.0,\"recommendedPressureText\":\"           200.0 psi\","
         "\"targetEffluxTime\":18.00}\n"},
        {"standards --calibration RHEO.dat --format json", 0, "[]\n"},
        {"results out.csv --format xml", 1, ""}};
    for (const auto& [arguments, exitCode, out] : cases) {
        SCOPED_TRACE(arguments);
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << run.err;
        EXPECT_EQ(run.out, out);
    }
}

// merge joins in the order given (shown by a join onto its first file with the output rules);
// with one file that cannot be read, nothing is written.
TEST_F(ResultsFilesTest, MergeWithAFileThatCannotBeReadWritesNothing) {
    put("first.csv", kResultsHeader + "A1," + kRow);
    EXPECT_EQ(cli("merge first.csv absent.csv --results none.csv").exitCode, 2);
    EXPECT_FALSE(exists("none.csv"));
}

} // namespace
} // namespace rheo::testing
