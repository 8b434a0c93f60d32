// Run-time class information: for every component class a factory and a
// property table (name, setter from a definition value, getter that says
// whether and what to store). The window definition reader and writer work
// only through these tables.
#pragma once

#include "text/DfmValue.h"
#include "widgets/Classes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class FormClass;
class TForm;

// What a property setter may need while a definition is read.
class ReadContext {
public:
    // form and its class table: the form being read, whose handlers event
    // properties name (none outside a form).
    ReadContext(std::string file, TForm* form, const FormClass* formClass)
        : file_(std::move(file)), form_(form), formClass_(formClass)
    {
    }
    const std::string& File() const { return file_; }
    TForm* Form() const { return form_; }
    const FormClass* FormClassInfo() const { return formClass_; }
    int Line = 0;     // line of the value being applied
    std::string Word; // the value's text, for messages
    // Raises the definition error for the current value.
    [[noreturn]] void Fail(const std::string& what) const;
    [[noreturn]] void Fail(const std::string& what, const std::string& word) const;
    // Checks the value's kind.
    void Expect(const DfmValue& v, DfmValue::Kind kind) const;

private:
    std::string file_;
    TForm* form_;
    const FormClass* formClass_;
};

struct PropInfo {
    std::string name;
    // Applies a definition value; raise through ctx.Fail on a bad value.
    std::function<void(TComponent&, const DfmValue&, ReadContext&)> read;
    // The value to store, or nothing when the property is at its default or not stored.
    std::function<std::optional<DfmValue>(const TComponent&)> write;
    // Component references are applied after every component exists.
    bool deferred = false;
};

class ClassInfo {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;
    ClassInfo(std::string name, const ClassInfo* parent, Factory factory, std::vector<PropInfo> props);

    const std::string& Name() const { return name_; }
    const ClassInfo* Parent() const { return parent_; }
    bool InheritsFrom(const ClassInfo& other) const;
    // Null for abstract classes.
    TComponent* Create(TComponent* owner) const { return factory_ ? factory_(owner) : nullptr; }
    bool Creatable() const { return static_cast<bool>(factory_); }
    // Own and inherited properties, base class first.
    std::vector<const PropInfo*> Properties() const;
    const PropInfo* FindProperty(const std::string& name) const;

private:
    std::string name_;
    const ClassInfo* parent_;
    Factory factory_;
    std::vector<PropInfo> props_;
};

// Class registry: definition class names to class information.
namespace Registry {
void Register(const ClassInfo& info);
const ClassInfo* Find(const std::string& name);
std::vector<std::string> Names();
} // namespace Registry

// Registers a class at static-initialisation time:
//   static const RegisterClassInfo reg(TMyControl::StaticClass());
struct RegisterClassInfo {
    explicit RegisterClassInfo(const ClassInfo& info) { Registry::Register(info); }
};

