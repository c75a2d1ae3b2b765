// SPDX-License-Identifier: MIT
#pragma once
// How the core asks and tells when there is no window: the file dialog "chooses" the path
// given on the command line, messages go to standard error, and questions are answered No
// (nothing in rheo-cli should need to ask).

#include "core/seams/user_dialogs.hpp"

#include <cstdio>
#include <string>

namespace rheo::cli {

class CommandLineDialogs : public UserDialogs {
public:
    explicit CommandLineDialogs(std::FILE* messages = stderr) : messages_(messages) {}

    // The path the next file dialog returns.
    void usePath(std::string path) { path_ = std::move(path); }
    // Written before every message from now on: "line 3: " while a line of an input file
    // is applied.
    void setMessagePrefix(std::string prefix) { prefix_ = std::move(prefix); }

    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;
    void inform(const std::string& message) override;
    bool ask(const std::string& question) override;

private:
    std::FILE* messages_;
    std::string path_;
    std::string prefix_;
};

} // namespace rheo::cli
