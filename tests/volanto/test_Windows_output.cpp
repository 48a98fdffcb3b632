// How the rendering window breaks the driver's strings into lines: at a
// blank that fits, a word too long for any line cut at the line's end, no
// line past the most asked for, and nothing read past the text's end.
#include <gtest/gtest.h>

#include "Windows.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> lines_of(const char* text, int cols, int most)
{
    int starts[16], lengths[16];
    int n = fit_text_lines(text, cols, most, starts, lengths);
    std::vector<std::string> lines;
    for (int l = 0; l < n; l++) lines.emplace_back(text + starts[l], (size_t)lengths[l]);
    return lines;
}

}  // namespace

TEST(TextLines, BreakAtABlankThatFits)
{
    using L = std::vector<std::string>;
    const struct {
        const char* text;
        int cols, most;
        L want;
    } cases[] = {
        {"GL_A GL_BB GL_CCC", 10, 9, L{"GL_A GL_BB", "GL_CCC"}},
        {"GL_A GL_BB GL_CCC", 9, 9, L{"GL_A", "GL_BB", "GL_CCC"}},
        {"GL_A GL_BB GL_CCC", 17, 9, L{"GL_A GL_BB GL_CCC"}},
        {"GL_A GL_BB GL_CCC", 9, 2, L{"GL_A", "GL_BB"}},             // no more lines than asked
        {"  GL_A   GL_BB  ", 6, 9, L{"GL_A", "GL_BB"}},               // blanks at a break belong to none
        {"GL_A GL_BB ", 4, 9, L{"GL_A", "GL_B", "B"}},                // too long a word is cut
        {"ABCDEFGHIJKL", 5, 9, L{"ABCDE", "FGHIJ", "KL"}},
        {"", 10, 9, L{}},
        {"    ", 10, 9, L{}},
        {"GL_A", 10, 0, L{}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines_of(c.text, c.cols, c.most), c.want) << '"' << c.text << "\" in " << c.cols;
}

// A driver's thousands of characters in the window's 73 columns and nine
// lines: every line whole names, the last one where the ninth ends.
TEST(TextLines, ALongExtensionStringFillsItsLinesAndStops)
{
    std::string text;
    for (int k = 0; k < 300; k++) text += "GL_EXT_name_" + std::to_string(k) + " ";
    std::vector<std::string> lines = lines_of(text.c_str(), 73, 9);
    ASSERT_EQ(lines.size(), 9u);
    std::string joined;
    for (const std::string& l : lines) {
        EXPECT_LE(l.size(), 73u);
        EXPECT_GT(l.size(), 73u - 16) << "a line wastes no more than a name's room";
        EXPECT_NE(l.front(), ' ');
        EXPECT_NE(l.back(), ' ');
        joined += l + " ";
    }
    EXPECT_EQ(text.compare(0, joined.size(), joined), 0) << "the lines are the text's start, names whole";
}
