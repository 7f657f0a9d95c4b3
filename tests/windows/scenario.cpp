// SPDX-License-Identifier: MIT
#include "tests/windows/scenario.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/converter_fields.h"
#include "tests/windows/window_probe.h"
#include "windows/control_ids.h"
#include "windows/wide_text.h"

namespace zembra::win {

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    std::string word;
    while (in >> std::ws && !in.eof()) {
        if (in.peek() == '"') {
            in.get();
            std::getline(in, word, '"');
        } else {
            in >> word;
        }
        words.push_back(word);
    }
    return words;
}

std::vector<Line> ReadLines(const char* path) {
    std::ifstream in(HostPathToWindows(path).c_str());
    std::vector<Line> lines;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.empty() || text.front() == '#') continue;
        Line line{number, {}, Words(text), text};
        line.verb = line.words.front();
        line.words.erase(line.words.begin());
        if (line.verb == ">" && !line.words.empty()) {
            line.verb = "> " + line.words.front();
            line.words.erase(line.words.begin());
        }
        lines.push_back(line);
    }
    return lines;
}

void Keys(HWND field, const std::string& keys) {
    for (const char key : keys) SendMessageW(field, WM_CHAR, static_cast<WPARAM>(key), 0);
}

void Select(HWND field, LPARAM from, LPARAM to) {
    SendMessageW(field, EM_SETSEL, static_cast<WPARAM>(from), to);
}

}  // namespace

int RunScenario(const char* path, const Verbs& verbs) {
    int ran = 0;
    int failed = 0;
    for (const Line& line : ReadLines(path)) {
        if (verbs.others.contains(line.verb)) continue;
        const auto verb = verbs.own.find(line.verb);
        std::string problem = "no such verb";
        try {
            if (verb != verbs.own.end()) problem = verb->second(line);
        } catch (const std::out_of_range&) {
            problem = "a word is missing";
        }
        ++ran;
        if (problem.empty()) continue;
        ++failed;
        std::printf("FAIL %s:%d: %s: %s\n", path, line.number, line.text.c_str(), problem.c_str());
    }
    std::printf("%d of %d lines held\n", ran - failed, ran);
    return ran > 0 && failed == 0 ? 0 : 1;
}

HWND InputField(HWND main) {
    HWND dec = GetDlgItem(main, kTxtDecId);
    return IsWindowEnabled(dec) ? dec : GetDlgItem(main, kTxtAfsId);
}

bool DecimalToAfs(const std::string& word, bool& known) {
    known = word == "dec-to-afs" || word == "afs-to-dec";
    return word == "dec-to-afs";
}

COLORREF ColourNamed(const std::string& name) {
    if (name == "white") return kValidColor;
    if (name == "red") return kInvalidColor;
    return GetSysColor(COLOR_BTNFACE);
}

std::string Differs(const char* what, const std::wstring& got, const std::string& want) {
    if (got == Wide(want)) return {};
    std::string message = std::string(what) + " is '";
    for (const wchar_t c : got) message += c < 128 ? static_cast<char>(c) : '?';
    return message + "'";
}

namespace {

std::string CheckLayout(HWND main, const Line& line) {
    bool known = false;
    const bool decToAfs = DecimalToAfs(line.words.at(0), known);
    if (!known) return "no such mode";
    HWND dec = GetDlgItem(main, kTxtDecId);
    HWND afs = GetDlgItem(main, kTxtAfsId);
    if ((IsWindowEnabled(dec) != FALSE) != decToAfs) return "txtDec's enabled state";
    if ((IsWindowEnabled(afs) != FALSE) == decToAfs) return "txtAFS's enabled state";
    if (IsWindowEnabled(GetDlgItem(main, kTxtHexId))) return "txtHex enabled";
    // The upper label names the field typed into; screen readers name a
    // field by the label before it.
    std::string problem =
        Differs("lblDec", TextOf(GetDlgItem(main, kLblDecId)), decToAfs ? "DEC" : "AFS");
    if (problem.empty())
        problem = Differs("the label before txtDec", TextOf(GetWindow(dec, GW_HWNDPREV)), "DEC");
    if (problem.empty())
        problem = Differs("the label before txtAFS", TextOf(GetWindow(afs, GW_HWNDPREV)), "AFS");
    if (problem.empty())
        problem = Differs("the label before txtHex",
                          TextOf(GetWindow(GetDlgItem(main, kTxtHexId), GW_HWNDPREV)), "HEX");
    return problem;
}

}  // namespace

void AddWindowVerbs(Verbs& verbs, const std::function<HWND()>& main) {
    verbs.own["> type"] = [main](const Line& line) {
        HWND input = InputField(main());
        // WM_GETTEXT, not GetWindowTextLengthW: it reaches another process too.
        const auto length = static_cast<LPARAM>(TextOf(input).size());
        Select(input, length, length);
        Keys(input, line.words.at(0));
        return std::string();
    };
    verbs.own["> replace"] = [main](const Line& line) {
        HWND input = InputField(main());
        Select(input, 0, -1);
        Keys(input, line.words.at(0));
        return std::string();
    };
    verbs.own["> backspace"] = [main](const Line&) {
        SendMessageW(InputField(main()), WM_CHAR, VK_BACK, 0);
        return std::string();
    };
    verbs.own["> retype-last"] = [main](const Line&) {
        HWND input = InputField(main());
        const std::wstring text = TextOf(input);
        const auto length = static_cast<LPARAM>(text.size());
        Select(input, length - 1, length);
        SendMessageW(input, WM_CHAR, text.back(), 0);
        return std::string();
    };
    verbs.own["> switch"] = [main](const Line&) {
        SendMessageW(main(), WM_COMMAND, 101, 0);
        return std::string();
    };
    verbs.own["fields"] = [main](const Line& line) {
        std::string problem;
        const std::pair<const char*, int> fields[] = {
            {"txtDec", kTxtDecId}, {"txtAFS", kTxtAfsId}, {"txtHex", kTxtHexId}};
        for (std::size_t i = 0; i < 3 && problem.empty(); ++i)
            problem = Differs(fields[i].first, TextOf(GetDlgItem(main(), fields[i].second)),
                              line.words.at(i));
        return problem;
    };
    verbs.own["mode"] = [main](const Line& line) { return CheckLayout(main(), line); };
}

}  // namespace zembra::win
