#pragma once

// Helpers for tests that use real windows, the real pointer and real keys
// under Wine or Windows.

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

namespace testing_support {

struct WindowCloser {
    void operator()(HWND window) const {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser>;

// A plain window of a test class: top-level when `parent` is 0, a child otherwise.
UniqueWindow MakeWindow(RECT place, DWORD style, HWND parent = nullptr, DWORD exStyle = 0);

// The folder of the running test program; the programs under test lie beside it.
std::wstring ProgramFolder();

// The window's text as a user of the wide-character API reads it, asked from outside.
std::wstring ReadText(HWND window);

// Dispatches this thread's messages for the given time.
void PumpMessages(std::chrono::milliseconds duration);

// Dispatches messages until `done` holds or the time is up; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

// Moves the real pointer and waits until the window system reports it there.
void MovePointer(int x, int y);

// Presses or releases a key with SendInput.
void SendKey(WORD virtualKey, bool down);
void TapKey(WORD virtualKey);

// A child process started from the test program's folder; it is ended if it still runs.
class ChildProcess {
  public:
    ChildProcess(const std::wstring& program, const std::wstring& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    bool started() const { return started_; }
    // Waits for the end of the process and returns its exit code, or STILL_ACTIVE on time-out.
    DWORD WaitForExit(std::chrono::milliseconds limit);
    bool Running() const;

  private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

// The first visible top-level window of the process that `accept` takes, waiting up to `limit`.
HWND WaitForTopWindow(DWORD processId, const std::function<bool(HWND)>& accept,
                      std::chrono::milliseconds limit);

// The class name of a window.
std::wstring ClassOf(HWND window);

} // namespace testing_support
