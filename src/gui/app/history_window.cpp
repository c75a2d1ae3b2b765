// SPDX-License-Identifier: MIT
#include "gui/app/history_window.hpp"

#include "core/files/output_target.hpp"
#include "core/files/safe_file_writer.hpp"
#include "core/history/history_listing.hpp"
#include "core/history/quality_checks.hpp"
#include "core/session/session.hpp"
#include "core/text/program_texts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/widgets/history_plot.hpp"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QTableView>
#include <QVBoxLayout>

namespace rheo {
namespace {

const char kToleranceKey[] = "History/CheckTolerance";

QSettings settings() {
    return QSettings(QStringLiteral("RHEO"), QStringLiteral("RHEO"));
}

// The columns the printed table has room for, out of the listing's.
constexpr int kPrintedColumns[] = {0, 2, 4, 5, 11, 13, 14, 15, 16, 17, 19, 1};

} // namespace

double historyCheckTolerance() {
    bool ok = false;
    const double percent = settings().value(kToleranceKey, kDefaultCheckTolerance).toDouble(&ok);
    return ok && percent >= 0.0 ? percent : kDefaultCheckTolerance;
}

void setHistoryCheckTolerance(double percent) {
    settings().setValue(kToleranceKey, percent);
}

// The records of one cell under the listing's columns.
class HistoryTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRecords(std::vector<const HistoryEntry*> records) {
        beginResetModel();
        records_ = std::move(records);
        endResetModel();
    }
    const std::vector<const HistoryEntry*>& records() const { return records_; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(records_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(historyColumns().size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return toQt(historyRow(*records_[static_cast<std::size_t>(
            index.row())])[static_cast<std::size_t>(index.column())]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return QAbstractTableModel::headerData(section, orientation, role);
        return toQt(historyColumns()[static_cast<std::size_t>(section)]);
    }

private:
    std::vector<const HistoryEntry*> records_;
};

HistoryWindow::HistoryWindow(Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setWindowTitle(QStringLiteral("Calibration History"));

    cell_ = new QComboBox(this);
    for (int i = 1; i <= kCellCount; ++i)
        cell_->addItem(QStringLiteral("Cell %1").arg(i));
    tolerance_ = new QDoubleSpinBox(this);
    tolerance_->setRange(0.0, 100.0);
    tolerance_->setDecimals(2);
    tolerance_->setSuffix(QStringLiteral(" %"));
    tolerance_->setValue(session_.checkTolerance());
    auto* csv = new QPushButton(QStringLiteral("Export &CSV ..."), this);
    auto* pdf = new QPushButton(QStringLiteral("Export &PDF ..."), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    summary_ = new QLabel(this);

    auto* top = new QHBoxLayout;
    top->addWidget(cell_);
    top->addWidget(new QLabel(QStringLiteral("Reference check tolerance:"), this));
    top->addWidget(tolerance_);
    top->addWidget(summary_, 1);
    top->addWidget(csv);
    top->addWidget(pdf);
    top->addWidget(close);

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < plots_.size(); ++i) {
        plots_[i] = new HistoryPlot(this);
        grid->addWidget(plots_[i], static_cast<int>(i / 3), static_cast<int>(i % 3));
    }
    model_ = new HistoryTableModel(this);
    table_ = new QTableView(this);
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    // The widths from the first rows: a cell may hold ten thousand.
    table_->horizontalHeader()->setResizeContentsPrecision(50);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid, 3);
    layout->addWidget(table_, 2);

    connect(cell_, &QComboBox::currentIndexChanged, this, [this](int index) { showCell(index); });
    connect(tolerance_, &QDoubleSpinBox::valueChanged, this,
            [this](double percent) { setTolerance(percent); });
    connect(csv, &QPushButton::clicked, this, [this] { exportCsv(); });
    connect(pdf, &QPushButton::clicked, this, [this] { exportPdf(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(1100, 760);
    showCell(session_.currentCell());
}

HistoryWindow::~HistoryWindow() = default;

int HistoryWindow::cellIndex() const {
    return cell_->currentIndex();
}

void HistoryWindow::showCell(int index) {
    if (index < 0 || index >= kCellCount)
        return;
    if (cell_->currentIndex() != index) {
        cell_->setCurrentIndex(index); // comes back here through the signal
        return;
    }
    auto& entries = entries_[static_cast<std::size_t>(index)];
    if (!entries) {
        entries.emplace();
        HistoryQuery query;
        query.cellNumber = index + 1;
        query.notableRunsOnly = true;
        readWhole_ &= session_.history().forEach(
            query, [&entries](const HistoryEntry& entry) { entries->push_back(entry); });
    }
    std::vector<const HistoryEntry*> records;
    for (const HistoryEntry& entry : *entries)
        records.push_back(&entry);
    model_->setRecords(std::move(records));
    table_->resizeColumnsToContents();
    buildPlots();
}

void HistoryWindow::setTolerance(double percent) {
    session_.setCheckTolerance(percent);
    setHistoryCheckTolerance(percent);
    buildPlots();
}

void HistoryWindow::buildPlots() {
    std::array<HistorySeries, 5> series;
    series[0].title = "A";
    series[1].title = "B";
    series[2].title = "RMS % Diff";
    series[3].title = "T0 (sec)";
    series[4].title = "Reference checks: deviation (%)";
    const double tolerance = session_.checkTolerance();
    series[4].band = tolerance;
    int checks = 0, beyond = 0, extrapolated = 0;
    for (const HistoryEntry* entry : model_->records()) {
        if (const auto* c = std::get_if<CalibrationEntry>(entry)) {
            const double day = dayNumber(c->at);
            series[0].points.push_back({day, c->cell.constantA, false});
            series[1].points.push_back({day, c->cell.constantB, false});
            series[2].points.push_back({day, c->cell.rmsPercentDiff, false});
            series[3].points.push_back({day, c->cell.targetEffluxTime, false});
            continue;
        }
        const RunRecord& run = std::get<RunRecord>(*entry);
        extrapolated += run.extrapolated ? 1 : 0;
        if (!run.check)
            continue;
        const bool out = beyondTolerance(*run.check, tolerance);
        ++checks;
        beyond += out ? 1 : 0;
        series[4].points.push_back(
            {dayNumber(run.result.dateTime), run.check->deviationPercent, out});
    }
    const std::size_t saves = series[0].points.size();
    for (std::size_t i = 0; i < plots_.size(); ++i)
        plots_[i]->setSeries(std::move(series[i]));
    QString summary = QString::fromUtf8(history_texts::kWindowSummary)
                          .arg(saves)
                          .arg(checks)
                          .arg(beyond)
                          .arg(extrapolated);
    if (!readWhole_)
        summary += QString::fromUtf8(history_texts::kWindowNotReadWhole);
    summary_->setText(summary);
}

bool HistoryWindow::exportCsv() {
    const auto path = session_.dialogs().chooseFileToSave(
        {"Export History as CSV", "RHEO-history.csv", ".csv", "CSV File (*.csv)|*.csv", true});
    if (!path)
        return false;
    std::string text = csvLine(historyColumns()) + "\r\n";
    for (const HistoryEntry* entry : model_->records())
        text += csvLine(historyRow(*entry)) + "\r\n";
    const SaveOutcome outcome = saveBytesSafely(*path, text);
    if (!outcome.saved)
        session_.dialogs().inform(saveFailedMessage(*path, outcome.reason));
    return outcome.saved;
}

bool HistoryWindow::exportPdf() {
    const auto path = session_.dialogs().chooseFileToSave(
        {"Export History as PDF", "RHEO-history.pdf", ".pdf", "PDF Document (*.pdf)|*.pdf", true});
    if (!path)
        return false;
    if (const auto refusal = outputTargetRefusal(*path)) {
        session_.dialogs().inform(saveFailedMessage(*path, *refusal));
        return false;
    }
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(*path)));
    if (!file.open(QIODevice::WriteOnly)) {
        session_.dialogs().inform(saveFailedMessage(*path, file.errorString().toStdString()));
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Calibration History, Cell %1").arg(cellIndex() + 1));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        QPainter painter(&writer);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(7.5);
        painter.setFont(font);
        const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        const QFontMetricsF metrics(font, &writer);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::Text, Qt::black);
        const double heading = metrics.height() * 2;
        painter.drawText(QRectF(0, 0, page.width(), heading), Qt::AlignLeft | Qt::AlignVCenter,
                         writer.title() + QStringLiteral(" - ") + summary_->text());
        const double w = page.width() / 3, h = (page.height() - heading) / 2;
        for (std::size_t i = 0; i < plots_.size(); ++i)
            HistoryPlot::paint(painter,
                               QRectF(w * static_cast<double>(i % 3),
                                      heading + h * static_cast<double>(i / 3), w, h)
                                   .adjusted(8, 8, -8, -8),
                               plots_[i]->series(), font, palette);

        // The table, its headings on every page.
        const double rowHeight = metrics.height() * 1.25;
        const double columnWidth = page.width() / static_cast<double>(std::size(kPrintedColumns));
        const auto drawRow = [&](double top, const std::vector<std::string>& texts) {
            for (std::size_t i = 0; i < std::size(kPrintedColumns); ++i)
                painter.drawText(
                    QRectF(columnWidth * static_cast<double>(i), top, columnWidth - 4, rowHeight),
                    Qt::AlignLeft | Qt::AlignVCenter,
                    metrics.elidedText(toQt(texts[static_cast<std::size_t>(kPrintedColumns[i])]),
                                       Qt::ElideRight, columnWidth - 4));
        };
        double top = page.height();
        for (const HistoryEntry* entry : model_->records()) {
            if (top + rowHeight > page.height()) {
                writer.newPage();
                drawRow(0, historyColumns());
                top = rowHeight * 1.5;
            }
            drawRow(top, historyRow(*entry));
            top += rowHeight;
        }
    }
    if (!file.commit()) {
        session_.dialogs().inform(saveFailedMessage(*path, file.errorString().toStdString()));
        return false;
    }
    return true;
}

} // namespace rheo
