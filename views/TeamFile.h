// Where the user's team is kept between runs, and how: read once as a
// window opens, written whole after every change. Free of Qt: the window
// gives the file's place (the desktop's data folder).
#pragma once

#include "views/Team.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace teamfile {

struct Loaded {
    std::vector<TeamMember> Members;
    // Empty when the team was read or there was no file. Otherwise what was
    // wrong, in words for the user, and where the file was put aside.
    std::string Problem;
    std::filesystem::path KeptAside;
};

// A missing file is an empty team. A file that holds no team (foreign,
// damaged, cut short, a value out of range) is moved aside, never
// overwritten: renamed "<name>.danificado" (then ".danificado-2", ...), and
// the team starts empty. A file that cannot even be read (a folder in its
// place, no permission) is left where it is and said so.
Loaded Load(const std::filesystem::path& file);

// Writes the team beside the file under a temporary name, flushes it to the
// disk, then puts it in the file's place in one step: a crash or a full disk
// leaves the old file whole, never half of the new one. Makes the folder if
// needed. Empty on success, else what went wrong in words.
std::string Save(const std::filesystem::path& file, std::span<const TeamMember> team);

} // namespace teamfile
