// Every settings window by keyboard and to a screen reader: Tab visits each enabled control once,
// in reading order, and each has a name of its own.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <set>

#include "../support/clock_fixture_win.h"
#include "../support/screen_reader_win.h"

namespace marvix {
namespace {

// Where a window is read as blocks side by side or one above another, its blocks in reading
// order (client pixels); within a block, rows top to bottom, each row left to right.
struct ReadingBlocks {
    std::optional<DialogId> dialog;  // none: the clocks window
    std::vector<RECT> blocks;
};
constexpr RECT kWhole{0, 0, 10000, 10000};

// Each display's column, read down, the six above the line and then the six below: all of one
// display's settings together, under the name that heads them.
std::vector<RECT> DisplayColumns() {
    std::vector<RECT> columns;
    for (int band = 0; band < 2; ++band) {
        for (int column = 0; column < 6; ++column)
            columns.push_back({79 * column, band * 236, 79 * column + 79, band * 236 + 236});
    }
    return columns;
}

const ReadingBlocks kWindows[] = {
    {DialogId::Face, {kWhole}},
    // The options and pivot, the hands' grid row by row, the Order list.
    {DialogId::Hands, {{0, 0, 165, 10000}, {165, 0, 585, 10000}, {585, 0, 10000, 10000}}},
    {DialogId::Digital, DisplayColumns()},
    // The moon, then the day and night.
    {DialogId::Phases, {{0, 0, 190, 10000}, {190, 0, 10000, 10000}}},
    {DialogId::Alarms, {kWhole}},
    {DialogId::Configurations, {kWhole}},
    // Days 1-4, days 5-7, months 1-6, months 7-12.
    {DialogId::Spelling,
     {{0, 0, 260, 160}, {260, 0, 10000, 160}, {0, 160, 260, 10000}, {260, 160, 10000, 10000}}},
    {std::nullopt, {kWhole}},
};

RECT ClientRectOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool IsRadio(HWND control) {
    return (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

bool StartsGroup(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_GROUP) != 0; }

// Where a stop is read: a radio button where its whole group is.
RECT PlaceOf(HWND control) {
    RECT place = ClientRectOf(control);
    if (!IsRadio(control)) return place;
    HWND first = control;
    while (!StartsGroup(first) && GetWindow(first, GW_HWNDPREV))
        first = GetWindow(first, GW_HWNDPREV);
    for (HWND item = first; item && IsRadio(item); item = GetWindow(item, GW_HWNDNEXT)) {
        if (item != first && StartsGroup(item)) break;
        const RECT r = ClientRectOf(item);
        UnionRect(&place, &place, &r);
    }
    return place;
}

// The window's tab stops (what Tab may land on: shown, enabled, WS_TABSTOP) in reading order.
std::vector<HWND> StopsInReadingOrder(HWND window, const std::vector<RECT>& blocks) {
    std::vector<std::pair<RECT, HWND>> stops;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && IsWindowEnabled(child) &&
            (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP)) {
            stops.push_back({PlaceOf(child), child});
        }
    }
    std::vector<HWND> order;
    for (const RECT& block : blocks) {
        std::vector<std::pair<RECT, HWND>> in;
        for (const auto& stop : stops) {
            const POINT centre{(stop.first.left + stop.first.right) / 2,
                               (stop.first.top + stop.first.bottom) / 2};
            if (PtInRect(&block, centre)) in.push_back(stop);
        }
        std::sort(in.begin(), in.end(),
                  [](const auto& a, const auto& b) { return a.first.top < b.first.top; });
        // A row: the stops whose middle lies within the height of the row's first.
        for (size_t first = 0; first < in.size();) {
            size_t end = first + 1;
            while (end < in.size() &&
                   (in[end].first.top + in[end].first.bottom) / 2 < in[first].first.bottom) {
                ++end;
            }
            std::sort(in.begin() + long(first), in.begin() + long(end),
                      [](const auto& a, const auto& b) { return a.first.left < b.first.left; });
            for (size_t i = first; i < end; ++i) order.push_back(in[i].second);
            first = end;
        }
    }
    return order;
}

std::string NameOf(HWND control) {
    char text[128] = {};
    GetWindowTextA(control, text, sizeof text);
    char type[32] = {};
    GetClassNameA(control, type, sizeof type);
    return std::string(type) + " \"" + text + "\" #" + std::to_string(GetDlgCtrlID(control));
}

class KeyboardAndNamesTest : public ClockFixture {
protected:
    ScreenReader reader_{[this] { Pump(); }};
};

TEST_F(KeyboardAndNamesTest, TabVisitsEveryControlOnceInReadingOrderAndEachHasItsOwnName) {
    Start();
    for (const ReadingBlocks& windowBlocks : kWindows) {
        SettingsDialog& dialog = windowBlocks.dialog
                                     ? app_->FirstClock().Dialog(*windowBlocks.dialog)
                                     : app_->Windows().ClocksList();
        dialog.Show();
        Pump();
        const HWND window = dialog.Window();
        SCOPED_TRACE(dialog.Layout().caption);
        // The label's place fields, which take keys once it is not centred.
        if (!windowBlocks.dialog)
            SendMessageA(GetDlgItem(window, ClocksWindow::kLabelCentred), BM_CLICK, 0, 0);
        ASSERT_TRUE(GetFocus() && IsChild(window, GetFocus())) << "a control has the focus";

        const std::vector<HWND> expected = StopsInReadingOrder(window, windowBlocks.blocks);
        ASSERT_GT(expected.size(), 3u);
        SetFocus(expected.front());
        std::vector<HWND> visited{GetFocus()};
        for (size_t i = 0; i < expected.size(); ++i) {
            PressKey(VK_TAB);
            visited.push_back(GetFocus());
        }
        EXPECT_EQ(visited.back(), visited.front()) << "Tab comes round to the first";
        visited.pop_back();
        std::vector<std::string> visitedNames, expectedNames;
        for (HWND control : visited) visitedNames.push_back(NameOf(control));
        for (HWND control : expected) expectedNames.push_back(NameOf(control));
        EXPECT_EQ(visitedNames, expectedNames);

        std::set<std::string> names;
        const std::vector<std::string> read = reader_.RolesAndNames(expected);
        ASSERT_EQ(read.size(), expected.size());
        for (size_t i = 0; i < read.size(); ++i) {
            const std::string name = read[i].substr(read[i].find('\t') + 1);
            EXPECT_FALSE(name.empty()) << NameOf(expected[i]);
            EXPECT_TRUE(names.insert(name).second)
                << NameOf(expected[i]) << " is not the only \"" << name << '"';
        }
        dialog.Hide();
    }
}

}  // namespace
}  // namespace marvix
