#include "platform/window_under_pointer.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A parent at a known place whose children overlap at the point (100, 100)
// of its client area; `upper` lies above `lower` in the stacking order.
class Siblings : public testing::Test {
  protected:
    void SetUp() override {
        parent_ = MakeWindow({100, 100, 500, 500}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
        ASSERT_TRUE(parent_);
    }

    void Arrange(RECT upper, RECT lower, bool lowerVisible = true) {
        upper_ = MakeWindow(upper, WS_CHILD | WS_VISIBLE, parent_.get());
        lower_ = MakeWindow(lower, WS_CHILD | (lowerVisible ? WS_VISIBLE : 0), parent_.get());
        SetWindowPos(upper_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowPos(lower_.get(), upper_.get(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ASSERT_EQ(GetWindow(upper_.get(), GW_HWNDNEXT), lower_.get());
        PumpMessages(std::chrono::milliseconds(30));
        MovePointer(200, 200); // (100, 100) in the parent's client area
        ASSERT_EQ(WindowFromPoint(POINT{200, 200}), upper_.get())
            << "the window system must report the upper one";
    }

    UniqueWindow parent_, upper_, lower_;
};

TEST_F(Siblings, SmallerVisibleSiblingBelowIsTaken) {
    Arrange({0, 0, 300, 300}, {50, 50, 150, 150});
    EXPECT_EQ(WindowUnderPointer(), lower_.get());
}

TEST_F(Siblings, EqualAreaKeepsTheReportedWindow) {
    Arrange({0, 0, 200, 200}, {50, 50, 250, 250});
    EXPECT_EQ(WindowUnderPointer(), upper_.get());
}

TEST_F(Siblings, LargerSiblingBelowIsNotTaken) {
    Arrange({50, 50, 150, 150}, {0, 0, 300, 300});
    EXPECT_EQ(WindowUnderPointer(), upper_.get());
}

TEST_F(Siblings, HiddenSiblingIsNotTaken) {
    Arrange({0, 0, 300, 300}, {50, 50, 150, 150}, false);
    EXPECT_EQ(WindowUnderPointer(), upper_.get());
}

TEST_F(Siblings, SiblingReachingThePointWithItsRightEdgeIsNotTaken) {
    Arrange({0, 0, 300, 300}, {50, 50, 100, 150});
    EXPECT_EQ(WindowUnderPointer(), upper_.get());
}

TEST_F(Siblings, SiblingReachingThePointWithItsBottomEdgeIsNotTaken) {
    Arrange({0, 0, 300, 300}, {50, 50, 150, 100});
    EXPECT_EQ(WindowUnderPointer(), upper_.get());
}

TEST_F(Siblings, SiblingWhoseTopLeftCornerIsThePointIsTaken) {
    Arrange({0, 0, 300, 300}, {100, 100, 150, 150});
    EXPECT_EQ(WindowUnderPointer(), lower_.get());
}

TEST(WindowUnderPointer, TopLevelWindowIsTakenWithoutAWalk) {
    const UniqueWindow top = MakeWindow({600, 100, 800, 300}, WS_POPUP | WS_VISIBLE);
    MovePointer(700, 200);
    EXPECT_EQ(WindowUnderPointer(), top.get());
}

} // namespace
