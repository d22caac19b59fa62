#include "snapshot.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

constexpr DWORD kExitMinusOne = 4294967295u;

// What a user sees of a message box.
struct MessageBoxView {
    HWND box = nullptr;
    std::wstring caption;
    std::wstring text;
    int buttons = 0;
    HWND icon = nullptr; // the window that shows it
    HWND owner = nullptr;
};

MessageBoxView FindReport(const ChildProcess& process) {
    MessageBoxView view;
    view.box = WaitForTopWindow(
        process.id(), [](HWND window) { return ClassOf(window) == L"#32770"; }, 20s);
    if (view.box == nullptr) {
        return view;
    }
    view.caption = ReadText(view.box);
    view.owner = GetWindow(view.box, GW_OWNER);
    for (HWND child = GetWindow(view.box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = ClassOf(child);
        if (kind == L"Button" || kind == L"BUTTON") {
            ++view.buttons;
        } else if (kind == L"Static" || kind == L"STATIC") {
            const LONG style = GetWindowLongW(child, GWL_STYLE);
            if ((style & SS_TYPEMASK) == SS_ICON) {
                view.icon = child;
            } else if (!ReadText(child).empty()) {
                view.text = ReadText(child);
            }
        }
    }
    return view;
}

// The system's icon as a message box shows it: at the standard icon size on
// the dialog's face.
Snapshot SystemIcon(LPCWSTR which, int width, int height) {
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const RECT all{0, 0, width, height};
    FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
    DrawIconEx(memory, 0, 0, LoadIconW(nullptr, which), GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
               0, nullptr, DI_NORMAL);
    Snapshot drawn = CopyPixels(memory, 0, 0, width, height);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return drawn;
}

// Whether the report's icon, as it stands on screen, is the system's error icon.
// Read from the screen: the box is another process's window.
bool ShowsErrorIcon(HWND iconWindow) {
    if (iconWindow == nullptr) {
        return false;
    }
    const Snapshot shown = TakeScreenSnapshot(iconWindow);
    return shown.pixels == SystemIcon(IDI_ERROR, shown.width, shown.height).pixels;
}

// Presses the report's one button as a user would.
void Dismiss(const MessageBoxView& view) {
    const HWND button = FindWindowExW(view.box, nullptr, L"Button", nullptr);
    SendMessageW(button, BM_CLICK, 0, 0);
}

std::wstring Hex(const std::string& bytes) {
    std::wstring hex;
    for (unsigned char c : bytes) {
        wchar_t pair[3];
        swprintf(pair, 3, L"%02X", c);
        hex += pair;
    }
    return hex;
}

struct Case {
    const char* what;
    std::wstring arguments;
    std::wstring report;
};

class FatalErrorReport : public testing::TestWithParam<Case> {};

TEST_P(FatalErrorReport, ShowsTheReportAndExitsWithMinusOne) {
    ChildProcess child(L"fatal_probe.exe", GetParam().arguments);
    ASSERT_TRUE(child.started());
    const MessageBoxView view = FindReport(child);
    ASSERT_NE(view.box, nullptr) << "no message box appeared";
    EXPECT_EQ(view.caption, L"错误");
    EXPECT_EQ(view.text, GetParam().report);
    EXPECT_EQ(view.buttons, 1);
    EXPECT_TRUE(ShowsErrorIcon(view.icon)) << "the error icon";
    EXPECT_EQ(view.owner, nullptr);
    EXPECT_TRUE(child.Running()) << "the process must wait for the user";

    Dismiss(view);
    EXPECT_EQ(child.WaitForExit(10s), kExitMinusOne);
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}

// More than the address space of either width: every heap refuses it.
constexpr std::size_t kRefusedBytes = std::numeric_limits<std::size_t>::max() - 15;

const std::string kStackError = "\xB5\xF7\xD3\xC3"
                                "DLL\xC3\xFC\xC1\xEE\xBA\xF3\xB7\xA2\xCF\xD6\xB6\xD1\xD5\xBB"
                                "\xB4\xED\xCE\xF3";

INSTANTIATE_TEST_SUITE_P(
    Causes, FatalErrorReport,
    testing::Values(Case{"code and message", L"report 6 " + Hex(kStackError),
                         L"运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n"},
                    Case{"code only", L"report 6 \"\"", L"运行时出错!\r\n\r\n错误代码：6\r\n\r\n"},
                    Case{"allocation the heap refuses", L"allocate " + std::to_wstring(kRefusedBytes),
                         L"运行时出错!\r\n\r\n错误信息：分配 " + std::to_wstring(kRefusedBytes) +
                             L" 字节内存失败!\r\n"},
                    Case{"description that cannot be read", L"broken-description",
                         L"运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n"},
                    Case{"window that cannot be created", L"uncreatable",
                         L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"}));

} // namespace
