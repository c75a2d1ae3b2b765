// SPDX-License-Identifier: MIT
#pragma once
// The test-run form, the main window's only view: the run's fields, the working cell by
// list, picture and keys, the recommendation, the equilibrium timer and the results list.

#include "core/session/session.hpp"
#include "gui/runs/form_background.hpp"
#include "gui/runs/form_controls.hpp"

#include <QWidget>

#include <memory>

namespace rheo {

class AlarmSound;
class FormArrangement;
class FormTimer;
class FormValues;
class HelpLauncher;
class ResultsListModel;

// The main window's title, set again each time the form paints.
inline constexpr const char* kMainWindowTitle = "Vantor Viscosity Calculator";

class CRHEOView : public QWidget {
    Q_OBJECT

public:
    CRHEOView(Session& session, HelpLauncher& help, AlarmSound& alarm, QWidget* parent = nullptr);
    ~CRHEOView() override;

    // File > Test Data > Load: the session loads, the list shows the rows read in front.
    void loadTestData();
    // After a calibration was loaded (or its loading cancelled) and after OK of any
    // calibration dialog: the working cell's T0 text, then RefreshRecommendation.
    void refreshCalibrationTexts();
    // The recommended pressure and T0 texts of the working cell for the estimated
    // viscosity, then the form's values shown in its controls.
    void RefreshRecommendation();

    // The cell picture as the form last drew it, with its number boxes.
    const CellPictureLayout& pictureLayout() const;
    // The countdown drawn on the form, and the rectangle repainted when it changes.
    QString timerText() const;
    QRect timerTextRect() const;

signals:
    // The text for the main window's status bar (over the picture, or elsewhere).
    void statusTextChanged(const QString& text);
    // A run was accepted and appended to the list (its marks and the history's note are
    // in the session).
    void runAccepted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The form's context menu is the results list's: "Delete" while the list has the focus
    // and a selection.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void arrangeControls();
    void connectCellSelection();
    void connectResultsList();
    // The working cell changed: the cell list, the picture and the recommendation follow.
    void showWorkingCell();
    void calculate();
    void recallSelectedRow();
    void deleteSelectedResults();
    void offerDeleteMenu(const QPoint& globalPosition);
    void showHelp();

    Session& session_;
    HelpLauncher& help_;
    FormControls controls_;
    std::unique_ptr<FormArrangement> arrangement_;
    std::unique_ptr<FormBackground> background_;
    FormValues* values_ = nullptr;
    FormTimer* timer_ = nullptr;
    ResultsListModel* resultsModel_ = nullptr;
};

} // namespace rheo
