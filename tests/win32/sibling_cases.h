#pragma once

// Two child windows of one parent over the point (100, 100) of the parent's
// client area, `upper` above `lower` in the stacking order, and which of them
// the capture must take. Shared by the in-process and the end-to-end tests.

#include <windows.h>

#include <ostream>

namespace testing_support {

struct SiblingCase {
    const char* what;
    RECT upper, lower; // in the parent's client area
    bool lowerVisible;
    bool lowerTaken;
};

inline void PrintTo(const SiblingCase& c, std::ostream* os) {
    *os << c.what;
}

inline constexpr POINT kSiblingPoint{100, 100};

inline constexpr SiblingCase kSiblingCases[] = {
    {"smaller visible one below is taken", {0, 0, 300, 300}, {50, 50, 150, 150}, true, true},
    {"equal area keeps the reported one", {0, 0, 200, 200}, {50, 50, 250, 250}, true, false},
    {"larger one below is not taken", {50, 50, 150, 150}, {0, 0, 300, 300}, true, false},
    {"hidden one is not taken", {0, 0, 300, 300}, {50, 50, 150, 150}, false, false},
    {"one reaching the point with its right edge is not taken",
     {0, 0, 300, 300},
     {50, 50, 100, 150},
     true,
     false},
    {"one reaching the point with its bottom edge is not taken",
     {0, 0, 300, 300},
     {50, 50, 150, 100},
     true,
     false},
    {"one whose top-left corner is the point is taken", {0, 0, 300, 300}, {100, 100, 150, 150}, true, true},
};

} // namespace testing_support
