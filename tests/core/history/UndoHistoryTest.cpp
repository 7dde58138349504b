// The undo history: steps only for real changes, undo and redo walking the
// snapshots, a new step forgetting what could be redone, the oldest steps
// going once the limit (100) is reached, and New/Open starting afresh.
#include <gtest/gtest.h>

#include "history/UndoHistory.h"

namespace dpmr {
namespace {

// An image that differs from the others by one byte.
RadioImage State(std::uint8_t value) {
    RadioImage image;
    image.SetU8(0x0300, value);
    return image;
}

TEST(UndoHistoryTest, UndoAndRedoWalkTheStepsByName) {
    UndoHistory history;
    history.Reset(State(0));
    EXPECT_FALSE(history.Undo() || history.Redo());
    EXPECT_FALSE(history.Record("Basic setting", State(0)));  // a dialog closed without change
    ASSERT_TRUE(history.Record("Channel 3 Rx Freq", State(1)));
    ASSERT_TRUE(history.Record("Basic setting", State(2)));

    // Each undo hands back the state before its step, each redo the one after,
    // and the menu names the step that would go.
    EXPECT_EQ(*history.Undo(), State(1));
    EXPECT_EQ(history.UndoName() + "|" + history.RedoName(), "Channel 3 Rx Freq|Basic setting");
    EXPECT_EQ(*history.Redo(), State(2));
    EXPECT_EQ(history.UndoName() + "|" + history.RedoName(), "Basic setting|");

    // A new step after an undo forgets the step that could have been redone.
    history.Undo();
    ASSERT_TRUE(history.Record("Read", State(9)));
    EXPECT_TRUE(!history.CanRedo() && history.StepCount() == 2u);

    history.Reset(State(7));  // New or Open
    EXPECT_TRUE(!history.CanUndo() && history.Current() == State(7));
}

// 105 steps recorded: the newest `limit` are kept (100 unless told, and
// never fewer than one), and undo walks back to the state after the oldest
// step dropped.
TEST(UndoHistoryTest, KeepsTheNewestStepsUpToTheLimit) {
    for (auto [limit, kept] : {std::pair<std::size_t, int>{0, 1}, {1, 1}, {3, 3}, {100, 100}}) {
        UndoHistory history = limit == 100 ? UndoHistory() : UndoHistory(limit);
        history.Reset(State(0));
        for (int k = 1; k <= 105; ++k) history.Record("step " + std::to_string(k), State(k));
        EXPECT_EQ(history.StepCount(), static_cast<std::size_t>(kept)) << limit;
        while (history.Undo()) {
        }
        EXPECT_EQ(history.Current(), State(105 - kept)) << limit;
        EXPECT_EQ(history.RedoName(), "step " + std::to_string(106 - kept)) << limit;
    }
}

}  // namespace
}  // namespace dpmr
