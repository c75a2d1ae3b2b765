// SPDX-License-Identifier: MIT
#pragma once
// A calibration dialog on the bench: the program's session over a calibration the test
// chooses, the person at the bench scripted (noting what the dialog showed as each message
// appeared), and help recorded; the five dialogs and the controls they are worked with.

#include "core/calibration/ab_regression.hpp"
#include "core/calibration/calibration_fixtures.hpp"
#include "core/calibration/volume_calculation.hpp"
#include "core/session/session.hpp"
#include "core/text/program_texts.hpp"
#include "gui/dialogs/ab_dialog.hpp"
#include "gui/dialogs/calibration_dialog.hpp"
#include "gui/dialogs/cell_data_dialog.hpp"
#include "gui/dialogs/settings_dialog.hpp"
#include "gui/dialogs/target_pressure_table.hpp"
#include "gui/dialogs/volume_dialog.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"

#include "support/scripted_dialogs.hpp"
#include "window_test_support.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rheo::testing {

class WatchingDialogs : public ScriptedDialogs {
public:
    void inform(const std::string& message) override {
        if (watch)
            seenAtMessages.push_back(watch());
        ScriptedDialogs::inform(message);
    }

    // What the dialog shows, asked at each message.
    std::function<std::string()> watch;
    std::vector<std::string> seenAtMessages;
};

struct Bench {
    // The form's working cell is `formCell` (index 0 to 4).
    explicit Bench(CalibrationData data = {}, int formCell = 0)
        : session(dialogs, clock, std::move(data)) {
        session.selectCell(formCell);
    }

    WatchingDialogs dialogs;
    FixedClock clock{kTestTime};
    RecordingHelp help;
    Session session;
};

// Every cell calibrated, with what the A/B and volume calculations need: radius 0.075 mm,
// working shear rate 1.4e6 1/s, volume 6 ml and T0 18 s, and no weighings or runs yet.
inline CalibrationData readyCalibration() {
    CalibrationData data;
    data.cells.fill(kCalibratedCell);
    return data;
}

using OpenDialog = std::function<std::unique_ptr<CalibrationDialogBase>(Bench&)>;
template <typename Dialog> OpenDialog opener() {
    return [](Bench& bench) { return std::make_unique<Dialog>(bench.session, bench.help); };
}

} // namespace rheo::testing
