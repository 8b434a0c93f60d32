#include "text/DefinitionText.h"

#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <charconv>

// ---- tree helpers ----

DfmObject* DfmObject::Find(const std::string& objectName)
{
    if (name == objectName)
        return this;
    for (auto& c : children)
        if (DfmObject* f = c.Find(objectName))
            return f;
    return nullptr;
}

const DfmObject* DfmObject::Find(const std::string& objectName) const
{
    return const_cast<DfmObject*>(this)->Find(objectName);
}

const DfmProperty* DfmObject::Property(const std::string& propName) const
{
    for (const auto& p : props)
        if (p.name == propName)
            return &p;
    return nullptr;
}

void DfmObject::SetProperty(const std::string& propName, DfmValue value)
{
    for (auto& p : props)
        if (p.name == propName) {
            p.value = std::move(value);
            return;
        }
    props.push_back({propName, std::move(value), 0, {}});
}

bool DfmObject::RemoveProperty(const std::string& propName)
{
    const auto it = std::find_if(props.begin(), props.end(), [&](const DfmProperty& p) { return p.name == propName; });
    if (it == props.end())
        return false;
    props.erase(it);
    return true;
}

// ---- parser ----

namespace {

// The definition language is ASCII: these do not depend on the C locale the
// application set, and cost no library call per character.
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isLetter(char c)
{
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}
// A hexadecimal digit's value, -1 for any other character: one table look-up
// per character, as the pictures' bytes (most of a window's definition) need.
constexpr auto kHexValue = [] {
    std::array<std::int8_t, 256> t{};
    t.fill(-1);
    for (int c = '0'; c <= '9'; ++c)
        t[static_cast<std::size_t>(c)] = static_cast<std::int8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c)
        t[static_cast<std::size_t>(c)] = t[static_cast<std::size_t>(c + 'a' - 'A')] =
            static_cast<std::int8_t>(c - 'A' + 10);
    return t;
}();
int hexValue(char c)
{
    return kHexValue[static_cast<unsigned char>(c)];
}
bool isHexDigit(char c)
{
    return hexValue(c) >= 0;
}
char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
}
bool isIdentStart(char c)
{
    return isLetter(c) || c == '_';
}
bool isIdentChar(char c)
{
    return isLetter(c) || isDigit(c) || c == '_';
}
bool sameWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

class Parser {
public:
    Parser(std::string_view text, const std::string& file) : s_(text), file_(file)
    {
        // A UTF-8 byte order mark is tolerated at the start.
        if (s_.substr(0, 3) == "\xEF\xBB\xBF")
            i_ = 3;
    }

    DfmObject Root()
    {
        skip();
        DfmObject root = object();
        skip();
        if (i_ < s_.size())
            fail("text after the final end", token());
        return root;
    }

private:
    [[noreturn]] void fail(const std::string& what, const std::string& word)
    {
        throw EDefinitionError(file_, line_, word, what);
    }

    // The next token's text, for messages.
    std::string token()
    {
        if (i_ >= s_.size())
            return "end of file";
        std::size_t j = i_;
        if (isIdentStart(s_[j]) || isDigit(s_[j])) {
            while (j < s_.size() && (isIdentChar(s_[j]) || s_[j] == '.'))
                ++j;
            return std::string(s_.substr(i_, j - i_));
        }
        return std::string(1, s_[i_]);
    }

