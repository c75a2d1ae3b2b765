// SPDX-License-Identifier: MIT
#pragma once
// The pages of the help file that the program opens, and the one place that names them.

#include <string>

namespace rheo {

enum class HelpPage {
    Welcome,              // Help > Contents and F1 on the main form
    CellData,             // the Cell Data dialog
    Overview,             // the General Settings dialog
    CalculatingConstants, // the A/B Calculation dialog
    CellVolume,           // the Volume Calculation dialog
    StandardViscosities,  // the Standard Viscosities dialog
};

// "RHEO.chm::/RHEO/Welcome.htm" and so on, appended to the program's directory as it is: a
// directory that ends in "/" gives two separators in a row, which the help launcher accepts.
std::string helpPagePath(const std::string& appDirectory, HelpPage page);

} // namespace rheo
