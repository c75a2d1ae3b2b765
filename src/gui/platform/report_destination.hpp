// SPDX-License-Identifier: MIT
#pragma once
// Where the window sends a printed report: the printer chosen in the print dialog, a print
// preview, or a PDF file. The window's commands call this interface, so that tests can take
// the reports on a recording surface instead of a printer.

#include "gui/platform/report_output.hpp"

#include <string>

class QWidget;

namespace rheo {

// The three ways a report leaves the program.
enum class ReportWay { Print, Preview, PdfFile };

class ReportDestination {
public:
    virtual ~ReportDestination() = default;

    // The print dialog, then the report on the chosen printer. False after a cancel or when
    // printing failed (then `error` says why).
    virtual bool print(const ReportDrawing& draw, std::string& error, QWidget* parent) = 0;
    // The report in a preview window, from which it can also be printed.
    virtual void preview(const ReportDrawing& draw, QWidget* parent) = 0;
    // The report as a PDF file at `path`; false with `error` when it could not be written
    // (an existing file of that name is then left as it was).
    virtual bool exportPdf(const std::string& path, const ReportDrawing& draw,
                           std::string& error) = 0;
};

// Qt's printers, preview and PDF writer.
class QtReportDestination : public ReportDestination {
public:
    bool print(const ReportDrawing& draw, std::string& error, QWidget* parent) override {
        return printReport(draw, error, parent);
    }
    void preview(const ReportDrawing& draw, QWidget* parent) override {
        previewReport(draw, parent);
    }
    bool exportPdf(const std::string& path, const ReportDrawing& draw,
                   std::string& error) override {
        return writeReportPdf(path, draw, error);
    }
};

} // namespace rheo
