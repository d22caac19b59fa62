#include "test_support.h"

#include <thread>
#include <vector>

namespace testing_support {

namespace {

constexpr wchar_t kTestClass[] = L"VantrelTestWindow";

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

void EnsureTestClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kTestClass, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = kTestClass;
    RegisterClassExW(&windowClass);
}

} // namespace

UniqueWindow MakeWindow(RECT place, DWORD style, HWND parent, DWORD exStyle) {
    EnsureTestClass();
    UniqueWindow window(CreateWindowExW(exStyle, kTestClass, L"target", style, place.left, place.top,
                                        place.right - place.left, place.bottom - place.top, parent, nullptr,
                                        GetModuleHandleW(nullptr), nullptr));
    if (window && (style & WS_VISIBLE)) {
        UpdateWindow(window.get());
        PumpMessages(std::chrono::milliseconds(50));
    }
    return window;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring ReadText(HWND window) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return std::wstring(text, copied);
}

void PumpMessages(std::chrono::milliseconds duration) {
    PumpUntil([] { return false; }, duration);
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) {
            return done();
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

void MovePointer(int x, int y) {
    SetCursorPos(x, y);
    for (int i = 0; i < 100; ++i) {
        POINT at{};
        GetCursorPos(&at);
        if (at.x == x && at.y == y) {
            return;
        }
        Sleep(5);
    }
}

void SendKey(WORD virtualKey, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

void TapKey(WORD virtualKey) {
    SendKey(virtualKey, true);
    SendKey(virtualKey, false);
}

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments) {
    const std::wstring path = ProgramFolder() + program;
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info_) != FALSE;
}

ChildProcess::~ChildProcess() {
    if (!started_) {
        return;
    }
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

DWORD ChildProcess::WaitForExit(std::chrono::milliseconds limit) {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
        return STILL_ACTIVE;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool ChildProcess::Running() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {

struct Search {
    DWORD processId;
    const std::function<bool(HWND)>* accept;
    HWND found;
};

BOOL CALLBACK VisitTopWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && (*search->accept)(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND WaitForTopWindow(DWORD processId, const std::function<bool(HWND)>& accept,
                      std::chrono::milliseconds limit) {
    Search search{processId, &accept, nullptr};
    const auto end = std::chrono::steady_clock::now() + limit;
    do {
        EnumWindows(VisitTopWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < end);
    return nullptr;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256];
    return std::wstring(name, static_cast<std::size_t>(GetClassNameW(window, name, 256)));
}

} // namespace testing_support
