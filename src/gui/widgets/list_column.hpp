#pragma once
// One column of a list: its heading and how wide it is drawn, as a multiple of the
// heading's own width in the list's font.

#include <string>

namespace rheo {

struct ListColumn {
    std::string heading; // the program's Windows-1252 bytes
    double widthFactor = 1.0;
};

} // namespace rheo
