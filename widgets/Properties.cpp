#include "widgets/Properties.h"

#include "widgets/StandardClasses.h"
#include "widgets/SysUtils.h"

#include <map>
#include <mutex>

namespace {
const char* KindName(DfmValue::Kind k)
{
    switch (k) {
    case DfmValue::Kind::Integer: return "an integer";
    case DfmValue::Kind::Ident: return "an identifier";
    case DfmValue::Kind::String: return "a string";
    case DfmValue::Kind::Set: return "a set";
    case DfmValue::Kind::List: return "a string list";
    case DfmValue::Kind::Binary: return "binary data";
    }
    return "?";
}
} // namespace

void ReadContext::Fail(const std::string& what) const
{
    throw EDefinitionError(file_, Line, Word, what);
}

void ReadContext::Fail(const std::string& what, const std::string& word) const
{
    throw EDefinitionError(file_, Line, word, what);
}

void ReadContext::Expect(const DfmValue& v, DfmValue::Kind kind) const
{
    if (v.kind != kind)
        Fail(std::string("expected ") + KindName(kind) + " for");
}

ClassInfo::ClassInfo(std::string name, const ClassInfo* parent, Factory factory, std::vector<PropInfo> props)
    : name_(std::move(name)), parent_(parent), factory_(std::move(factory)), props_(std::move(props))
{
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const
{
    for (const ClassInfo* c = this; c; c = c->parent_)
        if (c == &other)
            return true;
    return false;
}

std::vector<const PropInfo*> ClassInfo::Properties() const
{
    std::vector<const PropInfo*> out;
    if (parent_)
        out = parent_->Properties();
    for (const auto& p : props_) {
        // A class may redeclare an inherited property (another default).
        bool replaced = false;
        for (auto& q : out)
            if (q->name == p.name) {
                q = &p;
                replaced = true;
            }
        if (!replaced)
            out.push_back(&p);
    }
    return out;
}

const PropInfo* ClassInfo::FindProperty(const std::string& name) const
{
    for (const ClassInfo* c = this; c; c = c->parent_)
        for (const auto& p : c->props_)
            if (p.name == name)
                return &p;
    return nullptr;
}

namespace {
std::map<std::string, const ClassInfo*>& table()
{
    static std::map<std::string, const ClassInfo*> t;
    return t;
}
std::mutex& tableMutex()
{
    static std::mutex m;
    return m;
}
void registerStandard();
} // namespace

namespace Registry {
void Register(const ClassInfo& info)
{
    std::lock_guard lock(tableMutex());
    table()[info.Name()] = &info;
}

const ClassInfo* Find(const std::string& name)
{
    registerStandard();
    std::lock_guard lock(tableMutex());
    const auto it = table().find(name);
    return it == table().end() ? nullptr : it->second;
}

std::vector<std::string> Names()
{
    registerStandard();
    std::lock_guard lock(tableMutex());
    std::vector<std::string> out;
    for (const auto& [k, v] : table())
        out.push_back(k);
    return out;
}
} // namespace Registry

namespace {
void registerStandard()
{
    static std::once_flag once;
    std::call_once(once, [] { RegisterStandardClasses(); });
}
} // namespace

PropInfo prop::Inert(std::string name, std::optional<DfmValue> def)
{
    return {name, [name](TComponent& c, const DfmValue& v, ReadContext&) { c.InertValues[name] = v; },
            [name, def](const TComponent& c) -> std::optional<DfmValue> {
                const auto it = c.InertValues.find(name);
                if (it == c.InertValues.end() || (def && *def == it->second))
                    return std::nullopt;
                return it->second;
            }};
}
