// UndoHistory: the Edit menu's Undo and Redo. The document is remembered as
// whole image snapshots (16 KB each), each one what Save would write at that
// moment, joined by named steps ("Channel 3 Rx Freq", "Basic setting", "Read").
// Because a snapshot is what Save would write, undoing back to the state last
// saved makes the document unmodified again by the usual comparison.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "image/RadioImage.h"

namespace dpmr {

class UndoHistory {
  public:
    static constexpr std::size_t kDefaultLimit = 100;

    // Keeps at most `limit` steps (at least 1); the oldest go first.
    explicit UndoHistory(std::size_t limit = kDefaultLimit);

    // New and Open: `state` is the document now, with nothing to undo or redo.
    void Reset(const RadioImage& state);

    // After an action named `name` the document is `state`. When it differs
    // from the state the history knows, one step is added (and everything
    // that could be redone is forgotten); otherwise nothing happens. True when
    // a step was added.
    bool Record(const std::string& name, const RadioImage& state);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ + 1 < states_.size(); }
    // Names of the step Undo or Redo would take back or do again ("" when none).
    std::string UndoName() const;
    std::string RedoName() const;

    // Takes back the last step: the state to restore, or nothing when there is
    // no step.
    std::optional<RadioImage> Undo();
    // Does the step taken back last again.
    std::optional<RadioImage> Redo();

    // The state the history takes the document to be in.
    const RadioImage& Current() const { return states_[position_]; }
    std::size_t StepCount() const { return states_.size() - 1; }

  private:
    std::size_t limit_;
    // states_[k + 1] follows states_[k] by the step names_[k].
    std::deque<RadioImage> states_;
    std::deque<std::string> names_;
    std::size_t position_ = 0;
};

}  // namespace dpmr
