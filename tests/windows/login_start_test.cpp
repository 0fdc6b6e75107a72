#include "windows/login_start.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

TEST(LoginStart, TheCommandIsTheQuotedPath) {
    EXPECT_EQ(RunCommandFor("C:\\Program Files\\Marvix\\marvix.exe"),
              "\"C:\\Program Files\\Marvix\\marvix.exe\"");
}

TEST(LoginStart, AStoredCommandRunsThisProgramOnlyWhenItNamesItsFile) {
    const char* here = "C:\\Users\\ann\\AppData\\Local\\Programs\\Marvix\\marvix.exe";
    struct Case {
        const char* command;
        bool runs;
    };
    const Case cases[] = {
        {"\"C:\\Users\\ann\\AppData\\Local\\Programs\\Marvix\\marvix.exe\"", true},
        {"  \"c:\\users\\ANN\\appdata\\local\\programs\\marvix\\MARVIX.EXE\" /tray", true},
        {"C:\\Users\\ann\\AppData\\Local\\Programs\\Marvix\\marvix.exe", true},
        {"C:\\Users\\ann\\AppData\\Local\\Programs\\Marvix\\marvix.exe /x", true},
        {"\"D:\\Old copy\\marvix.exe\"", false},  // a copy that has since moved
        {"\"C:\\Users\\ann\\AppData\\Local\\Programs\\Marvix\\marvix.exe", false},  // unclosed
        {"\"C:\\Users\\ann\\AppData\\Local\\Programs\\Marvix\\marvix.exe.bak\"", false},
        {"", false},
        {"\"\"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(RunsProgram(c.command, here), c.runs) << c.command;
}

}  // namespace
}  // namespace marvix
