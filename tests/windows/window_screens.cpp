// SPDX-License-Identifier: MIT
// zembra.exe's screens for scripts/screenshot: starts the program, brings
// it into each state (typed, menu open, red field, Help boxes, About
// window) and prints "SHOT NAME LEFT TOP RIGHT BOTTOM" with the screen
// rectangle to take, then waits for a line on standard input before going
// on. Not a test: the pictures are for a person to look at.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "tests/windows/window_probe.h"
#include "windows/control_ids.h"
#include "windows/wide_text.h"

namespace zembra::win {
namespace {

void Shot(const char* name, HWND window, int margin) {
    RECT frame{};
    GetWindowRect(window, &frame);
    std::printf("SHOT %s %ld %ld %ld %ld\n", name, frame.left - margin, frame.top - margin,
                frame.right + margin, frame.bottom + margin * 4);
    std::fflush(stdout);
    std::string done;
    std::getline(std::cin, done);
}

void Type(HWND field, const wchar_t* keys) {
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (const wchar_t* key = keys; *key != L'\0'; ++key) SendMessageW(field, WM_CHAR, *key, 0);
}

void Settle(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
}

HWND Opened(HWND main, DWORD process, int command, const wchar_t* windowClass) {
    PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(command), 0);
    if (windowClass == nullptr) return WaitForMessageBox(main).window;
    HWND found = nullptr;
    WaitFor([&] { return (found = FindProcessWindow(process, windowClass)) != nullptr; });
    return found;
}

int Run(const std::wstring& program) {
    RunningProgram running(program);
    HWND main = running.main;
    if (main == nullptr) return 1;
    Settle(main);
    Shot("windows-start", main, 20);
    Type(GetDlgItem(main, kTxtDecId), L"1234");
    Settle(main);
    Shot("windows-decimal-to-afs", main, 20);
    PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, 'a');
    Sleep(500);
    Shot("windows-action-menu", main, 20);
    PostMessageW(main, WM_CANCELMODE, 0, 0);
    PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0);
    Sleep(300);
    SendMessageW(main, WM_COMMAND, 101, 0);
    Type(GetDlgItem(main, kTxtAfsId), L"16-000");
    Settle(main);
    Shot("windows-red-field", main, 20);
    for (const auto& [name, command] :
         {std::pair{"windows-help", 201}, std::pair{"windows-licence", 202}}) {
        HWND box = Opened(main, running.process.dwProcessId, command, nullptr);
        Settle(box);
        Shot(name, box, 10);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return IsWindowEnabled(main) != FALSE; });
    }
    HWND about = Opened(main, running.process.dwProcessId, 203, kAboutWindowClass);
    Settle(about);
    Shot("windows-about", about, 10);
    PostMessageW(about, WM_CLOSE, 0, 0);
    WaitFor([&] { return IsWindowEnabled(main) != FALSE; });
    ShowWindow(main, SW_MINIMIZE);
    Sleep(300);
    std::printf("minimised title: %ls\n", TextOf(main).c_str());
    ShowWindow(main, SW_RESTORE);
    Sleep(300);
    std::printf("restored title:  %ls\n", TextOf(main).c_str());
    return 0;
}

}  // namespace
}  // namespace zembra::win

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH-TO-zembra.exe\n", argv[0]);
        return 2;
    }
    return zembra::win::Run(zembra::win::HostPathToWindows(argv[1]));
}
