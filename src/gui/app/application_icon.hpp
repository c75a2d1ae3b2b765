// SPDX-License-Identifier: MIT
#pragma once
// The program's icon, in every size it is drawn at (16 to 256 pixels).

#include <QIcon>

namespace rheo {

QIcon applicationIcon();

} // namespace rheo
