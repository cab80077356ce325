// Text conversion between the program's wide strings (wchar_t holds one
// UTF-32 code point here) and SDL's UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace compat::win32
{

// Invalid code points (surrogates, beyond U+10FFFF) become U+FFFD. A null
// pointer gives an empty string.
std::string ToUtf8(const wchar_t* text);
std::string ToUtf8(std::wstring_view text);

} // namespace compat::win32
