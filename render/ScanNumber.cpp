#include "render/ScanNumber.h"

#include <bit>
#include <cfloat>
#include <charconv>
#include <cstdint>
#include <climits>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace
{
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Takes the rest of "nan", "inf" or "infinity" letter by letter, ignoring
// case. A wrong letter is taken too, as the C library takes it, and fails.
bool TakeLetters(const char*& p, const char* end, const char* letters)
{
    for (; *letters != '\0'; ++letters)
    {
        if (p == end)
            return false;
        if (Lower(*p++) != *letters)
            return false;
    }
    return true;
}

// Powers of ten that a double holds exactly.
const double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The float nearest mantissa × 10^scale, when the mantissa fits 53 bits and
// the power of ten is at most 22 either way: then one double operation on
// exact operands is correctly rounded, and rounding that double to float
// gives the nearest float unless the double lies right at a halfway point
// between two floats. False when the case does not apply.
bool NearestFloat(uint64_t mantissa, int scale, float& value)
{
    if (mantissa == 0)
    {
        value = 0.0f;
        return true;
    }
    if (mantissa > (1ull << 53) || scale < -22 || scale > 22)
        return false;
    const double exact = static_cast<double>(mantissa);
    const double rounded = scale < 0 ? exact / kPowersOfTen[-scale] : exact * kPowersOfTen[scale];
    if (rounded < 0x1p-126 || rounded > static_cast<double>(FLT_MAX))
        return false;
    // A double has 29 bits more than a float: at a halfway point between two
    // floats they are 1000...0.
    const uint64_t extra = std::bit_cast<uint64_t>(rounded) & ((1ull << 29) - 1);
    if (extra - ((1ull << 28) - 1) <= 2)
        return false;
    value = static_cast<float>(rounded);
    return true;
}

// The common form, digits with at most one point and no exponent or "0x",
// in one pass. Moves `p` and sets `value` only when it applies: the number
// ends without an exponent letter and its value is quick to find.
bool ScanPlainDecimal(const char*& p, const char* end, bool negative, float& value)
{
    if (*p == '0' && p + 1 != end && Lower(p[1]) == 'x')
        return false;
    uint64_t mantissa = 0;
    int significant = 0;
    int scale = 0;
    bool digit = false;
    bool point = false;
    const char* q = p;
    for (; q != end; ++q)
    {
        if (IsDigit(*q))
        {
            if (significant == 19)
                return false;
            mantissa = mantissa * 10 + static_cast<uint64_t>(*q - '0');
            significant += mantissa != 0;
            scale -= point;
            digit = true;
        }
        else if (*q == '.' && !point)
            point = true;
        else
            break;
    }
    if (!digit || (q != end && Lower(*q) == 'e'))
        return false;
    float magnitude = 0.0f;
    if (!NearestFloat(mantissa, scale, magnitude))
        return false;
    value = negative ? -magnitude : magnitude;
    p = q;
    return true;
}

// The C library's own conversion, for the rare forms: hexadecimal, and
// results that overflow or underflow.
float LibraryValue(const char* first, const char* last)
{
    const std::string text(first, last);
    return std::strtof(text.c_str(), nullptr);
}
} // namespace

bool ScanFloat(const char*& p, const char* end, float& value)
{
    while (p != end && IsScanSpace(*p))
        ++p;
    if (p == end)
        return false;

    const char* const start = p;
    const bool negative = *p == '-';
    const bool gotSign = *p == '-' || *p == '+';
    if (gotSign && ++p == end)
        return false;
    const char* const body = p;
    if (ScanPlainDecimal(p, end, negative, value))
        return true;

    if (Lower(*p) == 'n')
    {
        ++p;
        if (!TakeLetters(p, end, "an"))
            return false;
        const float nan = std::numeric_limits<float>::quiet_NaN();
        value = negative ? -nan : nan;
        return true;
    }
    if (Lower(*p) == 'i')
    {
        ++p;
        if (!TakeLetters(p, end, "nf"))
            return false;
        if (p != end && Lower(*p) == 'i')
        {
            ++p;
            if (!TakeLetters(p, end, "nity"))
                return false;
        }
        const float inf = std::numeric_limits<float>::infinity();
        value = negative ? -inf : inf;
        return true;
    }

    // Digits, one point and an exponent, taken as long as they can still
    // make a number: an exponent letter only after a digit, its sign only
    // right after it. "0x" starts a hexadecimal number whose exponent is 'p'.
    bool hex = false;
    bool gotDigit = false;
    bool gotDot = false;
    bool gotExponent = false;
    bool exponentDigits = false;
    const char* exponent = nullptr;
    char exponentLetter = 'e';
    if (*p == '0')
    {
        ++p;
        if (p != end && Lower(*p) == 'x')
        {
            ++p;
            hex = true;
            exponentLetter = 'p';
        }
        else
            gotDigit = true;
    }
    for (; p != end; ++p)
    {
        const char c = *p;
        if (IsDigit(c))
        {
            gotDigit = true;
            exponentDigits = gotExponent;
        }
        else if (hex && !gotExponent && IsHexDigit(c))
            gotDigit = true;
        else if (gotExponent && p == exponent + 1 && (c == '+' || c == '-'))
            continue;
        else if (gotDigit && !gotExponent && Lower(c) == exponentLetter)
        {
            gotExponent = gotDot = true;
            exponent = p;
        }
        else if (!gotDot && c == '.')
            gotDot = true;
        else
            break;
    }

    const long taken = p - start;
    if (taken == (gotSign ? 1 : 0) || (hex && taken == (gotSign ? 3 : 2)))
        return false;
    if (hex)
    {
        value = LibraryValue(start, p);
        return true;
    }
    if (!gotDigit)
        return false;

    // An exponent letter without digits is taken but is no part of the value.
    const char* const last = gotExponent && !exponentDigits ? exponent : p;
    float parsed = 0.0f;
    const std::from_chars_result result =
        std::from_chars(body, last, parsed, std::chars_format::general);
    if (result.ec == std::errc() && result.ptr == last)
        value = negative ? -parsed : parsed;
    else
        value = LibraryValue(start, last);
    return true;
}

bool ScanLong(const char*& p, const char* end, long& value)
{
    while (p != end && IsScanSpace(*p))
        ++p;
    if (p == end)
        return false;

    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    const char* const digits = p;
    unsigned long magnitude = 0;
    for (; p != end && IsDigit(*p); ++p)
        magnitude = magnitude * 10 + static_cast<unsigned long>(*p - '0');
    if (p == digits)
        return false;

    // The library's long conversion saturates at the limits of a long. Up
    // to digits10 digits always fit (18 for a 64-bit long, 9 for Windows'
    // 32-bit one).
    if (p - digits > std::numeric_limits<long>::digits10)
    {
        const unsigned long limit = negative ? static_cast<unsigned long>(LONG_MAX) + 1
                                             : static_cast<unsigned long>(LONG_MAX);
        magnitude = 0;
        for (const char* d = digits; d != p; ++d)
        {
            const unsigned long digit = static_cast<unsigned long>(*d - '0');
            if (magnitude > (limit - digit) / 10)
            {
                magnitude = limit;
                break;
            }
            magnitude = magnitude * 10 + digit;
        }
    }
    value = static_cast<long>(negative ? 0ul - magnitude : magnitude);
    return true;
}

bool ScanInt(const char*& p, const char* end, int& value)
{
    // "%d" stores the long into the int by keeping its low bits.
    long wide = 0;
    if (!ScanLong(p, end, wide))
        return false;
    value = static_cast<int>(static_cast<unsigned int>(static_cast<unsigned long>(wide)));
    return true;
}
