// SPDX-License-Identifier: MIT
#include "gui/platform/remembered_places.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace rheo {
namespace {

// The settings key of the kind of file a dialog asks for, by its default extension; none for
// a kind the window does not remember.
std::optional<QString> folderKey(const FileDialogRequest& request) {
    if (request.defaultExtension == ".dat")
        return QStringLiteral("folders/calibration");
    if (request.defaultExtension == ".csv")
        return QStringLiteral("folders/testData");
    if (request.defaultExtension == ".pdf")
        return QStringLiteral("folders/pdf");
    return std::nullopt;
}

const QString kWindowSize = QStringLiteral("window/size");
const QString kWindowMaximized = QStringLiteral("window/maximized");

} // namespace

QString filesFolder(const std::string& appDirectory) {
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(appDirectory + "RHEO.DAT")))
        .absolutePath();
}

QString dialogFolder(const FileDialogRequest& request, bool save, const QString& programFolder) {
    const auto key = folderKey(request);
    if (!key || (save && request.defaultExtension == ".dat"))
        return programFolder;
    const QString folder = QSettings().value(*key).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : programFolder;
}

void rememberDialogFolder(const FileDialogRequest& request, const QString& chosenFile) {
    if (const auto key = folderKey(request))
        QSettings().setValue(*key, QFileInfo(chosenFile).absolutePath());
}

std::optional<WindowPlacement> rememberedWindowPlacement() {
    const QSettings settings;
    const QSize size = settings.value(kWindowSize).toSize();
    if (!size.isValid() || size.isEmpty())
        return std::nullopt;
    return WindowPlacement{size, settings.value(kWindowMaximized, true).toBool()};
}

void rememberWindowPlacement(const WindowPlacement& placement) {
    QSettings settings;
    settings.setValue(kWindowSize, placement.normalSize);
    settings.setValue(kWindowMaximized, placement.maximized);
}

} // namespace rheo
