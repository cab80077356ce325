#include "utf8.h"

namespace compat::win32
{
namespace
{

void Append(std::string& out, char32_t c)
{
    constexpr char32_t kReplacement = 0xFFFD;
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacement;
    auto put = [&out](char32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (c < 0x80)
        put(c);
    else if (c < 0x800)
    {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    }
    else if (c < 0x10000)
    {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
    else
    {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string ToUtf8(std::wstring_view text)
{
    static_assert(sizeof(wchar_t) == 4, "wide strings are UTF-32 on this platform");
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        Append(out, static_cast<char32_t>(c));
    return out;
}

std::string ToUtf8(const wchar_t* text)
{
    return text == nullptr ? std::string{} : ToUtf8(std::wstring_view{text});
}

} // namespace compat::win32
