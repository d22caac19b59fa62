#include "platform/caption.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/message_loop.h"
#include "platform/timer.h"
#include "readout/capture.h"
#include "readout/refresh.h"
#include "window/before_dispatch.h"
#include "window/build_main_window.h"
#include "window/control_names.h"
#include "window/main_window_description.h"
#include "window/start_up.h"

#include "main_window_fixture.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

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
    for (const auto name : {control::分组框1, control::分组框2}) {
        const LONG boxStyle = GetWindowLongW(ControlHandle(name), GWL_STYLE);
        EXPECT_EQ(boxStyle & BS_TYPEMASK, BS_GROUPBOX) << std::string(name);
        EXPECT_EQ(boxStyle & (BS_LEFT | BS_RIGHT | BS_CENTER), BS_LEFT) << std::string(name);
    }

    // The receiver lies below the client area, out of sight.
    RECT client{};
    GetClientRect(main_, &client);
    EXPECT_GE(336, client.bottom);
}

TEST_F(MainWindow, LabelsUseTheDefaultGuiFont) {
    for (const auto name :
         {control::标签1, control::标签2, control::标签3, control::标签4, control::分组框1, control::分组框2}) {
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(ControlHandle(name), WM_GETFONT, 0, 0)),
                  GetStockObject(DEFAULT_GUI_FONT));
    }
}

// The icon in the caption bar and on the taskbar button is the program's own.
TEST_F(MainWindow, CarriesTheApplicationIconLargeAndSmall) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const struct {
        WPARAM which;
        int width, height;
    } icons[] = {{ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
    for (const auto& icon : icons) {
        const auto shown = reinterpret_cast<HICON>(SendMessageW(main_, WM_GETICON, icon.which, 0));
        ASSERT_NE(shown, nullptr) << icon.which;
        const auto expected = static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON,
                                                            GetSystemMetrics(icon.width),
                                                            GetSystemMetrics(icon.height), LR_SHARED));
        EXPECT_EQ(shown, expected) << icon.which;
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
    std::chrono::steady_clock::time_point timerMade, firstTick, lastTick;
};
Observed observed;

