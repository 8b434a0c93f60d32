// The controls of a window, written from its definition: what uic is to a .ui
// file, formgen is to a .form. For `object FormX: TFormX` it writes a struct
// TFormXControls with one typed member per object of the definition (in the
// definition's order, each nullptr until the reader sets it) and
// MakeFormClass<F>(), the form class's table of those fields and of every
// handler an On... property names. The window's class derives from the struct
// and declares the handlers, so a control is named once: in the definition.
#pragma once

#include "text/DefinitionText.h"

#include <string>

namespace formgen {

// The header for the definition `root`, read from `file` (named in messages);
// `resource` is the path the form class reads its definition from at run
// time (":/forms/UnitX.form"). An object of a class the generator has no
// header for throws EDefinitionError naming the file, the line and the class.
std::string ControlsHeader(const DfmObject& root, const std::string& file, const std::string& resource);

} // namespace formgen
