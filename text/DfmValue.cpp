#include "text/DfmValue.h"

DfmValue DfmValue::Int(std::int64_t v)
{
    DfmValue d;
    d.kind = Kind::Integer;
    d.integer = v;
    return d;
}
DfmValue DfmValue::Id(std::string name)
{
    DfmValue d;
    d.kind = Kind::Ident;
    d.text = std::move(name);
    return d;
}
DfmValue DfmValue::Str(std::string s)
{
    DfmValue d;
    d.kind = Kind::String;
    d.text = std::move(s);
    return d;
}
DfmValue DfmValue::SetOf(std::vector<std::string> names)
{
    DfmValue d;
    d.kind = Kind::Set;
    d.items = std::move(names);
    return d;
}
DfmValue DfmValue::ListOf(std::vector<std::string> strings)
{
    DfmValue d;
    d.kind = Kind::List;
    d.items = std::move(strings);
    return d;
}
DfmValue DfmValue::Bin(std::vector<std::uint8_t> b)
{
    DfmValue d;
    d.kind = Kind::Binary;
    d.bytes = std::move(b);
    return d;
}
