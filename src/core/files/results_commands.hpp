// SPDX-License-Identifier: MIT
#pragma once
// The menu commands of the results file: the file dialogs, the extension checks and their
// messages around the file's format (results_file.hpp), read from an ordinary file and
// written by safe saving.

#include <cstdio>
#include <string>
#include <vector>

#include "core/model/model.hpp"
#include "core/seams/user_dialogs.hpp"

namespace rheo {

// Menu command "Save test data to a file" (and the exit sequence): save dialog, extension
// check, safe write. True only when the file was written; a row too long to be read back
// (values from a foreign file) makes the save write nothing and name the run and field.
bool saveResultsFile(std::vector<TestResult>& results, UserDialogs& dialogs);
bool saveResultsFileAt(std::vector<TestResult>& results, const std::string& path,
                       UserDialogs& dialogs);

// Menu command "Load test data from a file": the records read go in front of `results`, in
// file order. True when a file was read; on any refusal `results` is untouched.
bool loadResultsFile(std::vector<TestResult>& results, UserDialogs& dialogs);
bool loadResultsFileAt(std::vector<TestResult>& results, const std::string& path,
                       UserDialogs& dialogs);
// The steps after the open: `file` is the open file named `path`. A read that fails
// part-way is told (naming the file and the reason) and leaves `results` untouched.
bool loadResultsFromOpenFile(std::vector<TestResult>& results, const std::string& path,
                             std::FILE* file, UserDialogs& dialogs);

} // namespace rheo
