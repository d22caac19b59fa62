// 100,000 refresh ticks on a real main window with a captured target and a
// moving pointer: no heap allocation (this program counts them), no window or
// GUI object gained or lost, memory steady, and every caption still right.
#include "platform/controls.h"
#include "readout/capture.h"
#include "readout/refresh.h"
#include "window/build_main_window.h"
#include "window/control_names.h"
#include "window/main_window_description.h"

#include "../counting_new.h"
#include "test_support.h"

#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

constexpr int kTicks = 100000;

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

// The windows of this thread, top-level and child.
int WindowsOfThisThread() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

SIZE_T WorkingSet() {
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return memory.WorkingSetSize;
}

std::wstring Expected(long offset, long extent) {
    return offset >= 0 && offset <= extent ? std::to_wstring(offset) : std::wstring(L"超出了");
}

TEST(Endurance, TheAllocationCounterCounts) {
    const long before = AllocationsSoFar();
    const std::wstring text(200, L'x'); // too long to fit in place
    EXPECT_GT(AllocationsSoFar(), before);
    EXPECT_EQ(text.size(), 200u);
}

TEST(Endurance, HundredThousandTicksLeaveNothingBehind) {
    ASSERT_TRUE(BuildMainWindow(kMainWindowDescription));
    const HWND main = ControlHandle(control::主窗口);
    const HWND xLabel = ControlHandle(control::标签1);
    const HWND yLabel = ControlHandle(control::标签2);
    const UniqueWindow target = MakeWindow({40, 60, 300, 260}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    TargetWindow = target.get();
    POINT origin{};
    ClientToScreen(target.get(), &origin);
    RECT client{};
    GetClientRect(target.get(), &client);

    // Warm up: the first paints and conversions settle their one-time costs.
    for (int i = 0; i < 100; ++i) {
        OnRefreshTick();
    }
    PumpMessages(200ms);

    const int windowsBefore = WindowsOfThisThread();
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    const SIZE_T workingSetBefore = WorkingSet();
    long tickAllocations = 0;
    int checked = 0;

    for (int tick = 0; tick < kTicks; ++tick) {
        // The pointer walks a diagonal that leaves the client area on both sides.
        const int step = (tick / 100) % 40;
        const POINT at{origin.x - 20 + step * 8, origin.y - 20 + step * 7};
        if (tick % 100 == 0) {
            SetCursorPos(at.x, at.y);
        }
        const long before = AllocationsSoFar();
        OnRefreshTick();
        tickAllocations += AllocationsSoFar() - before;

        if (tick % 1000 == 999) {
            PumpMessages(1ms); // the labels repaint as they would between ticks
            EXPECT_EQ(ReadText(xLabel), Expected(at.x - origin.x, client.right)) << "tick " << tick;
            EXPECT_EQ(ReadText(yLabel), Expected(at.y - origin.y, client.bottom)) << "tick " << tick;
            ++checked;
        }
    }
    PumpMessages(200ms);

    EXPECT_EQ(checked, kTicks / 1000);
    EXPECT_EQ(tickAllocations, 0) << "heap allocations in " << kTicks << " ticks";
    EXPECT_EQ(WindowsOfThisThread(), windowsBefore);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore);
    const SIZE_T workingSetAfter = WorkingSet();
    EXPECT_LT(workingSetAfter, workingSetBefore + 1024 * 1024)
        << "working set grew from " << workingSetBefore << " to " << workingSetAfter;

    DestroyWindow(main);
}

} // namespace
