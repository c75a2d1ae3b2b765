// SPDX-License-Identifier: MIT
#include "support/scripted_dialogs.hpp"

namespace rheo::testing {

void ScriptedDialogs::willChoose(std::optional<std::string> path) {
    paths_.push_back(std::move(path));
}

void ScriptedDialogs::willAnswer(bool yes) {
    answers_.push_back(yes);
}

std::optional<std::string> ScriptedDialogs::nextPath() {
    if (paths_.empty()) {
        ++unscriptedCalls;
        return std::nullopt;
    }
    auto path = std::move(paths_.front());
    paths_.pop_front();
    return path;
}

std::optional<std::string> ScriptedDialogs::chooseFileToOpen(const FileDialogRequest& request) {
    openRequests.push_back(request);
    transcript.push_back("open: " + request.title);
    return nextPath();
}

std::optional<std::string> ScriptedDialogs::chooseFileToSave(const FileDialogRequest& request) {
    saveRequests.push_back(request);
    transcript.push_back("save: " + request.title);
    return nextPath();
}

void ScriptedDialogs::inform(const std::string& message) {
    messages.push_back(message);
    transcript.push_back("inform: " + message);
}

bool ScriptedDialogs::ask(const std::string& question) {
    questions.push_back(question);
    transcript.push_back("ask: " + question);
    if (answers_.empty()) {
        ++unscriptedCalls;
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

} // namespace rheo::testing
