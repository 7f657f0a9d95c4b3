// SPDX-License-Identifier: MIT
// frmMain without a toolkit, the one window model that every front end (the
// Qt window, the web page, the Win32 window) renders: the core's
// MemoryFields with the window's field reactions, the Action menu's marks,
// and the title that follows the window state. A front end passes each edit
// and menu choice in and shows the WindowState that comes back; it decides
// nothing. The state is plain data: front ends keep the one they showed last
// and compare, so that they change only what differs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/memory_fields.h"
#include "ui/design/main_window.h"

namespace zembra {

// A text box as it stands: its text, its place in twips from the client
// area's top-left corner, background (none: the toolkit's own), enabled
// state and pointer.
struct FieldState {
    Text text;
    TwipsRect rect;
    std::optional<BackColor> backColor;
    bool enabled;
    design::MousePointer pointer;

    friend bool operator==(const FieldState&, const FieldState&) = default;
};

// The field the upper label names: the one typed into.
enum class EntryField { txtDec, txtAFS };

struct WindowState {
    FieldState txtDec;
    FieldState txtAFS;
    FieldState txtHex;
    // The labels' captions.
    std::string_view lblDec;
    std::string_view lblAFS;
    std::string_view Label1;
    // mnuActionItems(1) and (2).
    std::array<bool, 2> checked;
    EntryField upperField;
    // What a screen reader says once typing pauses, since the results are
    // disabled fields that it never visits.
    Text announcement;
    std::string title;

    friend bool operator==(const WindowState&, const WindowState&) = default;
};

class ConverterWindow {
public:
    // Loads the window: the marks as designed, then Form_Load's ToggleMode,
    // which leaves it in "Decimal to AFS". The title is the design's caption
    // until the first Form_Resize.
    ConverterWindow();
    // The reactions capture this object, so it must not be copied.
    ConverterWindow(const ConverterWindow&) = delete;
    ConverterWindow& operator=(const ConverterWindow&) = delete;

    // The user's edit of a field, its whole text after the edit: a change
    // runs that field's reaction, an edit that leaves the text as it was
    // runs nothing.
    void EditDecimal(TextView text);
    void EditAfs(TextView text);
    // Index 1 or 2 flips the mode; any other index does nothing.
    void mnuActionItems_Click(std::int16_t index);
    // The window was resized, minimised or restored.
    void Form_Resize(bool minimised);

    const WindowState& State() const { return m_state; }
    // The field reactions run since loading, nested ones included: what a
    // front end's tests count to see that a keystroke ran each reaction once.
    std::uint64_t Reactions() const { return m_reactions; }

private:
    void Update();
    Text Announcement() const;

    MemoryFields m_fields;
    std::uint64_t m_reactions = 0;
    WindowState m_state;
};

}  // namespace zembra
