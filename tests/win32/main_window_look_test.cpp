// The main window as a user sees it: its pixels, read back from the screen.
#include "platform/caption.h"
#include "platform/controls.h"
#include "window/control_names.h"

#include "main_window_fixture.h"
#include "snapshot.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

using namespace testing_support;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr char kWide[] = "8888888888888888888888888888888888888888888888888888888888888888";

std::string Name(std::string_view name) {
    return std::string(name);
}

// First and last inked column, or (-1, -1).
std::pair<int, int> InkSpan(const std::vector<bool>& inked) {
    const auto first = std::find(inked.begin(), inked.end(), true);
    if (first == inked.end()) {
        return {-1, -1};
    }
    const auto last = std::find(inked.rbegin(), inked.rend(), true);
    return {static_cast<int>(first - inked.begin()), static_cast<int>(inked.rend() - last - 1)};
}

class MainWindowLook : public MainWindow {
  protected:
    // A label with the given caption as it stands on screen. The receiver
    // lies out of sight: to look at how it draws, it is brought into view
    // over the instruction text for the moment, then put back.
    Snapshot Look(std::string_view name, const char* caption) {
        const HWND label = ControlHandle(name);
        const bool hidden = name == control::标签4;
        if (hidden) {
            SetWindowPos(label, HWND_TOP, 24, 16, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        }
        WriteCaption(label, caption);
        const Snapshot shot = TakeSnapshot(label);
        if (hidden) {
            SetWindowPos(label, nullptr, 0, 336, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return shot;
    }

    // The height of a digit in the labels' font, as drawn.
    int DigitHeight() {
        const Snapshot shot = Look(control::标签1, "8");
        int height = 0;
        for (int x = 0; x < shot.width; ++x) {
            height = std::max(height, InkHeight(shot, x));
        }
        return height;
    }
};

TEST_F(MainWindowLook, FaceLabelsAndGroupBoxesAreButtonFaceAndTextIsBlack) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    // The bare face: above the boxes, right of the instruction, between the boxes.
    const Snapshot window = TakeSnapshot(main_);
    for (const POINT at : {POINT{300, 30}, POINT{4, 4}, POINT{176, 120}, POINT{338, 60}}) {
        EXPECT_EQ(window.at(at.x, at.y), face) << at.x << "," << at.y;
    }

    // A label is nothing but its background and its black text.
    for (const auto name : {control::标签1, control::标签2, control::标签3, control::标签4}) {
        const Snapshot shot = Look(name, "\xB1\xEA\xC7\xA9 88"); // 标签 88
        const auto black = std::count(shot.pixels.begin(), shot.pixels.end(), kBlack);
        const auto background = std::count(shot.pixels.begin(), shot.pixels.end(), face);
        EXPECT_GT(black, 20) << Name(name);
        EXPECT_EQ(black + background, static_cast<long>(shot.pixels.size())) << Name(name);
        EXPECT_EQ(shot.at(0, 0), face) << Name(name);
        EXPECT_EQ(shot.at(shot.width - 1, shot.height - 1), face) << Name(name);
    }

    // A group box: its inside is the face, its caption black.
    for (const auto name : {control::分组框1, control::分组框2}) {
        const Snapshot box = TakeSnapshot(ControlHandle(name));
        for (int y = 30; y < 80; ++y) {
            for (int x = 4; x < 8; ++x) {
                ASSERT_EQ(box.at(x, y), face) << Name(name) << " at " << x << "," << y;
            }
        }
        int captionInk = 0;
        for (int y = 0; y < 14; ++y) {
            for (int x = 4; x < 60; ++x) {
                captionInk += box.at(x, y) == kBlack;
            }
        }
        EXPECT_GT(captionInk, 20) << Name(name) << ": the caption is drawn in black";
    }
}

// What the window tells its group boxes to draw with. A themed group box (as
// Wine draws one for a program with the Common-Controls 6 manifest) takes its
// text colour from the theme, so its pixels alone cannot tell this.
TEST_F(MainWindowLook, GroupBoxesAreToldBlackOnButtonFace) {
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLORBTN}) {
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkColor(dc, RGB(4, 5, 6));
        const LRESULT brush = SendMessageW(main_, message, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(ControlHandle(control::分组框1)));
        EXPECT_EQ(GetTextColor(dc), kBlack) << message;
        EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE)) << message;
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_BTNFACE)) << message;
    }
    DeleteDC(dc);
}

TEST_F(MainWindowLook, ReadoutsAreCentredAndTheOtherLabelsStartAtTheirLeftEdge) {
    const struct {
        std::string_view name;
        bool centred;
    } labels[] = {{control::标签1, true}, {control::标签2, true}, {control::标签3, false}, {control::标签4, false}};
    for (const auto& label : labels) {
        const Snapshot shot = Look(label.name, "88");
        const auto [first, last] = InkSpan(InkedColumns(shot));
        ASSERT_GE(first, 0) << Name(label.name);
        if (label.centred) {
            EXPECT_LE(std::abs(first + last - (shot.width - 1)), 2) << Name(label.name) << ": centred";
            EXPECT_GT(first, 20) << Name(label.name);
        } else {
            EXPECT_LE(first, 2) << Name(label.name) << ": starts at the left edge";
        }
        // Every label centres its one line vertically.
        const auto [top, bottom] = InkSpan(InkedRows(shot));
        EXPECT_LE(std::abs(top + bottom - (shot.height - 1)), 3) << Name(label.name) << ": centred vertically";
    }
}

// Of a caption wider than its label, whole digits reach the edges it
// overruns and are cut there: no line break, and no ellipsis in their place.
TEST_F(MainWindowLook, ACaptionWiderThanItsLabelIsCutAtTheEdgesNotShortened) {
    const int digit = DigitHeight();
    ASSERT_GT(digit, 5);
    const struct {
        std::string_view name;
        bool cutLeft;
    } labels[] = {{control::标签1, true}, {control::标签2, true}, {control::标签3, false}, {control::标签4, false}};
    for (const auto& label : labels) {
        const Snapshot shot = Look(label.name, kWide);
        const auto tallestNear = [&](int from, int to) {
            int tallest = 0;
            for (int x = from; x < to; ++x) {
                tallest = std::max(tallest, InkHeight(shot, x));
            }
            return tallest;
        };
        // A digit's strokes stand at least half its height; an ellipsis is a row of dots.
        EXPECT_GE(2 * tallestNear(shot.width - 4, shot.width), digit) << Name(label.name) << ": right edge";
        EXPECT_GE(2 * tallestNear(0, 4), digit) << Name(label.name) << ": left edge";
        if (!label.cutLeft) {
            EXPECT_LE(InkSpan(InkedColumns(shot)).first, 2) << Name(label.name);
        }
        const auto rows = InkedRows(shot);
        EXPECT_LE(std::count(rows.begin(), rows.end(), true), digit + 1) << Name(label.name) << ": one line";
    }
}

} // namespace
