#include "platform/window_under_pointer.h"

#include "sibling_cases.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A parent at (100, 100) on screen with the two siblings of each case.
class Siblings : public testing::TestWithParam<SiblingCase> {
  protected:
    void SetUp() override {
        const SiblingCase& c = GetParam();
        parent_ = MakeWindow({100, 100, 500, 500}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
        ASSERT_TRUE(parent_);
        upper_ = MakeWindow(c.upper, WS_CHILD | WS_VISIBLE, parent_.get());
        lower_ = MakeWindow(c.lower, WS_CHILD | (c.lowerVisible ? WS_VISIBLE : 0), parent_.get());
        SetWindowPos(upper_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowPos(lower_.get(), upper_.get(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ASSERT_EQ(GetWindow(upper_.get(), GW_HWNDNEXT), lower_.get());
        PumpMessages(std::chrono::milliseconds(30));
        const POINT point{100 + kSiblingPoint.x, 100 + kSiblingPoint.y};
        MovePointer(point.x, point.y);
        ASSERT_EQ(WindowFromPoint(point), upper_.get()) << "the window system must report the upper one";
    }

    UniqueWindow parent_, upper_, lower_;
};

TEST_P(Siblings, TakesTheRightOne) {
    EXPECT_EQ(WindowUnderPointer(), GetParam().lowerTaken ? lower_.get() : upper_.get());
}

INSTANTIATE_TEST_SUITE_P(Cases, Siblings, testing::ValuesIn(kSiblingCases));

TEST(WindowUnderPointer, TopLevelWindowIsTakenWithoutAWalk) {
    const UniqueWindow top = MakeWindow({600, 100, 800, 300}, WS_POPUP | WS_VISIBLE);
    MovePointer(700, 200);
    EXPECT_EQ(WindowUnderPointer(), top.get());
}

} // namespace
