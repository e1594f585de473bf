// Adding, inverting and removing ranges of a selection list, deleting many ranges, and saving and
// restoring them.
#include "engine_fixture.h"

#include <bitset>
#include <random>

namespace {

using Ranges = std::vector<std::pair<SInt32, SInt32>>;

// A selection held outside a record, as the list operations allow.
struct Selection {
    SInt32 count = 0;
    WESelectionField starts, ends;

    Selection(Ranges ranges = {}) {
        for (auto [s, e] : ranges)
            count = AddUniqueSequentialSelection(count, &starts, &ends, s, e);
    }
    ~Selection() {
        if (count > 0) {
            DisposeHandle(starts.ranges);
            DisposeHandle(ends.ranges);
        }
    }
    Ranges Get() const {
        if (count == 0) return {{starts.offset, ends.offset}};
        Ranges out;
        for (SInt32 i = 0; i < count; i++)
            out.emplace_back(reinterpret_cast<SInt32*>(*starts.ranges)[i],
                             reinterpret_cast<SInt32*>(*ends.ranges)[i]);
        return out;
    }
};

enum class Op { kAdd, kInvert, kNot };

SInt32 Apply(Op op, Selection& sel, SInt32 start, SInt32 end) {
    switch (op) {
    case Op::kAdd:
        return sel.count = AddThisSelection(sel.count, &sel.starts, &sel.ends, start, end);
    case Op::kInvert:
        return sel.count = InvertThisSelection(sel.count, &sel.starts, &sel.ends, start, end);
    case Op::kNot:
        return sel.count = NotThisSelection(sel.count, &sel.starts, &sel.ends, start, end);
    }
    return 0;
}

TEST(SelectionLists, SweepsGiveTheSetOperationsWithTouchingRangesMerged) {
    struct Case {
        const char* name;
        Ranges before; // one pair: the plain selection
        Op op;
        SInt32 start, end;
        Ranges after;
        SInt32 count;
    };
    const Case cases[] = {
        {"add beside a plain range", {{0, 3}}, Op::kAdd, 5, 10, {{0, 3}, {5, 10}}, 2},
        {"add the gap: touching ranges merge", {{0, 3}, {5, 10}}, Op::kAdd, 3, 5, {{0, 10}}, 0},
        {"add overlapping two ranges", {{0, 3}, {5, 10}, {20, 30}}, Op::kAdd, 2, 22, {{0, 30}}, 0},
        {"add after the last range", {{0, 3}, {5, 10}}, Op::kAdd, 12, 14, {{0, 3}, {5, 10}, {12, 14}}, 3},
        {"invert across a plain range", {{0, 5}}, Op::kInvert, 2, 8, {{0, 2}, {5, 8}}, 2},
        {"invert a whole range away", {{0, 3}, {5, 10}}, Op::kInvert, 5, 10, {{0, 3}}, 0},
        {"invert bridging two ranges", {{0, 3}, {5, 10}}, Op::kInvert, 3, 5, {{0, 10}}, 0},
        {"remove everything", {{0, 3}, {5, 10}}, Op::kNot, 0, 100, {{0, 0}}, 0},
        {"remove a middle piece", {{0, 10}}, Op::kNot, 4, 6, {{0, 4}, {6, 10}}, 2},
        {"remove from a list", {{0, 3}, {5, 10}, {20, 30}}, Op::kNot, 8, 25, {{0, 3}, {5, 8}, {25, 30}}, 3},
        {"add empty to a plain range moves the caret", {{0, 3}}, Op::kAdd, 7, 7, {{7, 7}}, 0},
        {"add empty to a list changes nothing", {{0, 3}, {5, 10}}, Op::kAdd, 7, 7, {{0, 3}, {5, 10}}, 2},
        {"remove empty from a caret leaves it at 0", {{6, 6}}, Op::kNot, 4, 4, {{0, 0}}, 0},
        {"add to a caret", {{6, 6}}, Op::kAdd, 2, 4, {{2, 4}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Selection sel(c.before);
        EXPECT_EQ(Apply(c.op, sel, c.start, c.end), c.count);
        EXPECT_EQ(sel.Get(), c.after);
    }
}

// Random sweeps against a set of offsets: the list must be the set's maximal stretches, in order.
TEST(SelectionLists, RandomSweepsAgreeWithASetOfOffsets) {
    constexpr int kSpan = 64;
    std::mt19937 random(7);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 50; round++) {
        Selection sel;
        std::bitset<kSpan> model;
        for (int step = 0; step < 30; step++) {
            Op op = Op(pick(0, 2));
            int start = pick(0, kSpan - 1), end = pick(start + 1, kSpan);
            Apply(op, sel, start, end);
            for (int i = start; i < end; i++) {
                if (op == Op::kAdd) model.set(size_t(i));
                if (op == Op::kInvert) model.flip(size_t(i));
                if (op == Op::kNot) model.reset(size_t(i));
            }
            Ranges expected;
            for (int i = 0; i < kSpan; i++) {
                if (!model[size_t(i)]) continue;
                if (!expected.empty() && expected.back().second == i)
                    expected.back().second = i + 1;
                else
                    expected.emplace_back(i, i + 1);
            }
            if (expected.empty()) expected.emplace_back(0, 0);
            ASSERT_EQ(sel.Get(), expected) << "round " << round << " step " << step;
            ASSERT_NE(sel.count, 1);
        }
    }
}

TEST(SelectionLists, RemovingRangesShrinksTheListAndFreesItAtOne) {
    Selection sel({{0, 1}, {3, 4}, {6, 7}});
    sel.count = RemoveThisSelection(sel.count, 1, sel.starts.ranges, sel.ends.ranges);
    EXPECT_EQ(sel.Get(), (Ranges{{0, 1}, {6, 7}}));
    EXPECT_EQ(GetHandleSize(sel.starts.ranges), 8);
    // A list of one is never kept: removing at count 1 frees both arrays.
    Handle s = NewHandle(4), e = NewHandle(4);
    EXPECT_EQ(RemoveThisSelection(1, 0, s, e), 0);
}

TEST_F(EngineTest, DeletingManyRangesWorksFromTheLastOne) {
    Insert(0, "abcdefghijkl");
    ASSERT_EQ(WESetSelection(2, 4, 0, we), noErr);
    ASSERT_EQ(WESetSelection(8, 10, 1, we), noErr);
    ASSERT_EQ(Rec().selCount, 2);
    SInt32 lowest = -1, highest = -1;
    ASSERT_EQ(WEDeleteSelections(we, &lowest, &highest), noErr);
    EXPECT_EQ(Text(), "abefghkl");
    EXPECT_EQ(lowest, 2);
    EXPECT_EQ(highest, 10);
    EXPECT_EQ(Rec().selCount, 0);
    EXPECT_EQ(Rec().selStart.offset, 2);
    EXPECT_EQ(Rec().selEnd.offset, 2);
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(EngineTest, SelectionIndexesArePinnedAndReported) {
    Insert(0, std::string(40, 'x'));
    WESetSelection(1, 2, 0, we);
    WESetSelection(5, 6, 1, we);
    WESetSelection(9, 12, 1, we);
    SInt32 start, end;
    EXPECT_FALSE(WEGetSelection(&start, &end, 7, we));
    EXPECT_EQ(start, 9);
    EXPECT_EQ(end, 12);
    EXPECT_TRUE(WEGetSelection(&start, &end, 1, we));
    EXPECT_EQ(WECountSelected(&start, &end, we), 5);
    EXPECT_EQ(WEGetRealNumberSelections(we), 3);
}

TEST_F(EngineTest, SavedSelectionsComeBackWithTheFirstReplacingTheOld) {
    Insert(0, std::string(40, 'x'));
    WESetSelection(1, 2, 0, we);
    WESetSelection(5, 6, 1, we);
    WESetSelection(9, 12, 1, we);
    Handle starts = nullptr, ends = nullptr;
    ASSERT_EQ(WESaveSelections(&starts, &ends, we, false), 3);
    WESetSelection(20, 30, 0, we);
    WERestoreSelections(3, WESelectionField{0, starts}, WESelectionField{0, ends}, we, 1, false, true, false);
    Selection expected({{1, 2}, {5, 6}, {9, 12}});
    ASSERT_EQ(Rec().selCount, 3);
    for (SInt32 i = 0; i < 3; i++) {
        SInt32 start, end;
        WEGetSelection(&start, &end, i, we);
        EXPECT_EQ(std::make_pair(start, end), expected.Get()[size_t(i)]);
    }
    EXPECT_TRUE(RecordIsConsistent(we));
}

TEST_F(EngineTest, CopiesOfTheRangeArraysAreIndependent) {
    Insert(0, std::string(10, 'x'));
    WESetSelection(1, 2, 0, we);
    WESetSelection(5, 6, 1, we);
    Handle copy = ExternalCopyMultipleSelectionRanges(false, nullptr, 2, we, 1);
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, Rec().selEnd.ranges);
    EXPECT_EQ(reinterpret_cast<SInt32*>(*copy)[1], 6);
    DisposeHandle(copy);
}

} // namespace

namespace {

TEST_F(EngineTest, ReadOnlyTextRefusesManyRangeEdits) {
    Insert(0, "abcdef");
    WESetSelection(1, 3, 0, we);
    WEFeatureFlag(weFReadOnly, 1, we);
    SInt32 lowest = -1, highest = -1;
    EXPECT_EQ(WEDeleteSelections(we, &lowest, &highest), weReadOnlyErr);
    Handle scrap = NewHandleClear(2);
    EXPECT_EQ(WEPasteStylesOnly(scrap, we, 0, 0), weReadOnlyErr);
    DisposeHandle(scrap);
    EXPECT_EQ(Text(), "abcdef");
}

} // namespace
