// SPDX-License-Identifier: MIT
#include "gui/help/help_browser.hpp"

#include "core/text/program_texts.hpp"
#include "gui/help/chm_archive.hpp"
#include "gui/help/chm_text.hpp"

#include <QBuffer>
#include <QDesktopServices>
#include <QImage>
#include <QImageReader>
#include <QTextDocument>

#include <utility>

namespace rheo {
namespace {

// A short page in the help window's own words, in place of what could not be shown.
QString notice(const QString& heading, const QString& body) {
    return QStringLiteral("<html><head><title>%1</title></head><body>"
                          "<h2 style=\"color: #8a1f11;\">%1</h2>%2</body></html>")
        .arg(heading.toHtmlEscaped(), body);
}

bool leavesTheHelpFile(const QUrl& link) {
    // Not "file": a page of the help file never opens a local file, not even elsewhere.
    static const QStringList external = {QStringLiteral("http"), QStringLiteral("https"),
                                         QStringLiteral("ftp"), QStringLiteral("mailto")};
    return external.contains(link.scheme().toLower());
}

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent)
    : QTextBrowser(parent),
      externalLinkHandler_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    // Links are followed here, so that none ever leaves the help file inside this window.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

void HelpBrowser::setArchive(const ChmArchive* archive) {
    archive_ = archive;
    clearHistory();
    // The browser does not load an address again that it already shows: the page in view
    // is read again from a new file, so that what it shows always comes from that file.
    if (archive_ != nullptr && source().isValid())
        reload();
}

QUrl HelpBrowser::pageUrl(const QString& objectPath) {
    QUrl url;
    url.setScheme(QString::fromLatin1(kScheme));
    url.setPath(normalizedObjectPath(objectPath));
    return url;
}

QString HelpBrowser::currentPage() const {
    if (archive_ == nullptr || source().scheme() != QLatin1String(kScheme))
        return {};
    return source().path();
}

void HelpBrowser::showMissingFile(const QString& filePath) {
    setArchive(nullptr);
    setHtml(notice(tr(window_texts::kHelpFileNotFound),
                   tr(window_texts::kHelpFileNotFoundBody).arg(filePath.toHtmlEscaped())));
}

void HelpBrowser::showDamagedFile(const QString& filePath) {
    setArchive(nullptr);
    setHtml(notice(tr(window_texts::kHelpFileDamaged),
                   tr(window_texts::kHelpFileDamagedBody).arg(filePath.toHtmlEscaped())));
}

void HelpBrowser::setExternalLinkHandler(std::function<void(const QUrl&)> handler) {
    externalLinkHandler_ = std::move(handler);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // An empty answer, not an invalid one: for an invalid one the document would go and read
    // a local file ("file:///dev/zero") or a data address itself. Help shows only what is
    // inside the help file.
    const QVariant nothing = QVariant(QByteArray());
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != QLatin1String(kScheme) || archive_ == nullptr)
        return nothing;
    if (type == QTextDocument::ImageResource)
        return image(url.path());
    const std::optional<QByteArray> bytes = archive_->read(url.path());
    switch (type) {
    case QTextDocument::HtmlResource:
        return bytes ? decodeChmText(*bytes) : missingPage(url.path());
    case QTextDocument::StyleSheetResource:
        return bytes ? QVariant(decodeChmText(*bytes)) : nothing;
    default:
        return bytes ? QVariant(*bytes) : nothing;
    }
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    // Each page has its own allowance of picture memory.
    images_.clear();
    imageBytesLeft_ = kImageBytesPerPage;
    QTextBrowser::doSetSource(name, type);
}

QVariant HelpBrowser::image(const QString& objectPath) {
    // One picture named with different queries or in another letter case is one object.
    const QString key = normalizedObjectPath(objectPath).toLower();
    if (const auto known = images_.constFind(key); known != images_.constEnd())
        return *known;
    const std::optional<QByteArray> bytes = archive_->read(objectPath);
    const QImage picture = bytes ? boundedImage(*bytes, imageBytesLeft_) : QImage();
    images_.insert(key, picture);
    return picture;
}

QImage boundedImage(const QByteArray& bytes, qint64& bytesLeft) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    // The size stands in the picture's header: a picture too large is never decoded.
    const QSize size = reader.size();
    const qint64 needed = qint64(size.width()) * size.height() * 4;
    if (!size.isValid() || needed > bytesLeft)
        return {};
    reader.setAllocationLimit(int(bytesLeft / (1024 * 1024)) + 1);
    QImage picture = reader.read();
    if (picture.sizeInBytes() > bytesLeft)
        return {};
    bytesLeft -= picture.sizeInBytes();
    return picture;
}

void HelpBrowser::followLink(const QUrl& link) {
    const QString text = link.toString();
    // A link of the form "RHEO.chm::/RHEO/Page.htm" (or "ms-its:RHEO.chm::/...") names a
    // page of this file by its full object path.
    const qsizetype separator = text.indexOf(QStringLiteral("::"));
    if (separator >= 0) {
        QUrl page = pageUrl(QUrl(text.mid(separator + 2)).path());
        page.setFragment(QUrl(text.mid(separator + 2)).fragment());
        setSource(page);
        return;
    }
    if (leavesTheHelpFile(link)) {
        if (externalLinkHandler_)
            externalLinkHandler_(link);
        return;
    }
    const QUrl target = link.isRelative() ? source().resolved(link) : link;
    if (target.scheme() == QLatin1String(kScheme))
        setSource(target);
}

QString HelpBrowser::missingPage(const QString& objectPath) const {
    return notice(tr(window_texts::kHelpPageNotFound),
                  tr(window_texts::kHelpPageNotFoundBody)
                      .arg(objectPath.toHtmlEscaped(), archive_->filePath().toHtmlEscaped()));
}

} // namespace rheo
