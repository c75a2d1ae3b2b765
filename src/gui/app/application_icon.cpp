// SPDX-License-Identifier: MIT
#include "gui/app/application_icon.hpp"

#include <QFile>

// The icon's resources live in the static library rheo_gui; naming them here makes the
// linker keep them in every program that asks for the icon.
static void registerIconResources() {
    Q_INIT_RESOURCE(rheo);
}

namespace rheo {

QIcon applicationIcon() {
    registerIconResources();
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/icons/hicolor/%1x%1/apps/rheo.png").arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

} // namespace rheo
