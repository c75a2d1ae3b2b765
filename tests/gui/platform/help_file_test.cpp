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

TEST(Sitemap, NestedListsGiveNestedTopicsInOrder) {
    const QString sitemap = QStringLiteral(R"(
        <HTML><BODY>
        <OBJECT type="text/site properties"><param name="Window Styles" value="0x800025"></OBJECT>
        <UL>
          <LI><OBJECT type="text/sitemap"><param name="Name" value="First">
              <param name="Local" value="A/first.htm"></OBJECT>
          <UL>
            <LI><OBJECT type="text/sitemap"><param name="Name" value="Inner one">
                <param name="Local" value="A/inner1.htm"></OBJECT>
            <LI><OBJECT type="text/sitemap"><param name="Name" value="Inner two">
                <param name="Local" value="A/inner2.htm"></OBJECT>
          </UL>
          <LI><OBJECT type="text/sitemap"><param name="Name" value="Second">
              <param name="Local" value="A/second.htm"></OBJECT>
        </UL></BODY></HTML>)");

    const std::vector<ContentsEntry> topics = parseSitemap(sitemap);

    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].title, "First");
    EXPECT_EQ(topics[0].local, "A/first.htm");
    ASSERT_EQ(topics[0].children.size(), 2u);
    EXPECT_EQ(topics[0].children[0].title, "Inner one");
    EXPECT_EQ(topics[0].children[1].local, "A/inner2.htm");
    EXPECT_EQ(topics[1].title, "Second");
    EXPECT_TRUE(topics[1].children.empty());
}

TEST(Sitemap, SloppyMarkupIsReadAsWellAsItCanBe) {
    // Lower-case tags, unquoted and single-quoted values, entities, a comment, a heading
    // without a page, and lists that are never closed.
    const QString sitemap = QStringLiteral(R"(
        <ul>
          <!-- <li><object type="text/sitemap"><param name="Name" value="Hidden"></object> -->
          <li><object type=text/sitemap><param name=Name value='Oils &amp; standards'>
              <param name=Local value=oils.htm></object>
          <li><object type="text/sitemap"><param name="Name" value="Chapter"></object>
          <ul>
            <li><object type="TEXT/SITEMAP"><param name="name" value="Caf&#233;">
                <param name="local" value="cafe.htm#top"></object>
    )");

    const std::vector<ContentsEntry> topics = parseSitemap(sitemap);

    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].title, "Oils & standards");
    EXPECT_EQ(topics[0].local, "oils.htm");
    EXPECT_EQ(topics[1].title, "Chapter");
    EXPECT_TRUE(topics[1].local.isEmpty());
    ASSERT_EQ(topics[1].children.size(), 1u);
    EXPECT_EQ(topics[1].children[0].title, QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(topics[1].children[0].local, "cafe.htm#top");
}

struct DecodingCase {
    const char* name;
    const char* bytes;
    const char* utf8;
};

void PrintTo(const DecodingCase& decodingCase, std::ostream* out) {
    *out << decodingCase.name;
}

class PageText : public ::testing::TestWithParam<DecodingCase> {};

TEST_P(PageText, IsWindows1252UnlessItNamesAnotherCharacterSet) {
    EXPECT_EQ(decodeChmText(QByteArray(GetParam().bytes)), QString::fromUtf8(GetParam().utf8));
}

INSTANTIATE_TEST_SUITE_P(
    HelpText, PageText,
    ::testing::Values(
        DecodingCase{"NoDeclaration",
                     "150 \xb0"
                     "C, \x80 5, \x93quoted\x94",
                     "150 \u00b0C, \u20ac 5, \u201cquoted\u201d"},
        DecodingCase{
            "DeclaredWindows1252",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
            "\xb1"
            "20 %",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; "
            "charset=windows-1252\">\u00b120 %"},
        DecodingCase{"Latin1ReadAsWindows1252", "<meta charset=\"iso-8859-1\">\x96",
                     "<meta charset=\"iso-8859-1\">\u2013"},
        DecodingCase{"Utf8", "<meta charset=\"UTF-8\">\xc2\xb1 20 \xce\xb7",
                     "<meta charset=\"UTF-8\">\u00b1 20 \u03b7"},
        DecodingCase{"UnknownSetReadAsWindows1252", "<meta charset=\"no-such-set\">\xe9",
                     "<meta charset=\"no-such-set\">\u00e9"}),
    [](const ::testing::TestParamInfo<DecodingCase>& testInfo) {
        return std::string(testInfo.param.name);
    });

// The compiled help file: every page's links and pictures lead to something in the file.
class CompiledHelpFile : public ::testing::Test {
protected:
    void SetUp() override {
        archive_ = ChmArchive::open(library_, QString::fromStdString(testing::builtHelpFile()));
        ASSERT_NE(archive_, nullptr);
    }

    QStringList pages() const {
        QStringList result;
        for (const QString& path : archive_->objectPaths()) {
            if (path.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive))
                result << path;
        }
        return result;
    }

    QString text(const QString& path) const { return decodeChmText(*archive_->read(path)); }

    ChmLibrary library_;
    std::unique_ptr<ChmArchive> archive_;
};

TEST_F(CompiledHelpFile, OpensOnTheWelcomePageWithItsTableOfContents) {
    EXPECT_EQ(archive_->defaultTopic(), "/RHEO/Welcome.htm");
    EXPECT_EQ(archive_->contentsPath(), "/RHEO.hhc");
    EXPECT_EQ(archive_->title(), "Vantor Viscosity Calculator Help");
    EXPECT_TRUE(archive_->contains("/RHEO/rheo.css"));
}

TEST_F(CompiledHelpFile, EveryLinkAndPictureOfEveryPageResolves) {
    static const QRegularExpression reference(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]+)\""),
                                              QRegularExpression::CaseInsensitiveOption);
    const QStringList allPages = pages();
    ASSERT_GE(allPages.size(), 6);
    for (const QString& page : allPages) {
        const QString html = text(page);
        const QUrl base(QStringLiteral("chm:") + page);
        for (auto it = reference.globalMatch(html); it.hasNext();) {
            const QUrl target = base.resolved(QUrl(it.next().captured(1)));
            ASSERT_EQ(target.scheme(), "chm") << page.toStdString() << " leaves the help file";
            ASSERT_TRUE(archive_->contains(target.path()))
                << page.toStdString() << " refers to missing " << target.path().toStdString();
            if (!target.hasFragment())
                continue;
            const QString anchor = QStringLiteral("name=\"%1\"").arg(target.fragment());
            EXPECT_TRUE(text(target.path()).contains(anchor))
                << page.toStdString() << " links to missing part "
                << target.toString().toStdString();
        }
    }
}

} // namespace
} // namespace rheo
