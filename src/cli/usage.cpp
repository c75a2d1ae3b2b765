// SPDX-License-Identifier: MIT
#include "cli/usage.hpp"

#include <map>
#include <set>

namespace rheo::cli {
namespace {

const std::vector<CommandOptions> kCommands = {
    {"run",
     {{"--calibration"},
      {"--cell"},
      {"--pressure"},
      {"--efflux-time"},
      {"--non-newtonian", false},
      {"--sample-id"},
      {"--format"}}},
    {"batch", {{"--calibration"}, {"--runs"}, {"--results"}, {"--format"}}},
    {"recommend", {{"--calibration"}, {"--cell"}, {"--viscosity"}, {"--format"}}},
    {"standards", {{"--calibration"}, {"--format"}}},
    {"results", {{"--format"}}},
    {"merge", {{"--results"}}},
    {"convert", {}},
    {"calibrate settings",
     {{"--calibration"}, {"--out"}, {"--company"}, {"--serial"}, {"--temperature"}, {"--timer"}}},
    {"calibrate cell",
     {{"--calibration"},
      {"--out"},
      {"--cell"},
      {"--working"},
      {"--min"},
      {"--max"},
      {"--diameter"},
      {"--length"}}},
    {"calibrate volume", {{"--calibration"}, {"--out"}, {"--cell"}, {"--weighings"}, {"--format"}}},
    {"calibrate ab", {{"--calibration"}, {"--out"}, {"--cell"}, {"--points"}, {"--format"}}},
    {"calibrate standard",
     {{"--calibration"}, {"--out"}, {"--name"}, {"--viscosity"}, {"--delete"}}},
    {"report calibration", {{"--calibration"}, {"--cell"}, {"--pdf"}, {"--trace"}}},
    {"report results", {{"--results"}, {"--calibration"}, {"--pdf"}, {"--trace"}}},
    {"history",
     {{"--calibration"},
      {"--cell"},
      {"--since"},
      {"--format"},
      {"--tolerance"},
      {"--check", false}}},
    {"completion bash", {}},
};

std::string familyOf(const std::string& command) {
    return command.substr(0, command.find(' '));
}

const char kVersion[] = "rheo-cli --version\n"
                        "  Prints the program's version.\n";

const char kCommon[] =
    "Every subcommand also accepts --at \"YYYY-MM-DD HH:MM\" (stands for the local clock)\n"
    "and --help. Numbers use \".\" as decimal point whatever the locale.\n"
    "run, batch, recommend, standards, results, calibrate volume and calibrate ab also\n"
    "accept --format json: one JSON document on standard output instead of the text.\n"
    "Exit status: 0 done, 1 bad command line, 2 a file not read, written or refused,\n"
    "3 the calculation refused the input, 4 history --check found a cell to check.\n"
    "--no-history: nothing is recorded in the calibration history.\n";

const std::map<std::string, std::string>& usages() {
    static const std::map<std::string, std::string> texts = {
        {"run", "rheo-cli run --calibration FILE --cell N --pressure P --efflux-time T\n"
                "             [--non-newtonian] [--sample-id TEXT]\n"
                "  One sample run in cell N (1 to 5): prints the nine texts of its results row.\n"},
        {"results", "rheo-cli results RESULTS.csv\n"
                    "  Prints a results file as the results list shows it.\n"},
        {"completion", "rheo-cli completion bash\n"
                       "  Prints the bash completion script of rheo-cli.\n"},
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
    std::string last;
    for (const CommandOptions& command : kCommands) {
        const std::string family = familyOf(command.name);
        if (family != last)
            text += usages().at(family);
        last = family;
    }
    return text + kVersion + kCommon;
}

const std::vector<CommandOptions>& commandTable() {
    return kCommands;
}

const std::vector<AcceptedOption>& optionsOf(const std::string& command) {
    static const std::vector<AcceptedOption> none;
    for (const CommandOptions& entry : kCommands) {
        if (entry.name == command)
            return entry.options;
    }
    return none;
}

// Words are offered from the table: the subcommands, the second word of a family, then the
// options of the subcommand; after an option that takes a value, file names (text and json
// after --format).
std::string bashCompletion() {
    std::string first = "--help --version", second, families, options, last;
    std::set<std::string> valueOptions = {"--at"};
    for (const CommandOptions& command : kCommands) {
        const std::string family = familyOf(command.name);
        if (family != command.name) {
            // One case a family, its second words in the order of the table.
            if (family != last) {
                second += "      " + family + ") words=\"";
                families += (families.empty() ? "" : "|") + family;
            } else {
                second.replace(second.size() - 5, 5, " ");
            }
            second += command.name.substr(family.size() + 1) + "\" ;;\n";
        }
        if (family != last)
            first += " " + family;
        last = family;
        options += "    \"" + command.name + "\") words=\"--help --at";
        for (const AcceptedOption& option : command.options) {
            options += " " + option.name;
            if (option.takesValue && option.name != "--format")
                valueOptions.insert(option.name);
        }
        options += "\" ;;\n";
    }
    std::string takingValues;
    for (const std::string& option : valueOptions)
        takingValues += (takingValues.empty() ? "" : "|") + option;
    return "# bash completion for rheo-cli; written by \"rheo-cli completion bash\".\n"
           "_rheo_cli() {\n"
           "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
           "  local command=${COMP_WORDS[1]} words=\n"
           "  COMPREPLY=()\n"
           "  if [ \"$COMP_CWORD\" -eq 1 ]; then\n"
           "    COMPREPLY=($(compgen -W \"" +
           first +
           "\" -- \"$cur\"))\n"
           "    return\n"
           "  fi\n"
           "  if [ \"$COMP_CWORD\" -eq 2 ]; then\n"
           "    case $command in\n" +
           second +
           "    esac\n"
           "    if [ -n \"$words\" ]; then\n"
           "      COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
           "      return\n"
           "    fi\n"
           "  fi\n"
           "  case $command in\n"
           "    " +
           families +
           ") command=\"$command ${COMP_WORDS[2]}\" ;;\n"
           "  esac\n"
           "  case $prev in\n"
           "    --format) COMPREPLY=($(compgen -W \"text json\" -- \"$cur\")); return ;;\n"
           "    " +
           takingValues +
           ") COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
           "  esac\n"
           "  case $command in\n" +
           options +
           "  esac\n"
           "  if [[ $cur == -* ]]; then\n"
           "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
           "  else\n"
           "    COMPREPLY=($(compgen -f -- \"$cur\"))\n"
           "  fi\n"
           "}\n"
           "complete -o filenames -F _rheo_cli rheo-cli\n";
}

std::string commandUsage(const std::string& command) {
    const std::string family = command.substr(0, command.find(' '));
    const auto found = usages().find(family);
    if (found == usages().end())
        return generalUsage();
    return "Usage:\n" + found->second + kCommon;
}

} // namespace rheo::cli
