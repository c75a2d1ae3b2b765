#include "cli/usage.hpp"

#include <map>

namespace rheo::cli {
namespace {

const char kVersion[] = "rheo-cli --version\n"
                        "  Prints the program's version.\n";

const char kCommon[] =
    "Every subcommand also accepts --at \"YYYY-MM-DD HH:MM\" (stands for the local clock)\n"
    "and --help. Numbers use \".\" as decimal point whatever the locale.\n"
    "Exit status: 0 done, 1 bad command line, 2 a file not read, written or refused,\n"
    "3 the calculation refused the input, 4 history --check found a cell to check.\n"
    "--no-history: nothing is recorded in the calibration history.\n";

const std::map<std::string, std::string>& usages() {
    static const std::map<std::string, std::string> texts = {
        {"run", "rheo-cli run --calibration FILE --cell N --pressure P --efflux-time T\n"
                "             [--non-newtonian] [--sample-id TEXT]\n"
                "  One sample run in cell N (1 to 5): prints the nine texts of its results row.\n"},
        {"batch", "rheo-cli batch --calibration FILE --runs RUNS.csv --results OUT.csv\n"
                  "  RUNS.csv: a header line, then cell,newtonian,sample id,pressure,efflux time\n"
                  "  (newtonian 1/0 or Yes/No). Accepted runs go to OUT.csv in input order.\n"},
        {"recommend",
         "rheo-cli recommend --calibration FILE --cell N --viscosity V\n"
         "  The recommended pressure and the target efflux time for an estimated viscosity.\n"},
        {"standards", "rheo-cli standards --calibration FILE\n"
                      "  The standards table: name, viscosity and the pressure in cells 1 to 5.\n"},
        {"merge", "rheo-cli merge IN.csv [IN2.csv ...] --results OUT.csv\n"
                  "  Joins results files in the order given.\n"},
        {"convert",
         "rheo-cli convert IN.dat OUT.dat\n"
         "  Reads a calibration set (current or older three-file format), writes the current\n"
         "  format.\n"},
        {"calibrate",
         "rheo-cli calibrate settings [--calibration FILE] --out FILE [--company TEXT]\n"
         "             [--serial TEXT] [--temperature N] [--timer N]\n"
         "rheo-cli calibrate cell [--calibration FILE] --out FILE --cell N [--working X]\n"
         "             [--min X] [--max X] [--diameter X] [--length X]\n"
         "rheo-cli calibrate volume [--calibration FILE] --out FILE --cell N --weighings W.csv\n"
         "rheo-cli calibrate ab [--calibration FILE] --out FILE --cell N --points P.csv\n"
         "rheo-cli calibrate standard [--calibration FILE] --out FILE --name TEXT --viscosity V\n"
         "rheo-cli calibrate standard [--calibration FILE] --out FILE --delete NAME\n"
         "  Edits a calibration (the defaults when --calibration is left out) and writes it\n"
         "  to --out, which may be the same file. Shear rates in units of 1x10e6 1/s,\n"
         "  diameter and length in mm.\n"
         "  W.csv: a header line, then tare weight,full weight,density\n"
         "  P.csv: a header line, then known viscosity,pressure,efflux time,newtonian,\n"
         "         standard name\n"},
        {"report",
         "rheo-cli report calibration --calibration FILE [--cell N]\n"
         "             (--pdf OUT.pdf | --trace OUT.txt)\n"
         "rheo-cli report results --results RESULTS.csv [--calibration FILE]\n"
         "             (--pdf OUT.pdf | --trace OUT.txt)\n"
         "  The printed reports, as a PDF file or as the trace of the recording surface.\n"},
        {"history",
         "rheo-cli history [--calibration FILE] [--cell N] [--since DATE]\n"
         "             [--format text|csv|json]\n"
         "rheo-cli history --check [--calibration FILE] [--tolerance P]\n"
         "  The calibration history beside FILE (RHEO-history.sqlite): saves and accepted\n"
         "  runs, or with --check the cells whose reference check is due or beyond the\n"
         "  tolerance (default 2 %).\n"},
    };
    return texts;
}

} // namespace

std::string generalUsage() {
    std::string text = "Usage:\n";
    for (const char* name : {"run", "batch", "recommend", "standards", "merge", "convert",
                             "calibrate", "report", "history"})
        text += usages().at(name);
    return text + kVersion + kCommon;
}

std::string commandUsage(const std::string& command) {
    const std::string family = command.substr(0, command.find(' '));
    const auto found = usages().find(family);
    if (found == usages().end())
        return generalUsage();
    return "Usage:\n" + found->second + kCommon;
}

} // namespace rheo::cli
