#include "platform/geometry.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Case {
    std::int32_t screenWidth, screenHeight;
    std::int32_t left, top;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.screenWidth << "x" << c.screenHeight;
}

class CentredOriginTable : public testing::TestWithParam<Case> {};

TEST_P(CentredOriginTable, HalvesRoundTowardZero) {
    const ScreenPoint origin = CentredOrigin(GetParam().screenWidth, GetParam().screenHeight, 349, 204);
    EXPECT_EQ(origin.x, GetParam().left);
    EXPECT_EQ(origin.y, GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(Screens, CentredOriginTable,
                         testing::Values(Case{1024, 768, 337, 282}, Case{1920, 1080, 785, 438},
                                         Case{1366, 768, 508, 282}, Case{349, 204, 0, 0},
                                         // A screen smaller than the window: -0.5 rounds to 0, -1.5 to -1.
                                         Case{348, 201, 0, -1}));

TEST(Geometry, AreaIsExactBeyond32Bits) {
    EXPECT_EQ(Area({-35000, -35000, 35000, 35000}), 4900000000LL);
    EXPECT_EQ(Area({0, 0, 0, 10}), 0);
}

} // namespace
