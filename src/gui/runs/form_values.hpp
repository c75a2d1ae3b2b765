// SPDX-License-Identifier: MIT
#pragma once
// The values of the test-run form and their exchange with its controls. The form holds the
// sample ID, the Newtonian flag, the efflux time, the pressure, the estimated viscosity and
// the two recommendation texts; the number fields hold their own values. "Showing" writes
// every value into its control; "taking" reads the controls back in the form's order
// (sample ID, efflux time, pressure, estimated viscosity). A number field is validated when
// the keyboard focus leaves it: a value outside its range is told with the field's message,
// the value held before comes back and the field gets the focus again.

#include "core/model/field_rules.hpp"
#include "core/runs/recommendation.hpp"
#include "core/runs/run_calculation.hpp"
#include "core/seams/user_dialogs.hpp"
#include "gui/runs/form_controls.hpp"

#include <QObject>

#include <string>

namespace rheo {

class FormValues : public QObject {
    Q_OBJECT

public:
    // Starts with an empty sample ID, 18 s, 200 psi, 2 mPa*s, "Yes" and the texts "N/A"
    // and empty; shows nothing yet.
    FormValues(const FormControls& controls, UserDialogs& dialogs, QObject* parent = nullptr);

    // Writes every value into its control.
    void show();
    // Reads the controls in the form's order. A number field whose text is no number is
    // told and shows its value again; it and the fields after it keep their values.
    void take();
    // What a click on a cell number does first: the sample ID taken, then the pressure,
    // the efflux time and the estimated viscosity validated, in that order.
    void takeBeforeCellChange();

    RunInput runInput() const;
    double estimatedViscosity() const;
    void setRecommendation(const RecommendationText& texts);
    // The sample ID an accepted run stored, shown the next time the values are shown.
    void setSampleId(const std::string& sampleId);
    // A result's sample ID, pressure, efflux time and Newtonian flag ("Yes" or "No" checked
    // at once); the fields show them the next time the values are shown.
    void recall(const TestResult& result);

signals:
    // The estimated viscosity was left (or taken) holding a valid value.
    void estimatedViscosityAccepted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // False when the field refused its value.
    bool validate(NumberEdit& field, NumberField rule);
    void setNewtonian(bool newtonian);

    FormControls controls_;
    UserDialogs& dialogs_;
    std::string sampleId_;
    bool newtonian_ = true;
    RecommendationText texts_{"N/A", ""};
    // Set while fields are taken: a message box, or the focus given back to a refused
    // field, makes other fields lose the focus, and those must not be taken again then.
    bool exchanging_ = false;
};

} // namespace rheo
