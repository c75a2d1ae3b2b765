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

// Each place holds the file ('f'), a directory of that name ('d') or nothing ('-'): beside
// the program, along the install layout, at the installed path; the first place holding the
// file is found, or none (-1).
TEST(InstalledHelpFile, IsTheFirstPlaceThatHoldsTheFile) {
    const std::pair<std::string, int> layouts[] = {{"-f-", 1}, {"-ff", 1},  {"fff", 0},
                                                   {"--f", 2}, {"---", -1}, {"ddf", 2}};
    const char* places[] = {"bin/RHEO.chm", "share/rheo/RHEO.chm", "installed/RHEO.chm"};
    for (const auto& [layout, found] : layouts) {
        SCOPED_TRACE(layout);
        TempDir root;
        for (const char* folder : {"bin", "share/rheo", "installed"})
            fs::create_directories(root.path() / folder);
        for (int place = 0; place < 3; ++place) {
            if (layout[place] == 'f')
                root.write(places[place], "help");
            else if (layout[place] == 'd')
                fs::create_directories(root.path() / places[place]);
        }
        EXPECT_EQ(findInstalledHelpFile(root.path() / "bin", "../share/rheo/RHEO.chm",
                                        root.path() / "installed/RHEO.chm"),
                  found < 0 ? std::string() : root.file(places[found]));
    }
}

} // namespace
} // namespace rheo::testing
