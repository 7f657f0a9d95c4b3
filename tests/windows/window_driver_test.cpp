// SPDX-License-Identifier: MIT
// zembra.exe driven from another process, as a user meets it, through the
// scenarios of testdata/window.txt: the window's frame, places and titles,
// typing and the colours it paints (read back as pixels), the Help boxes
// and the About window with its timing, and the version information and
// icon of the program file. Built a second time as window_screens, it walks
// testdata/screens.txt for scripts/screenshot-windows: "shot NAME WINDOW
// MARGIN" prints "SHOT NAME LEFT TOP RIGHT BOTTOM" with the screen rectangle
// to take, then waits for a line on standard input. The program's path is
// the one argument.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "tests/windows/scenario.h"
#include "tests/windows/window_probe.h"
#include "ui/design/help_texts.h"
#include "windows/control_ids.h"
#include "windows/wide_text.h"

namespace zembra::win {
namespace {

// The windows a line names: frmMain, the open message box, frmAbout.
struct Windows {
    RunningProgram* program = nullptr;
    HWND box = nullptr;
    HWND about = nullptr;
    std::chrono::steady_clock::time_point opened;
    HWND Named(const std::string& name) const {
        if (name == "box") return box;
        if (name == "about") return about;
        return program->main;
    }
};

int ControlNamed(const std::string& name) {
    const std::pair<const char*, int> controls[] = {{"txtDec", kTxtDecId}, {"txtAFS", kTxtAfsId},
                                                    {"txtHex", kTxtHexId}, {"lblDec", kLblDecId},
                                                    {"lblAFS", kLblAfsId}, {"Label1", kLabel1Id}};
    for (const auto& [known, id] : controls) {
        if (name == known) return id;
    }
    return 0;
}

// "style WINDOW +FLAG -FLAG ...": whether the window has each flag.
std::string CheckStyle(HWND window, const Line& line) {
    struct Flag {
        const char* name;
        int which;
        LONG_PTR bit;
    };
    const Flag flags[] = {{"minimise", GWL_STYLE, WS_MINIMIZEBOX},
                          {"maximise", GWL_STYLE, WS_MAXIMIZEBOX},
                          {"sizing", GWL_STYLE, WS_THICKFRAME},
                          {"tool", GWL_EXSTYLE, WS_EX_TOOLWINDOW}};
    for (std::size_t i = 1; i < line.words.size(); ++i) {
        const std::string& word = line.words[i];
        bool holds = false;
        for (const Flag& flag : flags) {
            if (word.substr(1) != flag.name) continue;
            const bool has = (GetWindowLongPtrW(window, flag.which) & flag.bit) != 0;
            holds = has == (word[0] == '+');
        }
        if (!holds) return word + " does not hold";
    }
    return {};
}

// "centred WINDOW WIDTH HEIGHT": the client area in twips, centred within a
// pixel on the work area.
std::string CheckCentred(HWND window, const Line& line) {
    const ScreenScale px{};
    RECT client{};
    GetClientRect(window, &client);
    if (client.right != px(std::stoi(line.words.at(1))) ||
        client.bottom != px(std::stoi(line.words.at(2))))
        return "the client area is " + std::to_string(client.right) + "x" +
               std::to_string(client.bottom);
    return CentreOffset(window) <= 1 ? "" : "off centre by " + std::to_string(CentreOffset(window));
}

// "place CONTROL LEFT TOP WIDTH HEIGHT", in twips.
std::string CheckPlace(HWND main, const Line& line) {
    const ScreenScale px{};
    const RECT got = ClientRectOf(GetDlgItem(main, ControlNamed(line.words.at(0))));
    const long want[] = {px(std::stoi(line.words.at(1))), px(std::stoi(line.words.at(2))),
                         px(std::stoi(line.words.at(3))), px(std::stoi(line.words.at(4)))};
    if (got.left != want[0] || got.top != want[1] || got.right - got.left != want[2] ||
        got.bottom - got.top != want[3])
        return "at " + std::to_string(got.left) + "," + std::to_string(got.top);
    return {};
}

// "backs DEC AFS HEX": each field's background as painted (white, red or
// face, the system's own for a disabled field), with text on it that reads
// at 4.5:1 or better.
std::string CheckPainted(HWND main, const Line& line) {
    const int ids[] = {kTxtDecId, kTxtAfsId, kTxtHexId};
    for (std::size_t i = 0; i < 3; ++i) {
        const COLORREF back = ColourNamed(line.words.at(i));
        FieldPixels pixels;
        // The program paints when it gets round to it.
        WaitFor(
            [&] {
                pixels = Capture(main).Field(ClientRectOf(GetDlgItem(main, ids[i])));
                return pixels.background == back && pixels.textContrast > 0;
            },
            std::chrono::seconds(2));
        if (pixels.background != back)
            return "field " + std::to_string(i + 1) + " painted another colour";
        if (pixels.textContrast < 4.5)
            return "field " + std::to_string(i + 1) + "'s text at " +
                   std::to_string(pixels.textContrast);
    }
    return {};
}

// "box help|licence": the message box open shows the text and title exactly,
// with the information icon and one OK button, while frmMain takes no input.
std::string CheckBox(const Windows& windows, const Line& line) {
    const bool help = line.words.at(0) == "help";
    const MessageBoxProbe probe = ProbeMessageBox(windows.box);
    std::string problem = Differs("the title", probe.title, help ? kHelpTitle : kLicenceTitle);
    if (probe.text != Wide(help ? HelpText() : LicenceText())) problem = "another text";
    if (probe.icon == nullptr) problem = "no icon";
    if (probe.buttons != std::vector<std::wstring>{L"OK"}) problem = "other buttons";
    if (IsWindowEnabled(windows.program->main)) problem = "frmMain takes input";
    return problem;
}

std::string Shot(HWND window, const Line& line) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    RECT frame{};
    GetWindowRect(window, &frame);
    const int margin = std::stoi(line.words.at(2));
    std::printf("SHOT %s %ld %ld %ld %ld\n", line.words.at(0).c_str(), frame.left - margin,
                frame.top - margin, frame.right + margin, frame.bottom + margin * 4);
    std::fflush(stdout);
    std::string done;
    std::getline(std::cin, done);
    return {};
}

// "version fixed 1.0.0.1" (the file and product versions) or "version KEY
// TEXT": the program file's version information as Explorer reads it.
std::string CheckVersion(const std::wstring& program, const Line& line) {
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(program.c_str(), &ignored));
    if (block.empty() ||
        !GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return "no version information";
    void* data = nullptr;
    UINT size = 0;
    if (line.words.at(0) == "fixed") {
        VerQueryValueW(block.data(), L"\\", &data, &size);
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
        const auto text = [](DWORD high, DWORD low) {
            return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
                   std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
        };
        const std::string file = text(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
        const std::string product = text(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
        if (file != line.words.at(1) || product != line.words.at(1))
            return file + " and " + product;
        return {};
    }
    const std::wstring path = L"\\StringFileInfo\\040904b0\\" + Wide(line.words.at(0));
    if (!VerQueryValueW(block.data(), path.c_str(), &data, &size)) return "not there";
    return Differs("it", static_cast<const wchar_t*>(data), line.words.at(1));
}

// "icon WIDTH HEIGHT COLOURS BITS": the first image of the icon group, as
// its GRPICONDIR names it (reserved, type, count; then 14-byte entries of
// width, height, colour count, reserved, planes, bits per pixel, size, id).
std::string CheckIcon(const std::wstring& program, const Line& line) {
    HMODULE file = LoadLibraryExW(program.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HRSRC group = FindResourceW(file, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
    const auto* entries = group == nullptr
                              ? nullptr
                              : static_cast<const BYTE*>(LockResource(LoadResource(file, group)));
    std::string got = "no icon group";
    if (entries != nullptr && *reinterpret_cast<const WORD*>(entries + 4) >= 1) {
        const BYTE* first = entries + 6;
        got = std::to_string(first[0]) + " " + std::to_string(first[1]) + " " +
              std::to_string(first[2]) + " " +
              std::to_string(*reinterpret_cast<const WORD*>(first + 6));
    }
    if (file != nullptr) FreeLibrary(file);
    const std::string want =
        line.words.at(0) + " " + line.words.at(1) + " " + line.words.at(2) + " " + line.words.at(3);
    return got == want ? "" : got;
}

}  // namespace

namespace {

// The actions on the program's other windows and its frame.
void AddFrameActions(Verbs& verbs, Windows& w) {
    // "> open help|licence|about", and wait for it.
    verbs.own["> open"] = [&w](const Line& line) {
        const std::string& what = line.words.at(0);
        int command = 203;
        if (what == "help") command = 201;
        if (what == "licence") command = 202;
        w.opened = std::chrono::steady_clock::now();
        PostMessageW(w.program->main, WM_COMMAND, static_cast<WPARAM>(command), 0);
        if (command != 203)
            return Unless((w.box = WaitForMessageBox(w.program->main)) != nullptr, "no box");
        const DWORD process = w.program->process.dwProcessId;
        return Unless(WaitFor([&] {
                          w.about = FindProcessWindow(process, kAboutWindowClass);
                          return w.about != nullptr;
                      }),
                      "no About window");
    };
    verbs.own["> ok"] = [&w](const Line&) {
        SendMessageW(ProbeMessageBox(w.box).okButton, BM_CLICK, 0, 0);
        return Unless(WaitFor([&] { return !IsWindow(w.box) && IsWindowEnabled(w.program->main); }),
                      "the box stays");
    };
    verbs.own["> close"] = [&w](const Line& line) {
        PostMessageW(w.Named(line.words.at(0)), WM_CLOSE, 0, 0);
        return std::string();
    };
    verbs.own["> minimise"] = [&w](const Line&) {
        ShowWindow(w.program->main, SW_MINIMIZE);
        return std::string();
    };
    verbs.own["> restore"] = [&w](const Line&) {
        ShowWindow(w.program->main, SW_RESTORE);
        return std::string();
    };
    verbs.own["> keymenu"] = [&w](const Line& line) {
        PostMessageW(w.program->main, WM_SYSCOMMAND, SC_KEYMENU, line.words.at(0).front());
        Sleep(500);
        return std::string();
    };
    verbs.own["> escape"] = [&w](const Line&) {
        PostMessageW(w.program->main, WM_CANCELMODE, 0, 0);
        PostMessageW(w.program->main, WM_KEYDOWN, VK_ESCAPE, 0);
        Sleep(300);
        return std::string();
    };
}

void AddFrameChecks(Verbs& verbs, Windows& w, const std::wstring& program) {
    verbs.own["title"] = [&w](const Line& line) {
        HWND window = w.Named(line.words.at(0));
        WaitFor([&] { return TextOf(window) == Wide(line.words.at(1)); });
        return Differs("the title", TextOf(window), line.words.at(1));
    };
    verbs.own["print"] = [&w](const Line& line) {
        std::printf("%s %ls\n", line.words.at(1).c_str(),
                    TextOf(w.Named(line.words.at(0))).c_str());
        return std::string();
    };
    verbs.own["enabled"] = [&w](const Line& line) {
        const bool want = line.words.at(1) == "yes";
        HWND window = w.Named(line.words.at(0));
        return Unless(WaitFor([&] { return (IsWindowEnabled(window) != FALSE) == want; }),
                      "not so");
    };
    verbs.own["style"] = [&w](const Line& line) {
        return CheckStyle(w.Named(line.words.at(0)), line);
    };
    verbs.own["centred"] = [&w](const Line& line) {
        return CheckCentred(w.Named(line.words.at(0)), line);
    };
    verbs.own["place"] = [&w](const Line& line) { return CheckPlace(w.program->main, line); };
    verbs.own["backs"] = [&w](const Line& line) { return CheckPainted(w.program->main, line); };
    verbs.own["box"] = [&w](const Line& line) { return CheckBox(w, line); };
    verbs.own["labels"] = [&w](const Line& line) {
        std::vector<std::wstring> want;
        for (const std::string& word : line.words) want.push_back(Wide(word));
        return Unless(AboutLabelTexts(w.about) == want, "other labels");
    };
    verbs.own["colours"] = [&w](const Line& line) {
        const int got = Capture(w.about).DistinctColours();
        return Unless(got > std::stoi(line.words.at(0)), "too few colours");
    };
    // "closed LEAST MOST": closed within these seconds from its opening.
    verbs.own["closed"] = [&w](const Line& line) {
        if (!WaitFor([&] { return !IsWindow(w.about); }, std::chrono::seconds(10)))
            return std::string("still open");
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - w.opened).count();
        return Unless(
            seconds >= std::stod(line.words.at(0)) && seconds <= std::stod(line.words.at(1)),
            "closed at another time");
    };
    verbs.own["version"] = [program](const Line& line) { return CheckVersion(program, line); };
    verbs.own["icon"] = [program](const Line& line) { return CheckIcon(program, line); };
    verbs.own["shot"] = [&w](const Line& line) { return Shot(w.Named(line.words.at(1)), line); };
}

int Run(const std::wstring& program) {
    RunningProgram running(program);
    if (running.main == nullptr) {
        std::printf("FAIL %ls did not open its window\n", program.c_str());
        return 1;
    }
    Windows windows;
    windows.program = &running;
    Verbs verbs;
    AddWindowVerbs(verbs, [&running] { return running.main; });
    AddFrameActions(verbs, windows);
    AddFrameChecks(verbs, windows, program);
    verbs.others = {"reactions", "menus", "menu", "caret", "> focus-input", "focus-on-window"};
    return RunScenario(ZEMBRA_SCENARIOS, verbs);
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
