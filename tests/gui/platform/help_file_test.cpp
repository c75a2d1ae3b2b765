// Reading help files: the table of contents as sitemaps come in practice, the character sets
// of pages, and the compiled help file itself, whose every link and picture must resolve.

#include "gui/platform/chm_archive.hpp"
#include "gui/platform/chm_contents.hpp"
#include "gui/platform/chm_library.hpp"
#include "gui/platform/chm_text.hpp"
#include "gui/platform/help_test_support.hpp"

#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

namespace rheo {
namespace {

// Sloppy markup is read as well as it can be: lower-case tags, unquoted and single-quoted
// values, entities, a comment, a heading without a page, and lists that are never closed.
// (The tidy markup of the program's own file is read in the help window's contents.)
TEST(Sitemap, SloppyMarkupGivesNestedTopicsInOrder) {
    const std::vector<ContentsEntry> sloppy = parseSitemap(QStringLiteral(R"(
        <ul>
          <!-- <li><object type="text/sitemap"><param name="Name" value="Hidden"></object> -->
          <li><object type=text/sitemap><param name=Name value='Oils &amp; standards'>
              <param name=Local value=oils.htm></object>
          <li><object type="text/sitemap"><param name="Name" value="Chapter"></object>
          <ul>
            <li><object type="TEXT/SITEMAP"><param name="name" value="Caf&#233;">
                <param name="local" value="cafe.htm#top"></object>)"));
    ASSERT_EQ(sloppy.size(), 2u);
    EXPECT_EQ(sloppy[0].title, "Oils & standards");
    EXPECT_EQ(sloppy[0].local, "oils.htm");
    EXPECT_TRUE(sloppy[1].local.isEmpty());
    ASSERT_EQ(sloppy[1].children.size(), 1u);
    EXPECT_EQ(sloppy[1].children[0].title, QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(sloppy[1].children[0].local, "cafe.htm#top");
}

TEST(PageText, IsWindows1252UnlessItNamesAnotherCharacterSet) {
    const std::pair<const char*, const char*> pages[] = {
        {"150 \xb0"
         "C, \x80 5, \x93quoted\x94",
         "150 \u00b0C, \u20ac 5, \u201cquoted\u201d"},
        {"<meta charset=\"iso-8859-1\">\x96", "<meta charset=\"iso-8859-1\">\u2013"},
        {"<meta charset=\"UTF-8\">\xc2\xb1 20 \xce\xb7",
         "<meta charset=\"UTF-8\">\u00b1 20 \u03b7"},
        {"<meta charset=\"no-such-set\">\xe9", "<meta charset=\"no-such-set\">\u00e9"}};
    for (const auto& [bytes, utf8] : pages)
        EXPECT_EQ(decodeChmText(QByteArray(bytes)), QString::fromUtf8(utf8)) << utf8;
}

// The compiled help file opens on its welcome page; every page's links and pictures lead
// to something in the file.
TEST(CompiledHelpFile, EveryLinkAndPictureOfEveryPageResolves) {
    ChmLibrary library;
    const std::unique_ptr<ChmArchive> archive =
        ChmArchive::open(library, QString::fromStdString(testing::builtHelpFile()));
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(archive->defaultTopic(), "/RHEO/Welcome.htm");
    EXPECT_EQ(archive->contentsPath(), "/RHEO.hhc");
    EXPECT_EQ(archive->title(), "Vantor Viscosity Calculator Help");

    static const QRegularExpression reference(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]+)\""),
                                              QRegularExpression::CaseInsensitiveOption);
    const auto text = [&](const QString& path) { return decodeChmText(*archive->read(path)); };
    int pages = 0;
    for (const QString& page : archive->objectPaths()) {
        if (!page.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive))
            continue;
        ++pages;
        const QUrl base(QStringLiteral("chm:") + page);
        for (auto it = reference.globalMatch(text(page)); it.hasNext();) {
            const QUrl target = base.resolved(QUrl(it.next().captured(1)));
            SCOPED_TRACE(page.toStdString() + " -> " + target.toString().toStdString());
            ASSERT_EQ(target.scheme(), "chm");
            ASSERT_TRUE(archive->contains(target.path()));
            if (target.hasFragment()) {
                EXPECT_TRUE(text(target.path())
                                .contains(QStringLiteral("name=\"%1\"").arg(target.fragment())));
            }
        }
    }
    EXPECT_GE(pages, 6);
}

} // namespace
} // namespace rheo
