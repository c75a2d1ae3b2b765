#include "core/files/input_file.hpp"

#include <cstring>

#include "core/files/posix_file.hpp"

namespace rheo {

InputFile openInputFile(const std::string& path) {
    return InputFile(posix::openOrdinaryFileForReading(path));
}

std::string readFailedMessage(const std::string& path, int errorNumber) {
    return "The file could not be read:\n" + path +
           "\nReading failed: " + std::strerror(errorNumber) + ".\nNothing was loaded from it.";
}

std::string tooLargeToLoadMessage(const std::string& path) {
    return "The file could not be read:\n" + path +
           "\nIt is too large to be held in memory.\nNothing was loaded from it.";
}

} // namespace rheo
