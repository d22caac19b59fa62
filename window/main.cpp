#include "window/main_window_description.h"
#include "window/start_up.h"

#include <windows.h>

// The command line is not used: the program has no arguments.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return RunStartRoutine(kMainWindowDescription);
}
