#include "window/form/form_table.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app_identity.h"
#include "window/form/panel_texts.h"

namespace ombrelo::window {
namespace {

std::vector<std::string_view> SplitCrLfLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(text);  // an unterminated last line: the tests below catch it
            break;
        }
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    return lines;
}

TEST(FormTable, TwipsRoundToTheNearestPixel) {
    struct Case {
        int twips;
        int pixels;
    };
    constexpr Case kCases[] = {
        {0, 0}, {7, 0}, {8, 1}, {15, 1}, {200, 13}, {4250, 283}, {4815, 321}, {7215, 481},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.twips);
        EXPECT_EQ(TwipsToPixels(c.twips), c.pixels);
    }
}

TEST(FormTable, TabIndexesZeroToSixtyThreeEachUsedOnce) {
    std::vector<int> indexes;
    for (const ControlRow& row : FormRows()) {
        if (row.tabIndex >= 0) indexes.push_back(row.tabIndex);
    }
    std::ranges::sort(indexes);
    ASSERT_EQ(indexes.size(), 64U);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(indexes[static_cast<std::size_t>(i)], i);
}

TEST(FormTable, EveryControlHasOneNameAndSitsInAFrameListedBeforeIt) {
    std::set<std::string> names;
    std::set<std::string_view> frames;
    for (const ControlRow& row : FormRows()) {
        SCOPED_TRACE(ObjectName(row));
        EXPECT_TRUE(names.insert(ObjectName(row)).second) << "listed twice";
        if (!row.container.empty()) {
            EXPECT_TRUE(frames.contains(row.container));
        }
        if (row.kind == ControlKind::Frame) {
            EXPECT_TRUE(row.container.empty()) << "frames sit on the window";
            frames.insert(row.name);
        }
    }
    EXPECT_EQ(names.size(), 66U);
}

TEST(PanelTexts, WhatsNewHasSeventyFiveCrLfLinesWithTheirBlanks) {
    EXPECT_EQ(kWhatsNewText.size(), 2162U);
    EXPECT_TRUE(kWhatsNewText.ends_with("\r\n"));
    const std::vector<std::string_view> lines = SplitCrLfLines(kWhatsNewText);
    ASSERT_EQ(lines.size(), 75U);

    const std::set<std::size_t> trailingBlank{17, 33, 36, 41, 50, 52, 54, 63, 74};
    const std::set<std::size_t> leadingTwoBlanks{18, 28, 34, 37, 42, 51, 53, 55, 64, 75};
    for (std::size_t number = 1; number <= lines.size(); ++number) {
        const std::string_view line = lines[number - 1];
        SCOPED_TRACE(number);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos);
        EXPECT_EQ(line.ends_with(' '), trailingBlank.contains(number));
        EXPECT_FALSE(line.ends_with("  "));
        EXPECT_EQ(line.starts_with("  "), leadingTwoBlanks.contains(number));
        EXPECT_FALSE(line.starts_with("   "));
    }
    EXPECT_EQ(lines.front(), "Version 1.1");
    EXPECT_EQ(lines[16], "*Added Customizable Decimal Place (Default 2 ");
    EXPECT_EQ(lines.back(), "  selected");
}

TEST(PanelTexts, AboutHasSixteenCrLfLines) {
    const std::vector<std::string_view> lines = SplitCrLfLines(kAboutText);
    ASSERT_EQ(lines.size(), 16U);
    EXPECT_TRUE(kAboutText.ends_with("\r\n"));
    EXPECT_EQ(lines[0], "Ombrelo 1.1");
    for (const std::size_t empty : {1U, 3U, 6U, 11U, 14U})
        EXPECT_TRUE(lines[empty].empty());
    for (const std::size_t contact : {5U, 8U, 9U, 10U, 13U}) {
        EXPECT_TRUE(lines[contact].starts_with("  ")) << contact + 1;
    }
    for (const std::size_t messenger : {8U, 9U, 10U}) {
        EXPECT_NE(lines[messenger].find(": "), std::string_view::npos) << messenger + 1;
    }
    EXPECT_EQ(lines[15], "-Vesk");
}

// The window's own texts name the program as the build does: a name, version or maker changed
// in CMake fails here until the title, the title and version lines and the panels follow.
TEST(FormTable, TheWindowsTextsCarryTheProgramsIdentity) {
    const std::string name = identity::kProgramName;
    const std::string version = identity::kDisplayVersion;
    const std::string maker = identity::kCompanyName;
    const auto text = [](std::string_view control) {
        const auto rows = FormRows();
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [control](const ControlRow& r) { return r.name == control; });
        return row == rows.end() ? std::string_view() : row->text;
    };
    EXPECT_EQ(FormWindow().caption, name + " v" + version + " ~by " + maker);
    EXPECT_EQ(text("lblTitle"), name);
    EXPECT_EQ(text("lblVersion"), "Version " + version);
    EXPECT_TRUE(kWhatsNewText.starts_with("Version " + version + "\r\n"));
    EXPECT_TRUE(kAboutText.starts_with(name + " " + version + "\r\n"));
    EXPECT_TRUE(kAboutText.ends_with("-" + maker + "\r\n"));
}

}  // namespace
}  // namespace ombrelo::window
