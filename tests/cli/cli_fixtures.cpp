#include "cli_fixtures.hpp"

namespace rheo::testing {
namespace {

const char kHeader[] = "RHEO Version 2\r\nTest Laboratory\r\nSN 17\r\n150\r\n1\r\n";
const char kEmptyCell[] = "0.00000000 0.00000000 0.00000000 0.00000000 0.00000000 0.00000000 "
                          "0.00000000 0.00000000 0.00000000 0.00000000\r\n";

} // namespace

std::string workedExampleCalibration(const std::string& minShearRate, const std::string& body) {
    std::string text = kHeader;
    text += "1.10000000 " + minShearRate +
            " 1.20000000 0.07500000 15.00000000 0.00250000 9.00000000 0.50000000 6.00000000 "
            "18.00000000\r\n";
    for (int cell = 2; cell <= 5; ++cell)
        text += kEmptyCell;
    return text + body;
}

std::string calibrationWithWeighings() {
    std::string text = kHeader;
    text += "1.10000000 1.00000000 1.20000000 0.07500000 15.00000000 0.00250000 9.00000000 "
            "0.50000000 6.00000000 18.00000000\r\n";
    for (int weighing = 0; weighing < 3; ++weighing)
        text += "VOL 10.00000000 15.00000000 0.83333333 18.00000000 6.00000000\r\n";
    for (int cell = 2; cell <= 5; ++cell)
        text += kEmptyCell;
    return text;
}

} // namespace rheo::testing
