#include "platform/hotkey.h"

#include "platform/events.h"
#include "platform/label.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

constexpr UINT kProbe = WM_APP + 5;
constexpr LRESULT kProbeAnswer = 1234;

struct Feedback {
    HWND label;
    std::int32_t first, second;
};
std::vector<Feedback> feedback;
std::vector<WPARAM> hotkeysSeenByOwner;

HWND firstLabel = nullptr;
HWND secondLabel = nullptr;

void OnFirstLabel(std::int32_t first, std::int32_t second) {
    feedback.push_back({firstLabel, first, second});
}
void OnSecondLabel(std::int32_t first, std::int32_t second) {
    feedback.push_back({secondLabel, first, second});
}

// The owner's own procedure: it must still see every message behind the filter.
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        hotkeysSeenByOwner.push_back(wParam);
    }
    if (message == kProbe) {
        return kProbeAnswer + static_cast<LRESULT>(wParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The service keeps one filter for the life of the process, on the first
// owner it was given, so the whole suite shares one owner window.
class GlobalHotkey : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = OwnerProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VantrelHotkeyOwner";
        RegisterClassExW(&windowClass);
        owner = CreateWindowExW(0, L"VantrelHotkeyOwner", L"", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        firstLabel = CreateLabel(owner, L"", {0, 0, 10, 10}, LabelAlignment::Left, OnFirstLabel);
        secondLabel = CreateLabel(owner, L"", {0, 0, 10, 10}, LabelAlignment::Left, OnSecondLabel);
    }
    static void TearDownTestSuite() { DestroyWindow(owner); }

    void SetUp() override {
        ASSERT_NE(owner, nullptr);
        feedback.clear();
        hotkeysSeenByOwner.clear();
    }
    void TearDown() override {
        for (std::int32_t id : registered_) {
            UnregisterHotKey(owner, id);
        }
    }

    std::int32_t Register(HWND label, std::int32_t modifiers, std::int32_t key) {
        const std::int32_t id = RegisterGlobalHotkey(owner, label, modifiers, key);
        if (id != 0) {
            registered_.push_back(id);
        }
        return id;
    }

    static bool WaitForFeedback() {
        return PumpUntil([] { return !feedback.empty(); }, 3s);
    }

    static HWND owner;
    std::vector<std::int32_t> registered_;
};

HWND GlobalHotkey::owner = nullptr;

TEST_F(GlobalHotkey, RealF10ReachesTheLabelWithItsIdentifierAndZero) {
    const std::int32_t id = Register(firstLabel, 0, VK_F10);
    ASSERT_GT(id, 33000) << "F10 must be free for this test";
    TapKey(VK_F10);
    ASSERT_TRUE(WaitForFeedback());
    EXPECT_EQ(feedback[0].label, firstLabel);
    EXPECT_EQ(feedback[0].first, id);
    EXPECT_EQ(feedback[0].second, 0);
    // The owner's own procedure still receives the hotkey message.
    EXPECT_EQ(hotkeysSeenByOwner, std::vector<WPARAM>{static_cast<WPARAM>(id)});
}

TEST_F(GlobalHotkey, IdentifiersCountEveryCallAlsoRefusedOnes) {
    const std::int32_t first = Register(firstLabel, 0, VK_F10);
    ASSERT_GT(first, 33000);
    // The same key again is refused: 0, yet the call is counted.
    EXPECT_EQ(Register(firstLabel, 0, VK_F10), 0);
    EXPECT_EQ(Register(firstLabel, 0, VK_F9), first + 2);
}

TEST_F(GlobalHotkey, ModifiersAreTranslated) {
    const std::int32_t id = Register(firstLabel, 1, VK_F11); // 1 is Ctrl in the service's coding
    ASSERT_NE(id, 0);
    TapKey(VK_F11);
    PumpMessages(300ms);
    EXPECT_TRUE(feedback.empty()) << "F11 without Ctrl must not fire";

    SendKey(VK_CONTROL, true);
    TapKey(VK_F11);
    SendKey(VK_CONTROL, false);
    ASSERT_TRUE(WaitForFeedback());
    EXPECT_EQ(feedback[0].first, id);
}

TEST_F(GlobalHotkey, TheLatestLabelIsNotified) {
    const std::int32_t f10 = Register(firstLabel, 0, VK_F10);
    ASSERT_NE(f10, 0);
    ASSERT_NE(Register(secondLabel, 0, VK_F9), 0);
    TapKey(VK_F10);
    ASSERT_TRUE(WaitForFeedback());
    EXPECT_EQ(feedback[0].label, secondLabel);
    EXPECT_EQ(feedback[0].first, f10);
}

TEST_F(GlobalHotkey, FilterPassesOnlyIssuedIdentifiersAndEveryMessage) {
    const std::int32_t first = Register(firstLabel, 0, VK_F10);
    const std::int32_t last = Register(firstLabel, 0, VK_F9);
    ASSERT_NE(first, 0);
    ASSERT_EQ(last, first + 1);

    const std::pair<WPARAM, bool> cases[] = {
        {33000, false},
        {static_cast<WPARAM>(last + 1), false},
        {1, false},
        {static_cast<WPARAM>(first), true},
        {static_cast<WPARAM>(last), true},
    };
    for (const auto& [identifier, delivered] : cases) {
        feedback.clear();
        hotkeysSeenByOwner.clear();
        SendMessageW(owner, WM_HOTKEY, identifier, MAKELPARAM(0, VK_F10));
        EXPECT_EQ(feedback.size(), delivered ? 1u : 0u) << identifier;
        EXPECT_EQ(hotkeysSeenByOwner, std::vector<WPARAM>{identifier}) << identifier;
    }
    // Any other message reaches the owner's procedure, and its result comes back.
    EXPECT_EQ(SendMessageW(owner, kProbe, 7, 0), kProbeAnswer + 7);
}

} // namespace
