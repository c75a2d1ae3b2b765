// SPDX-License-Identifier: MIT
#include "cli/arguments.hpp"

#include "core/model/model.hpp"
#include "core/text/c_format.hpp"

#include <algorithm>

namespace rheo::cli {
namespace {

const AcceptedOption* findAccepted(const std::vector<AcceptedOption>& accepted,
                                   const std::string& name) {
    static const std::vector<AcceptedOption> common = {
        {"--help", false}, {"--at", true}, {"--no-history", false}};
    for (const auto* list : {&accepted, &common}) {
        const auto found =
            std::find_if(list->begin(), list->end(),
                         [&](const AcceptedOption& option) { return option.name == name; });
        if (found != list->end())
            return &*found;
    }
    return nullptr;
}

bool looksLikeOption(const std::string& word) {
    return word.size() > 2 && word.rfind("--", 0) == 0;
}

} // namespace

std::optional<Arguments> Arguments::parse(const std::vector<std::string>& words,
                                          const std::vector<AcceptedOption>& accepted,
                                          std::string& error) {
    Arguments parsed;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!looksLikeOption(word)) {
            parsed.plain_.push_back(word);
            continue;
        }
        // "--name=value" is read like "--name value".
        const size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const AcceptedOption* option = findAccepted(accepted, name);
        if (option == nullptr) {
            error = "unknown option " + name;
            return std::nullopt;
        }
        if (parsed.options_.count(name) != 0) {
            error = "option " + name + " is given twice";
            return std::nullopt;
        }
        std::string value;
        if (option->takesValue) {
            if (equals != std::string::npos) {
                value = word.substr(equals + 1);
            } else if (i + 1 < words.size()) {
                value = words[++i];
            } else {
                error = "option " + name + " needs a value";
                return std::nullopt;
            }
        } else if (equals != std::string::npos) {
            error = "option " + name + " takes no value";
            return std::nullopt;
        }
        parsed.options_.emplace(name, value);
    }
    return parsed;
}

bool Arguments::has(const std::string& name) const {
    return options_.count(name) != 0;
}

std::optional<std::string> Arguments::value(const std::string& name) const {
    const auto found = options_.find(name);
    if (found == options_.end())
        return std::nullopt;
    return found->second;
}

bool asksForHelp(const std::vector<std::string>& words) {
    return std::find(words.begin(), words.end(), "--help") != words.end();
}

void OptionReader::complain(const std::string& message) {
    if (error_.empty())
        error_ = message;
}

std::optional<std::string> OptionReader::text(const std::string& name) {
    return arguments_.value(name);
}

std::string OptionReader::requiredText(const std::string& name) {
    auto given = arguments_.value(name);
    if (!given) {
        complain("option " + name + " is required");
        return {};
    }
    return *given;
}

std::optional<double> OptionReader::decimal(const std::string& name) {
    const auto given = arguments_.value(name);
    if (!given)
        return std::nullopt;
    double value = 0.0;
    if (!parseDecimal(*given, value)) {
        complain("option " + name + " needs a decimal number with \".\" as decimal point, not \"" +
                 *given + "\"");
        return std::nullopt;
    }
    return value;
}

double OptionReader::requiredDecimal(const std::string& name) {
    if (!arguments_.has(name)) {
        complain("option " + name + " is required");
        return 0.0;
    }
    return decimal(name).value_or(0.0);
}

std::optional<int> OptionReader::wholeNumber(const std::string& name) {
    const auto given = arguments_.value(name);
    if (!given)
        return std::nullopt;
    int value = 0;
    if (!parseWholeNumber(*given, value)) {
        complain("option " + name + " needs a whole number, not \"" + *given + "\"");
        return std::nullopt;
    }
    return value;
}

int OptionReader::requiredWholeNumber(const std::string& name) {
    if (!arguments_.has(name)) {
        complain("option " + name + " is required");
        return 0;
    }
    return wholeNumber(name).value_or(0);
}

int OptionReader::requiredCellIndex(const std::string& name) {
    const bool given = arguments_.has(name);
    const int number = requiredWholeNumber(name);
    if (given && ok() && (number < 1 || number > kCellCount)) {
        complain("option " + name + " needs a cell number from 1 to 5");
        return 0;
    }
    return number - 1 < 0 ? 0 : number - 1;
}

Format OptionReader::format() {
    const auto given = arguments_.value("--format");
    if (given && *given == "json")
        return Format::Json;
    if (given && *given != "text")
        complain("option --format needs text or json, not \"" + *given + "\"");
    return Format::Text;
}

void OptionReader::refusePlainArguments() {
    if (!arguments_.plain().empty())
        complain("unexpected argument \"" + arguments_.plain().front() + "\"");
}

} // namespace rheo::cli
