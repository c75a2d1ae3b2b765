// SPDX-License-Identifier: MIT
#pragma once
// The help window: the contents of the help file beside the page view, with Back and
// Forward. One window serves every help request of the program; it is not modal, so the
// operator can read while working in the form or a dialog.

#include <QMainWindow>

#include <memory>

class QAction;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace rheo {

class ChmArchive;
class HelpBrowser;

class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Whether the pages come from this file now (paths compared after cleaning, so that
    // "dir//RHEO.chm" is "dir/RHEO.chm").
    bool isShowingFile(const QString& filePath) const;
    // Takes the file, fills the contents from its table of contents.
    void openFile(std::unique_ptr<ChmArchive> archive);
    // Shows a page of the open file by its object path ("/RHEO/Welcome.htm", a "#part" may
    // follow); an empty path shows the file's first page.
    void showPage(const QString& objectPath);
    // Says in the window that the help file could not be opened.
    void showMissingFile(const QString& filePath);
    // Says in the window that the help file is damaged.
    void showDamagedFile(const QString& filePath);

    HelpBrowser* browser() const { return browser_; }

private:
    void closeFile();
    void fillContents();
    void showContentsItem(QTreeWidgetItem* item);
    void markPageInContents(const QUrl& shown);
    QString firstPage() const;

    std::unique_ptr<ChmArchive> archive_;
    HelpBrowser* browser_;
    QTreeWidget* contents_;
    QAction* back_;
    QAction* forward_;
    QAction* home_;
};

} // namespace rheo
