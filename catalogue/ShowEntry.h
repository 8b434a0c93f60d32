// Presents one catalogue entry in the main window's detail panel.
#pragma once

#include "catalogue/Catalogue.h"

// Fills the detail panel of Form1 with the entry: clears both text boxes,
// loads the sprite (a missing or undecodable one is no error), appends the
// description and the moves, loads the five rating bars, then sets the five
// text fields. A rating bar that cannot be loaded stops it there with the
// widget layer's error; what was written before stays.
void ShowEntry(const CatalogueEntry& entry);
