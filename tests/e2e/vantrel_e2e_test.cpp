// Drives the built vantrel.exe from outside, as a person would: real target
// windows at known places, the real pointer, the real F10, and the two
// readouts read back through WM_GETTEXT.
#include "../win32/sibling_cases.h"
#include "../win32/test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

const std::wstring kOut = L"超出了";

// Far from Vantrel's centred window and from the screen's edges.
constexpr POINT kAway{900, 700};

// One running copy of Vantrel and its readouts.
class Vantrel {
  public:
    Vantrel() : process_(L"vantrel.exe", L"") {
        if (!process_.started()) {
            return;
        }
        window_ = WaitForTopWindow(
            process_.id(), [](HWND window) { return ClassOf(window) == L"VantrelWindow"; }, 20s);
        if (window_ == nullptr) {
            return;
        }
        for (HWND box = FindWindowExW(window_, nullptr, L"Button", nullptr); box != nullptr;
             box = FindWindowExW(window_, box, L"Button", nullptr)) {
            const std::wstring title = ReadText(box);
            const HWND label = FindWindowExW(box, nullptr, L"VantrelLabel", nullptr);
            (title == L"X坐标" ? x_ : y_) = title == L"X坐标" || title == L"Y坐标" ? label : nullptr;
        }
        for (HWND label = FindWindowExW(window_, nullptr, L"VantrelLabel", nullptr); label != nullptr;
             label = FindWindowExW(window_, label, L"VantrelLabel", nullptr)) {
            if (ReadText(label).empty()) {
                receiver_ = label;
            }
        }
    }

    bool ready() const {
        return window_ != nullptr && x_ != nullptr && y_ != nullptr && receiver_ != nullptr;
    }
    // What was seen of it, for a failure message.
    std::string State() {
        std::string state = process_.started() ? "started" : "not started";
        if (process_.started()) {
            const DWORD code = process_.WaitForExit(std::chrono::milliseconds(0));
            state += code == STILL_ACTIVE ? ", still running" : ", ended with " + std::to_string(code);
        }
        state += window_ ? ", window found" : ", no window";
        state += x_ && y_ ? ", readouts found" : ", readouts missing";
        return state;
    }

    HWND window() const { return window_; }
    HWND receiver() const { return receiver_; }
    ChildProcess& process() { return process_; }

    std::wstring x() const { return ReadText(x_); }
    std::wstring y() const { return ReadText(y_); }

    // Waits, pumping the driver's own windows, until both readouts show the
    // expected texts; on time-out the texts last seen are reported.
    testing::AssertionResult Shows(const std::wstring& x, const std::wstring& y) const {
        if (PumpUntil([&] { return this->x() == x && this->y() == y; }, 3s)) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure()
               << "readouts show (" << Narrow(this->x()) << ", " << Narrow(this->y()) << "), expected ("
               << Narrow(x) << ", " << Narrow(y) << ")";
    }

    // The texts stay the same over several ticks.
    testing::AssertionResult KeepsShowing(const std::wstring& x, const std::wstring& y) const {
        const auto end = std::chrono::steady_clock::now() + 600ms;
        while (std::chrono::steady_clock::now() < end) {
            if (this->x() != x || this->y() != y) {
                return testing::AssertionFailure()
                       << "readouts changed to (" << Narrow(this->x()) << ", " << Narrow(this->y()) << ")";
            }
            PumpMessages(20ms);
        }
        return testing::AssertionSuccess();
    }

    static std::string Narrow(const std::wstring& text) {
        std::string utf8(text.size() * 3 + 1, '\0');
        utf8.resize(static_cast<std::size_t>(
            WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(),
                                static_cast<int>(utf8.size()), nullptr, nullptr)));
        return utf8;
    }

  private:
    ChildProcess process_;
    HWND window_ = nullptr;
    HWND x_ = nullptr, y_ = nullptr, receiver_ = nullptr;
};

std::wstring Number(long value) {
    return std::to_wstring(value);
}

POINT ClientOrigin(HWND window) {
    POINT origin{};
    ClientToScreen(window, &origin);
    return origin;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// Rests the pointer on (x, y) and presses F10.
void CaptureAt(int x, int y) {
    MovePointer(x, y);
    PumpMessages(50ms);
    TapKey(VK_F10);
    PumpMessages(100ms);
}

class EndToEnd : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(vantrel_.ready()) << "vantrel.exe did not come up: " << vantrel_.State(); }

    // Pointer at (dx, dy) from the client origin of `window`.
    void PointAt(HWND window, int dx, int dy) {
        const POINT origin = ClientOrigin(window);
        MovePointer(origin.x + dx, origin.y + dy);
    }

    Vantrel vantrel_;
};

TEST_F(EndToEnd, BeforeAnyF10TheScreenIsTheReference) {
    MovePointer(kAway.x, kAway.y);
    EXPECT_TRUE(vantrel_.Shows(kOut, kOut));
    MovePointer(0, kAway.y);
    EXPECT_TRUE(vantrel_.Shows(L"0", kOut));
    MovePointer(kAway.x, 0);
    EXPECT_TRUE(vantrel_.Shows(kOut, L"0"));
}

