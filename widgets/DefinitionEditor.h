// Editing a window definition by class, without creating its windows.
#pragma once

#include "text/DefinitionText.h"

#include <string>
#include <string_view>

// Editing a definition without the windows' classes (the form editor tool),
// checked against the class registry. Sets one property of the
// object named objectName (the root object is the form itself) and returns
// the new text; a missing value removes the property. The property must
// exist in the object's class (the root: any form property).
std::string SetDefinitionProperty(std::string_view text, const std::string& file, const std::string& objectName,
                                  const std::string& property, const DfmValue* value);