    void skip()
    {
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == '\n')
                ++line_;
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
                ++i_;
            else
                break;
        }
    }
    // Skips blanks on the current line only.
    void skipBlanks()
    {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t'))
            ++i_;
    }

    std::string ident(bool dotted)
    {
        skip();
        if (i_ >= s_.size() || !isIdentStart(s_[i_]))
            fail("expected a name, found", token());
        const std::size_t start = i_;
        while (i_ < s_.size() &&
               (isIdentChar(s_[i_]) || (dotted && s_[i_] == '.' && i_ + 1 < s_.size() && isIdentStart(s_[i_ + 1]))))
            ++i_;
        return std::string(s_.substr(start, i_ - start));
    }

    void expect(char c)
    {
        skip();
        if (i_ >= s_.size() || s_[i_] != c)
            fail(std::string("expected '") + c + "', found", token());
        ++i_;
    }

    DfmObject object()
    {
        skip();
        const int line = line_;
        const std::string kw = ident(false);
        if (!sameWord(kw, "object"))
            fail("expected 'object', found", kw);
        // Each level is a frame of this recursion: a bound keeps hostile text
        // from exhausting the stack.
        if (depth_ == MaxDefinitionNesting)
            fail("objects nested more than " + std::to_string(MaxDefinitionNesting) + " deep at", kw);
        const Nesting nesting(depth_);
        DfmObject obj;
        obj.line = line;
        obj.name = ident(false);
        expect(':');
        obj.className = ident(false);
        for (;;) {
            skip();
            if (i_ >= s_.size())
                fail("missing 'end' of object " + obj.name + " at", "end of file");
            const std::size_t save = i_;
            const int saveLine = line_;
            const std::string w = ident(true);
            if (sameWord(w, "end"))
                return obj;
            if (sameWord(w, "object")) {
                i_ = save;
                line_ = saveLine;
                obj.children.push_back(object());
                continue;
            }
            if (!obj.children.empty())
                fail("property after a nested object", w);
            DfmProperty p;
            p.name = w;
            expect('=');
            skip();
            p.line = line_;
            p.word = token();
            p.value = value();
            obj.props.push_back(std::move(p));
        }
    }

    DfmValue value()
    {
        skip();
        if (i_ >= s_.size())
            fail("expected a value, found", "end of file");
        const char c = s_[i_];
        if (c == '-' || c == '$' || isDigit(c))
            return DfmValue::Int(integer());
        if (c == '\'' || c == '#')
            return DfmValue::Str(string());
        if (c == '[')
            return set();
        if (c == '(')
            return list();
        if (c == '{')
            return binary();
        if (isIdentStart(c))
            return DfmValue::Id(ident(true));
        fail("expected a value, found", token());
    }

    std::int64_t integer()
    {
        const std::size_t start = i_;
        bool neg = false;
        if (s_[i_] == '-') {
            neg = true;
            ++i_;
        }
        int base = 10;
        if (i_ < s_.size() && s_[i_] == '$') {
            base = 16;
            ++i_;
        }
        const std::size_t digits = i_;
        while (i_ < s_.size() && isHexDigit(s_[i_]))
            ++i_;
        // A trailing letter or a fraction is not an integer of ours.
        while (i_ < s_.size() && (isIdentChar(s_[i_]) || s_[i_] == '.'))
            ++i_;
        const std::string word(s_.substr(start, i_ - start));
        std::int64_t v = 0;
        const char* b = s_.data() + digits;
        const char* e = s_.data() + i_;
        const auto r = std::from_chars(b, e, v, base);
        if (digits == i_ || r.ec != std::errc() || r.ptr != e)
            fail("not an integer", word);
        return neg ? -v : v;
    }

    std::string string()
    {
        std::string out;
        std::string run; // UTF-8 of the current quoted run
        const int startLine = line_;
        auto flush = [&] {
            if (run.empty())
                return;
            const auto bytes = cp1252::tryFromUtf8(run);
            if (!bytes)
                fail("text not representable in Windows-1252", run);
            out += *bytes;
            run.clear();
        };
        for (;;) {
            if (i_ < s_.size() && s_[i_] == '\'') {
                ++i_;
                for (;;) {
                    if (i_ >= s_.size() || s_[i_] == '\n' || s_[i_] == '\r')
                        fail("unterminated string", "'" + run);
                    if (s_[i_] == '\'') {
                        if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
                            run += '\'';
                            i_ += 2;
                            continue;
                        }
                        ++i_;
                        break;
                    }
                    run += s_[i_++];
                }
                continue;
            }
            if (i_ < s_.size() && s_[i_] == '#') {
                flush();
                ++i_;
                const std::size_t start = i_;
                while (i_ < s_.size() && isDigit(s_[i_]))
                    ++i_;
                const std::string digits(s_.substr(start, i_ - start));
                if (digits.empty() || digits.size() > 3 || std::stoi(digits) > 255)
                    fail("not a character code", "#" + digits);
                out += static_cast<char>(std::stoi(digits));
                continue;
            }
            // A '+' joins the next run, possibly on the next line.
            const std::size_t save = i_;
            const int saveLine = line_;
            skipBlanks();
            if (i_ < s_.size() && s_[i_] == '+') {
                ++i_;
                skip();
                if (i_ < s_.size() && (s_[i_] == '\'' || s_[i_] == '#'))
                    continue;
                fail("expected a string after '+', found", token());
            }
            i_ = save;
            line_ = saveLine;
            break;
        }
        flush();
        (void)startLine;
        return out;
    }

    DfmValue set()
    {
        ++i_; // [
        std::vector<std::string> names;
        skip();
        if (i_ < s_.size() && s_[i_] == ']') {
            ++i_;
            return DfmValue::SetOf(names);
        }
        for (;;) {
            names.push_back(ident(false));
            skip();
            if (i_ < s_.size() && s_[i_] == ',') {
                ++i_;
                continue;
            }
            expect(']');
            return DfmValue::SetOf(names);
        }
    }

    DfmValue list()
    {
        ++i_; // (
        std::vector<std::string> items;
        for (;;) {
            skip();
            if (i_ >= s_.size())
                fail("missing ')' at", "end of file");
            if (s_[i_] == ')') {
                ++i_;
                return DfmValue::ListOf(items);
            }
            if (s_[i_] != '\'' && s_[i_] != '#')
                fail("expected a string in the list, found", token());
            items.push_back(string());
        }
    }

    DfmValue binary()
    {
        ++i_; // {
        // Icons and pictures make most of a window's definition: one
        // allocation keeps reading them cheap.
        const std::size_t close = std::min(s_.find('}', i_), s_.size());
        std::vector<std::uint8_t> bytes((close - i_) / 2);
        std::uint8_t* out = bytes.data();
        const char* p = s_.data() + i_;
        const char* const end = s_.data() + close;
        int nibble = -1;
        for (; p != end; ++p) {
            const int v = hexValue(*p);
            if (v >= 0) {
                if (nibble < 0)
                    nibble = v;
                else {
                    *out++ = static_cast<std::uint8_t>(nibble << 4 | v);
                    nibble = -1;
                }
            } else if (*p == '\n')
                ++line_;
            else if (*p != ' ' && *p != '\t' && *p != '\r') {
                i_ = static_cast<std::size_t>(p - s_.data()) + 1;
                fail("not a hexadecimal digit", std::string(1, *p));
            }
        }
        i_ = close;
        if (i_ >= s_.size())
            fail("missing '}' at", "end of file");
        ++i_; // }
        bytes.resize(static_cast<std::size_t>(out - bytes.data()));
        if (nibble >= 0)
            fail("odd number of hexadecimal digits in", "{");
        return DfmValue::Bin(std::move(bytes));
    }

    std::string_view s_;
    std::string file_;
    std::size_t i_ = 0;
    int line_ = 1;
    int depth_ = 0; // objects open around the one being read

    struct Nesting {
        explicit Nesting(int& d) : depth(++d) {}
        ~Nesting() { --depth; }
        int& depth;
    };
};

