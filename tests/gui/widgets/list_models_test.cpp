// The models behind the lists: the texts they show, and how the views follow the rows when
// the owner adds, inserts and removes them. Qt's model checker stops the test program at
// the first notification that does not match the rows.

#include "gui/widgets/results_list_model.hpp"
#include "gui/widgets/row_texts_model.hpp"
#include "list_fixture.hpp"

#include "core/model/row_removal.hpp"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <numeric>
#include <set>

namespace rheo::testing {
namespace {

using Check = QAbstractItemModelTester;

QStringList firstColumn(const QAbstractItemModel& model) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, 0).data().toString();
    return texts;
}

// A result in the nine columns as the results list formats it, its Windows-1252 bytes
// read as such; rows of texts under their headings, missing texts empty, extra ones unseen.
TEST(ListModels, ShowTheRowsTextsUnderTheirHeadings) {
    const std::vector<TestResult> results = {{"Oil \xB5-7 & Co", 4, 3.5, 1.23456, 120.54, false,
                                              250, 20.5, makeLocalDateTime(2026, 2, 6, 9, 5)}};
    ResultsListModel model(results);
    CExtendedListCtrl list;
    list.setModel(&model);
    EXPECT_EQ(QString::fromStdString(shownRows(list)[0]),
              QString::fromUtf8("Oil \u00B5-7 & Co|4|3.500|1.235|120.5|No|250.0|20.50|"
                                "02/06/2026 09:05"));

    ShownList shown({{"Standard Name", 0.98}, {"Viscosity (mPa*s)", 0.82}},
                    {{"short"}, {"a", "b", "extra"}});
    EXPECT_EQ(shown.model.headerData(1, Qt::Horizontal).toString(), "Viscosity (mPa*s)");
    EXPECT_EQ(shownRows(*shown.list), (std::vector<std::string>{"short|", "a|b"}));
}

// Scattered rows removed from a long list: exactly the right rows stay, the selected rows
// that stay remain selected, the current row is the nearest that stays and the view keeps
// its place; whether the model announces the removal run by run or as one reset. Positions
// past the end and repeated ones are ignored, as the removal from the data ignores them.
TEST(ListModelChanges, ScatteredRemovalsLeaveExactlyTheRightRowsAndCarryTheSelectionOver) {
    constexpr std::size_t kRows = 5000;
    Rows many = {2999, kRows + 3}; // the current row, and one past the end
    for (std::size_t row = 1; row < kRows; row += 37)
        many.push_back(row);
    Rows every(kRows);
    std::iota(every.rbegin(), every.rend(), 0);
    const struct {
        const char* name;
        Rows removed;
        bool announcedAsReset;
    } cases[] = {
        {"a few runs", {4999, 0, 2999, 3000, 3001, 17, 17, 2500, 6000}, false},
        {"very many runs", many, true},
        {"every row", every, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownList shown({{"Sample", 3.0}}, numberedRows(kRows));
        Check check(&shown.model, Check::FailureReportingMode::Fatal);
        Rows selected;
        for (std::size_t row = 0; row < kRows; row += 7)
            selected.push_back(row);
        shown.list->selectRows(selected);
        shown.list->selectionModel()->setCurrentIndex(shown.model.index(2999, 0),
                                                      QItemSelectionModel::NoUpdate);
        shown.list->scrollTo(shown.model.index(2998, 0), QAbstractItemView::PositionAtTop);
        QApplication::processEvents();
        const auto topRow = [&] { return shown.list->indexAt(QPoint(2, 2)).row(); };
        ASSERT_EQ(topRow(), 2998);
        QSignalSpy resets(&shown.model, &QAbstractItemModel::modelReset);

        const std::set<std::size_t> gone(c.removed.begin(), c.removed.end());
        QStringList expectedTexts;
        Rows expectedSelection;
        int expectedCurrent = -1;
        for (std::size_t row = 0; row < kRows; ++row) {
            const int stayingAbove = static_cast<int>(expectedTexts.size());
            if (row == 2999) // removed: the nearest row above that stays
                expectedCurrent = gone.count(row) ? stayingAbove - 1 : stayingAbove;
            if (gone.count(row))
                continue;
            expectedTexts << QString("row %1").arg(row);
            if (row % 7 == 0)
                expectedSelection.push_back(static_cast<std::size_t>(stayingAbove));
        }

        removeRows(shown.rows, c.removed);
        shown.model.notifyRemoved(c.removed);
        QApplication::processEvents();
        EXPECT_EQ(firstColumn(shown.model), expectedTexts);
        EXPECT_EQ(shown.list->selectedRows(), expectedSelection);
        EXPECT_EQ(shown.list->currentIndex().row(), expectedCurrent);
        EXPECT_EQ(topRow(), expectedTexts.empty() ? -1 : 2998);
        EXPECT_EQ(resets.count(), c.announcedAsReset ? 1 : 0);
    }
}

} // namespace
} // namespace rheo::testing
