// SPDX-License-Identifier: MIT
#include "core/files/calibration_file.hpp"

#include "core/files/calibration_lines.hpp"
#include "core/files/file_numbers.hpp"
#include "core/text/c_format.hpp"
#include "core/text/program_texts.hpp"
#include "core/text/words.hpp"

namespace rheo {
namespace {

bool isBlankLine(std::string_view line) {
    return firstWord(line).empty();
}

// The name word of an AB line: bytes 0xCC (uninitialised memory in files of the old
// program) removed, and "1" standing for no name.
std::string cleanedStandardName(std::string_view word) {
    std::string name;
    for (const char c : word)
        if (static_cast<unsigned char>(c) != 0xCC)
            name.push_back(c);
    if (name == "1")
        name.clear();
    return name;
}

class BodyReader {
public:
    explicit BodyReader(CalibrationData& data) : data_(data) {}

    // Lines are told apart by their first word; a name such as "CABLE" is no keyword.
    void read(std::string_view line) {
        const std::string_view keyword = firstWord(line);
        if (keyword == "AB")
            readAbLine(line);
        else if (keyword == "VOL")
            readVolLine(line);
        else if (keyword == "CAL")
            readCalLine(line);
        else if (!isBlankLine(line) && cellLinesRead_ < kCellCount)
            readCellLine(line);
    }

private:
    CellCalibration* currentCell() {
        return cellLinesRead_ == 0 ? nullptr : &data_.cells[cellLinesRead_ - 1];
    }

    void readAbLine(std::string_view line) {
        CellCalibration* cell = currentCell();
        if (cell == nullptr)
            return;
        const auto words = scanWords(line, 9);
        AbPoint point;
        double* const numbers[] = {&point.knownViscosity, &point.effluxTime,
                                   &point.pressure,       &point.calculatedViscosity,
                                   &point.percentDiff,    &point.reynoldsNumber};
        for (std::size_t i = 0; i < 6 && i + 1 < words.size(); ++i)
            *numbers[i] = fileNumber(words[i + 1]);
        if (words.size() > 7)
            point.newtonian = cAtoi(words[7]) == 1;
        if (words.size() > 8)
            point.standardName = cleanedStandardName(words[8]);
        cell->abPoints.push_back(std::move(point));
    }

    void readVolLine(std::string_view line) {
        CellCalibration* cell = currentCell();
        if (cell == nullptr)
            return;
        const auto words = scanWords(line, 6);
        VolumePoint point;
        double* const numbers[] = {&point.tareWeight, &point.fullWeight, &point.density,
                                   &point.effluxTimeT0, &point.volume};
        for (std::size_t i = 0; i < 5 && i + 1 < words.size(); ++i)
            *numbers[i] = fileNumber(words[i + 1]);
        cell->volumePoints.push_back(point);
    }

    void readCalLine(std::string_view line) {
        const auto words = scanWords(line, 3);
        ViscosityStandard standard;
        if (words.size() > 1)
            standard.name = std::string(words[1]);
        if (words.size() > 2)
            standard.viscosity = fileNumber(words[2]);
        data_.standards.push_back(std::move(standard));
    }

    void readCellLine(std::string_view line) {
        ++cellLinesRead_;
        CellCalibration& cell = *currentCell();
        cell.cellNumber = cellLinesRead_;
        const auto words = scanWords(line, 10);
        // The first three are shear rates, filed in units of 1x10e6 1/s.
        double* const fields[] = {
            &cell.workingShearRate, &cell.minShearRate,    &cell.maxShearRate,
            &cell.capillaryRadius,  &cell.capillaryLength, &cell.constantA,
            &cell.constantB,        &cell.rmsPercentDiff,  &cell.cellVolume,
            &cell.targetEffluxTime,
        };
        for (std::size_t i = 0; i < words.size(); ++i)
            *fields[i] = i < 3 ? fileShearRate(words[i]) : fileNumber(words[i]);
    }

    CalibrationData& data_;
    int cellLinesRead_ = 0;
};

} // namespace

std::string calibrationFileText(const CalibrationData& data) {
    return calibrationFileLines(data).takeText();
}

bool isCalibrationIdentification(std::string_view firstLine) {
    return firstLine == file_texts::kCalibrationIdentification;
}

void readCalibrationHeaderAndBody(CalibrationData& data, LineReader& reader) {
    std::string line;
    if (!reader.next(line))
        return;
    data.companyName = line;
    if (!reader.next(line))
        return;
    data.serialNumber = line;
    if (!reader.next(line))
        return;
    data.operatingTemperature = cAtoi(line);
    if (!reader.next(line))
        return;
    data.equilibriumTimerMinutes = cAtoi(line);
    BodyReader body(data);
    while (reader.next(line))
        body.read(line);
}

void parseCalibrationText(CalibrationData& data, std::string_view bytes) {
    LineReader reader(bytes);
    std::string firstLine;
    if (reader.next(firstLine))
        readCalibrationHeaderAndBody(data, reader);
}

} // namespace rheo
