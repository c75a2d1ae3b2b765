#pragma once
// The page view of the help window: a QTextBrowser that reads its pages, pictures and style
// sheets from the open help file. Pages are addressed as "chm:/RHEO/Page.htm", so that the
// relative links and pictures inside a page resolve against it like on a web server.

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

    // Links that leave the help file (http, mailto, ...) are never followed inside the help
    // window; they go to this handler, by default the desktop's own browser.
    void setExternalLinkHandler(std::function<void(const QUrl&)> handler);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void followLink(const QUrl& link);
    QString missingPage(const QString& objectPath) const;

    const ChmArchive* archive_ = nullptr;
    std::function<void(const QUrl&)> externalLinkHandler_;
};

} // namespace rheo
