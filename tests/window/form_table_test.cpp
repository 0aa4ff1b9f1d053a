#include "window/form/form_table.h"

#include <algorithm>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app_identity.h"
#include "window/form/panel_texts.h"

namespace ombrelo::window {
namespace {

// Whole pixels, to nearest, from the design's twips.
static_assert(TwipsToPixels(0) == 0 && TwipsToPixels(7) == 0 && TwipsToPixels(8) == 1);
static_assert(TwipsToPixels(15) == 1 && TwipsToPixels(200) == 13 && TwipsToPixels(4250) == 283);
static_assert(TwipsToPixels(4815) == 321 && TwipsToPixels(7215) == 481);

// The panels' texts are constants, so their lines are checked as the tests compile. Every
// line, the last too, ends with CR LF.
constexpr std::size_t LineCount(std::string_view text) {
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2))
        ++lines;
    return text.ends_with("\r\n") ? lines : 0;
}
constexpr std::string_view Line(std::string_view text, std::size_t number) {  // from 1
    for (; number > 1; --number)
        text.remove_prefix(text.find("\r\n") + 2);
    return text.substr(0, text.find("\r\n"));
}
constexpr bool Listed(std::span<const std::size_t> numbers, std::size_t number) {
    return std::ranges::find(numbers, number) != numbers.end();
}
// Blanks stand only where listed: one at the end of a line, two at its start.
constexpr bool BlanksOnlyWhereListed(std::string_view text, std::span<const std::size_t> trailing,
                                     std::span<const std::size_t> leading) {
    for (std::size_t n = 1; !text.empty(); ++n) {
        const std::size_t end = text.find("\r\n");
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
        if (line.find_first_of("\r\n") != std::string_view::npos) return false;
        if (line.ends_with(' ') != Listed(trailing, n) || line.ends_with("  ")) return false;
        if (line.starts_with("  ") != Listed(leading, n) || line.starts_with("   ")) return false;
    }
    return true;
}

constexpr std::size_t kNewTrailingBlank[] = {17, 33, 36, 41, 50, 52, 54, 63, 74};
constexpr std::size_t kNewLeadingBlanks[] = {18, 28, 34, 37, 42, 51, 53, 55, 64, 75};
static_assert(kWhatsNewText.size() == 2162 && LineCount(kWhatsNewText) == 75);
static_assert(BlanksOnlyWhereListed(kWhatsNewText, kNewTrailingBlank, kNewLeadingBlanks));
static_assert(Line(kWhatsNewText, 17) == "*Added Customizable Decimal Place (Default 2 ");
static_assert(Line(kWhatsNewText, 75) == "  selected");

constexpr std::size_t kAboutEmpty[] = {2, 4, 7, 12, 15};
constexpr std::size_t kAboutIndented[] = {6, 9, 10, 11, 14};  // the contacts
static_assert(LineCount(kAboutText) == 16);
static_assert(BlanksOnlyWhereListed(kAboutText, {}, kAboutIndented));
static_assert(std::ranges::all_of(kAboutEmpty, [](auto n) { return Line(kAboutText, n).empty(); }));
static_assert(std::ranges::all_of(std::span(kAboutIndented).subspan(1, 3), [](auto n) {
    return Line(kAboutText, n).find(": ") != std::string_view::npos;  // the messengers
}));

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

// The window's own texts name the program as the build does: a name, version or maker changed
// in CMake fails here until the title, the title and version lines and the panels follow.
TEST(FormTable, TheWindowsTextsCarryTheProgramsIdentity) {
    const std::string name = identity::kProgramName;
    const std::string version = identity::kDisplayVersion;
    const std::string maker = identity::kCompanyName;
    const auto text = [](std::string_view control) {
        return std::ranges::find(FormRows(), control, &ControlRow::name)->text;
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
