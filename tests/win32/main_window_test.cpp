#include "platform/caption.h"
#include "platform/controls.h"
#include "platform/message_loop.h"
#include "platform/timer.h"
#include "window/before_dispatch.h"
#include "window/build_main_window.h"
#include "window/control_names.h"
#include "window/main_window_description.h"
#include "window/start_up.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

// The program's own window, built in this process from its description.
class MainWindow : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(BuildMainWindow(kMainWindowDescription));
        main_ = ControlHandle(control::主窗口);
        ASSERT_NE(main_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(main_)) {
            DestroyWindow(main_);
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    // The message loop's rules, applied while pumping this thread's messages.
    bool PumpWithRulesUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done() && std::chrono::steady_clock::now() < end) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (!LookBeforeDispatch(message)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
        return done();
    }

    HWND main_ = nullptr;
};

TEST_F(MainWindow, SizePlaceTitleAndStyles) {
    RECT rect{};
    GetWindowRect(main_, &rect);
    EXPECT_EQ(rect.right - rect.left, 349);
    EXPECT_EQ(rect.bottom - rect.top, 204);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 349) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 204) / 2);

    EXPECT_EQ(ReadText(main_), L"");
    const LONG style = GetWindowLongW(main_, GWL_STYLE);
    for (const LONG present : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_CLIPCHILDREN, WS_VISIBLE}) {
        EXPECT_EQ(style & present, present) << std::hex << present;
    }
    for (const LONG absent : {WS_THICKFRAME, WS_MAXIMIZEBOX, WS_CHILD, WS_DISABLED}) {
        EXPECT_EQ(style & absent, 0) << std::hex << absent;
    }
    EXPECT_NE(GetWindowLongW(main_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindow(main_, GW_OWNER), nullptr);
    EXPECT_EQ(GetParent(main_), nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(main_, WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(GetActiveWindow(), main_);
}

struct ControlCase {
    std::string_view name;
    const wchar_t* className;
    std::string_view parent;
    RECT place; // in the parent's client area
    const wchar_t* text;
    bool visible;
};

TEST_F(MainWindow, ControlsStandWhereTheDescriptionPutsThem) {
    using namespace control;
    const ControlCase cases[] = {
        {分组框1, L"Button", 主窗口, {16, 64, 168, 160}, L"X坐标", true},
        {标签1, L"VantrelLabel", 分组框1, {16, 24, 128, 80}, L"标签", true},
        {分组框2, L"Button", 主窗口, {184, 64, 328, 160}, L"Y坐标", true},
        {标签2, L"VantrelLabel", 分组框2, {8, 24, 128, 80}, L"标签", true},
        {标签3, L"VantrelLabel", 主窗口, {24, 16, 240, 48}, L"把鼠标 放到 模拟器窗口中 按F10取窗口中", true},
        {标签4, L"VantrelLabel", 主窗口, {0, 336, 120, 360}, L"", true},
        {时钟1, L"VantrelTimer", 主窗口, {416, 280, 456, 312}, L"", false},
    };
    for (const ControlCase& c : cases) {
        const std::string name(c.name);
        const HWND window = ControlHandle(c.name);
        ASSERT_NE(window, nullptr) << name;
        wchar_t className[64];
        GetClassNameW(window, className, 64);
        EXPECT_EQ(lstrcmpiW(className, c.className), 0) << name;
        EXPECT_EQ(GetParent(window), ControlHandle(c.parent)) << name;

        RECT rect{};
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, c.place.left) << name;
        EXPECT_EQ(rect.top, c.place.top) << name;
        EXPECT_EQ(rect.right, c.place.right) << name;
        EXPECT_EQ(rect.bottom, c.place.bottom) << name;
        EXPECT_EQ(ReadText(window), c.text) << name;

        const LONG style = GetWindowLongW(window, GWL_STYLE);
        EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS), WS_CHILD | WS_CLIPSIBLINGS) << name;
        EXPECT_EQ(style & (WS_TABSTOP | WS_DISABLED | WS_BORDER), 0) << name;
        EXPECT_EQ((style & WS_VISIBLE) != 0, c.visible) << name;
    }
    const LONG boxStyle = GetWindowLongW(ControlHandle(control::分组框1), GWL_STYLE);
    EXPECT_EQ(boxStyle & BS_TYPEMASK, BS_GROUPBOX);
    EXPECT_EQ(boxStyle & (BS_LEFT | BS_RIGHT), BS_LEFT);

    // The receiver lies below the client area, out of sight.
    RECT client{};
    GetClientRect(main_, &client);
    EXPECT_GE(336, client.bottom);
}

