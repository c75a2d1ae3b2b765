// SPDX-License-Identifier: MIT
// The form as it opens, how it is arranged on the screen, how a keyboard and a screen reader
// reach its controls, and help, title and status texts.
#include "form_fixture.hpp"

#include "core/files/calibration_file.hpp"
#include "core/runs/recommendation.hpp"
#include "core/runs/run_calculation.hpp"
#include "gui/dialogs/ab_dialog.hpp"
#include "gui/dialogs/volume_dialog.hpp"
#include "gui/runs/form_arrangement.hpp"
#include "gui/runs/form_controls.hpp"
#include "support/temp_dir.hpp"

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>

namespace rheo::testing {
namespace {

// Every number the operator sees is read by a screen reader as it is shown, its caption after
// it as its description and, where a label shows the caption, by that label: the form's
// recommendation and T0, the countdown, and the values of the A/B and volume dialogs.
TEST(FormOpens, AScreenReaderReadsEveryValueShown) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.click(kStartTimer);
    ABDialog ab(form.session, form.help);
    VolumeDialog volume(form.session, form.help);
    const std::pair<const QWidget*, QString> values[] = {
        {&form.view, "Recommended Pressure|Target Efflux Time:|Temperature equilibrium countdown"},
        {&ab, "A|B|RMS % Diff|Target Efflux Time (sec)"},
        {&volume, "Working Shear Rate (x 10e6 1/sec)|Capillary Radius (mm)|Average Volume "
                  "(ml)|Average Target Efflux Time (T0) (sec)"}};
    for (const auto& [window, captions] : values)
        for (const QString& caption : captions.split('|')) {
            SCOPED_TRACE(caption.toStdString());
            QLabel* shown = nullptr;
            for (QLabel* label : window->findChildren<QLabel*>())
                shown = label->accessibleDescription() == caption ? label : shown;
            ASSERT_NE(shown, nullptr);
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(shown);
            EXPECT_FALSE(shown->text().isEmpty());
            EXPECT_EQ(read->text(QAccessible::Name), shown->text());
            // Named by its caption's label; the countdown, drawn on the form, is read as drawn.
            const auto labels = read->relations(QAccessible::Label);
            EXPECT_TRUE(labels.size() == 1
                            ? labels[0].first->text(QAccessible::Name).startsWith(caption)
                            : shown->text() == form.view.timerText());
        }
}

// 18, 200 and 2 in the fields, "Yes", cell 1 and its recommendation for 2 mPa*s:
// (9 / 18 + 2) / (18 * 0.0025) = 55.6 psi; the results' nine columns, each as wide as its
// heading measured bold at 10 points times its factor, truncated, but never narrower than the
// heading as drawn with the header's margins, below the picture and the timer button and following
// the window's size. Tab walks the controls in the order of the form; every control carries a name
// for a screen reader, its own text or its label's, or is described by a caption. F1 anywhere on
// the form opens the welcome page of the help file under the program's directory; painting names
// the window. Over the picture the status bar invites a click on a cell number; elsewhere it offers
// help.
TEST(FormOpens, WithItsValuesControlsHelpAndStatusTexts) {
    TempDir dir;
    dir.write("RHEO.DAT", calibrationFileText(exampleCalibration()));
    FormWindow form;
    form.session.startUp(dir.path().string() + "/");
    form.view.setWindowTitle("untitled");
    ASSERT_TRUE(form.show());
    EXPECT_EQ(form.shown(), "cell 1: |200|18|2|Yes -> 55.6 psi, T0 18.00");
    EXPECT_EQ(form.view.timerText(), "");
    const CExtendedListCtrl& list = form.list();
    // The list's columns are the results table's, each heading reading whole.
    const auto& columns = resultColumns();
    ASSERT_EQ(list.model()->columnCount(), int(columns.size()));
    QFont bold10 = list.font(); // the headings measured so, as the list's window always did
    bold10.setBold(true);
    bold10.setPointSize(10);
    EXPECT_EQ(
        list.header()->sectionSize(8),
        int(QFontMetrics(bold10).horizontalAdvance(columns[8].heading) * columns[8].widthFactor));
    for (int column = 0; column < int(columns.size()); ++column) {
        const QString heading = list.model()->headerData(column, Qt::Horizontal).toString();
        EXPECT_EQ(heading, columns[column].heading);
        EXPECT_GE(list.header()->sectionSize(column),
                  2 * list.style()->pixelMetric(QStyle::PM_HeaderMargin) +
                      list.header()->fontMetrics().horizontalAdvance(heading));
    }

    EXPECT_EQ(
        tabWalk(*named(form.view, "Yes"), 8),
        (std::vector<std::string>{"Yes", "Cell Number", "Sample ID Name", kCalculate.toStdString(),
                                  "Estimated Viscosity", kStartTimer.toStdString(),
                                  "Pressure (psi)", "Efflux Time (sec)", "Results"}));
    for (QWidget* child : form.view.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(child->accessibleName().isEmpty() && child->accessibleDescription().isEmpty())
            << child->metaObject()->className();
    EXPECT_TRUE(form.dialogs.messages.empty());

    const QRect listPlace = form.list().geometry();
    EXPECT_GT(listPlace.top(), form.view.pictureLayout().pictureRect().bottom());
    EXPECT_GT(listPlace.top(), named(form.view, kStartTimer)->geometry().bottom());
    form.view.resize(form.view.size() + QSize(40, 30));
    EXPECT_EQ(form.list().size(), listPlace.size() + QSize(40, 30));

    form.view.repaint();
    EXPECT_EQ(form.view.windowTitle(), "Vantor Viscosity Calculator");
    QTest::keyClick(form.field(kPressure), Qt::Key_F1);
    QTest::keyClick(&form.list(), Qt::Key_F1);
    EXPECT_EQ(form.help.pages,
              std::vector<std::string>(2, dir.path().string() + "//RHEO.chm::/RHEO/Welcome.htm"));
    QSignalSpy status(&form.view, &CRHEOView::statusTextChanged);
    const QRect picture = form.view.pictureLayout().pictureRect();
    QTest::mouseMove(&form.view, picture.topLeft());
    QTest::mouseMove(&form.view,
                     QPoint(picture.left() + picture.width() + 1, picture.center().y()));
    ASSERT_EQ(status.size(), 2);
    EXPECT_EQ(status[0][0], "Click on a cell number to change your current working cell");
    EXPECT_EQ(status[1][0], "Press F1 For Help");
}

// No control covers another, the picture or the countdown; every label and radio button
// shows its text whole, every button its wrapped caption, the recommendation its widest text
// and the countdown's repainted area its widest text; the smallest form leaves room for the
// list. At 96 DPI, and at 144 DPI with the form's font grown to match.
TEST(FormArrangement, NothingOverlapsOrIsCut) {
    for (const auto& [dpi, points] : {std::pair{96.0, 8.0}, {144.0, 12.0}}) {
        SCOPED_TRACE(dpi);
        QWidget host;
        QFont font = formFont();
        font.setPointSizeF(points);
        host.setFont(font);
        const FormControls controls = createFormControls(host);
        const DialogUnits units = DialogUnits::forFont(host.fontMetrics());
        const FormArrangement arrangement(units, dpi, dpi, minimumControlSizes(controls, units));
        std::vector<std::pair<std::string, QRect>> areas = {
            {"picture", arrangement.picture(CellPictureStyle::Large)
                            .pictureRect()
                            .united(arrangement.picture(CellPictureStyle::Small).pictureRect())},
            {"countdown", arrangement.timerText().rect}};
        for (const TemplateControl& entry : formTemplate()) {
            const QRect place = arrangement.place(entry.control);
            const QWidget* widget = controls.widget(entry.control);
            areas.emplace_back(accessibleNameOf(entry.control), place);
            if (entry.kind == ControlKind::Label || entry.kind == ControlKind::RadioButton) {
                EXPECT_GE(place.width(), widget->sizeHint().width()) << entry.text;
            }
            if (entry.kind == ControlKind::Button) {
                EXPECT_GE(place.height(), widget->heightForWidth(place.width())) << entry.text;
            }
        }
        for (std::size_t i = 0; i < areas.size(); ++i) {
            for (std::size_t j = i + 1; j < areas.size(); ++j)
                EXPECT_FALSE(areas[i].second.intersects(areas[j].second))
                    << areas[i].first << " and " << areas[j].first;
        }
        for (const double estimate : {26.5, 27.0}) {
            const std::string text =
                RecommendationTexts(exampleCalibration().cells[0], estimate).recommendedPressure;
            EXPECT_GE(arrangement.place(FormControl::RecommendedPressureText).width(),
                      QFontMetrics(font).horizontalAdvance(QString::fromStdString(text)));
        }
        const TimerTextPlace& timer = arrangement.timerText();
        const QFontMetrics timerMetrics(timer.font);
        EXPECT_TRUE(timer.rect.contains(
            QRect(timer.position,
                  QSize(timerMetrics.horizontalAdvance("00:00.0"), timerMetrics.ascent()))));
        EXPECT_GE(arrangement.listRect(arrangement.minimumFormSize()).height(), units.y(50));
    }
}

} // namespace
} // namespace rheo::testing
