#pragma once
// The test-run form, the main window's only view: the run's fields, the working cell by
// list, picture and keys, the recommendation, the equilibrium timer and the results list.

#include "core/session/session.hpp"

#include <QWidget>

namespace rheo {

class AlarmSound;
class HelpLauncher;

class CRHEOView : public QWidget {
    Q_OBJECT

public:
    CRHEOView(Session& session, HelpLauncher& help, AlarmSound& alarm, QWidget* parent = nullptr);
    ~CRHEOView() override;

    // File > Test Data > Load: the session loads, the list shows the rows read in front.
    void loadTestData();
    // After a calibration was loaded (or its loading cancelled) and after OK of the A/B and
    // volume dialogs: the working cell's T0 text, then RefreshRecommendation.
    void refreshCalibrationTexts();
    // The recommended pressure and T0 texts of the working cell for the estimated
    // viscosity, then the form's values shown in its controls.
    void RefreshRecommendation();

signals:
    // The text for the main window's status bar (over the picture, or elsewhere).
    void statusTextChanged(const QString& text);

private:
    Session& session_;
};

} // namespace rheo
