#include "FormGen.h"

#include <map>
#include <set>
#include <string_view>
#include <vector>

namespace formgen {
namespace {

// The widget layer's classes a definition may hold, and where each is declared
// (widgets/StandardClasses.cpp registers the same ones).
const std::map<std::string_view, std::string_view>& ClassHeaders()
{
    static const std::map<std::string_view, std::string_view> headers = {
        {"TBevel", "widgets/Bevel.h"},       {"TBitBtn", "widgets/Button.h"},
        {"TButton", "widgets/Button.h"},     {"TCheckBox", "widgets/CheckBox.h"},
        {"TComboBox", "widgets/ComboBox.h"}, {"TEdit", "widgets/Edit.h"},
        {"TGIFImage", "widgets/GIFImage.h"}, {"TGroupBox", "widgets/GroupBox.h"},
        {"TImage", "widgets/Image.h"},       {"TLabel", "widgets/Label.h"},
        {"TListBox", "widgets/ListBox.h"},   {"TListView", "widgets/ListView.h"},
        {"TMainMenu", "widgets/Menus.h"},    {"TMenuItem", "widgets/Menus.h"},
        {"TRichEdit", "widgets/RichEdit.h"}, {"TStringGrid", "widgets/StringGrid.h"},
    };
    return headers;
}

struct Collected {
    std::vector<const DfmObject*> controls; // every object below the root, in the definition's order
    std::vector<std::string> handlers;      // each handler once, where it is first named
};

void collect(const DfmObject& o, bool isRoot, Collected& out, std::set<std::string>& seenHandlers)
{
    if (!isRoot)
        out.controls.push_back(&o);
    for (const DfmProperty& p : o.props)
        if (p.name.size() > 2 && p.name.compare(0, 2, "On") == 0 && p.value.kind == DfmValue::Kind::Ident &&
            seenHandlers.insert(p.value.text).second)
            out.handlers.push_back(p.value.text);
    for (const DfmObject& c : o.children)
        collect(c, false, out, seenHandlers);
}

} // namespace

std::string ControlsHeader(const DfmObject& root, const std::string& file, const std::string& resource)
{
    Collected found;
    std::set<std::string> seenHandlers;
    collect(root, true, found, seenHandlers);

    std::set<std::string_view> includes = {"widgets/FormClass.h"};
    std::set<std::string> names;
    for (const DfmObject* o : found.controls) {
        const auto header = ClassHeaders().find(o->className);
        if (header == ClassHeaders().end())
            throw EDefinitionError(file, o->line, o->className,
                                   "unknown control class (not in formgen's table of widget headers) of " + o->name +
                                       ":");
        if (!names.insert(o->name).second)
            throw EDefinitionError(file, o->line, o->name, "a second object named");
        includes.insert(header->second);
    }

    const std::string controls = root.className + "Controls";
    const std::string fileName = file.substr(file.find_last_of('/') + 1);
    std::string h = "// Written by fauneta_formgen from " + fileName + ": edit the definition, not this file.\n";
    h += "#pragma once\n\n";
    for (std::string_view inc : includes)
        h += "#include \"" + std::string(inc) + "\"\n";
    h += "\n// The controls of " + root.name + ", in the definition's order: the reader sets each one.\n";
    h += "struct " + controls + " {\n";
    for (const DfmObject* o : found.controls)
        h += "    " + o->className + "* " + o->name + " = nullptr;\n";
    if (!found.controls.empty())
        h += "\n";
    h += "    // " + root.className + "'s table: these fields and the handlers the definition names.\n";
    h += "    template <class F>\n";
    h += "    static FormClass MakeFormClass()\n";
    h += "    {\n";
    h += "        FormTable<F> table;\n";
    for (const DfmObject* o : found.controls)
        h += "        table.template Field<" + o->className + ">(\"" + o->name + "\", &F::" + o->name + ");\n";
    for (const std::string& handler : found.handlers)
        h += "        table.Handler(\"" + handler + "\", &F::" + handler + ");\n";
    h += "        return table.Build(\"" + root.className + "\", \"" + resource + "\");\n";
    h += "    }\n";
    h += "};\n";
    return h;
}

} // namespace formgen
