// Reading window definitions into live forms, and loading their text.
#pragma once

#include "text/DefinitionText.h"

#include <string>
#include <string_view>

class TForm;

// Reads a definition into a form that has just been constructed: checks the
// root class against the form's, creates every nested object through the
// class registry, applies properties through the property tables, binds
// fields and handlers through the form's table, then runs every loaded step.
void ReadForm(TForm& form, std::string_view text, const std::string& file);
void ReadForm(TForm& form, const DfmObject& tree, const std::string& file);

// Reads a definition file (disk path or Qt resource path such as ":/forms/X.form").
std::string LoadDefinitionText(const std::string& path);
