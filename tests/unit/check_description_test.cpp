#include "window/description.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void Created() {}
void Feedback(std::int32_t, std::int32_t) {}
void Tick() {}

// A small description that can be built; each case breaks one rule of it.
struct Fixture {
    std::vector<ControlDescription> controls{
        {"box", ControlKind::GroupBox, "main", 0, 0, 100, 100, "", Alignment::Left, 0},
        {"inner", ControlKind::Label, "box", 8, 8, 50, 20, "", Alignment::Centre, 0},
        {"receiver", ControlKind::Label, "main", 0, 300, 10, 10, "", Alignment::Left, 0},
        {"clock", ControlKind::Timer, "main", 0, 0, 1, 1, "", Alignment::Left, 100},
        // Nothing refers to it, so breaking it breaks nothing else.
        {"note", ControlKind::Label, "main", 0, 0, 30, 10, "", Alignment::Left, 0},
    };
    std::vector<EventBinding> bindings{
        {"main", Event::Created, Created, nullptr, nullptr},
        {"receiver", Event::Feedback, nullptr, Feedback, nullptr},
        {"clock", Event::Periodic, nullptr, nullptr, Tick},
    };
    std::string_view windowName = "main";
    WindowDescription Description() const { return {{windowName, "", 0, 349, 204}, controls, bindings}; }

    ControlDescription& note() { return controls[4]; }
};

TEST(CheckDescription, AcceptsASoundDescription) {
    EXPECT_EQ(CheckDescription(Fixture{}.Description()), DescriptionFault::None);
    EXPECT_TRUE(IsBuildable(Fixture{}.Description()));
}

TEST(CheckDescription, NamesTheOneRuleEachBrokenDescriptionBreaks) {
    using enum DescriptionFault;
    const struct {
        const char* what;
        void (*breakIt)(Fixture&);
        DescriptionFault fault;
    } cases[] = {
        {"window without a name", [](Fixture& f) { f.windowName = ""; }, UnnamedWindow},
        {"too many controls",
         [](Fixture& f) {
             static const char* names[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
             for (const char* name : names) {
                 f.controls.push_back({name, ControlKind::Label, "main", 0, 0, 1, 1, "", Alignment::Left, 0});
             }
         },
         TooManyControls},
        {"control without a name", [](Fixture& f) { f.note().name = ""; }, UnnamedControl},
        {"two controls of one name", [](Fixture& f) { f.note().name = "inner"; }, NameTaken},
        {"control named like the window", [](Fixture& f) { f.note().name = "main"; }, NameTaken},
        {"control of the main window's kind", [](Fixture& f) { f.note().kind = ControlKind::MainWindow; },
         ControlOfTheWindowKind},
        {"negative width", [](Fixture& f) { f.note().width = -1; }, NegativeSize},
        {"negative height", [](Fixture& f) { f.note().height = -1; }, NegativeSize},
        {"parent that does not exist", [](Fixture& f) { f.note().parent = "nowhere"; }, UnknownParent},
        {"parent declared later",
         [](Fixture& f) {
             f.note().parent = "late";
             f.controls.push_back({"late", ControlKind::GroupBox, "main", 0, 0, 9, 9, "", Alignment::Left, 0});
         },
         UnknownParent},
        {"parent that is a label", [](Fixture& f) { f.note().parent = "receiver"; }, ParentCannotHoldControls},
        {"parent that is a timer", [](Fixture& f) { f.note().parent = "clock"; }, ParentCannotHoldControls},
        {"binding names no window", [](Fixture& f) { f.bindings[1].control = "ghost"; }, BindingForNoWindow},
        {"created bound to a control", [](Fixture& f) { f.bindings[0].control = "box"; }, EventNotRaisedThere},
        {"feedback bound to a timer", [](Fixture& f) { f.bindings[1].control = "clock"; }, EventNotRaisedThere},
        {"feedback bound to the window", [](Fixture& f) { f.bindings[1].control = "main"; }, EventNotRaisedThere},
        {"periodic bound to a label", [](Fixture& f) { f.bindings[2].control = "note"; }, EventNotRaisedThere},
        {"binding without its handler", [](Fixture& f) { f.bindings[2].onPeriodic = nullptr; },
         BindingWithoutHandler},
        {"handler of another event",
         [](Fixture& f) {
             f.bindings[1] = {"receiver", Event::Feedback, Created};
         },
         BindingWithoutHandler},
        {"two bindings of one event", [](Fixture& f) { f.bindings.push_back(f.bindings[2]); }, EventBoundTwice},
    };
    for (const auto& c : cases) {
        Fixture fixture;
        c.breakIt(fixture);
        EXPECT_EQ(CheckDescription(fixture.Description()), c.fault) << c.what;
        EXPECT_FALSE(IsBuildable(fixture.Description())) << c.what;
    }
}

TEST(CheckDescription, AllowsExactlyTheMostControls) {
    Fixture fixture;
    static const char* names[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    for (const char* name : names) {
        fixture.controls.push_back({name, ControlKind::Label, "main", 0, 0, 1, 1, "", Alignment::Left, 0});
    }
    ASSERT_EQ(fixture.controls.size(), kMaxControls);
    EXPECT_EQ(CheckDescription(fixture.Description()), DescriptionFault::None);
}

TEST(CheckDescription, FindsBindingsByWindowAndEvent) {
    const Fixture fixture;
    const WindowDescription description = fixture.Description();
    ASSERT_NE(FindBinding(description, "clock", Event::Periodic), nullptr);
    EXPECT_EQ(FindBinding(description, "clock", Event::Periodic)->onPeriodic, &Tick);
    EXPECT_EQ(FindBinding(description, "clock", Event::Feedback), nullptr);
    EXPECT_EQ(FindBinding(description, "nobody", Event::Created), nullptr);
}

} // namespace