TEST_F(MainWindow, LabelsUseTheDefaultGuiFont) {
    for (const auto name :
         {control::标签1, control::标签2, control::标签3, control::标签4, control::分组框1}) {
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(ControlHandle(name), WM_GETFONT, 0, 0)),
                  GetStockObject(DEFAULT_GUI_FONT));
    }
}

TEST_F(MainWindow, CaptionWriteConvertsFromCodePage936AndRepaintsEveryTime) {
    const HWND label = ControlHandle(control::标签1);
    WriteCaption(label, "\xB3\xAC\xB3\xF6\xC1\xCB");
    EXPECT_EQ(ReadText(label), L"超出了");
    EXPECT_TRUE(GetUpdateRect(label, nullptr, FALSE));

    UpdateWindow(label);
    ASSERT_FALSE(GetUpdateRect(label, nullptr, FALSE));
    WriteCaption(label, "\xB3\xAC\xB3\xF6\xC1\xCB"); // the same text again
    EXPECT_TRUE(GetUpdateRect(label, nullptr, FALSE));
    RECT update{};
    GetUpdateRect(label, &update, FALSE);
    RECT client{};
    GetClientRect(label, &client);
    EXPECT_TRUE(EqualRect(&update, &client)) << "the whole label is marked";
}

// Columns of the label that carry dark (text) pixels, read back from its window.
std::vector<bool> InkedColumns(HWND label) {
    UpdateWindow(label);
    RECT area{};
    GetClientRect(label, &area);
    std::vector<bool> inked(static_cast<std::size_t>(area.right), false);
    const HDC dc = GetDC(label);
    for (int x = 0; x < area.right; ++x) {
        for (int y = 0; y < area.bottom && !inked[static_cast<std::size_t>(x)]; ++y) {
            const COLORREF colour = GetPixel(dc, x, y);
            inked[static_cast<std::size_t>(x)] =
                GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 3 * 96;
        }
    }
    ReleaseDC(label, dc);
    return inked;
}

TEST_F(MainWindow, ACentredCaptionWiderThanItsLabelIsCutAtBothEdges) {
    const HWND label = ControlHandle(control::标签1);
    WriteCaption(label, "0");
    std::vector<bool> inked = InkedColumns(label);
    ASSERT_FALSE(inked.front()) << "a short caption leaves the edges clear";
    ASSERT_FALSE(inked.back());
    const auto first = std::find(inked.begin(), inked.end(), true) - inked.begin();
    const auto last = inked.rend() - std::find(inked.rbegin(), inked.rend(), true) - 1;
    EXPECT_LE(std::abs((first + last) - static_cast<long>(inked.size()) + 1), 4) << "centred";

    // One line of digits far wider than the label: no wrap, no ellipsis, cut on both sides.
    WriteCaption(label, "8888888888888888888888888888888888888888888888888888888888888888");
    inked = InkedColumns(label);
    EXPECT_TRUE(std::count(inked.begin(), inked.begin() + 4, true) > 0) << "cut at the left edge";
    EXPECT_TRUE(std::count(inked.end() - 4, inked.end(), true) > 0) << "cut at the right edge";
}

TEST_F(MainWindow, ALeftAlignedCaptionStartsAtTheLeftEdgeAndIsCutAtTheRight) {
    const HWND label = ControlHandle(control::标签3);
    WriteCaption(label, "8888888888888888888888888888888888888888888888888888888888888888");
    const std::vector<bool> inked = InkedColumns(label);
    EXPECT_TRUE(std::count(inked.begin(), inked.begin() + 4, true) > 0);
    EXPECT_TRUE(std::count(inked.end() - 4, inked.end(), true) > 0);
}

TEST_F(MainWindow, PressOnALabelPostsACaptionPressAndIsDiscarded) {
    const MSG press{ControlHandle(control::标签3), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5), 0, {}};
    EXPECT_TRUE(LookBeforeDispatch(press));
    MSG posted{};
    ASSERT_TRUE(PeekMessageW(&posted, main_, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(HTCAPTION));
    EXPECT_EQ(posted.lParam, 0);
}

TEST_F(MainWindow, PressOnTheFacePostsACaptionPressAndIsDispatched) {
    const MSG press{main_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5), 0, {}};
    EXPECT_FALSE(LookBeforeDispatch(press));
    MSG posted{};
    ASSERT_TRUE(PeekMessageW(&posted, main_, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(HTCAPTION));
}

