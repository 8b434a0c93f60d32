// Where a tool window opens: the first time beside the main window, hiding as
// little of it and of the other open tool windows as the screen allows; then
// where the user left it, in this run and the next ones (the user's settings
// folder), brought back onto the screen if the screen has shrunk since.
#pragma once

#include <QRect>
#include <QSize>

#include <optional>
#include <string>
#include <vector>

namespace toolplaces {

// The place for a window of `frame` size (its frame included) on `screen`'s
// free area: the least hidden of `main` (counted twice) and of `others`, then
// the nearest to `main`. Always within `screen` where it fits.
QRect PlaceBeside(const QRect& screen, const QRect& main, const std::vector<QRect>& others, const QSize& frame);

// `saved` moved onto `screen` as little as needed, cut to its size.
QRect KeptOnScreen(const QRect& saved, const QRect& screen);

// The file the places are kept in: "<settings folder>/Fauneta/janelas.ini".
std::string FilePath();
// The place and size a window was left at (its frame's top left corner, its
// own size); nothing for a window never kept, or a missing, damaged or
// unreadable file, or values no window could have.
std::optional<QRect> Load(const std::string& window);
// Keeps them for next time; a file that cannot be written is no error (the
// window then opens at its first place next time).
void Save(const std::string& window, const QRect& place);

} // namespace toolplaces
