#include "platform/window_selection.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct FakeWindow {
    PixelRect rect;
    WindowId parent;
    bool visible;
};

// A stacking order of windows, topmost first, and the window that the window
// system reports at the point.
class FakeTree final : public WindowTree {
  public:
    FakeTree(WindowId reported, std::vector<std::pair<WindowId, FakeWindow>> order)
        : reported_(reported), order_(std::move(order)) {}

    WindowId WindowAt(ScreenPoint) const override { return reported_; }
    PixelRect WindowRect(WindowId w) const override { return Find(w).rect; }
    WindowId Parent(WindowId w) const override { return Find(w).parent; }
    bool IsVisible(WindowId w) const override { return Find(w).visible; }
    WindowId NextBelow(WindowId w) const override {
        for (std::size_t i = 0; i + 1 < order_.size(); ++i) {
            if (order_[i].first == w) {
                return order_[i + 1].first;
            }
        }
        return 0;
    }

  private:
    const FakeWindow& Find(WindowId w) const {
        for (const auto& entry : order_) {
            if (entry.first == w) {
                return entry.second;
            }
        }
        ADD_FAILURE() << "asked about unknown window " << w;
        static const FakeWindow none{};
        return none;
    }

    WindowId reported_;
    std::vector<std::pair<WindowId, FakeWindow>> order_;
};

constexpr ScreenPoint kPoint{100, 100};
constexpr WindowId kParent = 1;

struct Case {
    const char* what;
    FakeTree tree;
    WindowId expected;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"nothing at the point", FakeTree(0, {}), 0},
        {"top-level window: no walk",
         FakeTree(10, {{10, {{0, 0, 300, 300}, 0, true}}, {11, {{90, 90, 110, 110}, 0, true}}}), 10},
        {"a child alone", FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}}}), 10},
        {"smaller visible sibling below is taken",
         FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}}, {11, {{50, 50, 150, 150}, kParent, true}}}),
         11},
        {"the smallest of several is taken",
         FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}},
                       {11, {{50, 50, 150, 150}, kParent, true}},
                       {12, {{0, 0, 200, 200}, kParent, true}},
                       {13, {{90, 90, 110, 110}, kParent, true}}}),
         13},
        {"equal area: the reported one stays",
         FakeTree(10, {{10, {{0, 0, 200, 200}, kParent, true}}, {11, {{50, 50, 250, 250}, kParent, true}}}),
         10},
        {"equal area below a smaller one: the first met stays",
         FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}},
                       {11, {{50, 50, 150, 150}, kParent, true}},
                       {12, {{60, 60, 160, 160}, kParent, true}}}),
         11},
        {"hidden sibling is not taken",
         FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}}, {11, {{50, 50, 150, 150}, kParent, false}}}),
         10},
        {"sibling reaching the point with its right edge is not taken",
         FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}}, {11, {{50, 50, 100, 150}, kParent, true}}}),
         10},
        {"sibling reaching the point with its bottom edge is not taken",
         FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}}, {11, {{50, 50, 150, 100}, kParent, true}}}),
         10},
        {"sibling whose left and top edges hold the point is taken",
         FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}}, {11, {{100, 100, 150, 150}, kParent, true}}}),
         11},
        {"window of another parent is not taken",
         FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}}, {11, {{50, 50, 150, 150}, 2, true}}}), 10},
        {"the walk passes windows that miss the point",
         FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}},
                       {11, {{200, 200, 210, 210}, kParent, true}},
                       {12, {{95, 95, 105, 105}, kParent, true}}}),
         12},
        // 70000 x 70000 is above 2^31 square pixels: a 32-bit product wraps
        // negative and would make the huge window look the smallest.
        {"areas above 2^31 compare right",
         FakeTree(10, {{10, {{0, 0, 300, 300}, kParent, true}},
                       {11, {{-35000, -35000, 35000, 35000}, kParent, true}}}),
         10},
        {"a huge reported window gives way to a small sibling",
         FakeTree(10, {{10, {{-35000, -35000, 35000, 35000}, kParent, true}},
                       {11, {{0, 0, 300, 300}, kParent, true}}}),
         11},
    };
    return cases;
}

TEST(WindowSelection, FollowsTheRuleForEachCase) {
    for (const Case& c : Cases()) {
        EXPECT_EQ(SelectWindowAt(c.tree, kPoint), c.expected) << c.what;
    }
}

TEST(Geometry, PtInRectEdges) {
    const PixelRect rect{10, 20, 30, 40};
    EXPECT_TRUE(Contains(rect, {10, 20}));
    EXPECT_TRUE(Contains(rect, {29, 39}));
    EXPECT_FALSE(Contains(rect, {30, 39}));
    EXPECT_FALSE(Contains(rect, {29, 40}));
    EXPECT_FALSE(Contains(rect, {9, 20}));
    EXPECT_FALSE(Contains({0, 0, 0, 0}, {0, 0}));
}

} // namespace
