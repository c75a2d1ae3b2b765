// SPDX-License-Identifier: MIT
#include "support/temp_dir.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace rheo::testing {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rheo-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary directory");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& bytes) const {
    const std::string target = file(name);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << bytes;
    return target;
}

std::string TempDir::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string testDataFile(const std::string& name) {
    const char* root = std::getenv("RHEO_TEST_DATA");
    return std::string(root ? root : "tests/data") + "/" + name;
}

} // namespace rheo::testing
