#include "readout/readout.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace {

const std::string kOut = "\xB3\xAC\xB3\xF6\xC1\xCB"; // 超出了

struct Case {
    const char* what;
    ReadoutSample sample;
    std::string x, y;
};

// A client area of 200 x 100 whose top-left corner is at (300, 400) on screen.
ReadoutSample At(int px, int py, PixelRect client = {0, 0, 200, 100}, ScreenPoint origin = {300, 400}) {
    return {client, origin, {px, py}};
}

const Case kCases[] = {
    {"top-left pixel", At(300, 400), "0", "0"},
    {"inside", At(307, 499), "7", "99"},
    {"at offset (W, H), one past the last pixel", At(500, 500), "200", "100"},
    {"W + 1 with y inside", At(501, 450), kOut, "50"},
    {"H + 1 with x inside", At(350, 501), "50", kOut},
    {"left of and below", At(299, 501), kOut, kOut},
    {"right of and above", At(501, 399), kOut, kOut},
    {"left of and above", At(299, 399), kOut, kOut},
    {"right of and below", At(501, 501), kOut, kOut},
    {"left with y inside", At(299, 450), kOut, "50"},
    {"above with x inside", At(350, 399), "50", kOut},
    {"0 x 0 area, pointer on its origin", At(300, 400, {0, 0, 0, 0}), "0", "0"},
    {"0 x 0 area, one pixel off on x", At(301, 400, {0, 0, 0, 0}), kOut, "0"},
    {"0 x 0 area, one pixel before on y", At(300, 399, {0, 0, 0, 0}), "0", kOut},
    {"client area at negative screen coordinates, its left edge",
     At(-1500, -300, {0, 0, 640, 480}, {-1500, -300}), "0", "0"},
    {"negative screen coordinates, inside", At(-1000, -10, {0, 0, 640, 480}, {-1500, -300}), "500", "290"},
    {"window 0: pointer at (0, 500)", At(0, 500, {}, {}), "0", kOut},
    {"window 0: pointer at (500, 0)", At(500, 0, {}, {}), kOut, "0"},
    {"window 0: pointer at (0, 0)", At(0, 0, {}, {}), "0", "0"},
    {"extent near 2^31", At(2147483646, 0, {0, 0, 2147483647, 10}, {0, 0}), "2147483646", "0"},
    {"offsets at the 32-bit limits stay exact",
     At(2147483647, 0, {0, 0, 2147483647, 10}, {-2147483647 - 1, 0}), kOut, "0"},
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}

class ReadoutTable : public testing::TestWithParam<Case> {};

TEST_P(ReadoutTable, FillsEachAxisOnItsOwn) {
    const Case& c = GetParam();
    Readout readout;
    FillReadout(c.sample, readout, OutOfRangeText);
    EXPECT_EQ(readout.xText, c.x) << c.what;
    EXPECT_EQ(readout.yText, c.y) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Samples, ReadoutTable, testing::ValuesIn(kCases));

TEST(Readout, OutOfRangeTextIsTheSixBytesOfCodePage936) {
    EXPECT_EQ(OutOfRangeText, std::string("\xB3\xAC\xB3\xF6\xC1\xCB"));
}

TEST(Readout, ReplacesTextsAlreadyHeld) {
    Readout readout{"previous x that is long enough to live on the heap", "previous y"};
    FillReadout(At(310, 420), readout, OutOfRangeText);
    EXPECT_EQ(readout.xText, "10");
    EXPECT_EQ(readout.yText, "20");
    FillReadout(At(0, 0), readout, OutOfRangeText);
    EXPECT_EQ(readout.xText, kOut);
    EXPECT_EQ(readout.yText, kOut);
}

TEST(Readout, StoresTheGivenOutOfRangeText) {
    Readout readout;
    FillReadout(At(0, 450), readout, "outside");
    EXPECT_EQ(readout.xText, "outside");
    EXPECT_EQ(readout.yText, "50");
}

} // namespace
