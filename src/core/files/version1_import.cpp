// SPDX-License-Identifier: MIT
#include "core/files/version1_import.hpp"

#include <cmath>
#include <string>
#include <vector>

#include "core/files/file_numbers.hpp"
#include "core/model/formulas.hpp"
#include "core/text/program_texts.hpp"
#include "core/text/words.hpp"

namespace rheo {
namespace {

constexpr int kRunLinesPerCell = 16;
// Version 1 kept no RMS; a fixed non-zero value keeps the cell from counting as uncalibrated.
constexpr double kImportedRmsPercentDiff = 1e-8;

// A derived value that came out of a division by zero (infinite or undefined) is stored as 0.
double finiteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

// The words of a line matched with " %s , %s , %s": a word runs up to the next white space,
// and the comma must stand apart from the word before it. Matching stops at the first
// mismatch, so a line may give fewer than three words.
std::vector<std::string_view> commaSeparatedWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    const auto skipWhiteSpace = [&] {
        while (i < line.size() && isWhiteSpace(line[i]))
            ++i;
    };
    while (words.size() < 3) {
        if (!words.empty()) {
            skipWhiteSpace();
            if (i >= line.size() || line[i] != ',')
                break;
            ++i;
        }
        skipWhiteSpace();
        const std::size_t start = i;
        while (i < line.size() && !isWhiteSpace(line[i]))
            ++i;
        if (i == start)
            break;
        words.push_back(line.substr(start, i - start));
    }
    return words;
}

// Sets the fields of `targets` from the words present; missing words leave fields as they are.
void assignWords(const std::vector<std::string_view>& words, double* const (&targets)[3]) {
    for (std::size_t i = 0; i < words.size() && i < 3; ++i)
        *targets[i] = fileNumber(words[i]);
}

// Step 1: 16 run lines and a constants line per cell; the end of the file ends early.
void readMainFile(CalibrationData& data, LineReader& mainFile) {
    std::string line;
    for (CellCalibration& cell : data.cells) {
        for (int run = 0; run < kRunLinesPerCell; ++run) {
            if (!mainFile.next(line))
                return;
            const auto words = commaSeparatedWords(line);
            if (words.empty() || words.front() == "0")
                continue; // an empty slot
            AbPoint point;
            assignWords(words, {&point.knownViscosity, &point.effluxTime, &point.pressure});
            cell.abPoints.push_back(point);
        }
        if (!mainFile.next(line))
            return;
        assignWords(commaSeparatedWords(line),
                    {&cell.constantA, &cell.constantB, &cell.cellVolume});
    }
}

// Step 2: the three shear rates for all cells, then radius and length cell by cell.
void readSettingsFile(CalibrationData& data, LineReader& settings) {
    std::string line;
    if (!settings.next(line))
        return;
    for (double CellCalibration::*shearRate :
         {&CellCalibration::workingShearRate, &CellCalibration::maxShearRate,
          &CellCalibration::minShearRate}) {
        if (!settings.next(line))
            return;
        const double value = fileShearRate(line);
        for (CellCalibration& cell : data.cells)
            cell.*shearRate = value;
    }
    for (CellCalibration& cell : data.cells) {
        if (!settings.next(line))
            return;
        cell.capillaryRadius = fileNumber(line);
        if (!settings.next(line))
            return;
        cell.capillaryLength = fileNumber(line);
    }
}

void deriveMissingValues(CalibrationData& data) {
    for (CellCalibration& cell : data.cells) {
        const double r = cell.capillaryRadius;
        cell.targetEffluxTime =
            finiteOrZero(formulas::targetEffluxTime(cell.cellVolume, r, cell.workingShearRate));
        cell.rmsPercentDiff = kImportedRmsPercentDiff;
        for (AbPoint& point : cell.abPoints) {
            const double a = cell.constantA;
            const double b = cell.constantB;
            const double p = point.pressure;
            const double t = point.effluxTime;
            const double k = point.knownViscosity;
            // Written as version 1 computed it: (A * P) * T - B / T, no non-Newtonian
            // correction, no clamping.
            point.calculatedViscosity = finiteOrZero(a * p * t - b / t);
            point.reynoldsNumber = finiteOrZero(
                formulas::reynoldsNumber(cell.cellVolume, r, t, point.calculatedViscosity));
            point.percentDiff = finiteOrZero((point.calculatedViscosity - k) * 100 / k);
        }
    }
}

// Step 3: one standard per line, split at double quote, comma and blank.
void readStandardsFile(CalibrationData& data, LineReader& standards) {
    std::string line;
    while (standards.next(line)) {
        const auto pieces = splitLikeStrtok(line, "\", ");
        ViscosityStandard standard;
        standard.name = pieces.size() > 0 ? std::string(pieces[0]) : std::string("NO_NAME");
        // A missing piece is the text "NO_NAME", so a missing viscosity reads as 0.
        standard.viscosity = pieces.size() > 1 ? fileNumber(pieces[1]) : 0.0;
        data.standards.push_back(std::move(standard));
    }
}

CompanionOpener openerOfBytes(std::optional<std::string_view> bytes) {
    return [bytes](const std::function<void(LineReader&)>& use) {
        if (!bytes)
            return false;
        LineReader reader(*bytes);
        use(reader);
        return true;
    };
}

} // namespace

bool importVersion1(CalibrationData& data, LineReader& mainFile,
                    const Version1Companions& companions, UserDialogs& dialogs) {
    readMainFile(data, mainFile);

    const bool settingsFound = companions.settings && companions.settings([&](LineReader& r) {
        readSettingsFile(data, r);
        deriveMissingValues(data);
    });
    if (!settingsFound)
        dialogs.inform(file_texts::kMissingVersion1Settings);

    const bool standardsFound = companions.standards && companions.standards([&](LineReader& r) {
        readStandardsFile(data, r);
    });
    if (!standardsFound) {
        dialogs.inform(file_texts::kMissingVersion1Standards);
        return false;
    }
    return settingsFound;
}

bool importVersion1Bytes(CalibrationData& data, std::string_view mainFile,
                         std::optional<std::string_view> settingsFile,
                         std::optional<std::string_view> standardsFile, UserDialogs& dialogs) {
    data.reset();
    LineReader reader(mainFile);
    std::string firstLine;
    reader.next(firstLine);
    const Version1Companions companions{openerOfBytes(settingsFile), openerOfBytes(standardsFile)};
    return importVersion1(data, reader, companions, dialogs);
}

} // namespace rheo
