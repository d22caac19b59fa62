#pragma once

// The program's own main window, built in the test process from its description.

#include "platform/controls.h"
#include "window/before_dispatch.h"
#include "window/build_main_window.h"
#include "window/control_names.h"
#include "window/main_window_description.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

class MainWindow : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(BuildMainWindow(kMainWindowDescription));
        main_ = ControlHandle(control::主窗口);
        ASSERT_NE(main_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(main_)) {
            DestroyWindow(main_);
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    // The message loop's rules, applied while pumping this thread's messages.
    bool PumpWithRulesUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done() && std::chrono::steady_clock::now() < end) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (!LookBeforeDispatch(message)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
        return done();
    }

    HWND main_ = nullptr;
};