TEST_F(EndToEnd, CapturedTopLevelWindowIsMeasuredFromItsClientOrigin) {
    const UniqueWindow target = MakeWindow({40, 60, 300, 260}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const SIZE size = ClientSize(target.get());
    PointAt(target.get(), 30, 30);
    CaptureAt(ClientOrigin(target.get()).x + 30, ClientOrigin(target.get()).y + 30);

    PointAt(target.get(), 0, 0);
    EXPECT_TRUE(vantrel_.Shows(L"0", L"0"));
    PointAt(target.get(), 17, 93);
    EXPECT_TRUE(vantrel_.Shows(L"17", L"93"));
    PointAt(target.get(), size.cx, size.cy);
    EXPECT_TRUE(vantrel_.Shows(Number(size.cx), Number(size.cy)));
    PointAt(target.get(), size.cx + 1, 5);
    EXPECT_TRUE(vantrel_.Shows(kOut, L"5"));
    PointAt(target.get(), 5, size.cy + 1);
    EXPECT_TRUE(vantrel_.Shows(L"5", kOut));
    PointAt(target.get(), -1, -1);
    EXPECT_TRUE(vantrel_.Shows(kOut, kOut));
    // Resting on one place, the same texts come at every tick.
    PointAt(target.get(), 8, 9);
    EXPECT_TRUE(vantrel_.Shows(L"8", L"9"));
    EXPECT_TRUE(vantrel_.KeepsShowing(L"8", L"9"));
}

TEST_F(EndToEnd, F10OverAChildControlMeasuresTheChild) {
    const UniqueWindow parent =
        MakeWindow({40, 60, 300, 260}, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN);
    const UniqueWindow child = MakeWindow({20, 30, 120, 90}, WS_CHILD | WS_VISIBLE, parent.get());
    const POINT origin = ClientOrigin(child.get());
    CaptureAt(origin.x + 10, origin.y + 10);

    PointAt(child.get(), 0, 0);
    EXPECT_TRUE(vantrel_.Shows(L"0", L"0"));
    PointAt(child.get(), 100, 60);
    EXPECT_TRUE(vantrel_.Shows(L"100", L"60"));
    PointAt(child.get(), 101, 61);
    EXPECT_TRUE(vantrel_.Shows(kOut, kOut));
}

// F10 over two overlapping children of a parent at (40, 60) on screen: the
// readout then measures the child that was taken, from its own client origin.
class Siblings : public EndToEnd, public testing::WithParamInterface<SiblingCase> {};

TEST_P(Siblings, MeasuresTheOneTaken) {
    const SiblingCase& c = GetParam();
    const UniqueWindow parent = MakeWindow({40, 60, 400, 400}, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    const UniqueWindow upper = MakeWindow(c.upper, WS_CHILD | WS_VISIBLE, parent.get());
    const UniqueWindow lower =
        MakeWindow(c.lower, WS_CHILD | (c.lowerVisible ? WS_VISIBLE : 0), parent.get());
    SetWindowPos(lower.get(), upper.get(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PumpMessages(50ms);
    CaptureAt(40 + kSiblingPoint.x, 60 + kSiblingPoint.y);

    PointAt(c.lowerTaken ? lower.get() : upper.get(), 0, 0);
    EXPECT_TRUE(vantrel_.Shows(L"0", L"0"));
}

INSTANTIATE_TEST_SUITE_P(Cases, Siblings, testing::ValuesIn(kSiblingCases));

TEST_F(EndToEnd, F10OverVantrelItselfMeasuresVantrel) {
    const POINT origin = ClientOrigin(vantrel_.window());
    CaptureAt(origin.x + 300, origin.y + 20); // the window's bare face
    PointAt(vantrel_.window(), 10, 5);
    EXPECT_TRUE(vantrel_.Shows(L"10", L"5"));
    // Again over the same window: the same target.
    CaptureAt(origin.x + 300, origin.y + 20);
    PointAt(vantrel_.window(), 12, 6);
    EXPECT_TRUE(vantrel_.Shows(L"12", L"6"));
}

TEST_F(EndToEnd, AClosedTargetReadsAsBeforeAnyCapture) {
    UniqueWindow target = MakeWindow({40, 60, 300, 260}, WS_POPUP | WS_VISIBLE);
    CaptureAt(100, 100);
    EXPECT_TRUE(vantrel_.Shows(L"60", L"40"));
    target.reset();
    EXPECT_TRUE(vantrel_.Shows(kOut, kOut));
    MovePointer(kAway.x, kAway.y);
    EXPECT_TRUE(vantrel_.Shows(kOut, kOut));
    MovePointer(0, kAway.y);
    EXPECT_TRUE(vantrel_.Shows(L"0", kOut));
}

TEST_F(EndToEnd, FeedbackWithAWrongIdentifierChangesNothing) {
    const UniqueWindow target = MakeWindow({40, 60, 300, 260}, WS_POPUP | WS_VISIBLE);
    MovePointer(100, 100);
    EXPECT_TRUE(vantrel_.Shows(kOut, kOut));
    DWORD_PTR ignored = 0;
    for (const WPARAM wrong : {WPARAM{0}, WPARAM{33000}, WPARAM{33002}, WPARAM{121}}) {
        SendMessageTimeoutW(vantrel_.receiver(), 32885, wrong, 0, SMTO_NORMAL, 2000, &ignored);
    }
    EXPECT_TRUE(vantrel_.KeepsShowing(kOut, kOut));
    // The program's own identifier through the same channel does capture.
    SendMessageTimeoutW(vantrel_.receiver(), 32885, 33001, 0, SMTO_NORMAL, 2000, &ignored);
    EXPECT_TRUE(vantrel_.Shows(L"60", L"40"));
}

TEST_F(EndToEnd, EscClosesWithExitCodeZeroAndFreesF10) {
    SetForegroundWindow(vantrel_.window());
    PumpUntil([&] { return GetForegroundWindow() == vantrel_.window(); }, 2s);
    TapKey(VK_ESCAPE);
    EXPECT_EQ(vantrel_.process().WaitForExit(5s), 0u);
    EXPECT_FALSE(IsWindow(vantrel_.window()));
    const UniqueWindow other = MakeWindow({0, 0, 10, 10}, WS_POPUP);
    EXPECT_TRUE(RegisterHotKey(other.get(), 1, 0, VK_F10)) << "F10 must be free once Vantrel has ended";
    UnregisterHotKey(other.get(), 1);
}

class EscWithModifier : public EndToEnd, public testing::WithParamInterface<WORD> {};

TEST_P(EscWithModifier, LeavesItOpenWhilePlainEscClosesIt) {
    SetForegroundWindow(vantrel_.window());
    PumpUntil([&] { return GetForegroundWindow() == vantrel_.window(); }, 2s);
    SendKey(GetParam(), true);
    TapKey(VK_ESCAPE);
    SendKey(GetParam(), false);
    EXPECT_EQ(vantrel_.process().WaitForExit(700ms), static_cast<DWORD>(STILL_ACTIVE));
    // The keys did reach it: the same Esc alone now closes it.
    TapKey(VK_ESCAPE);
    EXPECT_EQ(vantrel_.process().WaitForExit(5s), 0u);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, EscWithModifier, testing::Values(VK_SHIFT, VK_CONTROL, VK_MENU),
                         [](const testing::TestParamInfo<WORD>& key) {
                             return key.param == VK_SHIFT ? "Shift" : key.param == VK_CONTROL ? "Ctrl" : "Alt";
                         });

TEST_F(EndToEnd, CloseMessageEndsWithExitCodeZero) {
    PostMessageW(vantrel_.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(vantrel_.process().WaitForExit(5s), 0u);
}

TEST_F(EndToEnd, CommandLineArgumentsHaveNoEffect) {
    ChildProcess second(L"vantrel.exe", L"/x --help 123");
    const HWND window = WaitForTopWindow(
        second.id(), [](HWND) { return true; }, 20s);
    ASSERT_NE(window, nullptr);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 349);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(second.WaitForExit(5s), 0u);
}

int holderHotkeys = 0;

LRESULT CALLBACK HolderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        ++holderHotkeys;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(EndToEndHotkeyTaken, F10HeldByAnotherProgramChangesNothing) {
    const UniqueWindow holder = MakeWindow({0, 0, 10, 10}, WS_POPUP);
    SetWindowLongPtrW(holder.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HolderProc));
    ASSERT_TRUE(RegisterHotKey(holder.get(), 7, 0, VK_F10));
    Vantrel vantrel;
    ASSERT_TRUE(vantrel.ready());
    const UniqueWindow target = MakeWindow({40, 60, 300, 260}, WS_POPUP | WS_VISIBLE);

    CaptureAt(100, 100);
    EXPECT_TRUE(PumpUntil([] { return holderHotkeys == 1; }, 2s)) << "F10 goes to its holder";
    EXPECT_TRUE(vantrel.KeepsShowing(kOut, kOut));
    MovePointer(0, kAway.y);
    EXPECT_TRUE(vantrel.Shows(L"0", kOut));
    // Nothing was shown: the one window of the process is Vantrel's.
    EXPECT_EQ(WaitForTopWindow(
                  vantrel.process().id(), [&](HWND window) { return window != vantrel.window(); }, 300ms),
              nullptr);
    UnregisterHotKey(holder.get(), 7);
}

TEST(EndToEndTwoCopies, BothRunAndOnlyTheFirstReceivesF10) {
    Vantrel first;
    ASSERT_TRUE(first.ready());
    Vantrel second;
    ASSERT_TRUE(second.ready());
    EXPECT_TRUE(first.process().Running());
    EXPECT_TRUE(second.process().Running());

    const UniqueWindow target = MakeWindow({40, 60, 300, 260}, WS_POPUP | WS_VISIBLE);
    CaptureAt(100, 100);
    EXPECT_TRUE(first.Shows(L"60", L"40"));
    EXPECT_TRUE(second.Shows(kOut, kOut));
}

} // namespace
