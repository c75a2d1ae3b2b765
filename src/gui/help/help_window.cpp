// SPDX-License-Identifier: MIT
#include "gui/help/help_window.hpp"

#include "gui/help/chm_archive.hpp"
#include "gui/help/chm_contents.hpp"
#include "gui/help/chm_text.hpp"
#include "gui/help/help_browser.hpp"

#include <QAction>
#include <QDir>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <utility>

namespace rheo {
namespace {

constexpr int kPageRole = Qt::UserRole;

QString cleanFilePath(const QString& filePath) {
    return QDir::cleanPath(QDir::fromNativeSeparators(filePath));
}

// The contents are walked with lists of their own, never by recursion, so that no nesting
// a file may hold can exhaust the stack.
void addEntries(const std::vector<ContentsEntry>& entries, QTreeWidget* tree) {
    struct Level {
        const std::vector<ContentsEntry>* entries;
        std::size_t next;
        QTreeWidgetItem* parent;
    };
    std::vector<Level> levels{{&entries, 0, nullptr}};
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.entries->size()) {
            levels.pop_back();
            continue;
        }
        const ContentsEntry& entry = (*level.entries)[level.next++];
        auto* item =
            level.parent != nullptr ? new QTreeWidgetItem(level.parent) : new QTreeWidgetItem(tree);
        item->setText(0, entry.title);
        item->setToolTip(0, entry.title);
        if (!entry.local.isEmpty())
            item->setData(0, kPageRole, normalizedObjectPath(entry.local));
        if (!entry.children.empty())
            levels.push_back({&entry.children, 0, item});
    }
}

// The first item in the order of the contents (each item before its children) whose page
// passes the test.
template <typename Test> QTreeWidgetItem* firstItemWhosePage(QTreeWidget* tree, const Test& test) {
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        if (test((*it)->data(0, kPageRole).toString()))
            return *it;
    }
    return nullptr;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window), browser_(new HelpBrowser), contents_(new QTreeWidget) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("RHEO Help"));

    back_ = new QAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), this);
    back_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    back_->setToolTip(tr("Back to the previous page (Alt+Left)"));
    back_->setEnabled(false);
    forward_ = new QAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), this);
    forward_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    forward_->setToolTip(tr("Forward to the next page (Alt+Right)"));
    forward_->setEnabled(false);
    home_ = new QAction(
        QIcon::fromTheme(QStringLiteral("go-home"), style()->standardIcon(QStyle::SP_DirHomeIcon)),
        tr("Home"), this);
    home_->setToolTip(tr("The first page of the help"));
    home_->setEnabled(false);

    auto* toolBar = addToolBar(tr("Navigation"));
    toolBar->setObjectName(QStringLiteral("helpNavigation"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->addAction(back_);
    toolBar->addAction(forward_);
    toolBar->addSeparator();
    toolBar->addAction(home_);
    // A screen reader, and the tests, find the buttons by the names of their actions.
    for (QAction* action : {back_, forward_, home_})
        toolBar->widgetForAction(action)->setAccessibleName(action->text());

    contents_->setObjectName(QStringLiteral("helpContents"));
    contents_->setHeaderHidden(true);
    contents_->setAccessibleName(tr("Help contents"));
    contents_->setRootIsDecorated(true);

    browser_->setObjectName(QStringLiteral("helpPage"));
    browser_->setAccessibleName(tr("Help page"));
    browser_->document()->setDocumentMargin(14);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({260, 660});
    setCentralWidget(splitter);
    statusBar()->setSizeGripEnabled(true);
    resize(940, 660);

    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home_, &QAction::triggered, this, [this] { showPage(QString()); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::markPageInContents);
    connect(browser_, QOverload<const QUrl&>::of(&QTextBrowser::highlighted), this,
            [this](const QUrl& link) {
                if (link.isEmpty())
                    statusBar()->clearMessage();
                else
                    statusBar()->showMessage(link.toString());
            });
    connect(contents_, &QTreeWidget::itemClicked, this, &HelpWindow::showContentsItem);
    connect(contents_, &QTreeWidget::itemActivated, this, &HelpWindow::showContentsItem);
}

HelpWindow::~HelpWindow() {
    // The browser keeps a pointer to the file; it goes first.
    browser_->setArchive(nullptr);
}

bool HelpWindow::isShowingFile(const QString& filePath) const {
    return archive_ != nullptr && cleanFilePath(archive_->filePath()) == cleanFilePath(filePath);
}

void HelpWindow::openFile(std::unique_ptr<ChmArchive> archive) {
    archive_ = std::move(archive);
    browser_->setArchive(archive_.get());
    const QString title = archive_->title();
    setWindowTitle(title.isEmpty() ? tr("RHEO Help") : title);
    fillContents();
    home_->setEnabled(true);
}

void HelpWindow::showPage(const QString& objectPath) {
    if (archive_ == nullptr)
        return;
    const QString page = objectPath.isEmpty() ? firstPage() : objectPath;
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    QUrl url = HelpBrowser::pageUrl(hash < 0 ? page : page.left(hash));
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    browser_->setSource(url);
}

void HelpWindow::showMissingFile(const QString& filePath) {
    closeFile();
    browser_->showMissingFile(filePath);
}

void HelpWindow::showDamagedFile(const QString& filePath) {
    closeFile();
    browser_->showDamagedFile(filePath);
}

void HelpWindow::closeFile() {
    contents_->clear();
    home_->setEnabled(false);
    setWindowTitle(tr("RHEO Help"));
    browser_->setArchive(nullptr);
    archive_.reset();
}

void HelpWindow::fillContents() {
    contents_->clear();
    const QString sitemapPath = archive_->contentsPath();
    if (sitemapPath.isEmpty())
        return;
    const std::optional<QByteArray> sitemap = archive_->read(sitemapPath);
    if (!sitemap)
        return;
    addEntries(parseSitemap(decodeChmText(*sitemap)), contents_);
    contents_->expandAll();
}

void HelpWindow::showContentsItem(QTreeWidgetItem* item) {
    const QString page = item != nullptr ? item->data(0, kPageRole).toString() : QString();
    if (!page.isEmpty())
        showPage(page);
}

void HelpWindow::markPageInContents(const QUrl& shown) {
    // The browser tells the new address before it counts as its source.
    const QString page =
        shown.scheme() == QLatin1String(HelpBrowser::kScheme) ? shown.path() : QString();
    QTreeWidgetItem* found =
        page.isEmpty() ? nullptr : firstItemWhosePage(contents_, [&](const QString& itemPage) {
            return itemPage.compare(page, Qt::CaseInsensitive) == 0;
        });
    const QSignalBlocker blocker(contents_);
    if (found != nullptr) {
        contents_->setCurrentItem(found);
        contents_->scrollToItem(found);
    } else {
        contents_->clearSelection();
    }
}

QString HelpWindow::firstPage() const {
    const QString topic = archive_->defaultTopic();
    if (!topic.isEmpty())
        return topic;
    const QTreeWidgetItem* first =
        firstItemWhosePage(contents_, [](const QString& page) { return !page.isEmpty(); });
    return first != nullptr ? first->data(0, kPageRole).toString() : QStringLiteral("/");
}

} // namespace rheo
