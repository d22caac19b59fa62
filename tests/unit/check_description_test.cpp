#include "window/description.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void Created() {}
void Feedback(std::int32_t, std::int32_t) {}
void Tick() {}

// A small description that can be built; each test breaks one thing.
struct Fixture {
    std::vector<ControlDescription> controls{
        {"box", ControlKind::GroupBox, "main", 0, 0, 100, 100, "", Alignment::Left, 0},
        {"inner", ControlKind::Label, "box", 8, 8, 50, 20, "", Alignment::Centre, 0},
        {"receiver", ControlKind::Label, "main", 0, 300, 10, 10, "", Alignment::Left, 0},
        {"clock", ControlKind::Timer, "main", 0, 0, 1, 1, "", Alignment::Left, 100},
    };
    std::vector<EventBinding> bindings{
        {"main", Event::Created, Created, nullptr, nullptr},
        {"receiver", Event::Feedback, nullptr, Feedback, nullptr},
        {"clock", Event::Periodic, nullptr, nullptr, Tick},
    };
    WindowDescription Description() const { return {{"main", "", 0, 349, 204}, controls, bindings}; }
};

TEST(CheckDescription, AcceptsASoundDescription) {
    EXPECT_TRUE(IsBuildable(Fixture{}.Description()));
}

TEST(CheckDescription, RejectsEachBrokenPiece) {
    const struct {
        const char* what;
        void (*breakIt)(Fixture&);
    } cases[] = {
        {"unknown parent", [](Fixture& f) { f.controls[2].parent = "nowhere"; }},
        {"parent declared later", [](Fixture& f) { std::swap(f.controls[0], f.controls[1]); }},
        {"parent that is a label", [](Fixture& f) { f.controls[1].parent = "receiver"; }},
        {"duplicate name", [](Fixture& f) { f.controls[2].name = "inner"; }},
        {"control named like the window", [](Fixture& f) { f.controls[2].name = "main"; }},
        {"control of the main window's kind",
         [](Fixture& f) { f.controls[2].kind = ControlKind::MainWindow; }},
        {"empty name", [](Fixture& f) { f.controls[2].name = ""; }},
        {"negative size", [](Fixture& f) { f.controls[2].width = -1; }},
        {"feedback bound to a timer", [](Fixture& f) { f.bindings[1].control = "clock"; }},
        {"periodic bound to a label", [](Fixture& f) { f.bindings[2].control = "receiver"; }},
        {"created bound to a control", [](Fixture& f) { f.bindings[0].control = "box"; }},
        {"binding names no control", [](Fixture& f) { f.bindings[1].control = "ghost"; }},
        {"binding without its handler", [](Fixture& f) { f.bindings[2].onPeriodic = nullptr; }},
        {"handler of another event",
         [](Fixture& f) {
             f.bindings[1] = {"receiver", Event::Feedback, Created};
         }},
        {"two bindings of one event", [](Fixture& f) { f.bindings.push_back(f.bindings[2]); }},
        {"too many controls",
         [](Fixture& f) {
             for (int i = 0; i < 12; ++i) {
                 static const char* names[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"};
                 f.controls.push_back(
                     {names[i], ControlKind::Label, "main", 0, 0, 1, 1, "", Alignment::Left, 0});
             }
         }},
    };
    for (const auto& c : cases) {
        Fixture fixture;
        c.breakIt(fixture);
        EXPECT_FALSE(IsBuildable(fixture.Description())) << c.what;
    }
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
