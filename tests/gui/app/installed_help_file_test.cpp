// The installed help file: the first of its places that holds the file (beside the program,
// along the install layout from the program's directory, the installed path), so that a
// moved or unpacked installation finds its own file before the one it was built for.

#include "gui/app/installed_help_file.hpp"

#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace rheo::testing {
namespace {

namespace fs = std::filesystem;

TEST(InstalledHelpFile, IsTheFirstPlaceThatHoldsTheFile) {
    const struct {
        bool beside, alongLayout, atInstalledPath;
        const char* found; // relative to the root, "" for none
    } layouts[] = {
        {false, true, false, "share/rheo/RHEO.chm"},
        {false, true, true, "share/rheo/RHEO.chm"},
        {true, true, true, "bin/RHEO.chm"},
        {false, false, true, "installed/RHEO.chm"},
        {false, false, false, ""},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.found);
        TempDir root;
        for (const char* folder : {"bin", "share/rheo", "installed"})
            fs::create_directories(root.path() / folder);
        if (layout.beside)
            root.write("bin/RHEO.chm", "beside");
        if (layout.alongLayout)
            root.write("share/rheo/RHEO.chm", "layout");
        if (layout.atInstalledPath)
            root.write("installed/RHEO.chm", "installed");
        EXPECT_EQ(findInstalledHelpFile(root.path() / "bin", "../share/rheo/RHEO.chm",
                                        root.path() / "installed/RHEO.chm"),
                  *layout.found ? root.file(layout.found) : std::string());
    }
}

TEST(InstalledHelpFile, ADirectoryOfThatNameIsNoHelpFile) {
    TempDir root;
    fs::create_directories(root.path() / "bin/RHEO.chm");
    fs::create_directories(root.path() / "share/rheo/RHEO.chm");
    root.write("installed.chm", "installed");
    EXPECT_EQ(findInstalledHelpFile(root.path() / "bin", "../share/rheo/RHEO.chm",
                                    root.path() / "installed.chm"),
              root.file("installed.chm"));
}

} // namespace
} // namespace rheo::testing
