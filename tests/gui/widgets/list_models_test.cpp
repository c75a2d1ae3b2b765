// The models behind the lists: the texts they show, and how the views follow the rows when
// the owner adds, inserts and removes them.

#include "gui/widgets/results_list_model.hpp"
#include "gui/widgets/row_texts_model.hpp"
#include "list_fixture.hpp"

#include "core/model/row_removal.hpp"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

namespace rheo::testing {
namespace {

using Rows = std::vector<std::size_t>;

QStringList rowTexts(const QAbstractItemModel& model, int row) {
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.index(row, column).data().toString();
    return texts;
}

QStringList firstColumn(const QAbstractItemModel& model) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, 0).data().toString();
    return texts;
}

// Collects what Qt's model checker finds wrong with the notifications.
class ModelCheckFailures {
public:
    ModelCheckFailures() {
        s_failures.clear();
        m_previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext& context, const QString& message) {
                if (QByteArray(context.category ? context.category : "") == "qt.modeltest")
                    s_failures << message;
            });
    }
    ~ModelCheckFailures() { qInstallMessageHandler(m_previous); }
    QStringList failures() const { return s_failures; }

private:
    static inline QStringList s_failures;
    QtMessageHandler m_previous;
};

TestResult result(std::string sampleId, int cell, bool newtonian, double pressure,
                  double effluxTime) {
    TestResult r;
    r.sampleId = std::move(sampleId);
    r.cellNumber = cell;
    r.viscosity = 3.5;
    r.shearRate = 1.23456;
    r.reynoldsNumber = 120.54;
    r.newtonian = newtonian;
    r.pressure = pressure;
    r.effluxTime = effluxTime;
    r.dateTime = makeLocalDateTime(2026, 2, 6, 9, 5);
    return r;
}

TEST(ResultsListModel, ShowsEachResultInTheNineColumnsAsTheListFormatsIt) {
    const std::vector<TestResult> results = {
        result("Oil \xB5-7 & Co", 4, false, 250, 20.5),
        result("NO_ID", 1, true, 99.95, 7.125),
    };
    ResultsListModel model(results);
    ASSERT_EQ(model.rowCount(), 2);
    ASSERT_EQ(model.columnCount(), 9);
    EXPECT_EQ(rowTexts(model, 0),
              (QStringList{QString::fromUtf8("Oil \u00B5-7 & Co"), "4", "3.500", "1.235", "120.5",
                           "No", "250.0", "20.50", "02/06/2026 09:05"}));
    EXPECT_EQ(rowTexts(model, 1), (QStringList{"NO_ID", "1", "3.500", "1.235", "120.5", "Yes",
                                               "100.0", "7.12", "02/06/2026 09:05"}));
    EXPECT_FALSE(model.index(2, 0).isValid());
    EXPECT_FALSE(model.index(0, 9).isValid());
}

TEST(RowTextsModel, ShowsTheGivenTextsUnderTheGivenHeadings) {
    std::vector<std::vector<std::string>> rows = {
        {"CABLE", "8.500", "200.0"}, {"short"}, {"a", "b", "c", "extra"}};
    RowTextsModel model(
        {{"Standard Name", 0.98}, {"Viscosity (mPa*s)", 0.82}, {"Cell #1 (psi)", 1.1}},
        [&] { return rows.size(); }, [&](std::size_t row) { return rows[row]; });
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Viscosity (mPa*s)");
    EXPECT_EQ(rowTexts(model, 0), (QStringList{"CABLE", "8.500", "200.0"}));
    EXPECT_EQ(rowTexts(model, 1), (QStringList{"short", "", ""}));
    EXPECT_EQ(rowTexts(model, 2), (QStringList{"a", "b", "c"}));
}

