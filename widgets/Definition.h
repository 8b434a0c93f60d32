// Window definition text: the parser into a tree of objects, the writer from
// such a tree, and the bridge between trees and live components.
//
//   object NAME ':' CLASS { PROPERTY '=' VALUE } { object ... } end
//
// Strings are Windows-1252 in memory; in the file their quoted runs are UTF-8
// (readable) and #nnn codes give single bytes.
#pragma once

#include "widgets/DfmValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TComponent;
class TForm;

struct DfmProperty {
    std::string name;
    DfmValue value;
    int line = 0;
    std::string word; // the value's first token, for messages
};

struct DfmObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<DfmProperty> props;
    std::vector<DfmObject> children;

    DfmObject* Find(const std::string& objectName);
    const DfmObject* Find(const std::string& objectName) const;
    const DfmProperty* Property(const std::string& propName) const;
    // Replaces or appends the property; nothing removes it (see RemoveProperty).
    void SetProperty(const std::string& propName, DfmValue value);
    bool RemoveProperty(const std::string& propName);
};

// Parses a definition; EDefinitionError (file, line, word) on malformed text.
DfmObject ParseDefinition(std::string_view text, const std::string& file);
// The text of a tree, in the layout the parser reads.
std::string WriteDefinition(const DfmObject& root);

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

// Editing a definition without the windows' classes (build tools: the
// artwork generator stores pictures this way). Sets one property of the
// object named objectName (the root object is the form itself) and returns
// the new text; a missing value removes the property. The property must
// exist in the object's class (the root: any form property).
std::string SetDefinitionProperty(std::string_view text, const std::string& file, const std::string& objectName,
                                  const std::string& property, const DfmValue* value);
// The value of a picture control's Data: the 32-bit little-endian count,
// then the GIF file's bytes.
std::vector<std::uint8_t> PictureDataValue(const std::vector<std::uint8_t>& gifBytes);

// Reads a definition file (disk path or Qt resource path such as ":/forms/X.form").
std::string LoadDefinitionText(const std::string& path);
