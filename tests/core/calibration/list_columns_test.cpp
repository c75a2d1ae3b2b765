// SPDX-License-Identifier: MIT
// The columns of the four lists that the window, the reports and rheo-cli read from one
// table each: every list heading, width factor and JSON name and kind, and the rows of the
// dialogs' two lists. (The report's places are proven with the reports.)
#include "core/calibration/point_texts.hpp"
#include "core/calibration/standards.hpp"
#include "core/runs/run_calculation.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace rheo {
namespace {

// "heading@width factor:JSON name/kind" for each column, one a line; kinds T, N and Y.
template <typename Row, std::size_t N> std::string described(const ColumnTable<Row, N>& table) {
    std::ostringstream out;
    for (const Column<Row>& column : table)
        out << column.heading << '@' << column.widthFactor << ':' << column.jsonName << '/'
            << "TNY"[static_cast<int>(column.jsonKind)] << '\n';
    return out.str();
}

TEST(ListColumns, HeadingsWidthFactorsAndJsonNamesOfEveryList) {
    EXPECT_EQ(described(resultColumns()),
              "Sample ID@1.4:sampleId/T\nCell #@1.1:cell/N\n"
              "Calc Viscosity (mPa*s)@0.8:viscosity/N\nShear Rate (10e6 1/s)@0.85:shearRate/N\n"
              "Reynolds #@0.9:reynoldsNumber/N\nNewtonian@0.95:newtonian/Y\n"
              "Pressure@1:pressure/N\nEfflux Time@0.95:effluxTime/N\n"
              "Date & Time@1.56:dateTime/T\n");
    EXPECT_EQ(described(volumePointColumns()),
              "Tare Weight (gm)@0.95:tareWeight/N\nFull Weight (gm)@0.95:fullWeight/N\n"
              "Difference (gm)@0.95:difference/N\nDensity (gm/ml)@1:density/N\n"
              "T0 (sec)@1.16:t0/N\nVolume (ml)@1.05:volume/N\n");
    EXPECT_EQ(described(abPointColumns()),
              "Std Name@1.5:standardName/T\nKnown Visc (mPa*s)@0.85:knownViscosity/N\n"
              "Pressure (psi)@0.95:pressure/N\nEfflux Time (sec)@0.85:effluxTime/N\n"
              "Calc Visc (mPa*s)@0.85:calculatedViscosity/N\n% Diff@1.3:percentDifference/N\n"
              "Reynolds #@1.1:reynoldsNumber/N\nNewtonian@0.97:newtonian/Y\n");
    EXPECT_EQ(described(standardColumns()),
              "Standard Name@0.98:name/T\nViscosity (mPa*s)@0.82:viscosity/N\n"
              "Cell #1 (psi)@1.1:pressures/N\nCell #2 (psi)@1.1:pressures/N\n"
              "Cell #3 (psi)@1.1:pressures/N\nCell #4 (psi)@1.1:pressures/N\n"
              "Cell #5 (psi)@1.1:pressures/N\n");
}

// The weighings' and standard runs' rows, each value in its format, "Yes" or "No" last.
TEST(ListColumns, PointRowsInTheirFormats) {
    const auto joined = [](const auto& row) {
        std::string text;
        for (const std::string& cell : row)
            text += cell + '|';
        return text;
    };
    EXPECT_EQ(joined(volumePointRow({10, 16, 0.8, 16.17, 7.5})),
              "10.0000|16.0000|6.0000|0.8000|16.17|7.5000|");
    AbPoint run{7, 20, 150, 7.004, 0.06, 290.9, true, "Oil1"};
    EXPECT_EQ(joined(abPointRow(run)), "Oil1|7.000|150.0|20.00|7.004|0.06|290.9|Yes|");
    run.newtonian = false;
    EXPECT_EQ(abPointRow(run).back(), "No");
}

} // namespace
} // namespace rheo
