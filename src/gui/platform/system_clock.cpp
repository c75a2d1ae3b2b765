// SPDX-License-Identifier: MIT
#include "gui/platform/system_clock.hpp"

#include <QDateTime>

namespace rheo {

LocalDateTime SystemClock::now() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    // A leap second is held as the 59th.
    return makeLocalDateTime(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                             time.second() > 59 ? 59 : time.second());
}

} // namespace rheo
