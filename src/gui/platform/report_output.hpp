// SPDX-License-Identifier: MIT
#pragma once
// Where a printed report goes: a PDF file, a printer chosen in the print dialog, or a
// print preview. Each call hands `draw` a surface and lets it draw the whole report,
// e.g. [&](rheo::DrawingSurface& s) { rheo::PrintTestData(s, results, calibration, now); }.

#include "core/seams/drawing_surface.hpp"

#include <functional>
#include <string>

class QWidget;

namespace rheo {

using ReportDrawing = std::function<void(DrawingSurface&)>;

// Writes the report as a US Letter PDF at 600 dpi with 0.25 inch margins. Works without a
// window: when the process has no Qt application yet, one is made on the offscreen
// platform. The file appears only when every byte was written; on failure `error` says
// why, false is returned and an existing file of that name is left as it was. A target that
// is no ordinary file, or that this user may not write, is refused before anything is drawn.
bool writeReportPdf(const std::string& path, const ReportDrawing& draw, std::string& error);

// Shows the print dialog and, when the person confirms, prints the report on the chosen
// printer. False when the dialog was cancelled or printing could not start (then `error`
// says why; it stays empty after a cancel). Needs a QApplication.
bool printReport(const ReportDrawing& draw, std::string& error, QWidget* parent = nullptr);

// Shows the report in a print preview window from which it can also be printed.
// Needs a QApplication.
void previewReport(const ReportDrawing& draw, QWidget* parent = nullptr);

} // namespace rheo
