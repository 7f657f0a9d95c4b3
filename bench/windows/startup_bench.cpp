// SPDX-License-Identifier: MIT
// Start-up to first paint of Win32 programs: each given as PROGRAM=CLASS is
// started ROUNDS times in turn, and timed from CreateProcess until its
// window of that class is visible and the program has painted it and gone
// idle (WaitForInputIdle). Prints the median and the range per program.
//   startup_bench ROUNDS PROGRAM=CLASS...
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program {
    std::wstring path;
    std::wstring windowClass;
    std::vector<double> milliseconds;
};

std::wstring Wide(const char* text) {
    std::wstring wide;
    for (; *text != '\0'; ++text) wide += (*text == '/') ? L'\\' : static_cast<wchar_t>(*text);
    // A path on the Linux host is drive Z: under Wine.
    if (!wide.empty() && wide.front() == L'\\') wide = L"Z:" + wide;
    return wide;
}

double TimeOnce(const Program& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program.path + L"\"";
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    HWND window = nullptr;
    while ((window = FindWindowW(program.windowClass.c_str(), nullptr)) == nullptr ||
           !IsWindowVisible(window)) {
        Sleep(1);
    }
    WaitForInputIdle(process.hProcess, 5000);
    const double elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROUNDS PROGRAM=CLASS...\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        programs.push_back({Wide(argument.substr(0, equals).c_str()),
                            Wide(argument.substr(equals + 1).c_str()),
                            {}});
    }
    for (int round = 0; round < rounds; ++round) {
        for (Program& program : programs) program.milliseconds.push_back(TimeOnce(program));
    }
    for (Program& program : programs) {
        std::sort(program.milliseconds.begin(), program.milliseconds.end());
        std::printf("%ls: median %.0f ms (%.0f to %.0f) over %d starts\n", program.path.c_str(),
                    program.milliseconds[program.milliseconds.size() / 2],
                    program.milliseconds.front(), program.milliseconds.back(), rounds);
    }
    return 0;
}
