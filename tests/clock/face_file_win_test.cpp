// Face files at start-up: the bit-count and size tests, their messages, the fallback face for
// one too big for the screen, files that lie, and the desktop snapshot.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "../support/clock_fixture_win.h"
#include "../support/test_bitmaps.h"

namespace marvix {
namespace {

constexpr char kCannotLoad[] = "Unable to load specified file. File may not exist or be corrupt.";

class FaceFileTest : public ClockFixture {
protected:
    Size Client() {
        RECT client;
        GetClientRect(ClockHwnd(), &client);
        return {client.right, client.bottom};
    }
    uint32_t FacePixel(int x, int y) { return Clock().Face().Pictures().face->PixelAt(x, y); }
};

TEST_F(FaceFileTest, EightBitsLoadAndNineAreRefused) {
    Store("BackPic", WriteTempFile("marvix-eight.bmp", SolidBitmap(64, 48, 0x3366CC)));
    Start();
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(Client(), (Size{64, 48}));
    EXPECT_EQ(FacePixel(10, 10), 0x3366CCu);
    Clock().Ticker().Tick();
    EXPECT_EQ(Clock().Face().Pictures().display.PixelAt(63, 47), 0x3366CCu);
    app_.reset();

    std::vector<uint8_t> nine = SolidBitmap(64, 48, 0x3366CC);
    nine[28] = 9;
    Store("BackPic", WriteTempFile("marvix-nine.bmp", nine));
    Start();
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{"Clock face bmp cannot have more than 256 colors."});
    EXPECT_EQ(Client(), (Size{200, 200})) << "the built-in face stays";
}

TEST_F(FaceFileTest, ThreeMillionAndTwoThousandBytesLoadOneMoreIsRefused) {
    Store("BackPic", WriteTempFile("marvix-limit.bmp", SolidBitmap(100, 90, 0x00FF00, 3072000)));
    Start();
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(Client(), (Size{100, 90}));
    app_.reset();

    Store("BackPic", WriteTempFile("marvix-over.bmp", SolidBitmap(100, 90, 0x00FF00, 3072001)));
    Start();
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].text,
              "File too large to place. Can be no larger than 3 Meg.");
    EXPECT_EQ(messages_.Messages()[0].style, MessageStyle::Information);
    EXPECT_EQ(Client(), (Size{200, 200}));
}

TEST_F(FaceFileTest, AFaceWiderThanTheScreenGivesTheFallbackFace) {
    Store("BackPic", WriteTempFile("marvix-wide.bmp", SolidBitmap(2000, 100, 0xFFFFFF)));
    Start();
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(Client(), (Size{100, 100}));
    EXPECT_EQ(FacePixel(1, 1), 0u) << "black";
    int red = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) red += (FacePixel(x, y) >> 16) > 0xC0;
    }
    EXPECT_GT(red, 100) << "red lettering";
    Stop();
    EXPECT_NE(Stored("BackPic").find("marvix-wide.bmp"), std::string::npos)
        << "the next start tries the same face again";
}

// A configuration names its face from its own folder, as the gallery's do. Loaded, the clock
// holds the face's whole path, so that the next start finds it from any folder; the file keeps
// its own text.
TEST_F(FaceFileTest, AFaceNamedFromItsConfigurationsFolderLastsAcrossAStartElsewhere) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "marvix-gallery";
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\faces").c_str(), nullptr);
    WriteTempFile("marvix-gallery\\faces\\wide.bmp", SolidBitmap(96, 64, 0x3366CC));
    const std::string config = folder + "\\wide.ccf";
    Start();
    Clock().Parts().model.Edit().BackPic = "faces\\wide.bmp";
    ASSERT_TRUE(Clock().Parts().files.SaveConfiguration(config));
    Clock().Parts().model.Edit().BackPic = "";

    SetCurrentDirectoryA("C:\\");
    ASSERT_TRUE(Clock().Parts().files.LoadConfiguration(config));
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(Clock().Settings().BackPic, folder + "\\faces\\wide.bmp");
    EXPECT_EQ(Client(), (Size{96, 64}));
    Stop();
    app_.reset();

    SetCurrentDirectoryA(temp);  // another folder than the one the first clock ran in
    Start();
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(Client(), (Size{96, 64}));
    EXPECT_EQ(FacePixel(10, 10), 0x3366CCu);
    char text[4096] = {};
    FILE* file = std::fopen(config.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    text[std::fread(text, 1, sizeof text - 1, file)] = 0;
    std::fclose(file);
    EXPECT_NE(std::string(text).find("\r\nfaces\\wide.bmp\r\n"), std::string::npos)
        << "the file keeps naming its face from its own folder";
}

// The message names the file whole: a face named relative to another folder is looked for in the
// one the clock started in.
TEST_F(FaceFileTest, MissingShortAndLyingFilesAreReportedAndStartUpGoesOn) {
    Store("BackPic", "C:\\no\\such\\face.bmp");
    Start();
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{std::string(kCannotLoad) +
                                       "\n\nC:\\no\\such\\face.bmp\nThere is no such folder."});
    EXPECT_TRUE(IsWindowVisible(ClockHwnd()));
    EXPECT_EQ(Client(), (Size{200, 200}));
    app_.reset();
    messages_.Clear();

    const std::string shortFile = WriteTempFile("marvix-short.bmp", std::vector<uint8_t>(20, 'B'));
    Store("BackPic", shortFile);
    Start();
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{std::string(kCannotLoad) + "\n\n" + shortFile +
                                       "\nIt is too short to be a picture."});
    app_.reset();
    messages_.Clear();

    // The header promises 64 x 48 pixels; the file ends after its palette.
    std::vector<uint8_t> lying = SolidBitmap(64, 48, 0x3366CC);
    lying.resize(14 + 40 + 1024);
    Store("BackPic", WriteTempFile("marvix-lying.bmp", lying));
    Start();
    EXPECT_EQ(messages_.Texts(),
              (std::vector<std::string>{"Invalid graphic name.", "Invalid graphic name."}));
    EXPECT_EQ(Client(), (Size{200, 200}));
    EXPECT_EQ(FacePixel(100, 100), 0x800000u) << "the built-in face stays";
}

TEST_F(FaceFileTest, WallpaperFaceIsTheDesktopBehindTheWindow) {
    // Something to see behind the clock: a window of one colour where the clock will stand.
    HBRUSH teal = CreateSolidBrush(RGB(0, 128, 128));
    WNDCLASSA backdrop{};
    backdrop.lpfnWndProc = DefWindowProcA;
    backdrop.hInstance = GetModuleHandleA(nullptr);
    backdrop.hbrBackground = teal;
    backdrop.lpszClassName = "MarvixTestBackdrop";
    RegisterClassA(&backdrop);
    HWND behind = CreateWindowExA(0, "MarvixTestBackdrop", "", WS_POPUP | WS_VISIBLE, 150, 150, 300,
                                  300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    UpdateWindow(behind);

    Store("UseWall", "true");
    Store("TranWidth", "120");
    Store("TranHeight", "80");
    Store("FL", "200");
    Store("FT", "200");
    Start();
    EXPECT_EQ(Client(), (Size{120, 80}));
    EXPECT_EQ(Clock().Face().Pictures().face->GetSize(), (Size{120, 80}));
    EXPECT_EQ(FacePixel(60, 40), 0x008080u);
    EXPECT_TRUE(IsWindowVisible(ClockHwnd()));
    DestroyWindow(behind);
    DeleteObject(teal);
}

}  // namespace
}  // namespace marvix
