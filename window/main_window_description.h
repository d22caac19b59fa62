#pragma once

#include "window/description.h"

// The program's one window.
extern const WindowDescription kMainWindowDescription;
