// SPDX-License-Identifier: MIT
#pragma once
// The fixed-layout page frame shared by every printed report: the three-line header on
// each page, the two fonts, grey heading bands and texts centred on columns. Positions are
// given in page units of 1/100 inch from the top-left corner of the printable area and
// turned into device pixels of the surface, each coordinate truncated on its own.

#include "core/model/model.hpp"
#include "core/seams/drawing_surface.hpp"

#include <string>

namespace rheo {

inline constexpr Rgb kBandGrey{200, 200, 200};
inline constexpr double kHeaderCentreX = 400.0;
inline constexpr double kFirstRowY = 125.0; // row 0 of every page, under the header block
inline constexpr int kHeaderFontUnits = 25;
inline constexpr const char* kHeaderFace = "Times New Roman";
inline constexpr const char* kBodyFace = "Arial";

// What heads every page, taken from the calibration data.
struct ReportHeaderData {
    std::string companyName;
    std::string serialNumber;
    int operatingTemperature = 150; // whole degrees Celsius

    bool operator==(const ReportHeaderData&) const = default;
};

ReportHeaderData reportHeaderOf(const CalibrationData& calibration);

// Line 1: company, serial number and operating temperature with "°C" (byte 0xB0).
std::string headerCompanyLine(const ReportHeaderData& header);
// Line 2: the instrument's name.
std::string headerTitleLine();
// Line 3: "%s    Page %d" from the date text and the page number.
std::string headerPageLine(const std::string& dateText, int page);

class ReportFrame {
public:
    // The date text is made once here from `printedAt`; the clock is never read.
    ReportFrame(DrawingSurface& surface, ReportHeaderData header, const LocalDateTime& printedAt,
                int bodyFontUnits, int rowHeight);
    ReportFrame(const ReportFrame&) = delete;
    ReportFrame& operator=(const ReportFrame&) = delete;

    // Starts the job and page 1, draws its header and leaves the body font selected on a
    // grey text background.
    void begin();
    // Ends the page, starts the next one and draws its header (lines 1 and 2 where page 1
    // had them, the page line starting at page 1's x).
    void newPage();
    // Ends the last page and the job.
    void end();

    // Draws a text whose middle lies on centreX, on a whole page unit.
    void centreText(const std::string& text, double centreX, double y);
    // Draws a label centred on centreX and the value starting at the label's right end.
    void labelledValue(const std::string& label, const std::string& value, double centreX,
                       double y);
    // A grey filled rectangle with a grey pen one pixel wide.
    void band(double left, double top, double right, double bottom);
    void greyBackground();
    void whiteBackground();

    // y of row k (k may be fractional for band edges): 125 + R x k units.
    double rowY(double row) const { return kFirstRowY + rowHeight_ * row; }
    // True when a body text at row k ends above the bottom of the printable page.
    bool rowFits(int row) const;

    int toDeviceX(double units) const;
    int toDeviceY(double units) const;
    int pageNumber() const { return page_; }

private:
    struct Placed {
        int x = 0;
        int y = 0;
    };

    void drawHeader();
    Placed centredPosition(const std::string& text, double centreX, double y) const;
    void selectBodyFont();

    DrawingSurface& surface_;
    ReportHeaderData header_;
    std::string dateText_;
    int bodyFontUnits_;
    int rowHeight_;
    double sx_;
    double sy_;
    int page_ = 1;
    Placed companyLine_;
    Placed titleLine_;
    Placed pageLine_;
};

} // namespace rheo
