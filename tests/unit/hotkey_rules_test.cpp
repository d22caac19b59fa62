#include "platform/hotkey_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(HotkeyRules, TranslatesTheServiceCodingToModFlags) {
    constexpr std::uint32_t alt = 1, control = 2, shift = 4;
    const struct {
        std::int32_t given;
        std::uint32_t passed;
    } cases[] = {
        {1, control},
        {2, shift},
        {3, control | shift},
        {4, alt},
        {5, control | alt},
        {6, shift | alt},
        // Anything else is passed on unchanged.
        {0, 0},
        {7, 7},
        {8, 8},
        {-1, 0xFFFFFFFFu},
        {0x4000, 0x4000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TranslateModifiers(c.given), c.passed) << c.given;
    }
}

TEST(HotkeyRules, AcceptsOnlyIssuedIdentifiers) {
    EXPECT_FALSE(IsIssuedHotkey(33000, 33001));
    EXPECT_TRUE(IsIssuedHotkey(33001, 33001));
    EXPECT_FALSE(IsIssuedHotkey(33002, 33001));
    EXPECT_TRUE(IsIssuedHotkey(33002, 33003));
    EXPECT_TRUE(IsIssuedHotkey(33003, 33003));
    EXPECT_FALSE(IsIssuedHotkey(1, 33003));
    // Nothing registered yet: nothing is accepted.
    EXPECT_FALSE(IsIssuedHotkey(33001, 0));
    EXPECT_FALSE(IsIssuedHotkey(0, 0));
}

} // namespace