TEST(ListModelChanges, AppendedRowsFollowAndALoadedFileGoesInFront) {
    std::vector<TestResult> results = {result("B1", 1, true, 200, 18),
                                       result("B2", 2, true, 200, 18)};
    ResultsListModel model(results);
    ModelCheckFailures check;
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    CExtendedListCtrl list;
    list.setModel(&model);
    list.selectRows({1});

    results.push_back(result("B3", 3, true, 200, 18));
    model.notifyAppended(1);
    const std::vector<TestResult> loaded = {result("L1", 1, true, 200, 18),
                                            result("L2", 1, true, 200, 18),
                                            result("L3", 1, true, 200, 18)};
    results.insert(results.begin(), loaded.begin(), loaded.end());
    model.notifyInsertedAtFront(3);

    EXPECT_EQ(firstColumn(model), (QStringList{"L1", "L2", "L3", "B1", "B2", "B3"}));
    EXPECT_EQ(list.selectedRows(), Rows{4}) << "the selected result stays selected";
    EXPECT_EQ(list.currentIndex().row(), 4);
    EXPECT_EQ(check.failures(), QStringList());
}

// The owner's word and its data disagree: the model reads the rows again instead of
// showing rows that are not there. Positions past the end and repeated ones are ignored, as
// the removal from the data ignores them.
TEST(ListModelChanges, ANotificationThatDoesNotMatchTheDataReadsTheRowsAgain) {
    std::vector<std::vector<std::string>> rows = {{"a"}, {"b"}, {"c"}};
    RowTextsModel model(
        {{"Name", 1.0}}, [&] { return rows.size(); }, [&](std::size_t row) { return rows[row]; });
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    rows.push_back({"d"});
    model.notifyAppended(3);
    rows.erase(rows.begin());
    model.notifyRemoved({2, 3});
    rows.insert(rows.begin(), {"z"});
    model.notifyInsertedAtFront(0);
    EXPECT_EQ(firstColumn(model), (QStringList{"z", "b", "c", "d"}));
    EXPECT_EQ(resets.count(), 3);

    removeRows(rows, {1, 1, 9});
    model.notifyRemoved({1, 1, 9});
    EXPECT_EQ(firstColumn(model), (QStringList{"z", "c", "d"}));
    EXPECT_EQ(resets.count(), 3);
}

// Scattered rows removed from a long list: exactly the right rows stay, the selected rows
// that stay remain selected, the current row is the nearest that stays and the view keeps
// its place; whether the model announces the removal run by run or as one reset.
TEST(ListModelChanges, ScatteredRemovalsLeaveExactlyTheRightRowsAndCarryTheSelectionOver) {
    constexpr std::size_t kRows = 5000;
    std::mt19937 random(42);
    Rows many = {2999, kRows + 3}; // the current row, and one past the end
    for (std::size_t i = 0; i < 400; ++i)
        many.push_back(random() % kRows);
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
        ShownList shown({{"Sample", 3.0}}, numberedRows(kRows));
        ModelCheckFailures check;
        QAbstractItemModelTester tester(&shown.model,
                                        QAbstractItemModelTester::FailureReportingMode::Warning);
        Rows selected;
        for (std::size_t row = 0; row < kRows; row += 7)
            selected.push_back(row);
        shown.list->selectRows(selected);
        shown.list->selectionModel()->setCurrentIndex(shown.model.index(2999, 0),
                                                      QItemSelectionModel::NoUpdate);
        shown.list->scrollTo(shown.model.index(2998, 0), QAbstractItemView::PositionAtTop);
        QApplication::processEvents();
        const auto topRow = [&] { return shown.list->indexAt(QPoint(2, 2)).row(); };
        ASSERT_EQ(topRow(), 2998) << c.name;
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

        EXPECT_EQ(firstColumn(shown.model), expectedTexts) << c.name;
        EXPECT_EQ(shown.list->selectedRows(), expectedSelection) << c.name;
        EXPECT_EQ(shown.list->currentIndex().row(), expectedCurrent) << c.name;
        EXPECT_EQ(topRow(), expectedTexts.empty() ? -1 : 2998) << c.name;
        EXPECT_EQ(resets.count(), c.announcedAsReset ? 1 : 0) << c.name;
        EXPECT_EQ(check.failures(), QStringList()) << c.name;
    }
}

} // namespace
} // namespace rheo::testing
