// SPDX-License-Identifier: MIT
#pragma once
// Joining results files into one, row by row, so that a file of a million rows is never held
// in memory: what loading them all into the list (from the last to the first, each going in
// front) and saving the list would write.

#include <string>
#include <vector>

namespace rheo {

// Writes the rows of `inputs`, the first file's rows first, into the results file `output`.
// Only the usual case is done here: every name ends in ".csv", every input opens and reads to
// its end, every row fits on a line of the file and the save succeeds. In any other case
// nothing is written, nothing is said and false is returned; loading and saving the usual way
// then tells what went wrong.
bool joinResultsFiles(const std::vector<std::string>& inputs, const std::string& output);

} // namespace rheo
