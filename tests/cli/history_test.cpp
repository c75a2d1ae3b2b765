// SPDX-License-Identifier: MIT
// rheo-cli's history: what a save and the runs of a batch leave in it, its listings, the
// check's exit status, "--no-history", and a history file that cannot be used.
#include "cli_harness.hpp"
#include "core/text/c_format.hpp"

#include <algorithm>

#include <nlohmann/json.hpp>

namespace rheo::testing {
namespace {

class CliHistory : public CliTest {
protected:
    // The example calibration with cell 2 calibrated again, then a check of Ref-5.0 3 % off
    // and a sample above the cell's standards; in `folder`, recorded unless `options` say not.
    void calibrateAndRun(const std::string& folder, const std::string& options = "") {
        std::filesystem::create_directory(dir.file(folder));
        std::filesystem::copy_file(examplePath("RHEO.DAT"), dir.file(folder + "/RHEO.dat"));
        put("runs.csv", "cell,newtonian,sample id,pressure,efflux time\n"
                        "2,1,ref - 5.0,152.84,15.11\n2,1,HEAVY-1,390.04,15.11\n");
        const std::string cal = folder + "/RHEO.dat";
        for (const std::string& command :
             {"calibrate ab --calibration " + cal + " --out " + cal + " --cell 2 --points " +
                  example("inputs/standard-runs-cell2.csv") + " --at '2024-06-01 08:00' ",
              "batch --calibration " + cal + " --runs runs.csv --results " + folder +
                  "/results.csv --at '2024-06-01 09:00' "})
            EXPECT_EQ(cli(command + options).exitCode, 0) << command;
    }
};

// The calibration, the check with its deviation and the extrapolation are listed; the check
// fails with exit 4 naming the cells; the calibration and results files are the same bytes
// as without history, and "--no-history" leaves no history file.
TEST_F(CliHistory, RecordsListsAndChecks) {
    calibrateAndRun("with");
    calibrateAndRun("without", "--no-history");
    EXPECT_FALSE(exists("without/RHEO-history.sqlite"));
    for (const char* file : {"/RHEO.dat", "/results.csv"})
        EXPECT_EQ(read(std::string("with") + file), read(std::string("without") + file));

    const CliRun json = cli("history --calibration with/RHEO.dat --cell 2 --format json");
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto records = nlohmann::json::parse(json.out);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0]["record"], "calibration");
    EXPECT_EQ(records[0]["sha256"].get<std::string>().size(), 64u);
    EXPECT_EQ(records[1]["check"]["standard"], "Ref-5.0");
    EXPECT_NEAR(records[1]["check"]["deviation_percent"].get<double>(), 2.99, 0.01);
    EXPECT_EQ(records[1]["calibration_sha256"], records[0]["sha256"]);
    EXPECT_TRUE(records[2]["extrapolated"].get<bool>());

    const CliRun csv = cli("history --calibration with/RHEO.dat --since 2024-06-01 --format csv");
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')),
              "time,user,record,cell,sample id,viscosity,shear rate,reynolds,newtonian,pressure,"
              "efflux time,standard,known viscosity,deviation %,extrapolated,a,b,rms % diff,"
              "volume,t0,known viscosities,sha256,unsaved,path");
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 1 + 5 + 2);
    EXPECT_EQ(cli("history --calibration with/RHEO.dat --since 2030-01-01 --format json").out,
              "[]\n");

    const CliRun check = cli("history --check --calibration with/RHEO.dat");
    EXPECT_EQ(check.exitCode, 4);
    EXPECT_NE(check.out.find("cell 2: reference check Ref-5.0 on 2024-06-01 09:00:00 is +2.99 %"),
              std::string::npos);
    EXPECT_NE(check.out.find("cell 1: no reference check since its calibration on 2024-06-01"),
              std::string::npos);
    EXPECT_EQ(cli("history --check --tolerance 3 --calibration with/RHEO.dat --cell 2").exitCode,
              4); // the other cells still have no check
    // A history begun after the calibration was made still fails on a check beyond tolerance.
    std::filesystem::create_directory(dir.file("late"));
    std::filesystem::copy_file(examplePath("RHEO.DAT"), dir.file("late/RHEO.dat"));
    cli("run --calibration late/RHEO.dat --cell 2 --pressure 152.84 --efflux-time 15.11 "
        "--sample-id Ref-5.0");
    EXPECT_EQ(cli("history --check --calibration late/RHEO.dat").exitCode, 4);
    EXPECT_EQ(cli("history --format xml --calibration with/RHEO.dat").exitCode, 1);
    EXPECT_EQ(cli("history --calibration without/RHEO.dat").exitCode, 2);
}

// A damaged history costs no run and no save: both succeed, the file keeps its bytes, and
// standard error says once that the program went on without it.
TEST_F(CliHistory, ADamagedHistoryIsLeftAloneAndTold) {
    const std::string garbage(3000, '\x7f');
    put("RHEO-history.sqlite", garbage);
    put("RHEO.dat", calibration());
    const CliRun run = cli("run --calibration RHEO.dat --cell 1 --pressure 200 --efflux-time 18");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.out.empty());
    EXPECT_EQ(run.err, cformat(history_texts::kCannotBeUsed, "./RHEO-history.sqlite") + "\n");
    EXPECT_EQ(cli("calibrate settings --calibration RHEO.dat --out RHEO.dat --timer 3").exitCode,
              0);
    EXPECT_EQ(read("RHEO-history.sqlite"), garbage);
}

} // namespace
} // namespace rheo::testing
