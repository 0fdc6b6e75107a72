#pragma once

// Settings dialogs are data: each is a table of its controls, one row per control, and one
// binder creates the controls from the table, fills them from the settings and writes a user's
// change back through the settings table. The rules here are the portable half: what a row says,
// how a spin edit holds typed text to its bounds, and how a control reads and writes the setting
// it is bound to.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/colour.h"
#include "base/geometry.h"
#include "settings/settings_table.h"

namespace marvix {

enum class ControlType {
    Label,         // text in its colour on the dialog's background
    CheckBox,      // a Boolean setting, or a bit of an Integer one
    RadioGroup,    // an Integer setting: the index of the chosen item
    SpinEdit,      // an Integer or Geometry setting within bounds, or a value the dialog holds
    Edit,          // a String setting, one line: a name, the path of a file; `maximum`, if
                   // set, is the most characters it takes
    ColourPanel,   // a ColourText setting, painted in its colour with a caption readable on it;
                   // a click opens the colour chooser
    FontButton,    // bound to a font slot's face (DFont1 ...); opens the font chooser for the slot
    List,          // filled and read by its dialog
    Separator,     // an etched line between groups of controls, across or down as it is drawn
    PushButton,    // pressed, nothing bound; `field` names the edit it acts on, if any
    BrowseButton,  // "Browse": the file chooser with the filter `items`, its pick into `field`
};

// A spin edit's upper bound can also follow the clock picture, as the hand lengths and the
// common pivot do, or the screen.
enum class Cap {
    None,
    LargerFaceSide,
    FaceWidth,
    FaceHeight,
    LargerScreenSide,
    ScreenWidth,
    ScreenHeight,
    // Both bounds from the desktop, every monitor together: a window may be placed on any of
    // them, left of or above the main one too.
    DesktopX,
    DesktopY
};

// When a spin edit's typed value takes effect: at each keystroke, or once the typing settles
// (Enter, leaving the field, or the arrows, which apply at once). A size the user only passes
// through on the way to another ("1" and "15" on the way to "150") must never be applied where
// applying it resizes the clock and takes a new snapshot of the desktop.
enum class Apply { AtOnce, WhenSettled };

// What a control does beyond storing its setting, or what a button does: a dialog acts on a row
// by this kind, never by the control's name.
enum class Effect {
    None,
    // The face window.
    ChooseFace,        // the file chooser, then the face loaded
    Reshape,           // the window cut to its shape again
    ReshapeRounded,    // the same, when the shape has rounded corners
    Restack,           // above, among or beneath the other windows
    TaskbarButton,     // the taskbar button shown or taken away
    MoveClock,         // the window moved to the typed place
    ResizeSnapshot,    // the snapshot face made the typed size
    NameFace,          // the name of the face shown again
    StealWallpaper,    // the desktop behind the clock made its face
    StartWithWindows,  // the user's logins start this program, or not
    Overlay,           // click-through and opacity applied to the window
    Rescale,           // the clock drawn at its size
    // The hands window.
    Retime,           // the tick's step follows Smooth
    ShowCommonPivot,  // the common pivot shown as the clock has it
    ShowLengths,      // the hand lengths shown as the clock has them
    PivotsTogether,   // every hand's own pivot held at the common one
    ResetOrder,       // the stacking order back to its default
    // The digital displays window.
    PlaceByHand,  // Auto P off: the display stays where the fields show it
    DisplayFont,  // the display drawn with the font chosen
    LetterCase,   // "L", "M", "U": the names' case
    // The alarms window.
    ChooseAlarm,   // the editor shows the alarm of that number
    AlarmHour,     // an hour of 0 shown as 12
    PlaySound,     // "test": the field's sound played once
    WakeComputer,  // the alarm's wake, shown as it rings until stopped while left at first
};

// A control's role in its window, by the window's own enumeration of its controls (a snapshot
// width field, the Order list), and for a control repeated along a grid the row or column it
// stands in (the hand, the display, the dial). A label or a line that nothing reaches has none.
struct ControlId {
    uint16_t role = 0;
    uint16_t index = 0;
    constexpr explicit operator bool() const { return role != 0; }
    friend constexpr bool operator==(ControlId, ControlId) = default;
};
// A window's roles start at 1. The index: a number, or the enumeration of the grid's rows (Hand,
// Display).
template <class Role, class Index = size_t>
constexpr ControlId IdOf(Role role, Index index = 0) {
    return {static_cast<uint16_t>(role), static_cast<uint16_t>(index)};
}

// A control that does nothing while a box is ticked (or unticked), or while a radio group has
// an item chosen (or any but that one): a hand's length while the clock sizes the hands itself,
// the corner size of a shape without rounded corners. It is greyed then, showing the value in
// force; its setting keeps what it holds.
struct IdleWhile {
    std::optional<Setting> setting = {};  // a Boolean (ticked is 1) or an Integer setting
    int32_t value = 1;
    bool otherThanValue = false;  // idle while the setting holds any other value
};

struct ControlRow {
    ControlType type = ControlType::Label;
    ControlId id = {};
    std::string_view caption = {};        // label, box or button text; a radio group's heading
    Rect place = {};                      // in client pixels
    std::optional<Setting> setting = {};  // the bound setting, if any
    int32_t minimum = 0;                  // spin edits
    int32_t maximum = 0;
    uint32_t colour = 0;  // text colour of labels, check boxes and radio items, $00BBGGRR
    Cap cap = Cap::None;
    std::string_view items = {};  // radio items or a file filter, '|' between them
    ControlId field = {};         // the edit a push or Browse button acts on
    Apply apply = Apply::AtOnce;
    Effect effect = Effect::None;
    // For screen readers: what the control belongs to, said before its own words ("HOUR",
    // "Moon Phase"), and its own words where the window shows none beside it ("Show").
    std::string_view context = {};
    std::string_view spoken = {};
    IdleWhile idle = {};
    // A box bound to one bit of an Integer setting (an alarm's day), counted from 0.
    int8_t bit = -1;
    // What the control does, in one sentence, for a caption that is terse or an abbreviation:
    // its tooltip, and its description to a screen reader. A field's tooltip adds its bounds.
    std::string_view tip = {};
};

struct SpinBounds {
    int32_t minimum;
    int32_t maximum;
    friend bool operator==(SpinBounds, SpinBounds) = default;
};
// What a cap follows: the clock's face, the main screen's maximised-window area and the desktop
// (the rectangle holding every monitor), as the clock has them now.
struct ClockMeasures {
    Size face;
    Size screen;
    Rect desktop;
};
// The row's bounds with its cap applied.
SpinBounds BoundsOf(const ControlRow& row, const ClockMeasures& clock);

// What a spin edit reads of typed text: a decimal number (a sign, then digits; a minus only where
// the bounds allow negatives) held to the bounds however many digits it has, or nothing for text
// that is no such number (empty, "7x", "-5" in a field of lengths), which then never reaches the
// setting. Never overflows.
std::optional<int32_t> ReadSpinValue(std::string_view text, SpinBounds bounds);
// The same, the minimum for text that is no number: what a field the dialog holds itself shows.
int32_t HeldSpinValue(std::string_view text, SpinBounds bounds);
// Whether a character typed over the selection [start, end) of a spin edit's text may go in:
// digits, a leading minus where the bounds allow negatives, and the keys that edit (Backspace,
// Ctrl+V); a paste that brings other text is left to ReadSpinValue.
bool TypedCharacterFits(std::string_view text, size_t start, size_t end, char typed,
                        SpinBounds bounds);
// The bounds as a field's tooltip says them.
std::string BoundsInWords(SpinBounds bounds);
// A field's tooltip: the row's sentence, if it has one, then its bounds.
std::string FieldTip(const ControlRow& row, SpinBounds bounds);

// Whether the control does nothing with the settings as they are (see IdleWhile).
bool IsIdle(const ControlRow& row, const ClockSettings& settings);

// A box's state in the settings: its Boolean, or its bit of an Integer (ControlRow::bit).
bool IsTicked(const ClockSettings& settings, const ControlRow& row, const SettingDef& def);
void SetTicked(ClockSettings& settings, const ControlRow& row, const SettingDef& def, bool ticked);

// A user's value: a Geometry setting takes it as its requested value.
void StoreBoundInteger(ClockSettings& settings, const SettingDef& def, int32_t value);

// The font slot whose face setting that is (DFont1 to DFont12), or nullptr.
const FontSlotFields* FontSlotOf(Setting faceSetting);

// A control's accessible name: the words that label it on screen, unique within its window.
// Its context, then its own words (the spoken ones, else its caption); a control without words of
// its own is named by the label heading its column and the label before it on its line, as a
// grid's cell is by its column and row ("Hour Length"). A word group said twice is said once.
std::string AccessibleName(std::span<const ControlRow> rows, const ControlRow& row);
// A radio group's item: the group's name, then the item's.
std::string AccessibleName(std::span<const ControlRow> rows, const ControlRow& group,
                           std::string_view item);
// A colour as a screen reader says it: its name in the colour-name table, in words ("lime",
// "btn face"), else its parts ("red 86, green 52, blue 18").
std::string ColourInWords(Colour colour);

// The row of that role, or nullptr.
const ControlRow* FindRow(std::span<const ControlRow> rows, ControlId id);

}  // namespace marvix
