#include "util/Addresses.h"
#include "util/SizeText.h"
#include "util/VersionText.h"
#include "util/WaitSlices.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(FormatSize, ChoosesUnitAboveEachBoundary) {
    struct Case { std::int64_t bytes; const char* text; };
    const Case cases[] = {
        {0, "0 Bytes"},
        {-5, "-5 Bytes"},
        {1024, "1024 Bytes"},
        {1025, "1.0 KB"},
        {1536, "1.5 KB"},
        {1048576, "1024.0 KB"},
        {1048577, "1.0 MB"},
        {1073741824, "1024.0 MB"},
        {1073741825, "1.0 GB"},
        // DVD projects: sizes beyond 32 bits.
        {4700000000LL, "4.4 GB"},
        {8LL * 1024 * 1024 * 1024, "8.0 GB"},
        {-4294967296LL, "-4294967296 Bytes"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatSize(c.bytes), c.text) << c.bytes;
}

TEST(CompareVersions, ComparesMajorThenMinor) {
    struct Case { const char* first; const char* second; int result; };
    const Case cases[] = {
        {"9.10", "9.9", 1},   {"10.0", "9.99", 1}, {"9.3", "9.03", 0},  {"9.9", "9.10", 2},
        {"9.0", "9", 0},      {"3.02", "3.2", 0},  {"1.2.3", "1.2.9", 0}, {"", "0.0", 0},
        {"2", "10", 2},       {"9a", "90", 0},     {"9.x", "9.0", 0},   {"1..5", "1.0", 0},
        {"99999999999999999999999999.1", "1.1", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareVersions(c.first, c.second), c.result) << c.first << " vs " << c.second;
        int mirrored = c.result == 0 ? 0 : 3 - c.result;
        EXPECT_EQ(CompareVersions(c.second, c.first), mirrored) << c.second << " vs " << c.first;
    }
}

TEST(IsValidEmailAddress, NeedsNameAtSignAndDomainWithDot) {
    struct Case { const char* text; bool valid; };
    const Case cases[] = {
        {"anna@example.com", true}, {"@example.com", false}, {"anna@example", false},
        {"anna@example.", false},   {"anna@", false},        {"anna", false},
        {"", false},                {"a.b@c.d", true},       {"anna@.com", true},
        {"a@b@c.d", true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidEmailAddress(c.text), c.valid) << c.text;
}

TEST(IsValidWebAddress, NeedsADotInside) {
    struct Case { const char* text; bool valid; };
    const Case cases[] = {
        {"example.com", true}, {".example.com", false}, {"example.", false}, {"example", false},
        {"", false},           {"www.example.com", true}, {".", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidWebAddress(c.text), c.valid) << c.text;
}

TEST(WaitSliceCount, RoundsUpToWholeSlices) {
    struct Case { int ms; int slices; };
    const Case cases[] = {{2000, 8}, {1, 1}, {0, 0}, {-250, 0}, {250, 1}, {251, 2}, {3000, 12}, {1000, 4}};
    for (const Case& c : cases) EXPECT_EQ(WaitSliceCount(c.ms), c.slices) << c.ms;
}

}  // namespace
