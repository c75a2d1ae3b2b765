// SPDX-License-Identifier: MIT
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

// The message is the program's Windows-1252 text; the path it may name is the file system's
// name as it was typed, and is written unchanged.
void CommandLineDialogs::inform(const std::string& message) {
    std::string shown = prefix_;
    std::size_t start = 0;
    for (std::size_t found = path_.empty() ? std::string::npos : message.find(path_);
         found != std::string::npos; found = message.find(path_, start)) {
        shown += windows1252ToUtf8(std::string_view(message).substr(start, found - start)) + path_;
        start = found + path_.size();
    }
    writeLine(messages_, shown + windows1252ToUtf8(std::string_view(message).substr(start)));
}

// A question would wait for an answer that a script cannot give: No is the safe default.
bool CommandLineDialogs::ask(const std::string& question) {
    writeMessage(messages_, question);
    return false;
}

} // namespace rheo::cli
