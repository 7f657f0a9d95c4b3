// SPDX-License-Identifier: MIT
// The window scenarios of testdata/*.txt and their one runner. A line is a
// verb and its words ("..." holds blanks): "> VERB" acts on the window as a
// user does, any other verb checks what must hold after it. The runner in
// the program's process and the one outside it read the same lines; each
// knows its own verbs and names those it leaves to the other, and any
// other verb fails. The actions and checks that read alike from both sides
// live here.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zembra::win {

struct Line {
    int number = 0;
    std::string verb;  // with its "> " when it acts
    std::vector<std::string> words;
    std::string text;  // as written, for messages
};

// Empty when the check holds or the action was done, else what was found.
using Verb = std::function<std::string(const Line&)>;

struct Verbs {
    std::map<std::string, Verb> own;
    std::set<std::string> others;
};

// Runs the scenario file at `path` (a host path) line by line and prints
// each failure; 0 when every line held, 1 otherwise or when none ran.
int RunScenario(const char* path, const Verbs& verbs);

// The actions that type into and switch frmMain, whose window is `main`:
// "> type KEYS" at the end of the field that takes input, "> replace KEYS"
// its whole text, "> backspace", "> retype-last" (the last character over
// itself), "> switch" (the Action menu's other item); and the checks
// "fields DEC AFS HEX" and "mode dec-to-afs|afs-to-dec" (which fields take
// input, the labels' captions and order), which a runner may extend.
void AddWindowVerbs(Verbs& verbs, const std::function<HWND()>& main);

// The field that takes input.
HWND InputField(HWND main);

// "dec-to-afs" or "afs-to-dec" as the mode it names; false on anything else,
// with `known` cleared.
bool DecimalToAfs(const std::string& word, bool& known);

// A field's background by its name in a scenario: "white" and "red" as
// the model paints them, "face" the system's own for a disabled field.
COLORREF ColourNamed(const std::string& name);

// Empty when `holds`, else `problem`.
inline std::string Unless(bool holds, const char* problem) { return holds ? "" : problem; }

// A window text that differs from `want`, as a message; empty when equal.
std::string Differs(const char* what, const std::wstring& got, const std::string& want);

}  // namespace zembra::win
