// SPDX-License-Identifier: MIT
#pragma once
// What the help tests share: the help file the build compiled, and the operator's view of
// the help window (a click on a link, a message box shown).

#include <QString>

#include <string>

class QTextBrowser;

namespace rheo {
class HelpLauncher;
}

namespace rheo::testing {

// The launcher's help file check runs the window program built beside the tests.
void checkWithTheWindowProgram(HelpLauncher& launcher);

// The RHEO.chm compiled by this build, and a copy of it in `directory` as the program's
// directory would hold it.
std::string builtHelpFile();
std::string copyHelpFileInto(const std::string& directory);

// Clicks the link with this target the way the operator does (scrolled into view; the
// browser's window must be shown); false when the page has no such link.
bool clickLink(QTextBrowser& browser, const QString& href);
bool messageBoxShown();

} // namespace rheo::testing
