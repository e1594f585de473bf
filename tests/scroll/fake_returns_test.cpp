// The arithmetic between a view that adds line breaks and the script: offsets both ways (far past 32,767
// characters too), the list kept in step through edits, and the added returns taken out again.
#include "scroll/fake_returns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::span<const UInt8> Bytes(const std::string& s) {
    return {reinterpret_cast<const UInt8*>(s.data()), s.size()};
}

// Added returns at view offsets 10 and 21, near the start and again 100,000 characters in.
TEST(FakeReturns, OffsetsMapBothWaysAtEveryDistance) {
    for (SInt32 base : {0, 100'000}) {
        const std::vector<SInt32> fakes{base + 10, base + 21};
        const std::vector<SInt32> none{};
        SCOPED_TRACE(base);
        const struct {
            SInt32 view, script;
        } toScript[] = {{9, 9}, {10, 10}, {11, 10}, {21, 20}, {22, 20}, {30, 28}};
        for (const auto& c : toScript)
            EXPECT_EQ(ViewToScriptOffset(fakes, base + c.view), base + c.script) << c.view;
        const struct { SInt32 script, view; } toView[] = {{9, 9}, {10, 11}, {19, 20}, {20, 22}, {28, 30}};
        for (const auto& c : toView)
            EXPECT_EQ(ScriptToViewOffset(fakes, base + c.script), base + c.view) << c.script;
        EXPECT_EQ(ViewToScriptOffset(none, base + 40), base + 40);
        EXPECT_EQ(ScriptToViewOffset(none, base + 40), base + 40);
    }
}

// Every script offset goes to the view and back unchanged.
TEST(FakeReturns, ScriptOffsetsSurviveARoundTrip) {
    const std::vector<SInt32> fakes{40'000, 70'001, 70'003};
    for (SInt32 d : {0, 39'999, 40'000, 40'001, 70'000, 70'001, 70'002, 90'000})
        EXPECT_EQ(ViewToScriptOffset(fakes, ScriptToViewOffset(fakes, d)), d) << d;
}

TEST(FakeReturns, EditsMoveTheReturnsAfterThemAndDropSwallowedOnes) {
    // Returns before script characters 10 and 20 (view 10 and 21) of a 40-character script.
    const struct {
        const char* what;
        SInt32 offset, delta;
        std::vector<SInt32> after;
    } cases[] = {
        {"typing before both", 2, 3, {13, 24}},
        {"typing between", 12, 1, {10, 22}},
        {"typing where the first stands", 10, 1, {10, 22}},
        {"deleting before both", 2, -3, {7, 18}},
        {"deleting across the first", 8, -4, {16}},
        {"deleting everything after the start", 1, -39, {}},
    };
    for (const auto& c : cases) {
        std::vector<SInt32> fakes{10, 21};
        ShiftFakeReturns(fakes, c.offset, c.delta, 40 + c.delta);
        EXPECT_EQ(fakes, c.after) << c.what;
    }
}

TEST(FakeReturns, PlannedReturnsComeOutAgainLeavingTheScript) {
    // Lines of the prompter start at 0, 6, 12 (after a real return) and 15.
    const std::string script = "Hello world\rab cdefgh";
    const std::vector<SInt32> starts{0, 6, 12, 15};
    const FakeReturnList fakes = PlanFakeReturns(Bytes(script), starts);
    EXPECT_EQ(fakes, (FakeReturnList{6, 16}));

    std::string view = script;
    for (SInt32 at : fakes)
        view.insert(size_t(at), 1, '\r');
    EXPECT_EQ(view, "Hello \rworld\rab \rcdefgh");
    FakeReturnList found;
    ASSERT_TRUE(FindFakeReturns(Bytes(view), Bytes(script), &found));
    EXPECT_EQ(found, fakes);

    const SInt32 length =
        RemoveFakeReturns(fakes, reinterpret_cast<UInt8*>(view.data()), SInt32(view.size()));
    EXPECT_EQ(view.substr(0, size_t(length)), script);
}

// A list that fell out of step never costs the script a character.
TEST(FakeReturns, AStaleListRemovesOnlyReturns) {
    std::string view = "abc\rdef";
    const std::vector<SInt32> stale{1, 3};
    const SInt32 length =
        RemoveFakeReturns(stale, reinterpret_cast<UInt8*>(view.data()), SInt32(view.size()));
    EXPECT_EQ(view.substr(0, size_t(length)), "abcdef");

    FakeReturnList found{99};
    EXPECT_FALSE(FindFakeReturns(Bytes("abXdef"), Bytes("abcdef"), &found));
    EXPECT_EQ(found, FakeReturnList{99});
}

TEST(FakeReturns, TheMonitorMapsPastOverlayCharacters) {
    const std::vector<OverlayInsertion> overlays{{100, 5, 100}};
    const std::vector<SInt32> none{};
    const std::vector<SInt32> fakes{60};
    const struct {
        const std::vector<SInt32>* fakes;
        SInt32 prompter, monitor;
    } cases[] = {{&none, 150, 145}, {&none, 99, 99}, {&fakes, 150, 146}, {&fakes, 59, 59}};
    for (const auto& c : cases)
        EXPECT_EQ(PrompterToMonitorOffset(*c.fakes, overlays, c.prompter), c.monitor) << c.prompter;
}

} // namespace
