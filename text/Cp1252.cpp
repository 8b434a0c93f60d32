#include "text/Cp1252.h"

namespace cp1252 {

std::optional<std::string> tryFromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = fromUnicode(detail::decodeUtf8(utf8, i));
        if (!b)
            return std::nullopt;
        out.push_back(static_cast<char>(*b));
    }
    return out;
}

std::string fromUtf8(std::string_view utf8)
{
    if (auto s = tryFromUtf8(utf8))
        return *std::move(s);
    throw std::invalid_argument("text not representable in Windows-1252: " + std::string(utf8));
}

std::string toUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char ch : bytes) {
        const char32_t c = toUnicode(static_cast<unsigned char>(ch));
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

namespace {
// The pairs outside ASCII: Latin-1's letters less × and ÷ (and ß, ÿ,
// whose capitals lie elsewhere), then the code page's own Š, Œ, Ž, Ÿ.
unsigned char upperOf(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A; // š
    case 0x9C: return 0x8C; // œ
    case 0x9E: return 0x8E; // ž
    case 0xFF: return 0x9F; // ÿ
    default: return c;
    }
}

unsigned char lowerOf(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: return 0x9A; // Š
    case 0x8C: return 0x9C; // Œ
    case 0x8E: return 0x9E; // Ž
    case 0x9F: return 0xFF; // Ÿ
    default: return c;
    }
}
} // namespace

std::string toUpper(std::string_view bytes)
{
    std::string out(bytes);
    for (char& c : out)
        c = static_cast<char>(upperOf(static_cast<unsigned char>(c)));
    return out;
}

std::string toLower(std::string_view bytes)
{
    std::string out(bytes);
    for (char& c : out)
        c = static_cast<char>(lowerOf(static_cast<unsigned char>(c)));
    return out;
}

std::string typedKey(std::string_view bytes)
{
    std::string out;
    for (char c : toLower(bytes)) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b >= 0xC0)
            out.push_back(c);
    }
    return out;
}

std::string sortKey(std::string_view bytes)
{
    std::string key = toLower(bytes);
    static constexpr std::string_view from = "\xE0\xE1\xE2\xE3\xE4\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF1\xF2\xF3\xF4"
                                             "\xF5\xF6\xF9\xFA\xFB\xFC\xFD\xFF";
    static constexpr std::string_view to = "aaaaaceeeeiiiinooooouuuuyy";
    for (char& c : key)
        if (const auto at = from.find(c); at != std::string_view::npos)
            c = to[at];
    return key;
}

} // namespace cp1252
