// SPDX-License-Identifier: MIT
#include "gui/help/help_pages.hpp"

namespace rheo {
namespace {

const char* pageFileName(HelpPage page) {
    switch (page) {
    case HelpPage::Welcome:
        return "Welcome.htm";
    case HelpPage::CellData:
        return "Cell_Data.htm";
    case HelpPage::Overview:
        return "Vantor_Viscosity_Calculator_Overview.htm";
    case HelpPage::CalculatingConstants:
        return "Calculating_Constants.htm";
    case HelpPage::CellVolume:
        return "Calculating_Cell_Volume_with_the_RHEO.htm";
    case HelpPage::StandardViscosities:
        return "Standard_Viscosities.htm";
    }
    return "Welcome.htm";
}

} // namespace

std::string helpPagePath(const std::string& appDirectory, HelpPage page) {
    return appDirectory + "/RHEO.chm::/RHEO/" + pageFileName(page);
}

} // namespace rheo
