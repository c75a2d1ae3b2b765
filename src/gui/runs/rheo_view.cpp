#include "gui/runs/rheo_view.hpp"

// The form's shell: the main window's contract with its view. The fields, the results list,
// the pictures and the timer are added on top of it.

namespace rheo {

CRHEOView::CRHEOView(Session& session, HelpLauncher&, AlarmSound&, QWidget* parent)
    : QWidget(parent), session_(session) {}

CRHEOView::~CRHEOView() = default;

void CRHEOView::loadTestData() {
    session_.loadResults();
}

void CRHEOView::refreshCalibrationTexts() {
    RefreshRecommendation();
}

void CRHEOView::RefreshRecommendation() {}

} // namespace rheo
