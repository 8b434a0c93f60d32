// Windows-1252 text: the program's strings are single-byte Windows-1252, as its
// tables are. Sources hold literals as readable UTF-8; they are turned into
// Windows-1252 here, at compile time for literals (a character the code page
// cannot hold is a compile error) and at run time for text from outside.
// Free of Qt so the catalogue and the cores can use it anywhere.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cp1252 {

// Unicode code point of a Windows-1252 byte. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of
// the same value, as the platform's conversion does.
constexpr char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t toUnicode(unsigned char b)
{
    return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char32_t(b);
}

// The byte for a code point, or nothing when Windows-1252 cannot hold it.
constexpr std::optional<unsigned char> fromUnicode(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

namespace detail {

// Decodes one UTF-8 sequence at s[i]; advances i. Returns U+FFFFFFFF on
// malformed input.
constexpr char32_t decodeUtf8(std::string_view s, std::size_t& i)
{
    constexpr char32_t bad = 0xFFFFFFFF;
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        ++i;
        return bad;
    }
    for (int k = 1; k <= extra; ++k) {
        if (i + k >= s.size()) {
            i = s.size();
            return bad;
        }
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            i += k;
            return bad;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += extra + 1;
    return c;
}

constexpr std::size_t encodedLength(std::string_view utf8)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n)
        decodeUtf8(utf8, i);
    return n;
}

template <std::size_t N>
struct Utf8Literal {
    char text[N]{};
    consteval Utf8Literal(const char (&s)[N])
    {
        for (std::size_t i = 0; i < N; ++i)
            text[i] = s[i];
    }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

template <Utf8Literal S>
consteval auto encodeLiteral()
{
    constexpr std::size_t n = encodedLength(S.view());
    std::array<char, n + 1> out{};
    std::size_t i = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const auto b = fromUnicode(decodeUtf8(S.view(), i));
        if (!b)
            throw "character not representable in Windows-1252";
        out[k] = static_cast<char>(*b);
    }
    return out;
}

template <Utf8Literal S>
inline constexpr auto kEncoded = encodeLiteral<S>();

} // namespace detail

// UTF-8 text to Windows-1252, or nothing when any character has no byte (or
// the UTF-8 is malformed).
std::optional<std::string> tryFromUtf8(std::string_view utf8);
// As tryFromUtf8, throwing std::invalid_argument naming the text.
std::string fromUtf8(std::string_view utf8);
// Windows-1252 bytes to UTF-8.
std::string toUtf8(std::string_view bytes);

// The text with its letters in upper (lower) case, as the code page holds
// them: "ação" -> "AÇÃO", "ÿ" -> "Ÿ". A letter whose other case the code
// page cannot hold (µ, ß) stays as it is.
std::string toUpper(std::string_view bytes);
std::string toLower(std::string_view bytes);
// What text sorts by, as a reader expects: case and accents do not count
// ("Água" among the a's). Every sorted table uses it.
std::string sortKey(std::string_view bytes);
// What a typed name is compared by: letters and digits only, in lower case
// ("TM 41 Soft-Boiled" -> "tm41softboiled", "Farfetch´d" -> "farfetchd").
std::string typedKey(std::string_view bytes);

inline namespace literals {
// "Psíquico"_cp: the Windows-1252 bytes of a UTF-8 literal, checked at compile time.
template <detail::Utf8Literal S>
constexpr std::string_view operator""_cp()
{
    return {detail::kEncoded<S>.data(), detail::kEncoded<S>.size() - 1};
}
} // namespace literals

} // namespace cp1252
