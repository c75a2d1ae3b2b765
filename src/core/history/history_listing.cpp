// SPDX-License-Identifier: MIT
#include "core/history/history_listing.hpp"

#include "core/text/c_format.hpp"

namespace rheo {
namespace {

std::string number(double value) {
    return cformat("%.10g", value);
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

enum Column {
    kTime,
    kUser,
    kRecord,
    kCell,
    kSampleId,
    kViscosity,
    kShearRate,
    kReynolds,
    kNewtonian,
    kPressure,
    kEffluxTime,
    kStandard,
    kKnownViscosity,
    kDeviation,
    kExtrapolated,
    kA,
    kB,
    kRms,
    kVolume,
    kT0,
    kKnownViscosities,
    kSha256,
    kUnsaved,
    kPath,
    kColumnCount
};

} // namespace

std::string historyTimeText(const LocalDateTime& t) {
    return cformat("%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                   t.second);
}

const std::vector<std::string>& historyColumns() {
    static const std::vector<std::string> columns = {"time",
                                                     "user",
                                                     "record",
                                                     "cell",
                                                     "sample id",
                                                     "viscosity",
                                                     "shear rate",
                                                     "reynolds",
                                                     "newtonian",
                                                     "pressure",
                                                     "efflux time",
                                                     "standard",
                                                     "known viscosity",
                                                     "deviation %",
                                                     "extrapolated",
                                                     "a",
                                                     "b",
                                                     "rms % diff",
                                                     "volume",
                                                     "t0",
                                                     "known viscosities",
                                                     "sha256",
                                                     "unsaved",
                                                     "path"};
    return columns;
}

std::vector<std::string> historyRow(const HistoryEntry& entry) {
    std::vector<std::string> row(kColumnCount);
    if (const auto* c = std::get_if<CalibrationEntry>(&entry)) {
        row[kTime] = historyTimeText(c->at);
        row[kUser] = c->user;
        row[kRecord] = "calibration";
        row[kCell] = std::to_string(c->cell.cellNumber);
        row[kA] = number(c->cell.constantA);
        row[kB] = number(c->cell.constantB);
        row[kRms] = number(c->cell.rmsPercentDiff);
        row[kVolume] = number(c->cell.cellVolume);
        row[kT0] = number(c->cell.targetEffluxTime);
        for (double known : c->cell.knownViscosities)
            row[kKnownViscosities] += (row[kKnownViscosities].empty() ? "" : " ") + number(known);
        row[kSha256] = c->sha256;
        row[kPath] = c->path;
        return row;
    }
    const auto& run = std::get<RunRecord>(entry);
    const TestResult& r = run.result;
    row[kTime] = historyTimeText(r.dateTime);
    row[kUser] = run.user;
    row[kRecord] = run.check ? "check" : "run";
    row[kCell] = std::to_string(r.cellNumber);
    row[kSampleId] = r.sampleId;
    row[kViscosity] = number(r.viscosity);
    row[kShearRate] = number(r.shearRate);
    row[kReynolds] = number(r.reynoldsNumber);
    row[kNewtonian] = r.newtonian ? "Yes" : "No";
    row[kPressure] = number(r.pressure);
    row[kEffluxTime] = number(r.effluxTime);
    if (run.check) {
        row[kStandard] = run.check->standardName;
        row[kKnownViscosity] = number(run.check->knownViscosity);
        row[kDeviation] = cformat("%+.2f", run.check->deviationPercent);
    }
    row[kExtrapolated] = run.extrapolated ? "Yes" : "No";
    row[kSha256] = run.calibrationSha256;
    row[kUnsaved] = run.calibrationUnsaved ? "Yes" : "No";
    return row;
}

std::string csvLine(const std::vector<std::string>& texts) {
    std::string line;
    for (std::size_t i = 0; i < texts.size(); ++i)
        line += (i ? "," : "") + csvField(texts[i]);
    return line;
}

} // namespace rheo
