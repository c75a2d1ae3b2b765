#pragma once
// What the help tests share: the help file the build compiled, and the operator's view of
// the help window (the page shown, a click on a link, the window's notices).

#include <QPoint>
#include <QString>

#include <string>

class QTextBrowser;

namespace rheo::testing {

// The RHEO.chm compiled by this build.
std::string builtHelpFile();
// A directory holding a copy of it, as the program's directory would.
std::string copyHelpFileInto(const std::string& directory);

// Clicks the link with this target in the browser the way the operator does (scrolling it
// into view first; the browser's window must be shown); false when the page has no such
// link.
bool clickLink(QTextBrowser& browser, const QString& href);
// The text the operator reads in the browser.
QString shownText(const QTextBrowser& browser);
// Whether any message box is open.
bool messageBoxShown();

} // namespace rheo::testing
