#include "platform/text.h"

#include <cstdio>

Text NumberToText(double value) {
    // "%.13g" needs at most 21 characters for any double ("-1.234567890123e-308").
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return Text(buffer, static_cast<std::size_t>(length));
}
