#include "readout/compute_readout.h"

Readout ComputeReadout(HWND window, Readout& readout, const Text& outOfRangeText) {
    RECT client{};
    POINT origin{};
    POINT pointer{};
    // Failures leave the zeroes in place, which is the defined reading for a
    // window that is gone.
    GetClientRect(window, &client);
    ClientToScreen(window, &origin);
    GetCursorPos(&pointer);

    const ReadoutSample sample{
        {client.left, client.top, client.right, client.bottom}, {origin.x, origin.y}, {pointer.x, pointer.y}};
    FillReadout(sample, readout, outOfRangeText);
    return readout;
}
