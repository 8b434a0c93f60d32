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

} // namespace cp1252
