// How a cell text is cut to its column, and how wide the columns are.

#include "gui/widgets/results_list_model.hpp"
#include "list_fixture.hpp"

#include <QFontInfo>
#include <QHeaderView>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

TEST(FitText, WholeWhenItFitsElseTheLongestFittingBeginningFollowedByDots) {
    const QFont font = fixedListFont();
    ASSERT_EQ(QFontInfo(font).family(), "Liberation Sans"); // every width below depends on it
    const QFontMetrics metrics(font);
    const QString text = QStringLiteral("A&B Oils Ltd. 1234567 iiiWWW");
    const QString dots = QStringLiteral("...");
    const int whole = metrics.horizontalAdvance(text);

    EXPECT_EQ(CExtendedListCtrl::FitText(metrics, text, whole), text); // exactly as wide
    EXPECT_EQ(CExtendedListCtrl::FitText(metrics, text, metrics.horizontalAdvance("A&B O...")),
              "A&B O...");
    EXPECT_EQ(CExtendedListCtrl::FitText(metrics, text, metrics.horizontalAdvance(dots) - 1),
              dots); // narrower than the dots: the dots all the same
    EXPECT_EQ(CExtendedListCtrl::FitText(metrics, text, -5), dots);
    EXPECT_EQ(CExtendedListCtrl::FitText(metrics, QString(), 0), QString());

    // At every width: one more character would not fit.
    for (int width = 0; width < whole; ++width) {
        const QString fitted = CExtendedListCtrl::FitText(metrics, text, width);
        ASSERT_TRUE(fitted.endsWith(dots)) << width;
        const qsizetype kept = fitted.size() - dots.size();
        EXPECT_TRUE(text.startsWith(fitted.left(kept))) << width;
        EXPECT_TRUE(kept == 0 || metrics.horizontalAdvance(fitted) <= width) << width;
        EXPECT_GT(metrics.horizontalAdvance(text.left(kept + 1) + dots), width) << width;
    }
}

TEST(ListColumns, AreTheHeadingWidthMeasuredBoldAtTenPointsTimesTheFactorTruncated) {
    const std::vector<TestResult> results;
    ResultsListModel model(results);
    CExtendedListCtrl list;
    list.setFont(fixedListFont());
    list.setColumns(ResultsListModel::resultColumns()); // before the model: kept for it
    list.setModel(&model);

    // Measured bold at 10 points, as the list's window always measured them.
    QFont bold10 = fixedListFont();
    bold10.setBold(true);
    bold10.setPointSize(10);
    const QFontMetrics measure(bold10);
    const std::pair<QString, double> expected[] = {
        {"Sample ID", 1.4},
        {"Cell #", 1.1},
        {"Calc Viscosity (mPa*s)", 0.8},
        {"Shear Rate (10e6 1/s)", 0.85},
        {"Reynolds #", 0.9},
        {"Newtonian", 0.95},
        {"Pressure", 1.0},
        {"Efflux Time", 0.95},
        {"Date & Time", 1.56},
    };
    ASSERT_EQ(list.header()->count(), 9);
    for (int column = 0; column < 9; ++column) {
        const auto& [heading, factor] = expected[column];
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString(), heading);
        const double exact = measure.horizontalAdvance(heading) * factor;
        EXPECT_EQ(list.header()->sectionSize(column), static_cast<int>(exact)) << column;
    }
}

} // namespace
} // namespace rheo::testing
