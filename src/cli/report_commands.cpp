// SPDX-License-Identifier: MIT
// report calibration and report results: the printed reports as a PDF file or as the
// trace of the recording surface.

#include "cli/command_session.hpp"
#include "cli/command_support.hpp"
#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"
#include "cli/output.hpp"
#include "cli/output_paths.hpp"
#include "cli/pdf_output.hpp"
#include "core/files/safe_file_writer.hpp"
#include "core/reports/recording_surface.hpp"

namespace rheo::cli {
namespace {

using Drawing = std::function<void(DrawingSurface&)>;

struct ReportTarget {
    std::optional<std::string> pdfPath;
    std::optional<std::string> tracePath;

    const std::string& path() const { return pdfPath ? *pdfPath : *tracePath; }
};

ReportTarget readTarget(OptionReader& options) {
    ReportTarget target{options.text("--pdf"), options.text("--trace")};
    if (target.pdfPath.has_value() == target.tracePath.has_value())
        options.complain("exactly one of --pdf OUT.pdf and --trace OUT.txt is needed");
    return target;
}

// The recording surface at 600 dpi, written out one drawing call a line.
int writeTrace(const std::string& path, const Drawing& draw) {
    RecordingSurface surface(600, 600);
    draw(surface);
    const SaveOutcome saved = saveBytesSafely(path, surface.trace());
    if (!saved.saved) {
        writeLine(stderr, saveFailedMessage(path, saved.reason));
        return kFileFailed;
    }
    return kDone;
}

int writeReport(const ReportTarget& target, const Drawing& draw) {
    if (target.pdfPath)
        return writePdf(*target.pdfPath, draw);
    return writeTrace(*target.tracePath, draw);
}

} // namespace

int reportCalibrationCommand(const Words& words) {
    const std::string name = "report calibration";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const std::string calibrationPath = options.requiredText("--calibration");
    std::optional<int> cellIndex;
    if (line->arguments.has("--cell"))
        cellIndex = options.requiredCellIndex("--cell");
    const ReportTarget target = readTarget(options);
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());
    if (!outputAllowed(target.path(), {calibrationPath, {}}))
        return kFileFailed;

    CommandSession command(*line->clock);
    if (!command.loadCalibration(calibrationPath))
        return kFileFailed;
    return writeReport(target, [&](DrawingSurface& surface) {
        command.session().PrintCalibration(surface, cellIndex);
    });
}

int reportResultsCommand(const Words& words) {
    const std::string name = "report results";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const std::string resultsPath = options.requiredText("--results");
    const auto calibrationPath = options.text("--calibration");
    const ReportTarget target = readTarget(options);
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());
    if (!outputAllowed(target.path(), {calibrationPath, {resultsPath}}))
        return kFileFailed;

    // Without a calibration file the header shows the defaults.
    CommandSession command(*line->clock);
    if (!command.loadCalibrationIfGiven(calibrationPath))
        return kFileFailed;
    if (!command.loadResults(resultsPath))
        return kFileFailed;
    return writeReport(target,
                       [&](DrawingSurface& surface) { command.session().PrintTestData(surface); });
}

} // namespace rheo::cli
