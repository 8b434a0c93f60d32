// Window definition text without the windows: the parser into a tree of
// objects and the writer from such a tree. Free of Qt, so build tools and the
// fuzzer use it without the widget layer; DefinitionReader.h and
// DefinitionWriter.h turn trees into live components and back.
//
//   object NAME ':' CLASS { PROPERTY '=' VALUE } { object ... } end
//
// Strings are Windows-1252 in memory; in the file their quoted runs are UTF-8
// (readable) and #nnn codes give single bytes.
#pragma once

#include "text/DfmValue.h"
#include "text/Errors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Objects nest at most this deep (the root is level 1).
constexpr int MaxDefinitionNesting = 256;

// Parses a definition; EDefinitionError (file, line, word) on malformed text.
DfmObject ParseDefinition(std::string_view text, const std::string& file);
// The text of a tree, in the layout the parser reads.
std::string WriteDefinition(const DfmObject& root);

// The value of a picture control's Data: the 32-bit little-endian count,
// then the GIF file's bytes.
std::vector<std::uint8_t> PictureDataValue(const std::vector<std::uint8_t>& gifBytes);
// The GIF bytes of a Data value (bytes past the count are ignored). Nothing
// when the value cannot hold its count or the count claims more bytes than
// follow: a damaged definition must not make anyone reserve what it claims.
std::optional<std::vector<std::uint8_t>> PictureDataBytes(std::vector<std::uint8_t> value);
