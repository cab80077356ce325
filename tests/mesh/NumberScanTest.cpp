// The number scans against the C library's own fscanf: for every form of
// number, in every surrounding, the same success, the same characters taken
// and the same value, bit for bit.
#include "ByteStream.h"
#include "MeshCorpus.h"

#include "render/ScanNumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

namespace
{
struct Scan
{
    bool read = false;
    long taken = 0;
    uint32_t bits = 0; // the value's bits; an untouched value keeps its marker

    bool operator==(const Scan&) const = default;
};

const float kUntouched = 12345.0f;

template <typename T> Scan LibraryScan(const std::string& text, const char* format)
{
    static ByteStream stream;
    Scan scan;
    T value = static_cast<T>(kUntouched);
    scan.read = fscanf(stream.Read(text), format, &value) == 1;
    scan.taken = stream.Taken();
    scan.bits = std::bit_cast<uint32_t>(value);
    return scan;
}

Scan OurFloatScan(const std::string& text)
{
    Scan scan;
    float value = kUntouched;
    const char* p = text.data();
    scan.read = ScanFloat(p, text.data() + text.size(), value);
    scan.taken = p - text.data();
    scan.bits = std::bit_cast<uint32_t>(value);
    return scan;
}

Scan OurIntScan(const std::string& text)
{
    Scan scan;
    int value = static_cast<int>(kUntouched);
    const char* p = text.data();
    scan.read = ScanInt(p, text.data() + text.size(), value);
    scan.taken = p - text.data();
    scan.bits = std::bit_cast<uint32_t>(value);
    return scan;
}

void ExpectSameScans(const std::string& text)
{
    const Scan expectedFloat = LibraryScan<float>(text, "%f");
    const Scan ourFloat = OurFloatScan(text);
    EXPECT_EQ(ourFloat, expectedFloat)
        << "%f of \"" << text << "\": read " << ourFloat.read << " taken " << ourFloat.taken
        << " bits " << std::hex << ourFloat.bits << ", the library: read " << expectedFloat.read
        << " taken " << std::dec << expectedFloat.taken << " bits " << std::hex
        << expectedFloat.bits;
    const Scan expectedInt = LibraryScan<int>(text, "%d");
    const Scan ourInt = OurIntScan(text);
    EXPECT_EQ(ourInt, expectedInt)
        << "%d of \"" << text << "\": read " << ourInt.read << " taken " << ourInt.taken
        << " value " << static_cast<int>(ourInt.bits) << ", the library: read " << expectedInt.read
        << " taken " << expectedInt.taken << " value " << static_cast<int>(expectedInt.bits);
}

// What may follow a number: nothing, white space, or a character that could
// have gone on with it.
const char* const kFollowers[] = {"",  " ", "\n", "\t7", "x", "-", "+", ".", "e", "E",
                                  "p", "0", "a",  "(",   "}", "n", "i", "f", "y", "5"};
} // namespace

TEST(NumberScan, EveryFormOfNumberIsReadAsTheLibraryReadsIt)
{
    for (const std::string& form : NumberForms())
        for (const char* follower : kFollowers)
            ExpectSameScans(form + follower);
}

TEST(NumberScan, EmptyAndBlankInputFailLikeTheLibrary)
{
    for (const char* text : {"", " ", "\n\t\v\f\r ", "\n\n"})
        ExpectSameScans(text);
}

TEST(NumberScan, RandomTextIsReadAsTheLibraryReadsIt)
{
    // Short strings over the characters that matter to the scans, so that
    // every path through them is taken many times.
    const std::string alphabet = "0123456789+-.eEpPxXaAbfFnNiItTyY( \t\n";
    std::mt19937 random(7);
    for (int n = 0; n < 40000; ++n)
    {
        std::string text(1 + random() % 12, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        ExpectSameScans(text);
        if (HasFailure())
            break;
    }
}

TEST(NumberScan, LongDigitRunsRoundAsTheLibraryRounds)
{
    // Decimal forms near halfway between two floats, with many digits.
    std::mt19937 random(11);
    for (int n = 0; n < 5000; ++n)
    {
        const float value = std::bit_cast<float>(static_cast<uint32_t>(random() & 0x7f7fffffu));
        const float next = std::nextafter(value, 3.4e38f);
        char text[128];
        snprintf(text, sizeof(text), "%.40e", (static_cast<double>(value) + next) / 2);
        ExpectSameScans(text);
        snprintf(text, sizeof(text), "%.9g", static_cast<double>(value));
        ExpectSameScans(text);
        snprintf(text, sizeof(text), "%a", static_cast<double>(value));
        ExpectSameScans(text);
        if (HasFailure())
            break;
    }
}

TEST(NumberScan, PlainDecimalsNearHalfwayRoundAsTheLibraryRounds)
{
    // Halfway points between neighbouring floats written without exponent,
    // cut to 6 to 17 significant digits: the cases where rounding through a
    // double could go the wrong way.
    std::mt19937 random(13);
    for (int n = 0; n < 20000; ++n)
    {
        const float value = std::ldexp(1.0f + static_cast<float>(random() % 8388608) / 8388608.0f,
                                       static_cast<int>(random() % 40) - 20);
        const double halfway = (static_cast<double>(value) + std::nextafter(value, 1e30f)) / 2;
        const int digits = 6 + static_cast<int>(random() % 12);
        const int decimals =
            std::max(0, digits - 1 - static_cast<int>(std::floor(std::log10(halfway))));
        char text[128];
        snprintf(text, sizeof(text), "%.*f", decimals, halfway);
        ExpectSameScans(text);
        snprintf(text, sizeof(text), "-%.*f", decimals + 1, halfway);
        ExpectSameScans(text);
        if (HasFailure())
            break;
    }
}
