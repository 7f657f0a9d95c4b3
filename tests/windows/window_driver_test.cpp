// SPDX-License-Identifier: MIT
// zembra.exe driven from another process, as a user meets it: the window's
// frame, places and titles, typing and the colours it paints (read back as
// pixels), the Help boxes and the About window with its timing, and the
// version information and icon of the program file. The program's path is
// the first argument.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/windows/window_probe.h"
#include "ui/design/about_window.h"
#include "ui/design/help_texts.h"
#include "ui/design/main_window.h"
#include "windows/control_ids.h"
#include "windows/wide_text.h"

namespace zembra::win {
namespace {

std::wstring g_program;

class Driven : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_program = new RunningProgram(g_program); }
    static void TearDownTestSuite() {
        delete s_program;
        s_program = nullptr;
    }
    static HWND Main() { return s_program->main; }
    static HWND Control(int id) { return GetDlgItem(Main(), id); }
    static void Type(int id, const wchar_t* keys) {
        for (const wchar_t* key = keys; *key != L'\0'; ++key)
            SendMessageW(Control(id), WM_CHAR, *key, 0);
    }
    static void Switch() { SendMessageW(Main(), WM_COMMAND, 101, 0); }

    static RunningProgram* s_program;
};

RunningProgram* Driven::s_program = nullptr;

TEST_F(Driven, OpensAsDesigned) {
    const ScreenScale px{};
    EXPECT_EQ(TextOf(Main()), L"Zembra");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(Main(), GWL_STYLE));
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_THICKFRAME);
    RECT client{};
    GetClientRect(Main(), &client);
    EXPECT_EQ(client.right, px(design::kClientWidth));
    EXPECT_EQ(client.bottom, px(design::kClientHeight));
    EXPECT_LE(CentreOffset(Main()), 1);
    struct Place {
        int id;
        const wchar_t* text;
        TwipsRect rect;
        bool enabled;
    };
    const int left = design::txtDec.rect.left;
    for (const Place& place : {Place{kTxtDecId, L"0", {left, 180, 1635, 420}, true},
                               Place{kTxtAfsId, L"00-000", {left, 720, 1635, 420}, false},
                               Place{kTxtHexId, L"0", design::txtHex.rect, false},
                               Place{kLblDecId, L"DEC", design::lblDec.rect, true},
                               Place{kLblAfsId, L"AFS", design::lblAFS.rect, true},
                               Place{kLabel1Id, L"HEX", design::Label1.rect, true}}) {
        SCOPED_TRACE(place.id);
        EXPECT_EQ(TextOf(Control(place.id)), place.text);
        const RECT got = ClientRectOf(Control(place.id));
        EXPECT_EQ(got.left, px(place.rect.left));
        EXPECT_EQ(got.top, px(place.rect.top));
        EXPECT_EQ(got.right - got.left, px(place.rect.width));
        EXPECT_EQ(got.bottom - got.top, px(place.rect.height));
        EXPECT_EQ(IsWindowEnabled(Control(place.id)) != FALSE, place.enabled);
    }
}

// Typed keys, then what every field shows: its text, its background and a
// text that reads at 4.5:1 or better on it, disabled fields included.
TEST_F(Driven, TypingPaintsReadableFields) {
    struct Step {
        const char* name;
        bool switchFirst;
        int field;
        const wchar_t* keys;
        COLORREF decBack;
        COLORREF afsBack;
    };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);  // a field not painted yet
    const Step steps[] = {
        {"start", false, kTxtDecId, L"", kValidColor, face},
        {"decimal", false, kTxtDecId, L"1234", kValidColor, kValidColor},
        {"out of range", false, kTxtDecId, L"9", kValidColor, kInvalidColor},
        {"switched, AFS refused", true, kTxtAfsId, L"x", kInvalidColor, kInvalidColor},
        {"switched back", true, kTxtDecId, L"", kInvalidColor, kInvalidColor},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.switchFirst) Switch();
        Type(step.field, step.keys);
        using FieldBack = std::pair<int, COLORREF>;
        for (const auto& [id, back] :
             {FieldBack{kTxtDecId, step.decBack}, FieldBack{kTxtAfsId, step.afsBack},
              FieldBack{kTxtHexId, kValidColor}}) {
            SCOPED_TRACE(id);
            // The program paints when it gets round to it.
            FieldPixels pixels;
            WaitFor(
                [&, id = id, back = back] {
                    pixels = Capture(Main()).Field(ClientRectOf(Control(id)));
                    return pixels.background == back && pixels.textContrast > 0;
                },
                std::chrono::seconds(2));
            EXPECT_EQ(pixels.background, back);
            EXPECT_GE(pixels.textContrast, 4.5);
        }
    }
}

