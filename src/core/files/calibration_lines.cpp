// SPDX-License-Identifier: MIT
#include "core/files/calibration_lines.hpp"

#include "core/model/field_rules.hpp"
#include "core/model/units.hpp"
#include "core/text/c_format.hpp"
#include "core/text/number_text.hpp"
#include "core/text/program_texts.hpp"

#include <array>

namespace rheo {
namespace {

std::string number8(double value) {
    return formatFixed(value, 2, 8); // "%2.8f"
}

std::array<LineField, kCellValueLabels.size()> cellFields(const CellCalibration& cell) {
    // The first three are shear rates, filed in units of 1x10e6 1/s.
    const double values[] = {shearRateInDisplayUnits(cell.workingShearRate),
                             shearRateInDisplayUnits(cell.minShearRate),
                             shearRateInDisplayUnits(cell.maxShearRate),
                             cell.capillaryRadius,
                             cell.capillaryLength,
                             cell.constantA,
                             cell.constantB,
                             cell.rmsPercentDiff,
                             cell.cellVolume,
                             cell.targetEffluxTime};
    std::array<LineField, kCellValueLabels.size()> fields;
    for (std::size_t i = 0; i < kCellValueLabels.size(); ++i)
        fields[i] = {kCellValueLabels[i], number8(values[i])};
    return fields;
}

std::array<LineField, 9> abFields(const AbPoint& point) {
    // The name is copied as bytes: it may be empty, hold blanks or any other byte. After an
    // empty name the line ends in the blank that stands before it.
    return {{{"keyword", "AB"},
             {"Known Viscosity", number8(point.knownViscosity)},
             {"Efflux Time", number8(point.effluxTime)},
             {"Pressure", number8(point.pressure)},
             {"Calculated Viscosity", number8(point.calculatedViscosity)},
             {"% Difference", number8(point.percentDiff)},
             {"Reynolds Number", number8(point.reynoldsNumber)},
             {"Newtonian", formatInteger(point.newtonian ? 1 : 0)},
             {"Standard Name", point.standardName}}};
}

std::array<LineField, 6> volFields(const VolumePoint& point) {
    return {{{"keyword", "VOL"},
             {"Tare Weight", number8(point.tareWeight)},
             {"Full Weight", number8(point.fullWeight)},
             {"Density", number8(point.density)},
             {"T0", number8(point.effluxTimeT0)},
             {"Volume", number8(point.volume)}}};
}

std::array<LineField, 3> calFields(const ViscosityStandard& standard) {
    return {{{"keyword", "CAL"},
             {"Standard Name", standard.name},
             {"Viscosity", formatFixed(standard.viscosity, 2, 4)}}}; // "%2.4f"
}

// The operator's words for each text, in messages.
const char* textName(FileText text) {
    switch (text) {
    case FileText::CompanyName:
        return "company name";
    case FileText::SerialNumber:
        return "serial number";
    case FileText::StandardName:
        return "standard name";
    }
    return "text";
}

} // namespace

FileLines calibrationFileLines(const CalibrationData& data) {
    FileLines lines;
    const auto settings = [] { return std::string("General Settings"); };
    lines.add(settings, {{"identification", file_texts::kCalibrationIdentification}});
    lines.add(settings, {{"Company Name", data.companyName}});
    lines.add(settings, {{"Serial Number", data.serialNumber}});
    lines.add(settings, {{"Operating Temperature",
                          formatInteger(static_cast<int>(data.operatingTemperature))}});
    lines.add(settings, {{"Equilibrium Timer Minutes",
                          formatInteger(static_cast<int>(data.equilibriumTimerMinutes))}});
    for (int c = 0; c < kCellCount; ++c) {
        const CellCalibration& cell = data.cells[static_cast<std::size_t>(c)];
        lines.add([c] { return cformat("Cell %d", c + 1); }, cellFields(cell));
        for (std::size_t i = 0; i < cell.abPoints.size(); ++i)
            lines.add([c, i] { return cformat("Cell %d, A/B point %d", c + 1, int(i) + 1); },
                      abFields(cell.abPoints[i]));
        for (std::size_t i = 0; i < cell.volumePoints.size(); ++i)
            lines.add([c, i] { return cformat("Cell %d, weighing %d", c + 1, int(i) + 1); },
                      volFields(cell.volumePoints[i]));
    }
    for (std::size_t i = 0; i < data.standards.size(); ++i)
        lines.add([i] { return cformat("Standard %d", int(i) + 1); }, calFields(data.standards[i]));
    return lines;
}

std::size_t longestFileText(FileText text) {
    if (text != FileText::StandardName)
        return kLongestFileLine;
    ViscosityStandard widest{"", highestAccepted(NumberField::StandardViscosity)};
    FileLines line;
    line.add([] { return std::string(); }, calFields(widest));
    return kLongestFileLine + 2 - line.text().size(); // the line end is no part of the line
}

std::optional<std::string> fileTextRefusal(FileText text, std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos)
        return cformat(file_texts::kMustFitOnOneLine, textName(text));
    if (value.size() > longestFileText(text))
        return cformat(file_texts::kCanHoldAtMost, textName(text), longestFileText(text));
    return std::nullopt;
}

} // namespace rheo
