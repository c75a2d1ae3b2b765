#include "cli/command_line_dialogs.hpp"

#include "cli/output.hpp"

namespace rheo::cli {

std::optional<std::string> CommandLineDialogs::chooseFileToOpen(const FileDialogRequest&) {
    return path_;
}

// The target was named explicitly on the command line: replacing it is what was asked.
std::optional<std::string> CommandLineDialogs::chooseFileToSave(const FileDialogRequest&) {
    return path_;
}

void CommandLineDialogs::inform(const std::string& message) {
    writeLine(messages_, prefix_ + message);
}

// A question would wait for an answer that a script cannot give: No is the safe default.
bool CommandLineDialogs::ask(const std::string& question) {
    writeLine(messages_, question);
    return false;
}

} // namespace rheo::cli
