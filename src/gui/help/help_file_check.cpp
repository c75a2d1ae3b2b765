// SPDX-License-Identifier: MIT
#include "gui/help/help_file_check.hpp"

#include "gui/help/chm_archive.hpp"
#include "gui/help/chm_library.hpp"
#include "gui/help/help_browser.hpp"
#include "gui/help/help_window.hpp"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTextDocument>
#include <QTimer>

#include <memory>
#include <utility>

namespace rheo {
namespace {

constexpr int kPassed = 0;
constexpr int kDamaged = 1;

bool isPage(const QString& objectPath) {
    return objectPath.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive) ||
           objectPath.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive);
}

int checkFile(const QString& filePath) {
    ChmLibrary library;
    std::unique_ptr<ChmArchive> archive = ChmArchive::open(library, filePath);
    if (archive == nullptr)
        return kDamaged;
    const QStringList objects = archive->objectPaths();
    for (const QString& object : objects) {
        if (!archive->read(object))
            return kDamaged;
    }
    HelpWindow window;
    window.resize(900, 700);
    window.openFile(std::move(archive));
    for (const QString& object : objects) {
        if (!isPage(object))
            continue;
        window.showPage(object);
        // The whole page with its pictures, at the width of the window.
        QTextDocument* page = window.browser()->document();
        page->setTextWidth(window.browser()->viewport()->width());
        page->documentLayout()->documentSize();
    }
    return kPassed;
}

} // namespace

int runHelpFileCheck(const QString& filePath) {
    if (!QFileInfo(filePath).isFile())
        return kDamaged;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "rheo";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    return checkFile(filePath);
}

HelpFileCheck::HelpFileCheck(QString program, int limitMs)
    : program_(std::move(program)), limitMs_(limitMs) {}

bool HelpFileCheck::passed(const QString& filePath) {
    const QFileInfo file(filePath);
    if (!file.isFile())
        return false;
    const QString key = file.absoluteFilePath() + QLatin1Char('\n') +
                        QString::number(file.lastModified().toMSecsSinceEpoch()) +
                        QLatin1Char('\n') + QString::number(file.size());
    if (const auto known = results_.constFind(key); known != results_.constEnd())
        return *known;
    const bool good = runCheck(filePath);
    results_.insert(key, good);
    return good;
}

bool HelpFileCheck::runCheck(const QString& filePath) {
    ++checksRun_;
    QProcess check;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    check.setProcessEnvironment(environment);
    check.setStandardOutputFile(QProcess::nullDevice());
    check.setStandardErrorFile(QProcess::nullDevice());

    QEventLoop waiting;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&check, &QProcess::finished, &waiting, &QEventLoop::quit);
    QObject::connect(&check, &QProcess::errorOccurred, &waiting, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            waiting.quit();
    });
    QObject::connect(&limit, &QTimer::timeout, &waiting, &QEventLoop::quit);
    const QString program = program_.isEmpty() ? QCoreApplication::applicationFilePath() : program_;
    check.start(program, {QString::fromLatin1(kCheckHelpFileOption), filePath});
    limit.start(limitMs_);
    if (check.state() != QProcess::NotRunning)
        waiting.exec(QEventLoop::ExcludeUserInputEvents);
    if (check.state() != QProcess::NotRunning) {
        // Out of time: a page that takes this long would freeze the help window as well.
        check.kill();
        check.waitForFinished(-1);
        return false;
    }
    return check.error() != QProcess::FailedToStart && check.exitStatus() == QProcess::NormalExit &&
           check.exitCode() == kPassed;
}

} // namespace rheo
