// SPDX-License-Identifier: MIT
#include "gui/help/help_launcher.hpp"

#include "gui/help/chm_archive.hpp"
#include "gui/help/help_window.hpp"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace rheo {

HelpLauncher::HelpLauncher(std::string chmLibraryName) : library_(std::move(chmLibraryName)) {}

HelpLauncher::~HelpLauncher() {
    delete window_;
}

void HelpLauncher::setOwnerWindow(QWidget* owner) {
    owner_ = owner;
    if (window_ != nullptr && window_->parentWidget() != owner)
        window_->setParent(owner, window_->windowFlags() | Qt::Window);
}

void HelpLauncher::setInstalledHelpFile(const std::string& path) {
    installedHelpFile_ = QFile::decodeName(QByteArray::fromStdString(path));
}

QString HelpLauncher::helpFileFor(const std::string& pagePath) const {
    const QString path = QFile::decodeName(QByteArray::fromStdString(pagePath));
    const qsizetype separator = path.indexOf(QStringLiteral("::"));
    const QString filePath = separator < 0 ? path : path.left(separator);
    if (!QFileInfo(filePath).isFile() && !installedHelpFile_.isEmpty() &&
        QFileInfo(installedHelpFile_).isFile())
        return installedHelpFile_;
    return filePath;
}

void HelpLauncher::showHelpPage(const std::string& pagePath) {
    if (!library_.load())
        return;
    const QString path = QFile::decodeName(QByteArray::fromStdString(pagePath));
    const qsizetype separator = path.indexOf(QStringLiteral("::"));
    const QString filePath = helpFileFor(pagePath);
    const QString page = separator < 0 ? QString() : path.mid(separator + 2);

    // Checked before the window is made: the check may take a while, and a window shown
    // meanwhile would be empty.
    const bool usable = check_.passed(filePath);
    HelpWindow* help = window();
    if (!QFileInfo(filePath).isFile()) {
        help->showMissingFile(filePath);
    } else if (!usable) {
        help->showDamagedFile(filePath);
    } else if (!help->isShowingFile(filePath) ||
               QFileInfo(filePath).lastModified() != openedFileTime_) {
        // A file changed since it was opened is opened again (it passed its check anew).
        if (std::unique_ptr<ChmArchive> archive = ChmArchive::open(library_, filePath)) {
            help->openFile(std::move(archive));
            openedFileTime_ = QFileInfo(filePath).lastModified();
        } else {
            help->showDamagedFile(filePath);
        }
    }
    help->showPage(page);
    present();
}

HelpWindow* HelpLauncher::window() {
    if (window_ == nullptr)
        window_ = new HelpWindow(owner_);
    return window_;
}

void HelpLauncher::present() {
    if (window_->isMinimized())
        window_->showNormal();
    else
        window_->show();
    window_->raise();
    window_->activateWindow();
    // Help asked for from a modal dialog must stay usable while the dialog is open: a window
    // that stands in front of the modal one is not blocked by it.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* inFrontOf = modal != nullptr && modal != window_ ? modal : owner_.data();
    if (inFrontOf != nullptr && inFrontOf->windowHandle() != nullptr &&
        window_->windowHandle() != nullptr)
        window_->windowHandle()->setTransientParent(inFrontOf->windowHandle());
}

HelpWindow* HelpLauncher::helpWindow() const {
    return window_;
}

} // namespace rheo
