// A child process for the tests of the fatal error report:
//   fatal_probe report CODE HEX      ReportFatalError with the message given as hex bytes
//   fatal_probe allocate BYTES       an allocation of BYTES through operator new
//   fatal_probe broken-description   start-up with a description that cannot be read
//   fatal_probe uncreatable          start-up with a window that cannot be created
#include "window/fatal_error.h"
#include "window/start_up.h"

#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

Text FromHex(const wchar_t* hex) {
    Text bytes;
    for (std::size_t i = 0; hex[i] != L'\0' && hex[i + 1] != L'\0'; i += 2) {
        const wchar_t pair[3] = {hex[i], hex[i + 1], L'\0'};
        bytes.push_back(static_cast<char>(std::wcstoul(pair, nullptr, 16)));
    }
    return bytes;
}

void Created() {}

constexpr ControlDescription kOrphan[] = {
    {"orphan", ControlKind::Label, "nobody", 0, 0, 10, 10, "", Alignment::Left, 0},
};
const WindowDescription kBroken{{"main", "", WS_CAPTION, 349, 204}, kOrphan, {}};

constexpr EventBinding kCreated[] = {{"main", Event::Created, Created, nullptr, nullptr}};
// A child window without a parent: the window system refuses to make it.
const WindowDescription kUncreatable{{"main", "", WS_CHILD, 349, 204}, {}, kCreated};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const int count = __argc;
    wchar_t** arguments = __wargv;
    const std::wstring mode = count > 1 ? arguments[1] : L"";
    if (mode == L"report" && count > 3) {
        ReportFatalError(FromHex(arguments[3]),
                         static_cast<std::int32_t>(std::wcstol(arguments[2], nullptr, 10)));
    }
    if (mode == L"allocate" && count > 2) {
        // Parsed in 64 bits: on 64-bit Windows unsigned long is 32 bits wide.
        const auto bytes = static_cast<std::size_t>(std::wcstoull(arguments[2], nullptr, 10));
        volatile char* memory = new char[bytes];
        memory[0] = 1;
        return memory[0] == 1 ? 0 : 1;
    }
    if (mode == L"broken-description") {
        return RunStartRoutine(kBroken);
    }
    if (mode == L"uncreatable") {
        return RunStartRoutine(kUncreatable);
    }
    return 2;
}
