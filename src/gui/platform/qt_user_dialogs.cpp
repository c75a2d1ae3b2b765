// SPDX-License-Identifier: MIT
#include "gui/platform/qt_user_dialogs.hpp"

#include "gui/platform/qt_text.hpp"
#include "gui/platform/remembered_places.hpp"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace rheo {
namespace {

const QString kTitle = QStringLiteral("RHEO");

} // namespace

QString qtFileFilter(const std::string& filter) {
    // The old form is pairs of "description|pattern"; Qt shows the description, which
    // already names the pattern.
    const QStringList parts = toQt(filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        filters << parts[i];
    return filters.join(QStringLiteral(";;"));
}

void QtUserDialogs::setProgramDirectory(const std::string& appDirectory) {
    programFolder_ = filesFolder(appDirectory);
}

std::optional<std::string> QtUserDialogs::chooseFile(const FileDialogRequest& request, bool save) {
    const QString programFolder = programFolder_.isEmpty() ? QDir::currentPath() : programFolder_;
    QFileDialog dialog(parent_, toQt(request.title), dialogFolder(request, save, programFolder),
                       qtFileFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QString suffix = toQt(request.defaultExtension);
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(toQt(request.defaultName));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberDialogFolder(request, chosen);
    // A path is bytes for the core; the file system's own encoding, not Windows-1252.
    return QFile::encodeName(chosen).toStdString();
}

std::optional<std::string> QtUserDialogs::chooseFileToOpen(const FileDialogRequest& request) {
    return chooseFile(request, false);
}

std::optional<std::string> QtUserDialogs::chooseFileToSave(const FileDialogRequest& request) {
    return chooseFile(request, true);
}

void QtUserDialogs::inform(const std::string& message) {
    QMessageBox box(QMessageBox::Warning, kTitle, toQt(message), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtUserDialogs::ask(const std::string& question) {
    QMessageBox box(QMessageBox::Question, kTitle, toQt(question),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace rheo
