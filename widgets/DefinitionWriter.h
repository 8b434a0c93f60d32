// Live components back to window definitions: the tree of a component and
// its definition children, properties at their default omitted. The text of
// a tree is WriteDefinition (DefinitionText.h).
#pragma once

#include "text/DefinitionText.h"

class TComponent;

DfmObject ComponentToTree(const TComponent& root);
