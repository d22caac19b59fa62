#pragma once

#include <cstdint>

// Plain copies of the window system's POINT and RECT, so that decisions over
// them build and are tested without <windows.h>.
struct ScreenPoint {
    std::int32_t x = 0, y = 0;
};

struct PixelRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// As PtInRect: the left and top edges are inside, the right and bottom edges outside.
constexpr bool Contains(const PixelRect& rect, ScreenPoint point) noexcept {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// Computed in 64 bits: a 32-bit product wraps for rectangles above 2^31 square pixels.
constexpr std::int64_t Area(const PixelRect& rect) noexcept {
    return (std::int64_t{rect.right} - rect.left) * (std::int64_t{rect.bottom} - rect.top);
}

// Top-left corner that centres a box on a screen; each half rounds toward zero.
constexpr ScreenPoint CentredOrigin(std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t width,
                                    std::int32_t height) noexcept {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}
