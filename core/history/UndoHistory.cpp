// Undo and redo over whole image snapshots.
#include "history/UndoHistory.h"

#include <algorithm>

namespace dpmr {

UndoHistory::UndoHistory(std::size_t limit) : limit_(std::max<std::size_t>(limit, 1)) {
    states_.emplace_back();
}

void UndoHistory::Reset(const RadioImage& state) {
    states_.assign(1, state);
    names_.clear();
    position_ = 0;
}

bool UndoHistory::Record(const std::string& name, const RadioImage& state) {
    if (state == Current()) return false;
    // A new step forgets what could have been redone.
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(position_) + 1, states_.end());
    names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(position_), names_.end());
    states_.push_back(state);
    names_.push_back(name);
    if (names_.size() > limit_) {
        states_.pop_front();
        names_.pop_front();
    }
    position_ = states_.size() - 1;
    return true;
}

std::string UndoHistory::UndoName() const {
    return CanUndo() ? names_[position_ - 1] : std::string();
}

std::string UndoHistory::RedoName() const {
    return CanRedo() ? names_[position_] : std::string();
}

std::optional<RadioImage> UndoHistory::Undo() {
    if (!CanUndo()) return std::nullopt;
    --position_;
    return Current();
}

std::optional<RadioImage> UndoHistory::Redo() {
    if (!CanRedo()) return std::nullopt;
    ++position_;
    return Current();
}

}  // namespace dpmr
