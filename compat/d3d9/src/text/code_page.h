// The characters DrawTextA's bytes stand for: the ANSI code page of a Western
// Windows system (1252), which is Latin-1 except for 0x80..0x9F.
#pragma once

namespace compat::d3d9::text
{

// The Unicode character of `byte`, or 0 for the five bytes that code page
// 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
char32_t AnsiToUnicode(unsigned char byte);

} // namespace compat::d3d9::text
