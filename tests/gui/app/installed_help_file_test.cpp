// The installed help file: the first of its places that holds the file (beside the program,
// along the install layout from the program's directory, the installed path), so that a
// moved or unpacked installation finds its own file before the one it was built for.

#include "gui/app/installed_help_file.hpp"

#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

namespace rheo {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

const fs::path kFromProgram = "../share/rheo/RHEO.chm";

struct Layout {
    const char* name;
    bool besideProgram;   // <root>/bin/RHEO.chm
    bool alongLayout;     // <root>/share/rheo/RHEO.chm
    bool atInstalledPath; // <root>/installed/RHEO.chm
    const char* found;    // relative to <root>, "" for none
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << layout.name;
}

class InstalledHelpFilePlaces : public ::testing::TestWithParam<Layout> {};

TEST_P(InstalledHelpFilePlaces, IsTheFirstPlaceThatHoldsTheFile) {
    const Layout& layout = GetParam();
    TempDir root;
    fs::create_directories(root.path() / "bin");
    fs::create_directories(root.path() / "share/rheo");
    fs::create_directories(root.path() / "installed");
    if (layout.besideProgram)
        root.write("bin/RHEO.chm", "beside");
    if (layout.alongLayout)
        root.write("share/rheo/RHEO.chm", "layout");
    if (layout.atInstalledPath)
        root.write("installed/RHEO.chm", "installed");

    const std::string found = findInstalledHelpFile(root.path() / "bin", kFromProgram,
                                                    root.path() / "installed/RHEO.chm");

    const std::string expected = *layout.found ? root.file(layout.found) : std::string();
    EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, InstalledHelpFilePlaces,
    ::testing::Values(Layout{"OnlyAlongTheLayout", false, true, false, "share/rheo/RHEO.chm"},
                      Layout{"LayoutBeforeInstalledPath", false, true, true, "share/rheo/RHEO.chm"},
                      Layout{"BesideBeforeLayout", true, true, true, "bin/RHEO.chm"},
                      Layout{"OnlyTheInstalledPath", false, false, true, "installed/RHEO.chm"},
                      Layout{"Nowhere", false, false, false, ""}),
    [](const ::testing::TestParamInfo<Layout>& place) { return std::string(place.param.name); });

TEST(InstalledHelpFile, ADirectoryOfThatNameIsNoHelpFile) {
    TempDir root;
    fs::create_directories(root.path() / "bin/RHEO.chm");
    fs::create_directories(root.path() / "share/rheo/RHEO.chm");
    root.write("installed.chm", "installed");

    EXPECT_EQ(
        findInstalledHelpFile(root.path() / "bin", kFromProgram, root.path() / "installed.chm"),
        root.file("installed.chm"));
}

} // namespace
} // namespace rheo
