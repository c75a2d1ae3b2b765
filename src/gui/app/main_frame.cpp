// SPDX-License-Identifier: MIT
#include "gui/app/main_frame.hpp"

#include "core/files/safe_file_writer.hpp"
#include "gui/app/about_dialog.hpp"
#include "gui/app/history_window.hpp"
#include "gui/help/help_launcher.hpp"
#include "gui/help/help_pages.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/platform/remembered_places.hpp"
#include "gui/runs/rheo_view.hpp"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

namespace rheo {
namespace {

const QString kTitle = QString::fromLatin1(kMainWindowTitle);

// The old program's main window opened at this size before it was maximized.
constexpr int kNormalWidth = 788;
constexpr int kNormalHeight = 577;

QAction* addCommand(QMenu* menu, const QString& text, const QString& prompt,
                    const std::function<void()>& run) {
    QAction* action = menu->addAction(text);
    action->setStatusTip(prompt);
    QObject::connect(action, &QAction::triggered, menu, run);
    return action;
}

FileDialogRequest pdfDialog(const std::string& title, const std::string& defaultName) {
    return {title, defaultName, ".pdf", "PDF Document (*.pdf)|*.pdf", true};
}

// "all cells" or "cell 3", as the calibration prompts name the report.
QString cellsNamed(std::optional<int> cellIndex) {
    return cellIndex ? QStringLiteral("cell %1").arg(*cellIndex + 1) : QStringLiteral("all cells");
}

} // namespace

CMainFrame::CMainFrame(WindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
    setWindowTitle(kTitle); // its icon is the application's
    buildFileMenu();
    buildCalibrationMenu();
    buildHelpMenu();

    // One pane: "Ready", hidden while a command's prompt or the form's hint is shown.
    ready_ = new QLabel(QStringLiteral("Ready"), this);
    statusBar()->addWidget(ready_, 1);
    // Where RHEO.DAT is loaded from at start and the file dialogs first open.
    const QString folder = QDir::toNativeSeparators(filesFolder(services_.session.appDirectory()));
    auto* folderLabel = new QLabel(QStringLiteral("Folder: %1").arg(folder), this);
    folderLabel->setToolTip(QStringLiteral("The program's files: RHEO.DAT, loaded at start, and "
                                           "RHEO.chm"));
    folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addPermanentWidget(folderLabel);
    statusBar()->setSizeGripEnabled(true);

    // The marks of the last run and the history's notes, beside the prompts.
    historyNote_ = new QLabel(this);
    historyNote_->setStyleSheet(QStringLiteral("color: #cc3333"));
    statusBar()->addPermanentWidget(historyNote_);

    view_ = new CRHEOView(services_.session, services_.help, services_.alarm, this);
    setCentralWidget(view_);
    connect(view_, &CRHEOView::statusTextChanged, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(view_, &CRHEOView::runAccepted, this, [this] { showHistoryNotes(true); });

    resize(kNormalWidth, kNormalHeight);
    move(0, 0);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));

    QMenu* testData = file->addMenu(QStringLiteral("&Test Data"));
    addCommand(testData, QStringLiteral("&Load ..."), QStringLiteral("Load test data from a file"),
               [this] { view_->loadTestData(); });
    addCommand(testData, QStringLiteral("&Save ..."), QStringLiteral("Save test data to a file"),
               [this] { services_.session.saveResults(); });
    addCommand(testData, QStringLiteral("&Print ..."),
               QStringLiteral("Print test data to any windows printer"),
               [this] { printTestDataTo(ReportWay::Print); });
    addCommand(testData, QStringLiteral("Print Pre&view ..."),
               QStringLiteral("Show the test data report as it will be printed"),
               [this] { printTestDataTo(ReportWay::Preview); });
    addCommand(testData, QStringLiteral("&Export PDF ..."),
               QStringLiteral("Save the test data report as a PDF file"),
               [this] { printTestDataTo(ReportWay::PdfFile); });

    QMenu* calibration = file->addMenu(QStringLiteral("&Calibration Data"));
    addCommand(calibration, QStringLiteral("&Load ..."),
               QStringLiteral("Load calibration data from a file"), [this] { loadCalibration(); });
    addCommand(calibration, QStringLiteral("&Save ..."),
               QStringLiteral("Save calibration data to a file"), [this] {
                   services_.session.saveCalibration();
                   showHistoryNotes(false);
               });
    addCalibrationReportMenu(calibration, QStringLiteral("&Print"), ReportWay::Print);
    addCalibrationReportMenu(calibration, QStringLiteral("Print Pre&view"), ReportWay::Preview);
    addCalibrationReportMenu(calibration, QStringLiteral("&Export PDF"), ReportWay::PdfFile);

