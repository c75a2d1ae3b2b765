// The program's own reading of what a help file holds, as chmlib hands it over: the entries
// of the system header, the text of pages and of the table of contents, the contents read
// from it, and pictures under their memory allowance. (chmlib itself reads a file only in the
// checking process, where a damaged file can end nothing else.)

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "gui/platform/chm_archive.hpp"
#include "gui/platform/chm_contents.hpp"
#include "gui/platform/chm_text.hpp"
#include "gui/platform/help_browser.hpp"

#include <QCoreApplication>

namespace {

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "failed: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_help_reading";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* application = new QCoreApplication(argc, argv);
    (void)application;

    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const int code : {0, 2, 3})
        check(rheo::systemHeaderEntry(bytes, code).size() <= bytes.size(), "header entry");

    const std::vector<rheo::ContentsEntry> contents =
        rheo::parseSitemap(rheo::decodeChmText(bytes));
    std::size_t depth = 0;
    for (const std::vector<rheo::ContentsEntry>* level = &contents; !level->empty();
         level = &level->back().children)
        ++depth;
    check(depth <= rheo::kDeepestContentsLevel, "contents depth");

    qint64 left = 1024 * 1024;
    const QImage picture = rheo::boundedImage(bytes, left);
    check(left >= 0 && (picture.isNull() || picture.sizeInBytes() <= 1024 * 1024),
          "picture allowance");
    return 0;
}
