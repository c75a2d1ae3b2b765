// SPDX-License-Identifier: MIT
#include "gui/app/about_dialog.hpp"

#include "core/model/version.hpp"

#include "gui/app/application_icon.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rheo {
namespace {

constexpr int kIconSize = 48; // device-independent pixels; sharp at any scale

// The notice of the LICENSE file, in short.
constexpr const char* kLicence = "Copyright (c) 2026 The RHEO viscometer calculator developers\n"
                                 "Licensed under the MIT licence.";

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent), icon_(new QLabel), version_(new QLabel(QString::fromLatin1(kVersionText))),
      licence_(new QLabel(QString::fromLatin1(kLicence))),
      ok_(new QPushButton(QStringLiteral("OK"))) {
    setWindowTitle(QStringLiteral("About RHEO"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    setAccessibleName(QStringLiteral("About RHEO"));

    const QIcon icon = applicationIcon();
    setWindowIcon(icon);
    icon_->setPixmap(icon.pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
    icon_->setFixedSize(kIconSize, kIconSize);
    icon_->setAccessibleName(QStringLiteral("RHEO icon"));

    QFont versionFont = version_->font();
    versionFont.setPointSizeF(versionFont.pointSizeF() * 1.15);
    versionFont.setBold(true);
    version_->setFont(versionFont);
    version_->setAccessibleName(QStringLiteral("Version"));
    version_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    licence_->setAccessibleName(QStringLiteral("Licence"));
    licence_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    ok_->setAccessibleName(QStringLiteral("OK"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon_, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    texts->addWidget(version_);
    texts->addWidget(licence_);
    top->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setSpacing(18);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    version_->setMinimumWidth(version_->sizeHint().width() + 40);
}

} // namespace rheo
