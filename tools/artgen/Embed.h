// Puts a generated picture into a window definition, through the definition
// reader and writer, so that the definitions stay the one source of what a
// window shows.
#pragma once

#include <filesystem>
#include <string>

namespace artgen {

// The definition of the window whose icon the whole program shows.
inline constexpr const char* MainWindowDefinition = "UnitPrincipal.form";

// Reads the definition `form`, sets the picture and writes the result to `out`
// (which may be `form`). A picture ending in ".ico" becomes the root form's
// Icon.Data (and `object` must name the form); any other picture becomes the
// Data of the TGIFImage named `object`. Throws std::runtime_error when the
// object is missing or is of another kind.
void embedPicture(const std::filesystem::path& form, const std::string& object, const std::filesystem::path& picture,
                  const std::filesystem::path& out);

// The main window's definition in `formsDir` (UnitPrincipal.form) gets the
// icon as its Icon.Data: the application takes it from the main window, and
// a window without an icon of its own shows the application's. Another
// definition that still holds an icon gets the same, so none shows an old
// one. The decorative pictures go into their controls' Data.
// Returns the number of definitions written.
int embedAll(const std::filesystem::path& formsDir);

} // namespace artgen