// ---- writer ----

std::string quote(const std::string& bytes)
{
    if (bytes.empty())
        return "''";
    std::string out;
    bool inRun = false;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        const char32_t u = cp1252::toUnicode(b);
        const bool literal = (u >= 0x20 && u < 0x7F) || (u >= 0xA0);
        if (literal) {
            if (!inRun) {
                out += '\'';
                inRun = true;
            }
            if (ch == '\'')
                out += "''";
            else
                out += cp1252::toUtf8(std::string_view(&ch, 1));
        } else {
            if (inRun) {
                out += '\'';
                inRun = false;
            }
            out += '#' + std::to_string(b);
        }
    }
    if (inRun)
        out += '\'';
    return out;
}

void writeValue(std::string& out, const DfmValue& v, const std::string& indent)
{
    switch (v.kind) {
    case DfmValue::Kind::Integer: out += std::to_string(v.integer); break;
    case DfmValue::Kind::Ident: out += v.text; break;
    case DfmValue::Kind::String: out += quote(v.text); break;
    case DfmValue::Kind::Set: {
        out += '[';
        for (std::size_t k = 0; k < v.items.size(); ++k)
            out += (k ? ", " : "") + v.items[k];
        out += ']';
        break;
    }
    case DfmValue::Kind::List:
        out += '(';
        for (const auto& s : v.items)
            out += "\n" + indent + "  " + quote(s);
        out += ')';
        break;
    case DfmValue::Kind::Binary: {
        static const char* hex = "0123456789ABCDEF";
        out += '{';
        for (std::size_t k = 0; k < v.bytes.size(); ++k) {
            if (k % 32 == 0)
                out += "\n" + indent + "  ";
            out += hex[v.bytes[k] >> 4];
            out += hex[v.bytes[k] & 15];
        }
        out += '}';
        break;
    }
    }
}

void writeObject(std::string& out, const DfmObject& o, const std::string& indent)
{
    out += indent + "object " + o.name + ": " + o.className + "\n";
    for (const auto& p : o.props) {
        out += indent + "  " + p.name + " = ";
        writeValue(out, p.value, indent + "  ");
        out += "\n";
    }
    for (const auto& c : o.children)
        writeObject(out, c, indent + "  ");
    out += indent + "end\n";
}

} // namespace

DfmObject ParseDefinition(std::string_view text, const std::string& file)
{
    return Parser(text, file).Root();
}

std::string WriteDefinition(const DfmObject& root)
{
    std::string out;
    writeObject(out, root, "");
    return out;
}

std::vector<std::uint8_t> PictureDataValue(const std::vector<std::uint8_t>& gifBytes)
{
    const auto n = static_cast<std::uint32_t>(gifBytes.size());
    std::vector<std::uint8_t> out;
    out.reserve(4 + gifBytes.size());
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(n >> shift));
    out.insert(out.end(), gifBytes.begin(), gifBytes.end());
    return out;
}

std::optional<std::vector<std::uint8_t>> PictureDataBytes(std::vector<std::uint8_t> value)
{
    if (value.size() < 4)
        return std::nullopt;
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i)
        n = n << 8 | value[static_cast<std::size_t>(i)];
    if (n > value.size() - 4)
        return std::nullopt;
    // In place: the value's own storage becomes the picture's.
    value.erase(value.begin(), value.begin() + 4);
    value.resize(n);
    return value;
}
