#include "window/main_window_description.h"

#include "readout/capture.h"
#include "readout/refresh.h"
#include "window/control_names.h"

#include <windows.h>

namespace {

using namespace control;

// A fixed frame with a caption bar: no thick frame, no maximise box.
constexpr std::uint32_t kMainStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

constexpr char kLabelText[] = "\xB1\xEA\xC7\xA9"; // 标签
constexpr char kXTitle[] = "X\xD7\xF8\xB1\xEA";   // X坐标
constexpr char kYTitle[] = "Y\xD7\xF8\xB1\xEA";   // Y坐标
// 把鼠标 放到 模拟器窗口中 按F10取窗口中
constexpr char kInstruction[] =
    "\xB0\xD1\xCA\xF3\xB1\xEA \xB7\xC5\xB5\xBD \xC4\xA3\xC4\xE2\xC6\xF7\xB4\xB0\xBF\xDA\xD6\xD0 "
    "\xB0\xB4"
    "F10\xC8\xA1\xB4\xB0\xBF\xDA\xD6\xD0";

// clang-format off
constexpr ControlDescription kControls[] = {
    // name   kind                   parent   x    y    width height text          alignment          period (ms)
    {分组框1, ControlKind::GroupBox, 主窗口,  16,  64, 152,  96,   kXTitle,      Alignment::Left,   0},
    {标签1,   ControlKind::Label,    分组框1, 16,  24, 112,  56,   kLabelText,   Alignment::Centre, 0},
    {分组框2, ControlKind::GroupBox, 主窗口,  184, 64, 144,  96,   kYTitle,      Alignment::Left,   0},
    {标签2,   ControlKind::Label,    分组框2, 8,   24, 120,  56,   kLabelText,   Alignment::Centre, 0},
    {标签3,   ControlKind::Label,    主窗口,  24,  16, 216,  32,   kInstruction, Alignment::Left,   0},
    // Below the client area, out of sight: it only receives the hotkey's notifications.
    {标签4,   ControlKind::Label,    主窗口,  0,  336, 120,  24,   "",           Alignment::Left,   0},
    {时钟1,   ControlKind::Timer,    主窗口,  416, 280, 40,  32,   "",           Alignment::Left,   100},
};

constexpr EventBinding kBindings[] = {
    // window  event             created               feedback          periodic
    {主窗口,   Event::Created,   OnMainWindowCreated,  nullptr,          nullptr},
    {标签4,    Event::Feedback,  nullptr,              OnHotkeyFeedback, nullptr},
    {时钟1,    Event::Periodic,  nullptr,              nullptr,          OnRefreshTick},
};
// clang-format on

} // namespace

const WindowDescription kMainWindowDescription{{主窗口, "", kMainStyle, 349, 204}, kControls, kBindings};
