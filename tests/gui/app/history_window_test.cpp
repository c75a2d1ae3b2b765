// SPDX-License-Identifier: MIT
// The history in the window: the file beside RHEO.DAT, a run's marks in the status bar and on
// its row (the row's texts unchanged), the note of a history that cannot be used, and the
// History window's plots, table, tolerance setting and exports.

#include "core/files/calibration_file.hpp"
#include "core/history/sqlite_history.hpp"
#include "core/text/c_format.hpp"
#include "core/text/program_texts.hpp"
#include "gui/app/history_window.hpp"
#include "gui/app/main_frame.hpp"
#include "gui/app/rheo_app.hpp"
#include "gui/runs/rheo_view.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/history_plot.hpp"
#include "support/temp_dir.hpp"
#include "window_test_support.hpp"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>

namespace rheo::testing {
namespace {

struct Program : Recorders {
    Program() {
        CalibrationData data;
        data.cells[0] = {1, 0.075, 15, 0.0025, 9, 0.5, 6, 18, {}, {}, 1.1e6, 1.0e6, 1.2e6};
        for (const double known : {7.0, 10.7})
            data.cells[0].abPoints.push_back({known, 18, 200, 0, 0, 0, true, "REF"});
        data.standards = {{"REF-A", 8.25}};
        dir.write("RHEO.DAT", calibrationFileText(data));
    }
    // At 18 s in cell 1: 8.5 mPa*s at 200 psi (3.03 % above REF-A), 13 at 300 psi (extrapolated).
    void run(const QString& id, const QString& pressure) {
        CRHEOView& view = app.mainFrame()->view();
        typeAndLeave(control<QLineEdit>(view, "Sample ID Name"), id);
        typeAndLeave(control<QLineEdit>(view, "Pressure (psi)"), pressure);
        typeAndLeave(control<QLineEdit>(view, "Efflux Time (sec)"), QStringLiteral("18"));
        click(*named(view, "Yes"));
        click(*named(view, "Calculate Viscosity, Shear Rate, and Reynolds Number"));
    }
    QVariant rowMark(int row, int role = Qt::DecorationRole) {
        const auto* list = app.mainFrame()->view().findChild<CExtendedListCtrl*>();
        return list->model()->index(row, 0).data(role);
    }

    TempDir dir;
    CRHEOApp app{dialogs, clock, help, reports, alarm};
};

// A check beyond the tolerance and an extrapolation are marked on their rows and told in the
// status bar; an ordinary run is not. The History window plots the cell's save and check,
// lists its records and exports them.
TEST(WindowHistory, RunsAreMarkedAndTheHistoryWindowShowsThem) {
    Program p;
    ASSERT_TRUE(p.app.InitInstance(p.dir.path().string() + "/", std::nullopt));
    EXPECT_TRUE(std::filesystem::exists(p.dir.file(kHistoryFileName)));
    p.dialogs.willChoose(p.dir.file("RHEO.dat"));
    ASSERT_TRUE(p.app.session().saveCalibration());

    p.run("ref-a", "200");
    const QLabel* note = p.app.mainFrame()->historyNote();
    EXPECT_EQ(note->text().toStdString(), cformat(history_texts::kCheckBeyondTolerance, "REF-A",
                                                  8.5 / 8.25 * 100 - 100, 8.25, 2.0));
    p.run("S", "300");
    EXPECT_EQ(note->text().toStdString(),
              cformat(history_texts::kExtrapolated, 13.0, 1, 7.0, 10.7));
    p.run("S", "200");
    EXPECT_TRUE(note->text().isEmpty());
    EXPECT_TRUE(p.rowMark(0).isValid());
    EXPECT_TRUE(p.rowMark(1).isValid());
    EXPECT_FALSE(p.rowMark(2).isValid());
    EXPECT_EQ(p.rowMark(0, Qt::ToolTipRole), "Reference check beyond the tolerance");
    EXPECT_EQ(p.rowMark(1, Qt::ToolTipRole), "Outside the standards of its cell");

    p.app.mainFrame()->showHistoryWindow();
    auto* window = p.app.mainFrame()->findChild<HistoryWindow*>();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->cellIndex(), 0);
    EXPECT_EQ(window->plots()[0]->series().points.size(), 1u); // A at the save
    ASSERT_EQ(window->plots()[4]->series().points.size(), 1u); // the check
    EXPECT_TRUE(window->plots()[4]->series().points[0].marked);
    EXPECT_EQ(window->table()->model()->rowCount(), 3); // save of cell 1, check, extrapolation
    const QString summary =
        "1 saves, 1 reference checks (1 beyond the tolerance), 1 extrapolated runs";
    EXPECT_TRUE(std::ranges::any_of(window->findChildren<QLabel*>(),
                                    [&](const QLabel* label) { return label->text() == summary; }));
    window->findChild<QDoubleSpinBox*>()->setValue(5.0);
    EXPECT_FALSE(window->plots()[4]->series().points[0].marked);
    EXPECT_EQ(historyCheckTolerance(), 5.0);
    setHistoryCheckTolerance(kDefaultCheckTolerance);

    p.dialogs.willChoose(p.dir.file("history.csv"));
    ASSERT_TRUE(window->exportCsv());
    EXPECT_NE(TempDir::read(p.dir.file("history.csv")).find("check,1,ref-a,8.5"),
              std::string::npos);
    p.dialogs.willChoose(p.dir.file("history.pdf"));
    ASSERT_TRUE(window->exportPdf());
    EXPECT_EQ(TempDir::read(p.dir.file("history.pdf")).substr(0, 5), "%PDF-");
}

// A damaged history file is left as it is; the status bar says once that the program goes
// on without history, and runs are accepted as ever.
TEST(WindowHistory, ADamagedFileIsToldAndLeftAlone) {
    Program p;
    const std::string garbage(2048, '\x13');
    const std::string path = p.dir.write(kHistoryFileName, garbage);
    ASSERT_TRUE(p.app.InitInstance(p.dir.path().string() + "/", std::nullopt));
    const QLabel* note = p.app.mainFrame()->historyNote();
    EXPECT_TRUE(note->text().contains("cannot be used")) << note->text().toStdString();
    p.run("S", "200");
    EXPECT_TRUE(note->text().isEmpty());
    EXPECT_EQ(p.app.session().results().size(), 1u);
    EXPECT_EQ(TempDir::read(path), garbage);
}

} // namespace
} // namespace rheo::testing
