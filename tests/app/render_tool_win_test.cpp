// marvix-render.exe as users and golden-frame tests run it.
#include <windows.h>

#include <fstream>
#include <iterator>

#include "../support/clock_fixture_win.h"
#include "../support/test_bitmaps.h"

namespace marvix {
namespace {

struct Frame24 {
    int width = 0, height = 0;
    std::vector<uint8_t> bytes;
    uint32_t At(int x, int y) const {  // bottom-up, blue first
        const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
        const uint8_t* p = bytes.data() + 54 + stride * size_t(height - 1 - y) + size_t(x) * 3;
        return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    }
};

class RenderToolTest : public ClockFixture {
protected:
    static std::string Tool() {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder(path);
        folder.resize(folder.find_last_of('\\'));
        return folder.substr(0, folder.find_last_of('\\')) + "\\marvix-render.exe";
    }
    static DWORD Run(const std::string& arguments) {
        std::string command = "\"";
        command.append(Tool()).append("\" ").append(arguments);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            return 0xFFFFFFFF;
        }
        WaitForSingleObject(process.hProcess, 60000);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        return code;
    }
    static Frame24 Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        Frame24 frame;
        frame.bytes.assign(std::istreambuf_iterator<char>(file), {});
        if (frame.bytes.size() < 54 || frame.bytes[28] != 24) return frame;
        frame.width = int(frame.bytes[18] | frame.bytes[19] << 8);
        frame.height = int(frame.bytes[22] | frame.bytes[23] << 8);
        return frame;
    }
    static std::string OutputPath(const char* name) { return WriteTempFile(name, {}); }
};

TEST_F(RenderToolTest, BadArgumentsGetTheUsageAndAFailingExit) {
    EXPECT_EQ(Run(""), 2u);
    EXPECT_EQ(Run("2026-12-07T10:15:30"), 2u);
    EXPECT_EQ(Run("2026-02-30T10:15:30 out.bmp"), 2u);
    EXPECT_EQ(Run("--bias x 2026-12-07T10:15:30 out.bmp"), 2u);
    EXPECT_EQ(Run("2026-12-07T10:15:30 out.bmp extra"), 2u);
}

TEST_F(RenderToolTest, RendersTheDefaultFaceWithoutTouchingTheRegistry) {
    const std::string out = OutputPath("marvix-render-default.bmp");
    ASSERT_EQ(Run("--bias -60 2026-12-07T10:15:30.250 \"" + out + "\""), 0u);
    const Frame24 frame = Read(out);
    ASSERT_EQ(frame.width, 200);
    ASSERT_EQ(frame.height, 200);
    EXPECT_EQ(frame.At(100, 100), 0x800000u);
    EXPECT_EQ(frame.At(1, 1), 0u);
    EXPECT_EQ(frame.At(100, 130), 0xFFFFFFu);
    EXPECT_EQ(Stored("FL"), "<missing>") << "the settings are read, never written";
}

TEST_F(RenderToolTest, MirroredFrameIsExactToTheLastColumn) {
    // Left half red, right half blue, one green column at the left edge.
    const std::vector<uint8_t> face = PaletteBitmap(
        60, 40, {0xFF0000, 0x0000FF, 0x00FF00},
        [](int x, int) { return x == 0 ? 2 : x < 30 ? 0 : 1; });
    Store("BackPic", WriteTempFile("marvix-halves.bmp", face));
    const std::string plain = OutputPath("marvix-render-plain.bmp");
    ASSERT_EQ(Run("2026-12-07T10:15:30 \"" + plain + "\""), 0u);
    Store("Reversed", "true");
    const std::string mirrored = OutputPath("marvix-render-mirrored.bmp");
    ASSERT_EQ(Run("2026-12-07T10:15:30 \"" + mirrored + "\""), 0u);

    const Frame24 a = Read(plain), b = Read(mirrored);
    ASSERT_EQ(a.width, 60);
    ASSERT_EQ(b.width, 60);
    for (int y = 0; y < 40; y += 13) {
        for (int x = 0; x < 60; ++x) ASSERT_EQ(b.At(x, y), a.At(59 - x, y)) << x << "," << y;
    }
    EXPECT_EQ(b.At(59, 0), 0x00FF00u);
}

}  // namespace
}  // namespace marvix
