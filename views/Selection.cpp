#include "views/Selection.h"

#include <algorithm>

void Selection::SetCreature(species::Creature c)
{
    if (creature_ == c)
        return;
    creature_ = c;
    // A listener may unfollow as it is told: walk a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        listener(c);
}

int Selection::Follow(Listener listener)
{
    listeners_.emplace_back(nextId_, std::move(listener));
    return nextId_++;
}

void Selection::Unfollow(int id)
{
    listeners_.erase(
        std::remove_if(listeners_.begin(), listeners_.end(), [id](const auto& l) { return l.first == id; }),
        listeners_.end());
}

void Selection::Reset()
{
    creature_.reset();
    listeners_.clear();
}

Selection& ShownCreature()
{
    static Selection selection;
    return selection;
}
