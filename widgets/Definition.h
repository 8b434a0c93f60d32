// Window definitions and live components: the tree of a component, reading a
// definition into a form, editing a definition by class, and loading the text.
// The text itself (parser, writer, tree) is DefinitionText.h.
#pragma once

#include "widgets/DefinitionText.h"

#include <string>
#include <string_view>

class TComponent;
class TForm;

// The tree of a live component and its definition children, properties at
// their default omitted.
DfmObject ComponentToTree(const TComponent& root);
// Writes a live component (usually a form) back to definition text.
std::string WriteComponent(const TComponent& root);

// Reads a definition into a form that has just been constructed: checks the
// root class against the form's, creates every nested object through the
// class registry, applies properties through the property tables, binds
// fields and handlers through the form's table, then runs every loaded step.
void ReadForm(TForm& form, std::string_view text, const std::string& file);
void ReadForm(TForm& form, const DfmObject& tree, const std::string& file);

// Editing a definition without the windows' classes (the form editor tool),
// checked against the class registry. Sets one property of the
// object named objectName (the root object is the form itself) and returns
// the new text; a missing value removes the property. The property must
// exist in the object's class (the root: any form property).
std::string SetDefinitionProperty(std::string_view text, const std::string& file, const std::string& objectName,
                                  const std::string& property, const DfmValue* value);

// Reads a definition file (disk path or Qt resource path such as ":/forms/X.form").
std::string LoadDefinitionText(const std::string& path);