TEST_F(Driven, TitleFollowsTheWindowState) {
    for (int round = 0; round < 2; ++round) {
        ShowWindow(Main(), SW_MINIMIZE);
        EXPECT_TRUE(WaitFor([] { return TextOf(Main()) == L"Zembra, v1.0.1"; }));
        ShowWindow(Main(), SW_RESTORE);
        EXPECT_TRUE(WaitFor([] { return TextOf(Main()) == L"Zembra"; }));
    }
}

TEST_F(Driven, HelpBoxesShowTheTextsExactly) {
    struct Box {
        int command;
        std::string text;
        const char* title;
    };
    for (const Box& box :
         {Box{201, HelpText(), kHelpTitle}, Box{202, LicenceText(), kLicenceTitle}}) {
        SCOPED_TRACE(box.title);
        PostMessageW(Main(), WM_COMMAND, static_cast<WPARAM>(box.command), 0);
        const MessageBoxProbe probe = WaitForMessageBox(Main());
        ASSERT_NE(probe.window, nullptr);
        EXPECT_EQ(probe.title, Wide(box.title));
        EXPECT_EQ(probe.text, Wide(box.text));
        EXPECT_NE(probe.icon, nullptr);  // style 64's information icon, shown
        EXPECT_EQ(probe.buttons, std::vector<std::wstring>{L"OK"});
        EXPECT_FALSE(IsWindowEnabled(Main()));
        SendMessageW(probe.okButton, BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(probe.window) && IsWindowEnabled(Main()); }));
    }
}

// Opened, it shows its texts over the picture and closes itself after
// 7.5 s; opened again, it is loaded afresh (and the user may close it).
TEST_F(Driven, AboutWindowShowsAndClosesItself) {
    const ScreenScale px{};
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        const auto opened = std::chrono::steady_clock::now();
        PostMessageW(Main(), WM_COMMAND, 203, 0);
        HWND about = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            return (about = FindProcessWindow(s_program->process.dwProcessId, kAboutWindowClass)) !=
                       nullptr &&
                   IsWindowVisible(about);
        }));
        EXPECT_EQ(TextOf(about), L"  Zembra");
        EXPECT_TRUE(GetWindowLongPtrW(about, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(GetWindowLongPtrW(about, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        RECT client{};
        GetClientRect(about, &client);
        EXPECT_EQ(client.right, px(design::about::kClientWidth));
        EXPECT_EQ(client.bottom, px(design::about::kClientHeight));
        EXPECT_LE(CentreOffset(about), 1);
        EXPECT_FALSE(IsWindowEnabled(Main()));
        EXPECT_EQ(AboutLabelTexts(about),
                  (std::vector<std::wstring>{L"Another Cheesy Application", L"by",
                                             L"Kestavo Software", L"Zembra", L"Version: 1.0.1",
                                             L"Copyright (C) 2026 Kestavo Software"}));
        EXPECT_GT(Capture(about).DistinctColours(), 1000);
        if (opening == 2) PostMessageW(about, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }, std::chrono::seconds(10)));
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - opened).count();
        if (opening == 1) {
            EXPECT_GE(seconds, 7.4);
            EXPECT_LE(seconds, 8.5);
        }
        EXPECT_TRUE(WaitFor([] { return IsWindowEnabled(Main()) != FALSE; }));
    }
}

// The program file's version information, as Explorer and the program
// itself read it, and its icon group: the 32 x 32, 16-colour image first.
TEST(ProgramFile, VersionInformationAndIcon) {
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(g_program.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(
        GetFileVersionInfoW(g_program.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    void* data = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &data, &size));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(1, 0));
    for (const auto& [key, want] :
         {std::pair{L"CompanyName", L"Kestavo Software"}, std::pair{L"ProductName", L"Zembra"},
          std::pair{L"LegalCopyright", L"Copyright (C) 2026 Kestavo Software"},
          std::pair{L"FileVersion", L"1.0.0.1"}, std::pair{L"ProductVersion", L"1.0.0.1"}}) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + key;
        ASSERT_TRUE(VerQueryValueW(block.data(), path.c_str(), &data, &size));
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(data)), want);
    }

    HMODULE file = LoadLibraryExW(g_program.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(file, nullptr);
    HRSRC group = FindResourceW(file, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    const auto* entries = static_cast<const BYTE*>(LockResource(LoadResource(file, group)));
    ASSERT_NE(entries, nullptr);
    // GRPICONDIR: reserved, type, count; then 14-byte entries of width,
    // height, colour count, reserved, planes, bits per pixel, size, id.
    const WORD count = *reinterpret_cast<const WORD*>(entries + 4);
    ASSERT_GE(count, 1);
    const BYTE* first = entries + 6;
    EXPECT_EQ(first[0], 32);
    EXPECT_EQ(first[1], 32);
    EXPECT_EQ(first[2], 16);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(first + 6), 4);
    FreeLibrary(file);
}

}  // namespace
}  // namespace zembra::win

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH-TO-zembra.exe\n", argv[0]);
        return 2;
    }
    zembra::win::g_program = zembra::win::HostPathToWindows(argv[1]);
    return RUN_ALL_TESTS();
}
