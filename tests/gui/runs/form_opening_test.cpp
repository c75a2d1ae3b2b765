// The form as it opens, how it is arranged on the screen, how a keyboard and a screen reader
// reach its controls, and help, title and status texts.
#include "form_fixture.hpp"

#include "core/files/calibration_file.hpp"
#include "core/runs/recommendation.hpp"
#include "gui/platform/help_pages.hpp"
#include "gui/runs/form_arrangement.hpp"
#include "gui/runs/form_controls.hpp"
#include "gui/runs/multi_line_button.hpp"
#include "gui/widgets/results_list_model.hpp"
#include "support/temp_dir.hpp"

#include <QComboBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

const QString kCalculate = QStringLiteral("Calculate Viscosity, Shear Rate, and Reynolds Number");
const QString kStartTimer = QStringLiteral("Start Timer For Temperature Equilibrium");

// 18, 200 and 2 in the fields, "Yes", cell 1 and its recommendation for 2 mPa*s:
// (9 / 18 + 2) / (18 * 0.0025) = 55.6 psi; nine empty columns headed as the results are.
TEST(FormOpens, WithItsFirstValuesAndTheRecommendationForCellOne) {
    FormWindow form;
    EXPECT_EQ(form.fieldText("Sample ID Name"), "");
    EXPECT_EQ(form.fieldText("Efflux Time (sec)"), "18");
    EXPECT_EQ(form.fieldText("Pressure (psi)"), "200");
    EXPECT_EQ(form.fieldText("Estimated Viscosity"), "2");
    EXPECT_TRUE(qobject_cast<QRadioButton*>(form.control("Yes"))->isChecked());
    EXPECT_FALSE(qobject_cast<QRadioButton*>(form.control("No"))->isChecked());
    EXPECT_EQ(form.cellShown(), 1);
    EXPECT_EQ(form.session.currentCell(), 0);
    EXPECT_EQ(form.shownBeside("Recommended Pressure"), kNormalBand.arg("55.6"));
    EXPECT_EQ(form.shownBeside("Target Efflux Time:"), "18.00");
    EXPECT_EQ(qobject_cast<QAbstractButton*>(form.control(kStartTimer))->text(), kStartTimer);
    EXPECT_EQ(form.view.timerText(), "");

    const QAbstractItemModel* model = form.list()->model();
    ASSERT_EQ(model->columnCount(), 9);
    EXPECT_EQ(form.rowCount(), 0);
    // Each column as wide as its measured heading times the heading's factor.
    for (int column = 0; column < 9; ++column) {
        const ListColumn& wanted =
            ResultsListModel::resultColumns()[static_cast<std::size_t>(column)];
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString().toStdString(),
                  wanted.heading);
        EXPECT_EQ(form.list()->header()->sectionSize(column),
                  CExtendedListCtrl::columnWidth(form.list()->font(),
                                                 QString::fromStdString(wanted.heading),
                                                 wanted.widthFactor));
    }
}

// Tab walks the controls in the order of the form; every control carries a name for a
// screen reader, its own text or its label's.
TEST(FormOpens, TabFollowsTheFormAndEveryControlIsNamed) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    const QStringList order = {
        "Yes",       "Cell Number",    "Sample ID Name",    kCalculate, "Estimated Viscosity",
        kStartTimer, "Pressure (psi)", "Efflux Time (sec)", "Results"};
    form.control("Yes")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int step = 0; step < order.size(); ++step) {
        visited << QApplication::focusWidget()->accessibleName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // A refused value would hold the focus: the fields hold their first values here.
    }
    EXPECT_EQ(visited, order);
    EXPECT_TRUE(form.dialogs.messages.empty());

    const QStringList labels = {"Newtonian?",          "Cell Number",          "Sample ID Name",
                                "Estimated Viscosity", "Recommended Pressure", "Pressure (psi)",
                                "Efflux Time (sec)",   "Target Efflux Time:",  "(sec)"};
    for (const QString& label : labels)
        EXPECT_NE(form.control(label), nullptr) << label.toStdString();
    for (QWidget* child : form.view.findChildren<QWidget*>()) {
        if (child->parentWidget() == &form.view) {
            EXPECT_FALSE(child->accessibleName().isEmpty()) << child->metaObject()->className();
        }
    }
}

