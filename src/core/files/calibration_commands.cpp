// SPDX-License-Identifier: MIT
#include "core/files/calibration_commands.hpp"

#include <filesystem>

#include "core/files/calibration_file.hpp"
#include "core/files/calibration_lines.hpp"
#include "core/files/file_messages.hpp"
#include "core/files/file_names.hpp"
#include "core/files/input_file.hpp"
#include "core/files/safe_file_writer.hpp"
#include "core/files/version1_import.hpp"
#include "core/text/program_texts.hpp"

namespace rheo {
namespace {

CompanionOpener openerOfFile(const std::string& directory, const char* name) {
    return [directory, name](const std::function<void(LineReader&)>& use) {
        const auto path = findFileIgnoringCase(directory, name);
        const InputFile file = path ? openInputFile(*path) : nullptr;
        if (!file)
            return false;
        LineReader reader(file.get());
        use(reader);
        return true;
    };
}

// The import with its companions "RHEOSET.DAT" and "RHEOCAL.DAT" in `directory` (the
// directory of the chosen main file), found in any letter case.
bool importVersion1Beside(CalibrationData& data, LineReader& mainFile, const std::string& directory,
                          UserDialogs& dialogs) {
    const Version1Companions companions{
        openerOfFile(directory, file_texts::kVersion1SettingsName),
        openerOfFile(directory, file_texts::kVersion1StandardsName)};
    return importVersion1(data, mainFile, companions, dialogs);
}

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
        complete = importVersion1Beside(loaded, reader, directoryOf(path), dialogs);
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
