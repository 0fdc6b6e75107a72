// The configurations window under Wine: saving, listing, loading and applying files.
#include "dialogs/configurations_dialog_win.h"

#include "clock/control_menu_win.h"

#include <windows.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../support/clock_fixture_win.h"
#include "../support/recording_player.h"

namespace marvix {
namespace {

class ConfigurationsTest : public ClockFixture {
protected:
    void SetUp() override {
        ClockFixture::SetUp();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "marvix-configurations";
        CreateDirectoryA(folder_.c_str(), nullptr);
        DeleteFileA((folder_ + "\\mylook.ccf").c_str());
        SetCurrentDirectoryA(folder_.c_str());
        Start();
        dialog_ = &static_cast<ConfigurationsWindow&>(
            app_->FirstClock().Dialog(DialogId::Configurations));
        dialog_->Relist();
    }

    std::string Path(const char* name) const { return folder_ + "\\" + name; }
    HWND Control(int id) const { return GetDlgItem(dialog_->Window(), id); }
    void Type(const char* name) {
        SetDlgItemTextA(dialog_->Window(), ConfigurationsWindow::kNameBox, name);
    }
    std::string Typed() const {
        char text[MAX_PATH] = {};
        GetDlgItemTextA(dialog_->Window(), ConfigurationsWindow::kNameBox, text, MAX_PATH);
        return text;
    }
    bool Pick(const char* file) {
        const LRESULT index = SendMessageA(Control(ConfigurationsWindow::kFileList),
                                           LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(file));
        if (index == LB_ERR) return false;
        SendMessageA(Control(ConfigurationsWindow::kFileList), LB_SETCURSEL, WPARAM(index), 0);
        dialog_->FilePicked();
        return true;
    }
    static std::vector<std::string> ReadLines(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(file)), {});
        std::vector<std::string> lines;
        for (size_t start = 0; start < text.size();) {
            const size_t end = text.find("\r\n", start);
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }
    static void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines) file << line << "\r\n";
    }

    std::string folder_;
    ConfigurationsWindow* dialog_ = nullptr;
};

TEST_F(ConfigurationsTest, SavesListsLoadsAndAppliesAFile) {
    Type("mylook");
    dialog_->SaveUnderTypedName();
    ASSERT_TRUE(messages_.Messages().empty()) << messages_.Texts().front();
    std::vector<std::string> lines = ReadLines(Path("mylook.ccf"));
    ASSERT_EQ(lines.size(), 336u);
    ASSERT_TRUE(Pick("mylook.ccf")) << "the new file is listed";
    EXPECT_EQ(Typed(), "mylook.ccf");

    lines[9] = "300";      // FL
    lines[10] = "250";     // FT
    lines[15] = "1";       // CShape: square
    lines[111] = "clRed";  // CHourStr
    WriteLines(Path("mylook.ccf"), lines);
    dialog_->LoadPickedFile();
    EXPECT_TRUE(messages_.Messages().empty());

    RECT frame;
    GetWindowRect(ClockHwnd(), &frame);
    EXPECT_EQ(frame.left, 300);
    EXPECT_EQ(frame.top, 250);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(ClockHwnd(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 1, 1)) << "square now";
    DeleteObject(region);

    // 10:15:30: the hour hand, 40 long, at three quarters of its length.
    Clock().Ticker().Tick();
    const double theta = 2 * 3.14159265358979 * (10 + 15 / 60.0) / 12;
    const int x = 100 + int(std::lround(30 * std::sin(theta)));
    const int y = 100 - int(std::lround(30 * std::cos(theta)));
    EXPECT_EQ(Clock().Face().Pictures().display.PixelAt(x, y), 0xFF0000u);
}

