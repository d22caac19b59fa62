#include "window/fatal_report.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <string>

namespace {

const std::string kHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!"; // 运行时出错!
const std::string kCode = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";     // 错误代码：
const std::string kMessage = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";  // 错误信息：
const std::string kStackError = "\xB5\xF7\xD3\xC3"
                                "DLL\xC3\xFC\xC1\xEE\xBA\xF3\xB7\xA2\xCF\xD6\xB6\xD1\xD5\xBB"
                                "\xB4\xED\xCE\xF3"; // 调用DLL命令后发现堆栈错误

struct Case {
    const char* what;
    std::string message;
    std::int32_t code;
    std::string report;
};

const Case kCases[] = {
    {"code and message", kStackError, 6,
     kHeading + "\r\n\r\n" + kCode + "6\r\n\r\n" + kMessage + kStackError + "\r\n"},
    {"message only", "m", 0, kHeading + "\r\n\r\n" + kMessage + "m\r\n"},
    {"code only", "", 6, kHeading + "\r\n\r\n" + kCode + "6\r\n\r\n"},
    {"negative code", "", -2147483647 - 1, kHeading + "\r\n\r\n" + kCode + "-2147483648\r\n\r\n"},
    {"neither", "", 0, kHeading + "\r\n\r\n"},
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}

class FatalReportTable : public testing::TestWithParam<Case> {};

TEST_P(FatalReportTable, BuildsTheLinesThatApply) {
    EXPECT_EQ(FatalReportText(GetParam().message, GetParam().code), GetParam().report) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Reports, FatalReportTable, testing::ValuesIn(kCases));

TEST(FatalReport, AllocationFailureGivesThreeLinesWithTheByteCount) {
    const std::string allocation =
        "\xB7\xD6\xC5\xE4 2147483632 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";
    EXPECT_EQ(AllocationFailureMessage(2147483632u), allocation);
    EXPECT_EQ(FatalReportText(AllocationFailureMessage(2147483632u), 0),
              kHeading + "\r\n\r\n" + kMessage + allocation + "\r\n");
}

TEST(FatalReport, ByteCountsAbove2GiBStayPositive) {
    EXPECT_EQ(AllocationFailureMessage(4294967295u),
              "\xB7\xD6\xC5\xE4 4294967295 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");
}

TEST(FatalReport, CaptionIsErrorInCodePage936) {
    EXPECT_EQ(FatalReportCaption, "\xB4\xED\xCE\xF3");
}

} // namespace
