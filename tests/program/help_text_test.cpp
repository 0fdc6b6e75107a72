// The help as a user meets it: every control of every settings window is explained in that
// window's topic, and paragraphs reach the window whole, for it to wrap.
#include "program/help_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "dialogs/settings_windows.h"

namespace marvix {
namespace {

std::vector<HelpTopic> TheHelp() {
    std::ifstream file(MARVIX_HELP_FILE, std::ios::binary);
    return ParseHelp(std::string{std::istreambuf_iterator<char>(file), {}});
}

TEST(Help, EverySettingsWindowsTopicNamesEachOfItsControls) {
    const std::vector<HelpTopic> help = TheHelp();
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(help.front().key, "contents");
    for (const DialogTable& table : AllDialogTables()) {
        const auto topic = std::find_if(
            help.begin(), help.end(), [&](const HelpTopic& t) { return t.key == table.className; });
        ASSERT_NE(topic, help.end()) << "no topic for " << table.className;
        const std::string text = TopicText(*topic);
        for (const ControlRow& row : table.rows) {
            std::vector<std::string_view> captions = {row.caption};
            for (std::string_view items = row.items;
                 row.type == ControlType::RadioGroup && !items.empty();) {
                const size_t bar = items.find('|');
                captions.push_back(items.substr(0, bar));
                items = bar == items.npos ? std::string_view{} : items.substr(bar + 1);
            }
            for (std::string_view caption : captions) {
                if (caption.empty()) continue;
                EXPECT_NE(text.find(caption), std::string::npos)
                    << table.className << "'s help says nothing of \"" << caption << '"';
            }
        }
    }
}

TEST(Help, ParagraphsAreJoinedAndNotesLeftOut) {
    const std::vector<HelpTopic> help = ParseHelp(
        "; a note\r\n# contents | Contents\r\nOne line\r\nand the next.\r\n\r\nAnother.\r\n"
        "# TForm2 | The hands window\nText.");
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].title, "Contents");
    EXPECT_EQ(TopicText(help[0]), "One line and the next.\r\n\r\nAnother.");
    EXPECT_EQ(help[1].key, "TForm2");
    for (const HelpTopic& topic : TheHelp()) {
        for (const std::string& paragraph : topic.paragraphs) {
            EXPECT_EQ(paragraph.find('\n'), std::string::npos) << topic.key;
        }
    }
}

}  // namespace
}  // namespace marvix
