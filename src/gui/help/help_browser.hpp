// SPDX-License-Identifier: MIT
#pragma once
// The page view of the help window: a QTextBrowser that reads its pages, pictures and style
// sheets from the open help file. Pages are addressed as "chm:/RHEO/Page.htm", so that the
// relative links and pictures inside a page resolve against it like on a web server.

#include <QHash>
#include <QImage>
#include <QTextBrowser>
#include <QUrl>

#include <functional>

namespace rheo {

class ChmArchive;

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr const char* kScheme = "chm";

    explicit HelpBrowser(QWidget* parent = nullptr);

    // The file the pages come from; none shows nothing but what setHtml() is given.
    void setArchive(const ChmArchive* archive);
    // The address of an object of the help file ("/RHEO/Welcome.htm" -> "chm:/RHEO/Welcome.htm").
    static QUrl pageUrl(const QString& objectPath);
    // The object path of the page shown ("/RHEO/Welcome.htm"), empty when none is.
    QString currentPage() const;

    // Shows, in place of a page, that the help file could not be opened.
    void showMissingFile(const QString& filePath);
    // Shows, in place of a page, that the help file is damaged.
    void showDamagedFile(const QString& filePath);

    // Links that leave the help file (http, mailto, ...) are never followed inside the help
    // window; they go to this handler, by default the desktop's own browser.
    void setExternalLinkHandler(std::function<void(const QUrl&)> handler);

    QVariant loadResource(int type, const QUrl& name) override;

    // The decoded pictures of one page together take at most this much memory.
    static constexpr qint64 kImageBytesPerPage = 64 * 1024 * 1024;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    void followLink(const QUrl& link);
    QString missingPage(const QString& objectPath) const;
    QVariant image(const QString& objectPath);

    const ChmArchive* archive_ = nullptr;
    // The pictures of the page shown by object path, each read and decoded once.
    QHash<QString, QImage> images_;
    qint64 imageBytesLeft_ = kImageBytesPerPage;
    std::function<void(const QUrl&)> externalLinkHandler_;
};

// The picture in `bytes`, decoded only when it needs no more than `bytesLeft` bytes of
// memory, which it then takes from them; otherwise, or for bytes that are no picture, none.
QImage boundedImage(const QByteArray& bytes, qint64& bytesLeft);

} // namespace rheo
