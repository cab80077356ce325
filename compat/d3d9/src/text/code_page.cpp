#include "code_page.h"

#include <array>

namespace compat::d3d9::text
{
namespace
{

// 0x80..0x9F, where code page 1252 puts typographic characters in place of
// Latin-1's C1 controls.
constexpr std::array<char32_t, 32> kHighControls = {
    U'\u20AC', 0,         U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', 0,         U'\u017D', 0,
    0,         U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', 0,         U'\u017E', U'\u0178',
};

} // namespace

char32_t AnsiToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80];
    return byte;
}

} // namespace compat::d3d9::text
