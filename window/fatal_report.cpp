#include "window/fatal_report.h"

#include <cstdio>

const Text FatalReportCaption = "\xB4\xED\xCE\xF3";

namespace {

constexpr char kHeading[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";     // 运行时出错!
constexpr char kCodeLabel[] = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";    // 错误代码：
constexpr char kMessageLabel[] = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"; // 错误信息：
constexpr char kLineBreak[] = "\r\n";

} // namespace

Text FatalReportText(const Text& message, std::int32_t code) {
    Text report = kHeading;
    report += kLineBreak;
    report += kLineBreak;
    if (code != 0) {
        report += kCodeLabel;
        report += std::to_string(code);
        report += kLineBreak;
        report += kLineBreak;
    }
    if (!message.empty()) {
        report += kMessageLabel;
        report += message;
        report += kLineBreak;
    }
    return report;
}

Text AllocationFailureMessage(std::size_t bytes) {
    // The count is written unsigned: a request above 2 GiB is a real byte
    // count on 32-bit Windows and must not read as a negative number.
    char buffer[64];
    const int length =
        std::snprintf(buffer, sizeof buffer,
                      "\xB7\xD6\xC5\xE4 %zu \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!", bytes);
    return Text(buffer, static_cast<std::size_t>(length));
}
