// Number scanning with the rules of the C library's formatted input: "%f"
// and "%d" as the GNU C library reads them from a stream. They tell which
// characters a conversion takes, what it stores and when it fails, so that
// the mesh reader, working on a file's bytes in memory, reads every number
// exactly as a stream reading of the same file would.
#pragma once

// The white space the conversions skip: space, \t, \n, \v, \f and \r.
inline bool IsScanSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Skips white space, then reads one float as "%f" does. `p` moves past every
// character the conversion takes, also when it fails (a lone sign, "inx",
// "0x" are taken and fail). Returns true with `value` set, or false with
// `value` untouched when the characters are no number or the input ends.
bool ScanFloat(const char*& p, const char* end, float& value);

// The same for "%ld": an optional sign and decimal digits, converted as the
// C library converts to long (saturated at its limits).
bool ScanLong(const char*& p, const char* end, long& value);

// "%d": the same long conversion, stored into an int (its low bits kept).
bool ScanInt(const char*& p, const char* end, int& value);