    file->addSeparator();
    QAction* exit = addCommand(file, QStringLiteral("E&xit"),
                               QStringLiteral("Exit the RHEO application"), [this] { close(); });
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void CMainFrame::addCalibrationReportMenu(QMenu* parent, const QString& title, ReportWay way) {
    QMenu* menu = parent->addMenu(title);
    const auto prompt = [way](std::optional<int> cellIndex) {
        switch (way) {
        case ReportWay::Print:
            return QStringLiteral("Print calibration data for %1").arg(cellsNamed(cellIndex));
        case ReportWay::Preview:
            return QStringLiteral("Show the calibration report for %1 as it will be printed")
                .arg(cellsNamed(cellIndex));
        case ReportWay::PdfFile:
            break;
        }
        return QStringLiteral("Save the calibration report for %1 as a PDF file")
            .arg(cellsNamed(cellIndex));
    };
    addCommand(menu, QStringLiteral("&All"), prompt(std::nullopt),
               [this, way] { printCalibrationTo(way, std::nullopt); });
    for (int index = 0; index < kCellCount; ++index) {
        addCommand(menu, QStringLiteral("Cell &%1").arg(index + 1), prompt(index),
                   [this, way, index] { printCalibrationTo(way, index); });
    }
}

void CMainFrame::buildCalibrationMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Calibration"));
    const struct {
        const char* text;
        const char* prompt;
        CalibrationDialog dialog;
    } commands[] = {
        {"&General Settings ...", "General Settings", CalibrationDialog::GeneralSettings},
        {"Cell &Data ...", "Edit data for the cells", CalibrationDialog::CellData},
        {"Cell &Volumes ...", "Calculate volume for the cells", CalibrationDialog::CellVolumes},
        {"&A B Calculation ...", "Calculate the A and B constants for the cells",
         CalibrationDialog::AbCalculation},
        {"&Standard Viscosities ...", "Edit the standard vicosities used for estimating pressures",
         CalibrationDialog::StandardViscosities},
    };
    for (const auto& command : commands) {
        const CalibrationDialog dialog = command.dialog;
        addCommand(menu, QString::fromUtf8(command.text), QString::fromUtf8(command.prompt),
                   [this, dialog] { services_.openCalibrationDialog(dialog); });
    }
    menu->addSeparator();
    addCommand(menu, QStringLiteral("&History ..."),
               QStringLiteral("Show the calibrations and reference checks of the cells over time"),
               [this] { showHistoryWindow(); });
}

void CMainFrame::showHistoryNotes(bool afterRun) {
    Session& session = services_.session;
    QString text = afterRun ? toQt(session.lastRunNote()) : historyNote_->text();
    if (const auto notice = session.takeHistoryNotice())
        text = afterRun && !text.isEmpty() ? text + QStringLiteral("  ") + toQt(*notice)
                                           : toQt(*notice);
    historyNote_->setText(text);
}

void CMainFrame::showHistoryWindow() {
    if (!historyWindow_) {
        historyWindow_ = new HistoryWindow(services_.session, this);
        historyWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    historyWindow_->show();
    historyWindow_->raise();
    historyWindow_->activateWindow();
}

void CMainFrame::buildHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(menu, QStringLiteral("&About RHEO Calculator"),
               QStringLiteral("Display program information, version number and copyright"),
               [this] { showAbout(); });
    addCommand(menu, QStringLiteral("&Contents"), QStringLiteral("Detailed help"), [this] {
        services_.help.showHelpPage(
            helpPagePath(services_.session.appDirectory(), HelpPage::Welcome));
    });
}

void CMainFrame::loadCalibration() {
    services_.session.loadCalibration();
    // Also after a cancel or a refused file: the form shows the calibration in memory.
    view_->refreshCalibrationTexts();
}

void CMainFrame::printTestDataTo(ReportWay way) {
    Session& session = services_.session;
    // The preview holds every page; printing and the PDF go a page at a time.
    if (way == ReportWay::Preview && !session.confirmTestDataPreview())
        return;
    sendReport(
        way, [&session](DrawingSurface& surface) { session.PrintTestData(surface); },
        pdfDialog("Export Test Data as PDF", "RHEO_Results.pdf"));
}

void CMainFrame::printCalibrationTo(ReportWay way, std::optional<int> cellIndex) {
    Session& session = services_.session;
    const std::string name = cellIndex
                                 ? "RHEO_Calibration_Cell" + std::to_string(*cellIndex + 1) + ".pdf"
                                 : std::string("RHEO_Calibration.pdf");
    sendReport(
        way,
        [&session, cellIndex](DrawingSurface& surface) {
            session.PrintCalibration(surface, cellIndex);
        },
        pdfDialog("Export Calibration Data as PDF", name));
}

void CMainFrame::sendReport(ReportWay way, const ReportDrawing& draw,
                            const FileDialogRequest& pdfRequest) {
    UserDialogs& dialogs = services_.session.dialogs();
    std::string error;
    switch (way) {
    case ReportWay::Print:
        if (!services_.reports.print(draw, error, this) && !error.empty())
            dialogs.inform(error);
        return;
    case ReportWay::Preview:
        services_.reports.preview(draw, this);
        return;
    case ReportWay::PdfFile:
        if (const auto path = dialogs.chooseFileToSave(pdfRequest)) {
            if (!services_.reports.exportPdf(*path, draw, error))
                dialogs.inform(error);
        }
        return;
    }
}

void CMainFrame::showAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::showAsLeft() {
    const auto placement = rememberedWindowPlacement();
    if (placement)
        resize(placement->normalSize);
    if (!placement || placement->maximized)
        showMaximized();
    else
        show();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The close box and File > Exit: the save questions, then "Are you sure ...".
    if (!services_.session.confirmExit()) {
        event->ignore();
        return;
    }
    rememberWindowPlacement({normalGeometry().size(), isMaximized()});
    event->accept();
}

} // namespace rheo
