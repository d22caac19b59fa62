#include "readout/readout.h"

#include <utility>

const Text OutOfRangeText = "\xB3\xAC\xB3\xF6\xC1\xCB";

namespace {

constexpr double kTolerance = 1e-7;
constexpr double kNegativeTolerance = -1e-7;

// The new text is made before the old one goes, so a failure to allocate
// leaves the field as it was.
void Store(Text& field, Text text) {
    field = std::move(text);
}

} // namespace

void FillReadout(const ReadoutSample& sample, Readout& readout, const Text& outOfRangeText) {
    const double dx = static_cast<double>(sample.pointer.x) - static_cast<double>(sample.origin.x);
    const double dy = static_cast<double>(sample.pointer.y) - static_cast<double>(sample.origin.y);
    const double width = sample.client.right;
    const double height = sample.client.bottom;

    const bool xBeyond = dx - width > kTolerance;
    const bool yBeyond = dy - height > kTolerance;
    const bool xBefore = dx < kNegativeTolerance;
    const bool yBefore = dy < kNegativeTolerance;

    const auto out = [&] { return Text(outOfRangeText); };

    if (xBeyond && yBeyond) {
        Store(readout.xText, out());
        Store(readout.yText, out());
    } else if (xBefore && yBefore) {
        Store(readout.xText, out());
        Store(readout.yText, out());
    } else if (xBeyond) {
        Store(readout.xText, out());
        Store(readout.yText, yBefore ? out() : NumberToText(dy));
    } else if (yBeyond) {
        Store(readout.xText, xBefore ? out() : NumberToText(dx));
        Store(readout.yText, out());
    } else if (xBefore) {
        Store(readout.xText, out());
        Store(readout.yText, NumberToText(dy));
    } else if (yBefore) {
        Store(readout.xText, NumberToText(dx));
        Store(readout.yText, out());
    } else {
        Store(readout.xText, NumberToText(dx));
        Store(readout.yText, NumberToText(dy));
    }
}
