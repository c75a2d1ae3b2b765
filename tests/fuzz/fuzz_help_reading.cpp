// SPDX-License-Identifier: MIT
// The program's own reading of what a help file holds, as chmlib hands it over: the system
// header's entries, the text of pages and contents, the contents read from it, and pictures
// within their memory allowance. (chmlib reads a file only in the checking process, where a
// damaged file can end nothing else.)

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "gui/help/chm_archive.hpp"
#include "gui/help/chm_contents.hpp"
#include "gui/help/chm_text.hpp"
#include "gui/help/help_browser.hpp"

#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_help_reading";
    static char* argv[] = {name, nullptr};
    static const QCoreApplication* application = new QCoreApplication(argc, argv);
    (void)application;

    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const int code : {0, 2, 3})
        rheo::systemHeaderEntry(bytes, code);
    const auto contents = rheo::parseSitemap(rheo::decodeChmText(bytes));
    std::size_t depth = 0;
    for (auto* level = &contents; !level->empty(); level = &level->back().children)
        ++depth;
    qint64 left = 1024 * 1024;
    const QImage picture = rheo::boundedImage(bytes, left);
    if (depth > rheo::kDeepestContentsLevel || left < 0 || picture.sizeInBytes() > 1024 * 1024)
        std::abort();
    return 0;
}
