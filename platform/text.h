#pragma once

#include <string>

// A text of the program: bytes in code page 936 (simplified Chinese). Texts
// are converted to UTF-16 only on their way to the screen.
using Text = std::string;

// The number as printf writes it with "%.13g", unchanged.
Text NumberToText(double value);
