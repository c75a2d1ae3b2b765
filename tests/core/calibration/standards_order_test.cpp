// The standards are put in order by an O(n log n) sort that must give exactly the order of
// the selection sort the program always used: ties reversed at every sort, -0.0 equal to 0.0,
// and viscosities that are no number left where that walk leaves them.

#include "core/calibration/standards.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace rheo {
namespace {

using Standards = std::vector<ViscosityStandard>;

// The selection sort, as the program has always done it.
void selectionSort(Standards& list) {
    Standards sorted;
    while (!list.empty()) {
        std::size_t candidate = 0;
        double smallest = list.front().viscosity;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].viscosity <= smallest) {
                smallest = list[i].viscosity;
                candidate = i;
            }
        }
        sorted.push_back(list[candidate]);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(candidate));
    }
    list = sorted;
}

// Names tell the standards apart, so that any difference in order shows.
std::vector<std::string> namesOf(const Standards& list) {
    std::vector<std::string> names;
    for (const ViscosityStandard& standard : list)
        names.push_back(standard.name);
    return names;
}

Standards randomStandards(std::mt19937& random, std::size_t count, bool withNaN) {
    // Few distinct values, so that ties are many; both zeros, infinities and now and then NaN.
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> values = {0.0,  -0.0, 1.5, 2.0,  2.0000000000000004,
                                        -3.0, 40.0, inf, -inf, 7.25};
    Standards list;
    for (std::size_t i = 0; i < count; ++i) {
        double viscosity = values[random() % values.size()];
        if (withNaN && random() % 6 == 0)
            viscosity = std::numeric_limits<double>::quiet_NaN();
        list.push_back({"S" + std::to_string(i), viscosity});
    }
    return list;
}

// Short lists with many ties, sorted again and again (sorting again must reverse the ties
// again, as the old sort did), and first one long list.
TEST(StandardsOrder, SameAsTheSelectionSortOnRandomListsWithManyTies) {
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        CalibrationData data;
        data.standards = randomStandards(random, round == 0 ? 3000 : random() % 40, round % 3 == 0);
        Standards expected = data.standards;
        for (int sort = 0; sort < 3; ++sort) {
            selectionSort(expected);
            SortStandards(data);
            ASSERT_EQ(namesOf(data.standards), namesOf(expected)) << "round " << round;
        }
    }
}

} // namespace
} // namespace rheo
