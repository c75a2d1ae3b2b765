// A row taken as already written is copied as it is when files are joined: it must be exactly
// the row the program writes for the record read from it. Checked on many random rows built
// near that form and just beside it, and on the program's own rows.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/files/file_messages.hpp"
#include "core/files/results_file.hpp"
#include "core/files/written_row.hpp"

namespace rheo {
namespace {

using namespace std::string_literals;

// What the program writes for the record read from `row`, or nothing when the row gives no
// record or its record would not fit on a line.
std::optional<std::string> rewritten(std::string_view row) {
    std::vector<TestResult> one(1);
    if (!parseResultRow(row, one[0]))
        return std::nullopt;
    const FileLines lines = resultsFileLines(one);
    if (lines.overlong())
        return std::nullopt;
    const std::size_t header = std::string(file_texts::kResultsHeader).size() + 2;
    return lines.text().substr(header, lines.text().size() - header - 2);
}

class RowPieces {
public:
    explicit RowPieces(unsigned seed) : random_(seed) {}

    // A row in the written form, or with one of its parts beside it.
    std::string row() {
        // Each field (the ID, a whole number, a number of 1 to 3 decimals, the Newtonian flag)
        // and the separator after it.
        enum { kId = -3, kWhole = -2, kFlag = -1 };
        static constexpr std::pair<int, char> kFields[] = {
            {kId, ','}, {kWhole, ','}, {3, ','},      {2, ','},      {1, ','},      {kFlag, ','},
            {1, ','},   {2, ','},      {kWhole, '/'}, {kWhole, '/'}, {kWhole, ' '}, {kWhole, ':'}};
        const int odd = random_() % 2 == 0 ? -1 : static_cast<int>(random_() % 27);
        int part = 0;
        const auto next = [&] { return part++ == odd; };
        std::string row;
        for (const auto& [field, separator] : kFields) {
            row += field == kId      ? id(next())
                   : field == kFlag  ? flag(next())
                   : field == kWhole ? whole(next())
                                     : decimal(field, next());
            row += next() ? pick({"", ",,", " ", std::string(2, separator)})
                          : std::string(1, separator);
        }
        row += whole(next());
        if (next())
            row += pick({",", ",extra", " ", ":5", "\r"});
        if (next())
            row = std::string(60 + random_() % 60, 'L') + row;
        return row;
    }

private:
    std::string pick(const std::vector<std::string>& choices) {
        return choices[random_() % choices.size()];
    }
    std::string digits(std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += static_cast<char>('0' + random_() % 10);
        return text;
    }
    // A whole number as written, or (odd) one of the texts that read the same but are
    // written otherwise, or that are no whole number.
    std::string whole(bool odd) {
        if (odd)
            return pick({"0", "-0", "00", "007", "+5", " 5", "5 ", "", "1234567890", "123456789",
                         "-123456789", "2147483648", "x", "9e1"});
        return (random_() % 5 == 0 ? "-" : "") + std::to_string(random_() % 3000);
    }
    // A number with `decimals` decimals and at most 15 digits, or (odd) one beside that form:
    // a decimal more or less, leading zeros, too many digits, other spellings.
    std::string decimal(int decimals, bool odd) {
        const std::string sign = random_() % 4 == 0 ? "-" : "";
        if (odd && random_() % 2 == 0)
            return pick({"-0.000", "0.000", "-0.00", "0.0", ".5", "5.", "+1.0", "1e2", "00.50",
                         "1.5 ", "nan", "0x1.0", "-.5", "", "0123.4", "-0.0"});
        int written = decimals;
        std::size_t wholeDigits = 1 + random_() % static_cast<std::size_t>(15 - decimals);
        if (odd && random_() % 2 == 0)
            written += random_() % 2 == 0 ? 1 : -1;
        else if (odd)
            wholeDigits = static_cast<std::size_t>(16 - decimals) + random_() % 4; // 16 to 19
        std::string whole = digits(wholeDigits);
        if (whole.size() > 1 && whole[0] == '0')
            whole[0] = '1';
        return sign + whole + (written >= 0 ? "." + digits(static_cast<std::size_t>(written)) : "");
    }
    std::string id(bool odd) {
        if (odd)
            return pick({"", " ", "A,B", std::string(18, 'y'), std::string(20, 'z')});
        return pick({"S" + std::to_string(random_() % 100000), " A B", "A\0B"s, "\xCC\xE9", ";",
                     std::string(17, 'x')});
    }
    std::string flag(bool odd) {
        return odd ? pick({"2", "01", "-1", "", " 1"}) : pick({"0", "1"});
    }

    std::mt19937 random_;
};

TEST(WrittenRow, ARowTakenAsWrittenIsExactlyWhatTheProgramWritesForIt) {
    RowPieces pieces(8);
    int taken = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string row = pieces.row();
        if (isResultRowAsWritten(row)) {
            ++taken;
            ASSERT_EQ(rewritten(row), row) << ::testing::PrintToString(row);
        }
    }
    // Both kinds come in numbers, so that both sides of the test count.
    EXPECT_GT(taken, 30000);
    EXPECT_LT(taken, 170000);
}

TEST(WrittenRow, TheProgramsOwnRowsAreTakenAsWritten) {
    std::mt19937 random(9);
    std::uniform_real_distribution<double> lab(-1000.0, 100000.0);
    const auto from = [&](int low, unsigned count) {
        return low + static_cast<int>(random() % count);
    };
    std::vector<TestResult> results;
    for (int i = 0; i < 20000; ++i)
        results.push_back({"Sample " + std::to_string(i), from(0, 7), lab(random), lab(random),
                           lab(random), random() % 2 == 0, lab(random), lab(random),
                           makeLocalDateTime(from(1990, 60), from(1, 12), from(1, 28), from(0, 24),
                                             from(0, 60))});
    const std::string text = resultsFileText(results);
    std::size_t start = text.find("\r\n") + 2;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        ASSERT_TRUE(isResultRowAsWritten(text.substr(start, end - start)))
            << text.substr(start, end - start);
}

} // namespace
} // namespace rheo
