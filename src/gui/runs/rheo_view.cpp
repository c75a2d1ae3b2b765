// SPDX-License-Identifier: MIT
#include "gui/runs/rheo_view.hpp"

// The form itself: its controls in their places, the working cell by every way the form
// offers, the recommendation, help, the painting of its background and the mouse over it.
// The results list and the run's outcome are in rheo_view_results.cpp.

#include "gui/help/help_launcher.hpp"
#include "gui/help/help_pages.hpp"
#include "gui/runs/form_arrangement.hpp"
#include "gui/runs/form_timer.hpp"
#include "gui/runs/form_values.hpp"
#include "gui/runs/multi_line_button.hpp"
#include "gui/widgets/cell_switch_keys.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>

namespace rheo {
namespace {

// What a screen reader reads of the countdown, which the form draws on its background: a
// text in the countdown's place that draws nothing itself and lets the mouse through.
class CountdownReading : public QLabel {
public:
    explicit CountdownReading(QWidget* form) : QLabel(form) {
        setTextFormat(Qt::PlainText);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleDescription(QStringLiteral("Temperature equilibrium countdown"));
    }

protected:
    void paintEvent(QPaintEvent*) override {}
};

} // namespace

CRHEOView::CRHEOView(Session& session, HelpLauncher& help, AlarmSound& alarm, QWidget* parent)
    : QWidget(parent), session_(session), help_(help) {
    // The form paints all of its background itself, in one pass.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFont(formFont());

    controls_ = createFormControls(*this);
    arrangeControls();
    background_ = std::make_unique<FormBackground>(*arrangement_);

    values_ = new FormValues(controls_, session_.dialogs(), this);
    connect(values_, &FormValues::estimatedViscosityAccepted, this,
            &CRHEOView::RefreshRecommendation);
    timer_ = new FormTimer(session_, alarm, *controls_.timerButton, *this);
    connect(timer_, &FormTimer::showFormValues, values_, &FormValues::show);
    auto* countdownReading = new CountdownReading(this);
    countdownReading->setGeometry(arrangement_->timerText().rect);
    connect(timer_, &FormTimer::repaintTimerText, this, [this, countdownReading] {
        countdownReading->setText(timer_->text());
        update(arrangement_->timerText().rect);
    });
    connect(controls_.calculate, &QPushButton::clicked, this, &CRHEOView::calculate);
    connectCellSelection();
    connectResultsList();

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &CRHEOView::showHelp);

    // The form opens on cell 1 ("Yes" is checked by the values), with its recommendation.
    session_.selectCell(0);
    showWorkingCell();
}

CRHEOView::~CRHEOView() = default;

void CRHEOView::arrangeControls() {
    const DialogUnits units = DialogUnits::forFont(fontMetrics());
    arrangement_ = std::make_unique<FormArrangement>(units, logicalDpiX(), logicalDpiY(),
                                                     minimumControlSizes(controls_, units));
    for (const TemplateControl& entry : formTemplate())
        controls_.widget(entry.control)->setGeometry(arrangement_->place(entry.control));
    setMinimumSize(arrangement_->minimumFormSize());
}

void CRHEOView::connectCellSelection() {
    connect(controls_.cellList, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        session_.selectCell(index);
        showWorkingCell();
    });
    auto* keys = new CellSwitchKeys(this);
    connect(keys, &CellSwitchKeys::nextCell, this, [this] {
        session_.selectNextCell();
        showWorkingCell();
    });
    connect(keys, &CellSwitchKeys::previousCell, this, [this] {
        session_.selectPreviousCell();
        showWorkingCell();
    });
}

void CRHEOView::showWorkingCell() {
    {
        const QSignalBlocker quiet(controls_.cellList);
        controls_.cellList->setCurrentIndex(session_.currentCell());
    }
    update(background_->picture().pictureRect());
    RefreshRecommendation();
}

void CRHEOView::refreshCalibrationTexts() {
    RefreshRecommendation();
}

void CRHEOView::RefreshRecommendation() {
    values_->setRecommendation(session_.recommendation(values_->estimatedViscosity()));
    values_->show();
}

const CellPictureLayout& CRHEOView::pictureLayout() const {
    return background_->picture();
}

QString CRHEOView::timerText() const {
    return timer_->text();
}

QRect CRHEOView::timerTextRect() const {
    return arrangement_->timerText().rect;
}

void CRHEOView::showHelp() {
    help_.showHelpPage(helpPagePath(session_.appDirectory(), HelpPage::Welcome));
}

void CRHEOView::paintEvent(QPaintEvent* event) {
    window()->setWindowTitle(QString::fromLatin1(kMainWindowTitle));
    QPainter painter(this);
    const QScreen* display = screen();
    background_->paint(painter, event->rect(), session_.currentCell(), timer_->text(), palette(),
                       display != nullptr ? display->depth() : 32);
}

void CRHEOView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (const auto cell = background_->cellAt(event->position())) {
            values_->takeBeforeCellChange();
            session_.selectCell(*cell);
            showWorkingCell();
        }
    }
    QWidget::mousePressEvent(event);
}

void CRHEOView::mouseMoveEvent(QMouseEvent* event) {
    emit statusTextChanged(background_->statusTextAt(event->position()));
    QWidget::mouseMoveEvent(event);
}

void CRHEOView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    controls_.results->setGeometry(arrangement_->listRect(size()));
}

} // namespace rheo