// Notes the moment the timer's window is made, before its WM_CREATE sets the timer.
LRESULT CALLBACK WatchTimerCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && ClassOf(reinterpret_cast<HWND>(wParam)) == L"VantrelTimer") {
        observed.timerMade = std::chrono::steady_clock::now();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void RecordCreated() {
    observed.mainAtCreated = ControlHandle("main");
    observed.visibleAtCreated = IsWindowVisible(observed.mainAtCreated) != FALSE;
    observed.labelVisibleAtCreated = (GetWindowLongW(ControlHandle("label"), GWL_STYLE) & WS_VISIBLE) != 0;
    observed.loopAtCreated = MessageLoopEntered();
    observed.ticksAtCreated = observed.ticks;
}

constexpr int kRecordedTicks = 4;

void RecordTick() {
    if (++observed.ticks == 1) {
        observed.firstTick = std::chrono::steady_clock::now();
        observed.visibleAtFirstTick = IsWindowVisible(ControlHandle("main")) != FALSE;
    }
    if (observed.ticks == kRecordedTicks) {
        observed.lastTick = std::chrono::steady_clock::now();
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
    const HHOOK hook = SetWindowsHookExW(WH_CBT, WatchTimerCreation, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    // The fourth tick closes the window, which ends the loop with 0.
    EXPECT_EQ(RunStartRoutine(kRecorder), 0);
    UnhookWindowsHookEx(hook);
    ASSERT_NE(observed.timerMade, std::chrono::steady_clock::time_point{}) << "the timer's window was not seen";

    EXPECT_NE(observed.mainAtCreated, nullptr);
    EXPECT_FALSE(observed.visibleAtCreated);
    EXPECT_TRUE(observed.labelVisibleAtCreated);
    EXPECT_FALSE(observed.loopAtCreated);
    EXPECT_EQ(observed.ticksAtCreated, 0);
    EXPECT_EQ(observed.ticks, kRecordedTicks) << "no tick after the window is gone";
    EXPECT_TRUE(observed.visibleAtFirstTick);
    EXPECT_GE(observed.firstTick - observed.timerMade, 100ms) << "counted from the timer's own creation";
    // Every 100 ms, not every second: three periods pass well within one.
    // (Expiries keep to the timer's schedule, so one interval after a late
    // tick may be shorter than the period: no lower bound here.)
    EXPECT_LT(observed.lastTick - observed.firstTick, 1000ms);
    EXPECT_FALSE(IsWindow(observed.mainAtCreated));
}

// F10 pressed after the registration, while the window is still being made:
// the press waits in the queue and is handled once the loop runs.
struct EarlyPress {
    int feedbackAtCreatedEnd = -1;
    int feedbackCalls = 0;
    bool loopAtFeedback = false;
    int ticks = 0;
};
EarlyPress early;

void RegisterThenPressF10() {
    OnMainWindowCreated();
    TapKey(VK_F10);
    Sleep(200); // long enough for the press to have arrived, were it handled here
    early.feedbackAtCreatedEnd = early.feedbackCalls;
}

void FeedbackInTheLoop(std::int32_t first, std::int32_t second) {
    ++early.feedbackCalls;
    early.loopAtFeedback = MessageLoopEntered();
    OnHotkeyFeedback(first, second);
    PostMessageW(ControlHandle(control::主窗口), WM_CLOSE, 0, 0);
}

void GiveUpAfterThreeSeconds() {
    if (++early.ticks == 30) {
        PostMessageW(ControlHandle(control::主窗口), WM_CLOSE, 0, 0);
    }
}

constexpr EventBinding kEarlyPressBindings[] = {
    {control::主窗口, Event::Created, RegisterThenPressF10, nullptr, nullptr},
    {control::标签4, Event::Feedback, nullptr, FeedbackInTheLoop, nullptr},
    {control::时钟1, Event::Periodic, nullptr, nullptr, GiveUpAfterThreeSeconds},
};

TEST(StartUp, F10PressedBeforeTheLoopIsHandledOnceTheLoopRuns) {
    const UniqueWindow target = MakeWindow({40, 60, 300, 260}, WS_POPUP | WS_VISIBLE);
    MovePointer(100, 100);
    const WindowDescription description{kMainWindowDescription.window, kMainWindowDescription.controls,
                                        kEarlyPressBindings};
    EXPECT_EQ(RunStartRoutine(description), 0);

    EXPECT_EQ(HotkeyId, 33001) << "F10 must be free for this test";
    EXPECT_EQ(early.feedbackAtCreatedEnd, 0) << "nothing is handled before the loop";
    EXPECT_EQ(early.feedbackCalls, 1);
    EXPECT_TRUE(early.loopAtFeedback);
    EXPECT_EQ(TargetWindow, target.get());
}

// Counts what the readout labels receive, then hands it to the label as usual.
struct LabelTraffic {
    int setText = 0;
    int paint = 0;
};
LabelTraffic xTraffic, yTraffic;
HWND xLabel = nullptr;
WNDPROC labelProcedure = nullptr;

LRESULT CALLBACK CountLabelTraffic(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LabelTraffic& traffic = window == xLabel ? xTraffic : yTraffic;
    traffic.setText += message == WM_SETTEXT;
    traffic.paint += message == WM_PAINT;
    return CallWindowProcW(labelProcedure, window, message, wParam, lParam);
}

TEST_F(MainWindow, EveryTickSetsAndRepaintsBothReadoutsAlsoWhenUnchanged) {
    // The ticks are this test's own: the window's timer stays still.
    KillTimer(ControlHandle(control::时钟1), kTimerId);
    TargetWindow = nullptr;
    MovePointer(600, 500); // off the screen's edges: both axes read the same at every tick
    xLabel = ControlHandle(control::标签1);
    const HWND yLabel = ControlHandle(control::标签2);
    labelProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(xLabel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountLabelTraffic)));
    SetWindowLongPtrW(yLabel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountLabelTraffic));
    OnRefreshTick();
    PumpMessages(50ms);
    xTraffic = yTraffic = {};

    constexpr int kTicks = 5;
    for (int tick = 0; tick < kTicks; ++tick) {
        OnRefreshTick();
        PumpMessages(30ms);
    }
    EXPECT_EQ(ReadText(xLabel), L"超出了");
    EXPECT_EQ(ReadText(yLabel), L"超出了");
    EXPECT_EQ(xTraffic.setText, kTicks);
    EXPECT_EQ(yTraffic.setText, kTicks);
    EXPECT_EQ(xTraffic.paint, kTicks);
    EXPECT_EQ(yTraffic.paint, kTicks);
}

TEST_F(MainWindow, ItsTimerRewritesTheReadoutsTenTimesASecond) {
    xLabel = ControlHandle(control::标签1);
    labelProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(xLabel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountLabelTraffic)));
    xTraffic = {};
    PumpMessages(1050ms);
    // About ten; a period of 50 ms or of a second is far outside.
    EXPECT_GE(xTraffic.setText, 7);
    EXPECT_LE(xTraffic.setText, 11);
}

} // namespace
