// Live components back to window definitions: the tree of a component and
// its definition children, properties at their default omitted, and its text.
// The text itself (parser, writer, tree) is DefinitionText.h.
#pragma once

#include "widgets/DefinitionText.h"

#include <string>

class TComponent;

// The tree of a live component and its definition children, properties at
// their default omitted.
DfmObject ComponentToTree(const TComponent& root);
// Writes a live component (usually a form) back to definition text.
std::string WriteComponent(const TComponent& root);
