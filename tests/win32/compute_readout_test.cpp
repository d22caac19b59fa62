#include "readout/compute_readout.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const Text kOut = "\xB3\xAC\xB3\xF6\xC1\xCB";

// A framed window at a known place: its client area starts inside the frame,
// so the readout must come from ClientToScreen, not the window rectangle.
class ComputeReadoutOnRealWindow : public testing::Test {
  protected:
    void SetUp() override {
        target_ = MakeWindow({200, 150, 520, 400}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        ASSERT_TRUE(target_);
        RECT client{};
        GetClientRect(target_.get(), &client);
        width_ = client.right;
        height_ = client.bottom;
        ClientToScreen(target_.get(), &origin_);
        ASSERT_GT(width_, 0);
        ASSERT_GT(height_, 0);
    }

    Readout ReadAt(int dx, int dy, HWND window) {
        MovePointer(origin_.x + dx, origin_.y + dy);
        Readout readout;
        const Readout result = ComputeReadout(window, readout, kOut);
        EXPECT_EQ(result.xText, readout.xText);
        EXPECT_EQ(result.yText, readout.yText);
        return readout;
    }

    UniqueWindow target_;
    POINT origin_{};
    int width_ = 0;
    int height_ = 0;
};

TEST_F(ComputeReadoutOnRealWindow, ClientOriginReadsZero) {
    const Readout readout = ReadAt(0, 0, target_.get());
    EXPECT_EQ(readout.xText, "0");
    EXPECT_EQ(readout.yText, "0");
    RECT window{};
    GetWindowRect(target_.get(), &window);
    EXPECT_TRUE(origin_.x > window.left || origin_.y > window.top) << "the frame must offset the client area";
}

TEST_F(ComputeReadoutOnRealWindow, InsideReadsTheOffsets) {
    const Readout readout = ReadAt(17, 42, target_.get());
    EXPECT_EQ(readout.xText, "17");
    EXPECT_EQ(readout.yText, "42");
}

TEST_F(ComputeReadoutOnRealWindow, TheExtentItselfCountsAsInside) {
    const Readout readout = ReadAt(width_, height_, target_.get());
    EXPECT_EQ(readout.xText, std::to_string(width_));
    EXPECT_EQ(readout.yText, std::to_string(height_));
}

TEST_F(ComputeReadoutOnRealWindow, OnePixelBeyondIsOutOfRangeOnThatAxisOnly) {
    Readout readout = ReadAt(width_ + 1, 5, target_.get());
    EXPECT_EQ(readout.xText, kOut);
    EXPECT_EQ(readout.yText, "5");
    readout = ReadAt(5, height_ + 1, target_.get());
    EXPECT_EQ(readout.xText, "5");
    EXPECT_EQ(readout.yText, kOut);
}

TEST_F(ComputeReadoutOnRealWindow, BeforeTheOriginIsOutOfRange) {
    Readout readout = ReadAt(-1, 3, target_.get());
    EXPECT_EQ(readout.xText, kOut);
    EXPECT_EQ(readout.yText, "3");
    readout = ReadAt(-1, -1, target_.get());
    EXPECT_EQ(readout.xText, kOut);
    EXPECT_EQ(readout.yText, kOut);
}

TEST_F(ComputeReadoutOnRealWindow, WindowZeroMeasuresFromTheScreenOrigin) {
    MovePointer(0, 500);
    Readout readout;
    ComputeReadout(nullptr, readout, kOut);
    EXPECT_EQ(readout.xText, "0");
    EXPECT_EQ(readout.yText, kOut);
    MovePointer(300, 0);
    ComputeReadout(nullptr, readout, kOut);
    EXPECT_EQ(readout.xText, kOut);
    EXPECT_EQ(readout.yText, "0");
}

TEST_F(ComputeReadoutOnRealWindow, DestroyedWindowReadsLikeWindowZero) {
    const HWND gone = target_.get();
    target_.reset();
    ASSERT_FALSE(IsWindow(gone));
    MovePointer(0, 500);
    Readout readout{"old", "old"};
    ComputeReadout(gone, readout, kOut);
    EXPECT_EQ(readout.xText, "0");
    EXPECT_EQ(readout.yText, kOut);
    MovePointer(400, 300);
    ComputeReadout(gone, readout, kOut);
    EXPECT_EQ(readout.xText, kOut);
    EXPECT_EQ(readout.yText, kOut);
}

} // namespace
