// Presents one catalogue entry in the main window's detail panel.
#pragma once

#include "catalogue/Catalogue.h"

// Fills the detail panel of Form1 with the entry: clears both text boxes,
// loads the sprite (a missing or undecodable one is no error), appends the
// description and the moves, loads the five rating bars, then sets the five
// text fields. A rating bar that cannot be loaded stops it there with the
// widget layer's error; what was written before stays. The sprite and the
// bars carry accessible descriptions of what they show (the creature's name,
// "3 de 6"), written with the pictures, so they never describe another entry.
void ShowEntry(const CatalogueEntry& entry);
