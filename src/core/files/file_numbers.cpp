#include "core/files/file_numbers.hpp"

#include <cmath>

#include "core/text/c_format.hpp"

namespace rheo {

double fileNumber(std::string_view word) {
    const double value = cAtof(word);
    return std::isfinite(value) ? value : 0.0;
}

} // namespace rheo
