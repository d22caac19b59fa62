#include "snapshot.h"

namespace testing_support {

Snapshot CopyPixels(HDC source, int x, int y, int width, int height) {
    Snapshot snapshot;
    snapshot.width = width;
    snapshot.height = height;
    snapshot.pixels.resize(static_cast<std::size_t>(snapshot.width * snapshot.height));

    // A top-down 32-bit DIB: one BitBlt instead of a GetPixel per pixel.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = snapshot.width;
    info.bmiHeader.biHeight = -snapshot.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC memory = CreateCompatibleDC(source);
    const HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const auto* bgrx = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < snapshot.pixels.size(); ++i) {
        const std::uint32_t p = bgrx[i];
        snapshot.pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return snapshot;
}

Snapshot TakeSnapshot(HWND window) {
    UpdateWindow(window);
    RECT area{};
    GetClientRect(window, &area);
    const HDC dc = GetDC(window);
    Snapshot snapshot = CopyPixels(dc, 0, 0, area.right, area.bottom);
    ReleaseDC(window, dc);
    return snapshot;
}

Snapshot TakeScreenSnapshot(HWND window) {
    RECT area{};
    GetClientRect(window, &area);
    POINT origin{};
    ClientToScreen(window, &origin);
    const HDC screen = GetDC(nullptr);
    Snapshot snapshot = CopyPixels(screen, origin.x, origin.y, area.right, area.bottom);
    ReleaseDC(nullptr, screen);
    return snapshot;
}

bool IsInk(COLORREF colour) {
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 3 * 128;
}

std::vector<bool> InkedColumns(const Snapshot& snapshot) {
    std::vector<bool> inked(static_cast<std::size_t>(snapshot.width), false);
    for (int x = 0; x < snapshot.width; ++x) {
        inked[static_cast<std::size_t>(x)] = InkHeight(snapshot, x) > 0;
    }
    return inked;
}

std::vector<bool> InkedRows(const Snapshot& snapshot) {
    std::vector<bool> inked(static_cast<std::size_t>(snapshot.height), false);
    for (int y = 0; y < snapshot.height; ++y) {
        for (int x = 0; x < snapshot.width && !inked[static_cast<std::size_t>(y)]; ++x) {
            inked[static_cast<std::size_t>(y)] = IsInk(snapshot.at(x, y));
        }
    }
    return inked;
}

int InkHeight(const Snapshot& snapshot, int x) {
    int top = -1, bottom = -1;
    for (int y = 0; y < snapshot.height; ++y) {
        if (IsInk(snapshot.at(x, y))) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    return top < 0 ? 0 : bottom - top + 1;
}

} // namespace testing_support
