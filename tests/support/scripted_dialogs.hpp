// SPDX-License-Identifier: MIT
#pragma once
// A stand-in for the person at the bench: file dialogs and questions are answered from a
// script written by the test, and every request and message is recorded so that a test can
// assert the exact texts and their order.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/seams/user_dialogs.hpp"

namespace rheo::testing {

class ScriptedDialogs : public UserDialogs {
public:
    // The next file dialog (open or save) returns this path; nothing stands for Cancel.
    void willChoose(std::optional<std::string> path);
    // The next question is answered Yes (true) or No (false).
    void willAnswer(bool yes);

    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;
    void inform(const std::string& message) override;
    bool ask(const std::string& question) override;

    // What was shown, in order of kind.
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<std::string> messages;  // texts given to inform
    std::vector<std::string> questions; // texts given to ask
    // Everything in the order it happened: "open: TITLE", "save: TITLE", "inform: TEXT",
    // "ask: TEXT".
    std::vector<std::string> transcript;
    // Dialogs and questions that found the script empty (answered Cancel and No).
    int unscriptedCalls = 0;

    // True when every scripted answer was used.
    bool scriptUsedUp() const { return paths_.empty() && answers_.empty(); }

private:
    std::optional<std::string> nextPath();

    std::deque<std::optional<std::string>> paths_;
    std::deque<bool> answers_;
};

} // namespace rheo::testing
