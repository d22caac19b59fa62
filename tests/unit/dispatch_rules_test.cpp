#include "window/dispatch_rules.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

constexpr std::uint32_t kKeyUp = 0x0101;
constexpr std::uint32_t kRightButtonDown = 0x0204;

struct Case {
    const char* what;
    std::uint32_t message;
    std::uintptr_t key;
    Addressee addressee;
    bool modifierHeld;
    Verdict verdict;
};

const Case kCases[] = {
    {"press on the window's face", kLeftButtonDown, 0, Addressee::MainWindow, false,
     Verdict::PostCaptionPressThenDispatch},
    {"press on a label or group box", kLeftButtonDown, 0, Addressee::Face, false,
     Verdict::PostCaptionPressAndDiscard},
    {"press on the timer's window", kLeftButtonDown, 0, Addressee::OtherControl, false, Verdict::Dispatch},
    {"press on another window", kLeftButtonDown, 0, Addressee::Elsewhere, false, Verdict::Dispatch},
    {"right press", kRightButtonDown, 0, Addressee::MainWindow, false, Verdict::Dispatch},
    {"Esc on the window", kKeyDown, kEscapeKey, Addressee::MainWindow, false, Verdict::CloseAndDiscard},
    {"Esc on a control", kKeyDown, kEscapeKey, Addressee::Face, false, Verdict::CloseAndDiscard},
    {"Esc on the timer", kKeyDown, kEscapeKey, Addressee::OtherControl, false, Verdict::CloseAndDiscard},
    {"Esc with a modifier", kKeyDown, kEscapeKey, Addressee::MainWindow, true, Verdict::Dispatch},
    {"Esc for another window", kKeyDown, kEscapeKey, Addressee::Elsewhere, false, Verdict::Dispatch},
    {"Esc released", kKeyUp, kEscapeKey, Addressee::MainWindow, false, Verdict::Dispatch},
    {"another key", kKeyDown, 'A', Addressee::MainWindow, false, Verdict::Dispatch},
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}

class DispatchRulesTable : public testing::TestWithParam<Case> {};

TEST_P(DispatchRulesTable, Decides) {
    const Case& c = GetParam();
    EXPECT_EQ(DecideBeforeDispatch(c.message, c.key, c.addressee, [&] { return c.modifierHeld; }), c.verdict)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(Messages, DispatchRulesTable, testing::ValuesIn(kCases));

TEST(DispatchRules, ReadsTheModifiersOnlyForEsc) {
    int reads = 0;
    const auto held = [&] {
        ++reads;
        return false;
    };
    DecideBeforeDispatch(kLeftButtonDown, 0, Addressee::MainWindow, held);
    DecideBeforeDispatch(kKeyDown, 'A', Addressee::MainWindow, held);
    EXPECT_EQ(reads, 0);
    DecideBeforeDispatch(kKeyDown, kEscapeKey, Addressee::MainWindow, held);
    EXPECT_EQ(reads, 1);
}

} // namespace