TEST_F(MainWindow, PressElsewhereIsLeftAlone) {
    const UniqueWindow other = MakeWindow({0, 0, 50, 50}, WS_POPUP);
    const MSG press{other.get(), WM_LBUTTONDOWN, MK_LBUTTON, 0, 0, {}};
    EXPECT_FALSE(LookBeforeDispatch(press));
    MSG posted{};
    EXPECT_FALSE(PeekMessageW(&posted, nullptr, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
}

TEST_F(MainWindow, RealEscClosesTheWindow) {
    SetForegroundWindow(main_);
    PumpWithRulesUntil([&] { return GetForegroundWindow() == main_; }, 1s);
    TapKey(VK_ESCAPE);
    EXPECT_TRUE(PumpWithRulesUntil([&] { return !IsWindow(main_); }, 3s));
}

class EscWithModifier : public MainWindow, public testing::WithParamInterface<WORD> {};

TEST_P(EscWithModifier, DoesNotClose) {
    SetForegroundWindow(main_);
    PumpWithRulesUntil([&] { return GetForegroundWindow() == main_; }, 1s);
    SendKey(GetParam(), true);
    TapKey(VK_ESCAPE);
    SendKey(GetParam(), false);
    PumpWithRulesUntil([] { return false; }, 500ms);
    EXPECT_TRUE(IsWindow(main_));
    // The same Esc alone still closes it, so the keys did reach the window.
    TapKey(VK_ESCAPE);
    EXPECT_TRUE(PumpWithRulesUntil([&] { return !IsWindow(main_); }, 3s));
}

INSTANTIATE_TEST_SUITE_P(Modifiers, EscWithModifier, testing::Values(VK_SHIFT, VK_CONTROL, VK_MENU));

TEST_F(MainWindow, ConsentsToTheEndOfTheSession) {
    EXPECT_EQ(SendMessageW(main_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_TRUE(IsWindow(main_));
}

TEST_F(MainWindow, CloseIsGrantedAtOnce) {
    SendMessageW(main_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(main_));
    EXPECT_EQ(ControlHandle(control::标签1), nullptr);
}

// What the start-up order looks like from the handlers.
struct Observed {
    HWND mainAtCreated = nullptr;
    bool visibleAtCreated = true;
    bool labelVisibleAtCreated = false;
    bool loopAtCreated = true;
    int ticksAtCreated = -1;
    int ticks = 0;
    bool visibleAtFirstTick = false;
    std::chrono::steady_clock::time_point start, firstTick;
};
Observed observed;

void RecordCreated() {
    observed.mainAtCreated = ControlHandle("main");
    observed.visibleAtCreated = IsWindowVisible(observed.mainAtCreated) != FALSE;
    observed.labelVisibleAtCreated = (GetWindowLongW(ControlHandle("label"), GWL_STYLE) & WS_VISIBLE) != 0;
    observed.loopAtCreated = MessageLoopEntered();
    observed.ticksAtCreated = observed.ticks;
}

void RecordTick() {
    if (++observed.ticks == 1) {
        observed.firstTick = std::chrono::steady_clock::now();
        observed.visibleAtFirstTick = IsWindowVisible(ControlHandle("main")) != FALSE;
        PostMessageW(ControlHandle("main"), WM_CLOSE, 0, 0);
    }
}

constexpr ControlDescription kRecorderControls[] = {
    {"label", ControlKind::Label, "main", 0, 0, 50, 20, "", Alignment::Left, 0},
    {"clock", ControlKind::Timer, "main", 0, 0, 1, 1, "", Alignment::Left, 100},
};
constexpr EventBinding kRecorderBindings[] = {
    {"main", Event::Created, RecordCreated, nullptr, nullptr},
    {"clock", Event::Periodic, nullptr, nullptr, RecordTick},
};
const WindowDescription kRecorder{
    {"main", "", WS_CAPTION | WS_SYSMENU, 349, 204}, kRecorderControls, kRecorderBindings};

TEST(StartUp, CreatedRunsHiddenBeforeTheLoopAndTheFirstTickComesAfter100Ms) {
    observed = Observed{};
    observed.start = std::chrono::steady_clock::now();
    // The first tick closes the window, which ends the loop with 0.
    EXPECT_EQ(RunStartRoutine(kRecorder), 0);

    EXPECT_NE(observed.mainAtCreated, nullptr);
    EXPECT_FALSE(observed.visibleAtCreated);
    EXPECT_TRUE(observed.labelVisibleAtCreated);
    EXPECT_FALSE(observed.loopAtCreated);
    EXPECT_EQ(observed.ticksAtCreated, 0);
    EXPECT_EQ(observed.ticks, 1) << "no tick after the window is gone";
    EXPECT_TRUE(observed.visibleAtFirstTick);
    EXPECT_GE(observed.firstTick - observed.start, 100ms);
    EXPECT_FALSE(IsWindow(observed.mainAtCreated));
}

} // namespace
