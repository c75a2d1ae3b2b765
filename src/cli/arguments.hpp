// SPDX-License-Identifier: MIT
#pragma once
// The command line of one subcommand: options with a value ("--cell 2"), flags
// ("--non-newtonian") and plain arguments, checked against what the subcommand accepts.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rheo::cli {

// The output format a subcommand was asked for with "--format".
enum class Format { Text, Json };

struct AcceptedOption {
    std::string name; // with its dashes: "--cell"
    bool takesValue = true;
};

class Arguments {
public:
    // Reads `words` against `accepted` (plus "--help" and "--at", which every subcommand
    // accepts). On a bad command line returns nothing and sets `error`.
    static std::optional<Arguments> parse(const std::vector<std::string>& words,
                                          const std::vector<AcceptedOption>& accepted,
                                          std::string& error);

    bool has(const std::string& name) const;
    // The value of an option that takes one; nothing when it was not given.
    std::optional<std::string> value(const std::string& name) const;
    const std::vector<std::string>& plain() const { return plain_; }

private:
    std::map<std::string, std::string> options_;
    std::vector<std::string> plain_;
};

// True when "--help" stands anywhere among the words: usage is then printed whatever else
// the command line holds.
bool asksForHelp(const std::vector<std::string>& words);

// Reads options as texts and numbers, keeping the first complaint. Numbers are read the
// way the program reads its own fields: "." as decimal point under any locale.
class OptionReader {
public:
    explicit OptionReader(const Arguments& arguments) : arguments_(arguments) {}

    std::optional<std::string> text(const std::string& name);
    std::string requiredText(const std::string& name);
    std::optional<double> decimal(const std::string& name);
    double requiredDecimal(const std::string& name);
    std::optional<int> wholeNumber(const std::string& name);
    int requiredWholeNumber(const std::string& name);
    // A cell number 1 to 5, returned as its index 0 to 4.
    int requiredCellIndex(const std::string& name);
    // "--format text" (also when it is left out) or "--format json".
    Format format();
    // Complains about the first plain argument, for a subcommand that takes none.
    void refusePlainArguments();

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    void complain(const std::string& message);

private:
    const Arguments& arguments_;
    std::string error_;
};

} // namespace rheo::cli
