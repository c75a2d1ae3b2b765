// SPDX-License-Identifier: MIT
#include "core/files/input_file.hpp"

#include "core/text/program_texts.hpp"
#include <cstring>

#include "core/files/posix_file.hpp"

namespace rheo {

InputFile openInputFile(const std::string& path) {
    return InputFile(posix::openOrdinaryFileForReading(path));
}

std::string readFailedMessage(const std::string& path, int errorNumber) {
    return file_texts::kCouldNotRead + path + file_texts::kReadingFailed +
           std::strerror(errorNumber) + file_texts::kNothingLoaded;
}

std::string tooLargeToLoadMessage(const std::string& path) {
    return file_texts::kCouldNotRead + path + file_texts::kTooLargeToLoad;
}

} // namespace rheo