// ---- property table builders ----
// C is the class the accessors belong to; the component is cast to it.
namespace prop {

template <class C>
C& as(TComponent& c)
{
    return dynamic_cast<C&>(c);
}
template <class C>
const C& as(const TComponent& c)
{
    return dynamic_cast<const C&>(c);
}

// Integer; stored when different from def (always when def is empty).
template <class C, class G, class S>
PropInfo Int(std::string name, G get, S set, std::optional<std::int64_t> def)
{
    return {name,
            [set](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                ctx.Expect(v, DfmValue::Kind::Integer);
                if (v.integer < INT32_MIN || v.integer > INT32_MAX)
                    ctx.Fail("integer out of range");
                (as<C>(c).*set)(static_cast<int>(v.integer));
            },
            [get, def](const TComponent& c) -> std::optional<DfmValue> {
                const std::int64_t v = (as<C>(c).*get)();
                if (def && *def == v)
                    return std::nullopt;
                return DfmValue::Int(v);
            }};
}

// Boolean as True/False; stored when different from def (always when def is empty).
template <class C, class G, class S>
PropInfo Bool(std::string name, G get, S set, std::optional<bool> def)
{
    return {name,
            [set](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                ctx.Expect(v, DfmValue::Kind::Ident);
                if (v.text == "True")
                    (as<C>(c).*set)(true);
                else if (v.text == "False")
                    (as<C>(c).*set)(false);
                else
                    ctx.Fail("not a boolean");
            },
            [get, def](const TComponent& c) -> std::optional<DfmValue> {
                const bool v = (as<C>(c).*get)();
                if (def && *def == v)
                    return std::nullopt;
                return DfmValue::Id(v ? "True" : "False");
            }};
}

// String; stored when different from def.
template <class C, class G, class S>
PropInfo Str(std::string name, G get, S set, std::optional<std::string> def = std::string())
{
    return {name,
            [set](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                ctx.Expect(v, DfmValue::Kind::String);
                (as<C>(c).*set)(v.text);
            },
            [get, def](const TComponent& c) -> std::optional<DfmValue> {
                std::string v = (as<C>(c).*get)();
                if (def && *def == v)
                    return std::nullopt;
                return DfmValue::Str(std::move(v));
            }};
}

// Enumeration written as identifiers; names[i] is the identifier of value i.
template <class C, class E, class G, class S>
PropInfo Enum(std::string name, G get, S set, std::vector<std::string> names, std::optional<E> def)
{
    return {name,
            [set, names](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                ctx.Expect(v, DfmValue::Kind::Ident);
                for (std::size_t i = 0; i < names.size(); ++i)
                    if (names[i] == v.text) {
                        (as<C>(c).*set)(static_cast<E>(i));
                        return;
                    }
                ctx.Fail("unknown value");
            },
            [get, names, def](const TComponent& c) -> std::optional<DfmValue> {
                const E v = (as<C>(c).*get)();
                if (def && *def == v)
                    return std::nullopt;
                return DfmValue::Id(names.at(static_cast<std::size_t>(v)));
            }};
}

// Set of flags: names[i] is bit i.
template <class C, class G, class S>
PropInfo Set(std::string name, G get, S set, std::vector<std::string> names, std::optional<unsigned> def)
{
    return {name,
            [set, names](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                ctx.Expect(v, DfmValue::Kind::Set);
                unsigned bits = 0;
                for (const auto& m : v.items) {
                    bool found = false;
                    for (std::size_t i = 0; i < names.size(); ++i)
                        if (names[i] == m) {
                            bits |= 1u << i;
                            found = true;
                        }
                    if (!found)
                        ctx.Fail("unknown set member", m);
                }
                (as<C>(c).*set)(bits);
            },
            [get, names, def](const TComponent& c) -> std::optional<DfmValue> {
                const unsigned bits = (as<C>(c).*get)();
                if (def && *def == bits)
                    return std::nullopt;
                std::vector<std::string> members;
                for (std::size_t i = 0; i < names.size(); ++i)
                    if (bits & (1u << i))
                        members.push_back(names[i]);
                return DfmValue::SetOf(std::move(members));
            }};
}

// A string list reached through the component (Items.Strings, Lines.Strings);
// stored when not empty.
template <class C, class L>
PropInfo Strings(std::string name, L list)
{
    return {name,
            [list](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                ctx.Expect(v, DfmValue::Kind::List);
                (as<C>(c).*list)().Assign(v.items);
            },
            [list](const TComponent& c) -> std::optional<DfmValue> {
                auto& self = const_cast<C&>(as<C>(c));
                const auto lines = (self.*list)().ToVector();
                if (lines.empty())
                    return std::nullopt;
                return DfmValue::ListOf(lines);
            }};
}

// A property read and kept for writing but without effect here (design-time
// positions of non-visual components, cursors, drag modes ...).
PropInfo Inert(std::string name, std::optional<DfmValue> def);

} // namespace prop

// Event properties bind to a handler of the form being read: prop::Event, in
// FormClass.h beside the handler table.
