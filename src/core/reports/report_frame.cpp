// SPDX-License-Identifier: MIT
#include "core/reports/report_frame.hpp"

#include "core/reports/device_units.hpp"
#include "core/runs/run_calculation.hpp"
#include "core/text/c_format.hpp"
#include "core/text/number_text.hpp"

#include <utility>

namespace rheo {

ReportHeaderData reportHeaderOf(const CalibrationData& calibration) {
    return {calibration.companyName, calibration.serialNumber, calibration.operatingTemperature};
}

std::string headerCompanyLine(const ReportHeaderData& header) {
    // "\xB0" and "C" are kept apart: "\xB0C" would read as one hexadecimal escape.
    return header.companyName + "     Serial # " + header.serialNumber + "     Operating Temp " +
           formatInteger(header.operatingTemperature) + "\xB0" + "C";
}

std::string headerTitleLine() {
    return "Tribon Viscometer V2.0";
}

std::string headerPageLine(const std::string& dateText, int page) {
    return cformat("%s    Page %d", dateText.c_str(), page);
}

ReportFrame::ReportFrame(DrawingSurface& surface, ReportHeaderData header,
                         const LocalDateTime& printedAt, int bodyFontUnits, int rowHeight)
    : surface_(surface), header_(std::move(header)), dateText_(formatDisplayDateTime(printedAt)),
      bodyFontUnits_(bodyFontUnits), rowHeight_(rowHeight), sx_(surface.dotsPerInchX() * 0.01),
      sy_(surface.dotsPerInchY() * 0.01) {}

int ReportFrame::toDeviceX(double units) const {
    return truncateToInt(units * sx_);
}

int ReportFrame::toDeviceY(double units) const {
    return truncateToInt(units * sy_);
}

void ReportFrame::begin() {
    surface_.beginDocument(header_.companyName);
    surface_.beginPage();
    page_ = 1;
    drawHeader();
}

void ReportFrame::newPage() {
    surface_.endPage();
    ++page_;
    surface_.beginPage();
    drawHeader();
}

void ReportFrame::end() {
    surface_.endPage();
    surface_.endDocument();
}

void ReportFrame::drawHeader() {
    surface_.selectFont(kHeaderFace, toDeviceY(kHeaderFontUnits));
    surface_.setTextBackground(kWhite);
    const std::string company = headerCompanyLine(header_);
    const std::string pageLine = headerPageLine(dateText_, page_);
    if (page_ == 1) {
        // Page 1 fixes where the header lines stand on every page.
        companyLine_ = centredPosition(company, kHeaderCentreX, 20);
        titleLine_ = centredPosition(headerTitleLine(), kHeaderCentreX, 50);
        pageLine_ = centredPosition(pageLine, kHeaderCentreX, 80);
    }
    surface_.drawText(companyLine_.x, companyLine_.y, company);
    surface_.drawText(titleLine_.x, titleLine_.y, headerTitleLine());
    surface_.drawText(pageLine_.x, pageLine_.y, pageLine);
    selectBodyFont();
    surface_.setTextBackground(kBandGrey);
}

void ReportFrame::selectBodyFont() {
    surface_.selectFont(kBodyFace, toDeviceY(bodyFontUnits_));
}

ReportFrame::Placed ReportFrame::centredPosition(const std::string& text, double centreX,
                                                 double y) const {
    const double width = surface_.textWidth(text);
    const int leftUnits = truncateToInt(centreX - (width / sx_) * 0.5);
    return {toDeviceX(leftUnits), toDeviceY(y)};
}

void ReportFrame::centreText(const std::string& text, double centreX, double y) {
    const Placed at = centredPosition(text, centreX, y);
    surface_.drawText(at.x, at.y, text);
}

void ReportFrame::labelledValue(const std::string& label, const std::string& value, double centreX,
                                double y) {
    centreText(label, centreX, y);
    const double width = surface_.textWidth(label);
    const int valueUnits = truncateToInt(centreX + (width / sx_) * 0.5);
    surface_.drawText(toDeviceX(valueUnits), toDeviceY(y), value);
}

void ReportFrame::band(double left, double top, double right, double bottom) {
    surface_.fillRectangle(toDeviceX(left), toDeviceY(top), toDeviceX(right), toDeviceY(bottom),
                           kBandGrey, kBandGrey, 1);
}

void ReportFrame::greyBackground() {
    surface_.setTextBackground(kBandGrey);
}

void ReportFrame::whiteBackground() {
    surface_.setTextBackground(kWhite);
}

bool ReportFrame::rowFits(int row) const {
    const long long bottom =
        static_cast<long long>(toDeviceY(rowY(row))) + toDeviceY(bodyFontUnits_);
    return bottom <= surface_.printablePageSize().height;
}

} // namespace rheo
