// SPDX-License-Identifier: MIT
#include "core/files/file_names.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace rheo {
namespace {

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

std::string fileExtension(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

bool isResultsFileName(const std::string& path) {
    return fileExtension(path) == "csv";
}

std::string directoryOf(const std::string& path) {
    const std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? std::string(".") : parent;
}

std::optional<std::string> findFileIgnoringCase(const std::string& directory,
                                                const std::string& name) {
    const std::filesystem::path folder(directory.empty() ? std::string(".") : directory);
    const std::filesystem::path exact = folder / name;
    if (isRegularFile(exact))
        return exact.string();

    std::vector<std::string> matches;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return std::nullopt;
    for (auto entry = entries; entry != std::filesystem::directory_iterator();
         entry.increment(error)) {
        if (error)
            break;
        const std::string candidate = entry->path().filename().string();
        if (equalIgnoringAsciiCase(candidate, name) && isRegularFile(entry->path()))
            matches.push_back(candidate);
    }
    if (matches.empty())
        return std::nullopt;
    std::sort(matches.begin(), matches.end());
    return (folder / matches.front()).string();
}

} // namespace rheo