// Trying a gallery clock's look switched every alarm off without a word. Loading asks while an
// alarm is on: Yes keeps them, No takes the file's, and STOP stores what was chosen; a label is
// the program's own and stays either way.
TEST_F(ConfigurationsTest, LoadingAGalleryClockAsksToKeepTheAlarms) {
    char exe[MAX_PATH];
    std::string desk(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
    desk.resize(desk.rfind("\\tests\\"));  // the build, where the gallery is copied
    for (const bool keep : {true, false}) {
        if (!keep) Start();
        ClockSettings& s = Clock().Parts().model.Edit();
        s.Alarm1 = s.Alarm2 = true, s.A1M = 30, s.A2PM = true, s.A2Str = "C:\\tea.wav";
        s.Alarm2Label = "Tea time";
        messages_.AnswerQuestions(keep);
        ASSERT_TRUE(Clock().Parts().files.LoadConfiguration(desk + "\\gallery\\desk.ccf"));
        EXPECT_EQ(messages_.Texts().back(),
                  "Keep your alarms?\n\nAlarm 1 at 0:30\nAlarm 2 at 12:00, "
                  "Tea time\n\nYes loads the look and keeps them; No "
                  "takes the file's alarms too.");
        messages_.Clear();
        ASSERT_TRUE(Clock().Parts().files.LoadConfiguration(desk + "\\gallery\\desk.ccf"));
        EXPECT_EQ(messages_.Messages().empty(), !keep) << "asked again only while an alarm is on";
        Stop();
        for (const char* name : {"Alarm1", "Alarm2", "A2PM"})
            EXPECT_EQ(Stored(name), keep ? "true" : "false");
        EXPECT_EQ(Stored("A1M"), keep ? "30" : "0");
        EXPECT_EQ(Stored("A2Str"), keep ? "C:\\tea.wav" : "");
        EXPECT_EQ(Win32Registry(kProgramKeyPath).ReadValue("Alarm2Label").text, "Tea time");
    }
}

// The drive box selected nothing and listed "[-c-]", the folder list "[..]" and "[bin]", the
// folder that "Save" writes to was shown nowhere, and Enter in the name box did nothing.
TEST_F(ConfigurationsTest, ListsByNameShowsTheFolderAndSavesOnEnter) {
    CreateDirectoryA(Path("older looks").c_str(), nullptr);
    dialog_->Show();
    Pump();
    EXPECT_EQ(GetFocus(), Control(ConfigurationsWindow::kFileList));
    char shown[MAX_PATH] = {};
    GetDlgItemTextA(dialog_->Window(), ConfigurationsWindow::kFolderPath, shown, MAX_PATH);
    EXPECT_EQ(shown, folder_);

    auto items = [](HWND control, UINT count, UINT get) {
        std::vector<std::string> texts;
        for (LRESULT i = 0, n = SendMessageA(control, count, 0, 0); i < n; ++i) {
            char text[MAX_PATH] = {};
            SendMessageA(control, get, WPARAM(i), LPARAM(text));
            texts.push_back(text);
        }
        return texts;
    };
    HWND drives = Control(ConfigurationsWindow::kDriveBox);
    char drive[MAX_PATH] = {};
    SendMessageA(drives, CB_GETLBTEXT, SendMessageA(drives, CB_GETCURSEL, 0, 0), LPARAM(drive));
    EXPECT_EQ(std::string(drive).substr(0, 2), folder_.substr(0, 2)) << "the current drive";
    std::vector<std::string> all = items(drives, CB_GETCOUNT, CB_GETLBTEXT);
    const std::vector<std::string> folders =
        items(Control(ConfigurationsWindow::kFolderList), LB_GETCOUNT, LB_GETTEXT);
    all.insert(all.end(), folders.begin(), folders.end());
    for (const std::string& text : all)
        EXPECT_EQ(text.find_first_of("[]"), std::string::npos) << text;
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders.back().substr(folders.back().find_first_not_of(' ')), "older looks");

    SetFocus(Control(ConfigurationsWindow::kNameBox));
    Type("entered");
    PostMessageA(Control(ConfigurationsWindow::kNameBox), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(Control(ConfigurationsWindow::kNameBox), WM_KEYUP, VK_RETURN, 0xC0000001);
    Pump();
    EXPECT_NE(GetFileAttributesA(Path("entered.ccf").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(SendMessageA(Control(ConfigurationsWindow::kFileList), LB_FINDSTRINGEXACT, WPARAM(-1),
                           LPARAM("entered.ccf")),
              LB_ERR)
        << "listed at once";
    DeleteFileA(Path("entered.ccf").c_str());
    RemoveDirectoryA(Path("older looks").c_str());
}

// A chime heard under the old setup does not hold back the same chime under the one loaded.
TEST_F(ConfigurationsTest, LoadingClearsWhatHasSoundedThisMinute) {
    RecordingPlayer player;
    Clock().Bell().UsePlayer(player);
    Clock().Parts().model.Edit().Chime1 = true;
    time_.time = {2026, 12, 7, 2, 11, 0, 0, 0};
    Clock().Ticker().Tick();
    ASSERT_TRUE(Clock().Model().Sounds().hourChimeDone);
    Type("mylook");
    dialog_->SaveUnderTypedName();
    ASSERT_TRUE(Pick("mylook.ccf"));
    dialog_->LoadPickedFile();
    EXPECT_FALSE(Clock().Model().Sounds().hourChimeDone);
    Clock().Ticker().Tick();
    EXPECT_EQ(player.played.size(), 2u) << "the hour chime again";
}

// The red, green and blue lines of old files are no setting, yet the clock keeps the last loaded
// file's and writes them again.
TEST_F(ConfigurationsTest, ALoadedFilesLegacyColourLinesAreSavedAgain) {
    Type("mylook");
    dialog_->SaveUnderTypedName();
    std::vector<std::string> lines = ReadLines(Path("mylook.ccf"));
    ASSERT_EQ(lines[0], "0");
    lines[0] = "255";  // triple A's red
    lines[99] = "7";   // triple E's blue
    WriteLines(Path("mylook.ccf"), lines);
    ASSERT_TRUE(Pick("mylook.ccf"));
    dialog_->LoadPickedFile();
    Type("again");
    dialog_->SaveUnderTypedName();
    const std::vector<std::string> saved = ReadLines(Path("again.ccf"));
    EXPECT_EQ(saved[0], "255");
    EXPECT_EQ(saved[99], "7");
    DeleteFileA(Path("again.ccf").c_str());
}

// A picked file's name is in the name box, so one click on Save would write over it: it asks.
TEST_F(ConfigurationsTest, SavingOverThePickedFileAsksAndOnlyYesReplacesIt) {
    Type("mylook");
    dialog_->SaveUnderTypedName();
    EXPECT_TRUE(messages_.Messages().empty()) << "a new file needs no question";
    const std::vector<std::string> saved = ReadLines(Path("mylook.ccf"));
    Clock().Parts().model.Edit().CShape = 2;
    ASSERT_TRUE(Pick("mylook.ccf"));
    messages_.AnswerQuestions(false);
    dialog_->SaveUnderTypedName();
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].text, "Replace mylook.ccf?");
    EXPECT_EQ(messages_.Messages()[0].style, MessageStyle::Question);
    EXPECT_EQ(ReadLines(Path("mylook.ccf")), saved) << "No writes nothing";
    messages_.AnswerQuestions(true);
    dialog_->SaveUnderTypedName();
    EXPECT_EQ(ReadLines(Path("mylook.ccf"))[15], "2");
    EXPECT_EQ(GetFileAttributesA(Path("mylook.ccf.ccf").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(Path("mylook.ccf.saving").c_str()), INVALID_FILE_ATTRIBUTES)
        << "no temporary file left";
}

// The sentence of old stays first; the lines after it say which file and what is wrong with it.
TEST_F(ConfigurationsTest, NamesThatCannotBeSavedUnderSayWhy) {
    const std::string sentence = "Unable to save specified file.\n\n";
    const std::pair<const char*, std::string> cases[] = {
        {"", sentence + "No file name was given."},
        {".ccf", sentence + Path(".ccf") + "\nA name is needed before \".ccf\"."},
        {"a/b:c?", sentence + "a/b:c?\nA file name cannot hold the character \":\"."},
        {"tea time?",
         sentence + Path("tea time?") + "\nA file name cannot hold the character \"?\"."},
    };
    for (const auto& [name, said] : cases) {
        messages_.Clear();
        Type(name);
        dialog_->SaveUnderTypedName();
        EXPECT_EQ(messages_.Texts(), std::vector<std::string>{said}) << name;
        ASSERT_EQ(messages_.Messages().size(), 1u);
        EXPECT_EQ(messages_.Messages()[0].style, MessageStyle::Warning) << "with its icon";
    }
    // Four letters were refused: "mine" is saved as mine.ccf, with no box.
    messages_.Clear();
    Type("mine");
    dialog_->SaveUnderTypedName();
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_NE(GetFileAttributesA(Path("mine.ccf").c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(Path("mine.ccf").c_str());
    // A name that names its own folder and drive is no bad name.
    messages_.Clear();
    Type((folder_ + "\\whole path").c_str());
    dialog_->SaveUnderTypedName();
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_NE(GetFileAttributesA(Path("whole path.ccf").c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(Path("whole path.ccf").c_str());
    // A folder that is gone: the write fails and says why.
    messages_.Clear();
    EXPECT_FALSE(Clock().Parts().files.SaveConfiguration(folder_ + "\\no such folder\\look.ccf"));
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{sentence + folder_ + "\\no such folder\\look.ccf\n" +
                                       "There is no such folder."});
}

TEST_F(ConfigurationsTest, ADeletedOrBrokenFileChangesNothing) {
    Type("mylook");
    dialog_->SaveUnderTypedName();
    ASSERT_TRUE(Pick("mylook.ccf"));
    std::vector<std::string> lines = ReadLines(Path("mylook.ccf"));
    DeleteFileA(Path("mylook.ccf").c_str());
    Clock().Parts().model.Edit().CShape = 2;
    dialog_->LoadPickedFile();
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{
                  "Unable to load specified file. File may not exist or be corrupt.\n\n" +
                  Path("mylook.ccf") + "\nThere is no such file."});
    EXPECT_EQ(Clock().Settings().CShape, 2);

    // FT good, FL empty: nothing of the file reaches the clock.
    lines[10] = "250";
    lines[9] = "";
    WriteLines(Path("mylook.ccf"), lines);
    messages_.Clear();
    dialog_->LoadPickedFile();
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"'' is not a valid integer value"});
    EXPECT_EQ(Clock().Settings().FT, 105);
    EXPECT_EQ(Clock().Settings().CShape, 2);
}

TEST_F(ConfigurationsTest, AnEmptyFaceLineKeepsTheFaceShown) {
    Type("mylook");
    dialog_->SaveUnderTypedName();
    // A face of another size is on show; the file names none.
    Picture small{80, 60, std::vector<uint32_t>(80 * 60, 0x123456)};
    Clock().Face().Pictures().face.Own().LoadPicture(small);
    Clock().Face().Pictures().display.LoadPicture(small);
    ASSERT_TRUE(Pick("mylook.ccf"));
    dialog_->LoadPickedFile();
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(Clock().Face().Pictures().face->GetSize(), (Size{80, 60}));
    RECT client;
    GetClientRect(ClockHwnd(), &client);
    EXPECT_EQ(client.right, 80);
}

}  // namespace
}  // namespace marvix

