// SPDX-License-Identifier: MIT
// The PDF output of a build with Qt: the window's own PDF writer.

#include "cli/exit_codes.hpp"
#include "cli/output.hpp"
#include "cli/pdf_output.hpp"
#include "gui/platform/report_output.hpp"

namespace rheo::cli {

int writePdf(const std::string& path, const std::function<void(DrawingSurface&)>& draw) {
    std::string error;
    if (!writeReportPdf(path, draw, error)) {
        writeLine(stderr, "The report could not be written to " + path + ": " + error);
        return kFileFailed;
    }
    return kDone;
}

} // namespace rheo::cli
