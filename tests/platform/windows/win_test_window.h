#pragma once
// A plain window of the test's own, of any class name. Without a window system none is made
// (get() is null) and the test skips.

#include <windows.h>

namespace qav::test {

class TestWindow {
 public:
  TestWindow(const wchar_t* className, HWND parent, DWORD exStyle = 0) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    ::RegisterClassW(&windowClass);
    const DWORD style = (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE;
    handle_ = ::CreateWindowExW(exStyle, className, L"", style, 0, 0, 400, 300, parent, nullptr,
                                windowClass.hInstance, nullptr);
  }
  ~TestWindow() { ::DestroyWindow(handle_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND get() const { return handle_; }

 private:
  HWND handle_ = nullptr;
};

}  // namespace qav::test