// No control covers another, the picture or the countdown; every label, radio button and
// button shows its text whole, and the smallest form leaves room for the list. Checked as
// the form is here, and for displays of 120 and 144 DPI with the form's font grown to match.
TEST(FormArrangementOnScreen, NothingOverlapsOrIsCut) {
    struct Display {
        double dpi;
        double fontPoints; // the form's 8 points seen at 96 DPI
    };
    for (const Display display : {Display{96, 8}, Display{120, 10}, Display{144, 12}}) {
        QWidget host;
        QFont font = formFont();
        font.setPointSizeF(display.fontPoints);
        host.setFont(font);
        const FormControls controls = createFormControls(host);
        const DialogUnits units = DialogUnits::forFont(host.fontMetrics());
        const FormArrangement arrangement(units, display.dpi, display.dpi,
                                          minimumControlSizes(controls, units));
        const std::string at = std::to_string(static_cast<int>(display.dpi)) + " DPI: ";

        std::vector<std::pair<std::string, QRect>> areas;
        for (const TemplateControl& entry : formTemplate())
            areas.emplace_back(accessibleNameOf(entry.control), arrangement.place(entry.control));
        areas.emplace_back("picture",
                           arrangement.picture(CellPictureStyle::Large)
                               .pictureRect()
                               .united(arrangement.picture(CellPictureStyle::Small).pictureRect()));
        areas.emplace_back("countdown", arrangement.timerText().rect);
        for (std::size_t i = 0; i < areas.size(); ++i) {
            for (std::size_t j = i + 1; j < areas.size(); ++j)
                EXPECT_FALSE(areas[i].second.intersects(areas[j].second))
                    << at << areas[i].first << " and " << areas[j].first;
        }

        for (const TemplateControl& entry : formTemplate()) {
            const QRect place = arrangement.place(entry.control);
            QWidget* widget = controls.widget(entry.control);
            if (entry.kind == ControlKind::Label || entry.kind == ControlKind::RadioButton) {
                EXPECT_GE(place.width(), widget->sizeHint().width()) << at << entry.text;
            }
            if (entry.kind == ControlKind::Button) {
                EXPECT_GE(place.height(), widget->heightForWidth(place.width()))
                    << at << entry.text;
            }
        }
        // The recommendation's widest texts fit beside their label.
        const QFontMetrics metrics(font);
        const QRect recommendation = arrangement.place(FormControl::RecommendedPressureText);
        for (const double viscosity : {26.5, 27.0, 22.0}) {
            const auto texts = RecommendationTexts(workedExampleCell(), viscosity);
            EXPECT_GE(recommendation.width(),
                      metrics.horizontalAdvance(QString::fromStdString(texts.recommendedPressure)))
                << at << texts.recommendedPressure;
        }
        // The countdown's widest text lies inside what is repainted when it changes.
        const TimerTextPlace& timer = arrangement.timerText();
        const QFontMetrics timerMetrics(timer.font);
        EXPECT_TRUE(timer.rect.contains(
            QRect(timer.position,
                  QSize(timerMetrics.horizontalAdvance("00:00.0"), timerMetrics.ascent()))))
            << at;

        EXPECT_GE(arrangement.listRect(arrangement.minimumFormSize()).height(), units.y(50)) << at;
    }
}

// The view itself lays its controls out so, and its list follows the window's size.
TEST(FormArrangementOnScreen, TheListFillsTheRestOfTheForm) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.view.resize(form.view.minimumSize() + QSize(250, 120));
    const QRect list = form.list()->geometry();
    const QRect picture = form.view.pictureLayout().pictureRect();
    EXPECT_GT(list.top(), picture.bottom());
    EXPECT_GT(list.top(), form.control(kStartTimer)->geometry().bottom());
    EXPECT_GT(form.view.width() - 1 - list.right(), 0);
    EXPECT_GT(form.view.height() - list.bottom(), 0);
    const QSize before = list.size();
    form.view.resize(form.view.size() + QSize(40, 30));
    EXPECT_EQ(form.list()->size(), before + QSize(40, 30));
}

// F1 anywhere on the form opens the welcome page of the help file under the program's
// directory; painting names the window.
TEST(FormHelp, F1OpensTheWelcomePageAndPaintingNamesTheWindow) {
    TempDir dir;
    dir.write("RHEO.DAT", calibrationFileText(exampleCalibration()));
    FormWindow form;
    form.session.startUp(dir.path().string() + "/");
    form.view.setWindowTitle("untitled");
    ASSERT_TRUE(form.show());
    form.view.repaint();
    EXPECT_EQ(form.view.windowTitle(), "Vantor Viscosity Calculator");

    QTest::keyClick(form.field("Pressure (psi)"), Qt::Key_F1);
    QTest::keyClick(form.list(), Qt::Key_F1);
    const std::string page = helpPagePath(dir.path().string() + "/", HelpPage::Welcome);
    EXPECT_EQ(form.help.pages, (std::vector<std::string>{page, page}));
    EXPECT_EQ(page, dir.path().string() + "//RHEO.chm::/RHEO/Welcome.htm");
}

// Over the picture, its edges included, the status bar invites a click on a cell number;
// elsewhere on the form it offers help.
TEST(FormHelp, StatusTextOverThePictureAndElsewhere) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    QSignalSpy status(&form.view, &CRHEOView::statusTextChanged);
    const QRect picture = form.view.pictureLayout().pictureRect();
    const QString onPicture = "Click on a cell number to change your current working cell";
    const QString elsewhere = "Press F1 For Help";
    const std::pair<QPoint, QString> moves[] = {
        {picture.center(), onPicture},
        {QPoint(picture.left(), picture.top()), onPicture},
        {QPoint(picture.left() + picture.width(), picture.top() + picture.height()), onPicture},
        {QPoint(picture.left() - 1, picture.center().y()), elsewhere},
        {QPoint(picture.left() + picture.width() + 1, picture.center().y()), elsewhere},
        {form.view.timerTextRect().center(), elsewhere},
    };
    for (const auto& [point, text] : moves) {
        status.clear();
        QTest::mouseMove(&form.view, point);
        ASSERT_FALSE(status.isEmpty()) << point.x() << "," << point.y();
        EXPECT_EQ(status.last().first().toString(), text) << point.x() << "," << point.y();
    }
}

} // namespace
} // namespace rheo::testing
