// SPDX-License-Identifier: MIT
// The PDF output of a build without Qt: there is no PDF writer, and the command says so
// instead of leaving a missing file to be found later.

#include "cli/exit_codes.hpp"
#include "cli/output.hpp"
#include "cli/pdf_output.hpp"

namespace rheo::cli {

int writePdf(const std::string& path, const std::function<void(DrawingSurface&)>&) {
    writeLine(stderr, "This rheo-cli was built without Qt and cannot write PDF files; " + path +
                          " was not written. Use --trace, or a build with Qt.");
    return kFileFailed;
}

} // namespace rheo::cli