namespace marvix {
namespace {

// Activation pulls a window dragged partly off the screen back inside: the configurations
// window unless IgnoreBoundary, the control menu always.
TEST_F(ConfigurationsTest, ActivationPullsDialogsBackOnTheScreen) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int right = work.right;
    auto pushOffAndActivate = [&](HWND window) {
        SetWindowPos(window, nullptr, right - 40, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(ClockHwnd());
        SetForegroundWindow(window);
        RECT frame;
        GetWindowRect(window, &frame);
        return frame;
    };
    EXPECT_EQ(pushOffAndActivate(dialog_->Window()).right, right);
    Clock().Parts().model.Edit().IgnoreBoundary = true;
    EXPECT_EQ(pushOffAndActivate(dialog_->Window()).left, right - 40);
    EXPECT_EQ(pushOffAndActivate(app_->FirstClock().ControlMenu().Window()).right, right)
        << "always";
}

TEST_F(ConfigurationsTest, TheDialogFontReachesTheListedControls) {
    const auto faceOf = [](HWND control) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
        LOGFONTA logFont{};
        if (font) GetObjectA(font, sizeof logFont, &logFont);
        return std::string(logFont.lfFaceName);
    };
    EXPECT_EQ(faceOf(Control(ConfigurationsWindow::kNameBox)), "MS Sans Serif");
    EXPECT_EQ(faceOf(Control(ConfigurationsWindow::kSaveButton)), "MS Sans Serif");
    EXPECT_EQ(faceOf(Control(ConfigurationsWindow::kFileList)), "MS Sans Serif")
        << "not the system's large bold font";
}

}  // namespace
}  // namespace marvix
