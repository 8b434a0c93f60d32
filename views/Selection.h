// The creature the main window shows: one value the main window writes each
// time it shows an entry, which every tool window reads as it comes forward
// and may follow while open. Windows never ask one another what is on show.
#pragma once

#include "data/Species.h"

#include <functional>
#include <optional>
#include <vector>

class Selection {
public:
    using Listener = std::function<void(species::Creature)>;

    // Nothing until the main window has shown a creature.
    std::optional<species::Creature> Creature() const { return creature_; }
    // Tells every listener, in the order they came, when the creature changes.
    void SetCreature(species::Creature c);
    // A listener until Unfollow(id); ids are never reused.
    int Follow(Listener listener);
    void Unfollow(int id);
    // Back to nothing shown, no listener (a new run of the windows).
    void Reset();

private:
    std::optional<species::Creature> creature_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextId_ = 1;
};

// The program's one selection (the window thread's).
Selection& ShownCreature();
