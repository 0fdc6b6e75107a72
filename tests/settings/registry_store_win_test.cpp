// The registry store against Wine's real registry.
#include "settings/registry_store_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/scoped_handles_win.h"

namespace marvix {
namespace {

struct RawValue {
    DWORD type = 0;
    std::string data;  // every byte, NULs included
};

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteKey(); }
    void TearDown() override { DeleteKey(); }

    static void DeleteKey() { RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKeyPath); }

    static bool KeyExists() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKeyPath, 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    static void Put(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kRegistryKeyPath, 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ScopedRegKey owner(key);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }
    static void PutText(const char* name, const std::string& text) {
        Put(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }

    static std::map<std::string, RawValue> AllValues() {
        std::map<std::string, RawValue> values;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKeyPath, 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return values;
        }
        ScopedRegKey owner(key);
        for (DWORD index = 0;; ++index) {
            char name[256];
            DWORD nameLength = sizeof name;
            BYTE data[4096];
            DWORD dataLength = sizeof data;
            DWORD type = 0;
            if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataLength) !=
                ERROR_SUCCESS) {
                break;
            }
            values[name] = {type, std::string(reinterpret_cast<char*>(data), dataLength)};
        }
        return values;
    }

    ClockSettings LoadAll(std::vector<std::string>& errors) {
        ClockSettings settings;
        ReadAllSettings(settings, registry_, errors);
        return settings;
    }

    Win32Registry registry_;
};

TEST_F(RegistryStoreTest, WithoutAKeyEverySettingIsItsDefaultAndTheExitWrites321Texts) {
    ASSERT_FALSE(KeyExists());
    std::vector<std::string> errors;
    ClockSettings settings = LoadAll(errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(KeyExists()) << "the first read creates the key";
    for (const SettingDef& def : AllSettings()) {
        EXPECT_EQ(SettingText(settings, def), def.defaultText) << def.name;
    }
    EXPECT_TRUE(AllValues().empty()) << "reading writes nothing";

    ASSERT_TRUE(WriteSettings(settings, registry_, ExitSettings(), errors));
    const std::map<std::string, RawValue> values = AllValues();
    EXPECT_EQ(values.size(), 321u);
    EXPECT_FALSE(values.count("Still"));
    for (const SettingDef& def : AllSettings()) {
        if (def.name == "Still") continue;
        SCOPED_TRACE(std::string(def.name));
        auto found = values.find(std::string(def.name));
        ASSERT_NE(found, values.end());
        EXPECT_EQ(found->second.type, static_cast<DWORD>(REG_SZ));
        // The text and exactly one terminating NUL.
        EXPECT_EQ(found->second.data, std::string(def.defaultText) + '\0');
    }
}

TEST_F(RegistryStoreTest, DataIsTheTextBeforeTheFirstNul) {
    Put("MoveIt", REG_SZ, "false\0garbage", 14);
    Put("HideMe", REG_SZ, "true", 4);  // stored without any NUL
    Put("Reversed", REG_SZ, "true\0", 5);
    Put("HandZ3", REG_EXPAND_SZ, "Hour", 5);
    std::vector<std::string> errors;
    ClockSettings settings = LoadAll(errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(settings.MoveIt);
    EXPECT_TRUE(settings.HideMe);
    EXPECT_TRUE(settings.Reversed);
    EXPECT_EQ(settings.HandZ3, "Hour");
}

TEST_F(RegistryStoreTest, LongAndEmptyTextsReadWhole) {
    const std::string longName(10000, 'x');
    PutText("BackPic", longName);
    Put("DDir", REG_SZ, "", 0);
    PutText("DLetter", "");
    std::vector<std::string> errors;
    ClockSettings settings = LoadAll(errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(settings.BackPic, longName);
    EXPECT_EQ(settings.DDir, "");
    EXPECT_EQ(settings.DLetter, "");
}

TEST_F(RegistryStoreTest, ANonStringValueIsReportedAndTakesItsDefault) {
    const DWORD number = 300;
    Put("FL", REG_DWORD, &number, sizeof number);
    PutText("FT", "250");
    std::vector<std::string> errors;
    ClockSettings settings = LoadAll(errors);
    EXPECT_EQ(errors, std::vector<std::string>{"Invalid data type for 'FL'"});
    EXPECT_EQ(settings.FL, 194);
    EXPECT_EQ(settings.FT, 250);
}

TEST_F(RegistryStoreTest, ABadFontSizeIsReportedAndTheOtherFontsStillLoad) {
    PutText("FSize5", "abc");
    PutText("FSize6", "12");
    PutText("DFont12", "Courier New");
    PutText("CFont12", "clRed");
    std::vector<std::string> errors;
    ClockSettings settings = LoadAll(errors);
    EXPECT_EQ(errors, std::vector<std::string>{"'abc' is not a valid integer value"});
    EXPECT_EQ(settings.FSize5, 8);
    EXPECT_EQ(settings.FSize6, 12);
    EXPECT_EQ(settings.DFont12, "Courier New");
    EXPECT_EQ(settings.CFont12.value, Colour::Rgb(255, 0, 0));
}

TEST_F(RegistryStoreTest, StillSurvivesEverySaveUntouched) {
    PutText("Still", "false");
    std::vector<std::string> errors;
    ClockSettings settings = LoadAll(errors);
    EXPECT_FALSE(settings.Still);
    ASSERT_TRUE(WriteSettings(settings, registry_, ExitSettings(), errors));
    ASSERT_TRUE(WriteSettings(settings, registry_, ExitSettings(), errors));
    EXPECT_EQ(AllValues()["Still"].data, std::string("false") + '\0');
    EXPECT_EQ(AllValues().size(), 322u);
}

TEST_F(RegistryStoreTest, ColourTextsComeBackAsStoredAndFontColoursByName) {
    PutText("ColorDayStr", "clwhite");
    PutText("ColorDateStr", "255");
    PutText("CFont3", "255");
    PutText("CFont4", "clwhite");
    PutText("FStyle1", "bi");
    std::vector<std::string> errors;
    ClockSettings settings = LoadAll(errors);
    ASSERT_TRUE(WriteSettings(settings, registry_, ExitSettings(), errors));
    std::map<std::string, RawValue> values = AllValues();
    EXPECT_EQ(values["ColorDayStr"].data, std::string("clwhite") + '\0');
    EXPECT_EQ(values["ColorDateStr"].data, std::string("255") + '\0');
    EXPECT_EQ(values["CFont3"].data, std::string("clRed") + '\0');
    EXPECT_EQ(values["CFont4"].data, std::string("clWhite") + '\0');
    EXPECT_EQ(values["FStyle1"].data, std::string("bi") + '\0');
}

}  // namespace
}  // namespace marvix
