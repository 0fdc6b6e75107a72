#pragma once

// What a table dialog's rows open beyond their settings (the colour, font and file choosers) and
// how its static texts read on the window's background.

#include <windows.h>

#include <cstdint>

#include "dialogs/dialog_table.h"
#include "windows/clock_parts.h"

namespace marvix {

// The colour chooser on the colour `def` holds; a pick is stored as the user's change. Whether
// one was picked (a cancel writes nothing: the text stays as stored, a system colour included).
bool ChooseColourFor(HWND owner, const SettingDef& def, ClockModel& model);
// The font chooser on the font the row's display is drawn in; a pick is stored. Whether one was.
bool ChooseFontFor(HWND owner, const ControlRow& row, ClockParts& clock);
// A file picked for the row's field, set as if typed; a cancel changes nothing.
void BrowseInto(HWND owner, const ControlRow& row, HWND field);
// A static text or button on the window's background: the row's colour where it reads on it,
// else black or white.
LRESULT ColourStaticOn(HDC dc, const ControlRow* row, uint32_t background, HBRUSH brush);

}  // namespace marvix
