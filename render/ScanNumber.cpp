#include "render/ScanNumber.h"

#include <charconv>
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

bool ScanInt(const char*& p, const char* end, int& value)
{
    while (p != end && IsScanSpace(*p))
        ++p;
    if (p == end)
        return false;

    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    const char* const digits = p;
    while (p != end && IsDigit(*p))
        ++p;
    if (p == digits)
        return false;

    // The library converts to long, saturating at its limits, and stores the
    // long into the int by keeping its low bits.
    const unsigned long limit =
        negative ? static_cast<unsigned long>(LONG_MAX) + 1 : static_cast<unsigned long>(LONG_MAX);
    unsigned long magnitude = 0;
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
    const unsigned long bits = negative ? 0ul - magnitude : magnitude;
    value = static_cast<int>(static_cast<unsigned int>(bits));
    return true;
}
