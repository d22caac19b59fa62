#include "platform/text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Case {
    double value;
    const char* text;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.text;
}

class NumberToTextTable : public testing::TestWithParam<Case> {};

TEST_P(NumberToTextTable, WritesPercentPoint13g) {
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberToTextTable,
    testing::Values(Case{0, "0"}, Case{7, "7"}, Case{1024, "1024"}, Case{2147483647, "2147483647"},
                    Case{2147483646, "2147483646"},
                    // Beyond what the readout meets, the conversion is passed on unchanged.
                    Case{-3, "-3"}, Case{0.5, "0.5"}, Case{1e13, "1e+13"},
                    Case{12345678901234.0, "1.234567890123e+13"}));

} // namespace
