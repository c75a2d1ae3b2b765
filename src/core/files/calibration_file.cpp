#include "core/files/calibration_file.hpp"

#include <filesystem>

#include "core/files/calibration_lines.hpp"
#include "core/files/file_messages.hpp"
#include "core/files/file_names.hpp"
#include "core/files/file_numbers.hpp"
#include "core/files/input_file.hpp"
#include "core/files/safe_file_writer.hpp"
#include "core/files/version1_import.hpp"
#include "core/text/c_format.hpp"
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

// A read that failed part-way would leave a calibration of which only the first part came
// from the file, and a later save would write that part over the whole file: such a load
// takes nothing and says why.
bool reportedReadFailure(const LineReader& reader, const std::string& path, UserDialogs& dialogs) {
    if (!reader.readError())
        return false;
    dialogs.inform(readFailedMessage(path, reader.readErrorNumber()));
    return true;
}

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

bool saveCalibrationFile(const CalibrationData& data, UserDialogs& dialogs,
                         std::string* chosenPath) {
    const auto path = dialogs.chooseFileToSave(file_texts::calibrationSaveDialog());
    if (!path)
        return false;
    if (chosenPath)
        *chosenPath = *path;
    return saveCalibrationFileAt(data, *path, dialogs);
}

bool saveCalibrationFileAt(const CalibrationData& data, const std::string& path,
                           UserDialogs& dialogs) {
    if (fileExtension(path) != "dat") {
        dialogs.inform(file_texts::kUseDatExtension);
        return false;
    }
    const FileLines lines = calibrationFileLines(data);
    // A line the readers would take apart is never written: the file would not read back.
    if (lines.overlong()) {
        dialogs.inform(saveFailedMessage(path, *lines.overlong()));
        return false;
    }
    const SaveOutcome outcome = saveBytesSafely(path, lines.text());
    if (!outcome.saved) {
        dialogs.inform(saveFailedMessage(path, outcome.reason));
        return false;
    }
    return true;
}

bool loadCalibrationFile(CalibrationData& data, UserDialogs& dialogs, std::string* chosenPath) {
    const auto path = dialogs.chooseFileToOpen(file_texts::calibrationOpenDialog());
    if (!path)
        return false;
    if (chosenPath)
        *chosenPath = *path;
    return loadCalibrationFileAt(data, *path, dialogs);
}

bool loadCalibrationFileAt(CalibrationData& data, const std::string& path, UserDialogs& dialogs) {
    const std::string extension = fileExtension(path);
    if (extension != "dat" && extension != "DAT") {
        dialogs.inform(file_texts::kSelectValidCalibrationFile);
        return false;
    }
    const InputFile file = openInputFile(path);
    if (!file) {
        dialogs.inform(file_texts::kFileDidNotExist);
        return false;
    }
    return loadCalibrationFromOpenFile(data, path, file.get(), dialogs);
}

bool loadCalibrationFromOpenFile(CalibrationData& data, const std::string& path, std::FILE* file,
                                 UserDialogs& dialogs) {
    CalibrationData loaded; // the menu command starts from a reset calibration
    LineReader reader(file);
    std::string firstLine;
    reader.next(firstLine);
    bool complete = true;
    if (isCalibrationIdentification(firstLine))
        readCalibrationHeaderAndBody(loaded, reader);
    else
        complete = importVersion1(loaded, reader, directoryOf(path), dialogs);
    if (reportedReadFailure(reader, path, dialogs))
        return false;
    data = std::move(loaded);
    return complete;
}

std::optional<std::string> autoLoadPath(const std::string& appDirectory) {
    const std::string path = appDirectory + file_texts::kAutoLoadName;
    if (openInputFile(path))
        return path;
    // The save dialog proposes "RHEO.dat"; on a case-sensitive file system that is another
    // file than "RHEO.DAT", so look for the name in any letter case.
    return findFileIgnoringCase(directoryOf(path), std::filesystem::path(path).filename().string());
}

bool autoLoadCalibration(CalibrationData& data, const std::string& appDirectory,
                         UserDialogs& dialogs) {
    const auto path = autoLoadPath(appDirectory);
    const InputFile file = path ? openInputFile(*path) : nullptr;
    if (!file) {
        dialogs.inform(file_texts::kAutoLoadFailed);
        return false;
    }
    CalibrationData loaded = data; // no reset: what the file leaves out keeps its value
    LineReader reader(file.get());
    std::string firstLine;
    reader.next(firstLine); // any first line is taken as the identification
    readCalibrationHeaderAndBody(loaded, reader);
    if (reportedReadFailure(reader, *path, dialogs))
        return false;
    data = std::move(loaded);
    return true;
}

} // namespace rheo
