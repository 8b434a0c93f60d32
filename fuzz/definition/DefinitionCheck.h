// What the definition text must do with any bytes: refuse them with an error
// that names the file, a line of the text and a word, or give a tree that the
// writer turns into text which reads back to the same tree and writes again
// to the same bytes. Shared by the fuzzer and the replay of its findings.
#pragma once

#include "text/DefinitionText.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace fuzzcheck {

inline bool SameTree(const DfmObject& a, const DfmObject& b)
{
    if (a.name != b.name || a.className != b.className || a.props.size() != b.props.size() ||
        a.children.size() != b.children.size())
        return false;
    for (std::size_t i = 0; i < a.props.size(); ++i)
        if (a.props[i].name != b.props[i].name || !(a.props[i].value == b.props[i].value))
            return false;
    for (std::size_t i = 0; i < a.children.size(); ++i)
        if (!SameTree(a.children[i], b.children[i]))
            return false;
    return true;
}

// Empty when the text behaves as described above; otherwise what went wrong.
inline std::string CheckDefinitionText(std::string_view text)
{
    const std::string file = "fuzz.form";
    DfmObject tree;
    try {
        tree = ParseDefinition(text, file);
    } catch (const EDefinitionError& e) {
        const int lines = 1 + int(std::count(text.begin(), text.end(), '\n'));
        if (e.File() != file)
            return "the error names another file: " + e.File();
        if (e.Line() < 1 || e.Line() > lines)
            return "the error names line " + std::to_string(e.Line()) + " of " + std::to_string(lines);
        if (e.Word().empty())
            return "the error names no word: " + e.Message();
        const std::string place = file + "(" + std::to_string(e.Line()) + "): ";
        if (e.Message().compare(0, place.size(), place) != 0)
            return "the message does not start with the place: " + e.Message();
        return {};
    } catch (const std::exception& e) {
        return std::string("another exception: ") + e.what();
    }
    std::string once;
    DfmObject back;
    try {
        once = WriteDefinition(tree);
        back = ParseDefinition(once, "written.form");
    } catch (const std::exception& e) {
        return std::string("the written text does not read back: ") + e.what() + "\n" + once;
    }
    if (!SameTree(tree, back))
        return "the written text reads back to another tree:\n" + once;
    if (WriteDefinition(back) != once)
        return "the second writing differs from the first:\n" + once;
    return {};
}

} // namespace fuzzcheck
