// The line storage with its gap and the line widths kept per change: after any mix of
// insertions and removals at scattered points (and undo and redo of them) they hold exactly
// what an array rebuilt from scratch holds.
#include "text/CTextBuffer.h"
#include "text/DisplayLengthCache.h"
#include "text/GapArray.h"
#include "text/TabColumns.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace orv {
namespace {

std::vector<std::string> contents(const GapArray<std::string>& array)
{
    std::vector<std::string> all;
    for (std::size_t i = 0; i < array.size(); ++i)
        all.push_back(array[i]);
    return all;
}

TEST(GapArray, ScatteredInsertionsAndRemovalsMatchAPlainArray)
{
    std::mt19937 random(7);
    GapArray<std::string> array(std::vector<std::string>{"a", "b", "c"}, 2);
    std::vector<std::string> expected{"a", "b", "c"};
    for (int step = 0; step < 3000; ++step) {
        const std::size_t at = random() % (expected.size() + 1);
        if (random() % 3 != 0 || expected.empty()) {
            std::vector<std::string> added;
            for (std::size_t k = random() % 4 + 1; k > 0; --k)
                added.push_back(std::to_string(step) + "/" + std::to_string(k));
            expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
            array.insert(at, added.begin(), added.end());
        } else {
            const std::size_t from = std::min(at, expected.size() - 1);
            const std::size_t count = std::min<std::size_t>(random() % 5, expected.size() - from);
            expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(from),
                           expected.begin() + static_cast<std::ptrdiff_t>(from + count));
            array.erase(from, count);
        }
        ASSERT_EQ(array.size(), expected.size()) << "step " << step;
    }
    EXPECT_EQ(contents(array), expected);
    array.truncate(2);
    EXPECT_EQ(contents(array), (std::vector<std::string>{expected[0], expected[1]}));
}

TEST(LineStorage, EditsAllOverTheTextKeepLinesAndWidthsInStep)
{
    std::mt19937 random(11);
    CTextBuffer buffer;
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += std::string(static_cast<std::size_t>(i % 37), i % 5 == 0 ? '\t' : 'x') + "\r\n";
    buffer.LoadBytes(text);
    DisplayLengthCache widths(buffer, 4);
    const char* const pieces[] = {"\r\n", "ab", "\t\r\n\r\nlong line of text\t\t", "\r\nq", "0123456789012345678901234567890123456789012345"};
    TextPos end;
    for (int step = 0; step < 400; ++step) {
        const int line = static_cast<int>(random() % static_cast<unsigned>(buffer.LineCount()));
        const TextPos at{static_cast<int>(random() % static_cast<unsigned>(buffer.LineLength(line) + 1)), line};
        switch (random() % 4) {
        case 0:
        case 1:
            buffer.InsertTextAt(nullptr, at, pieces[random() % std::size(pieces)], end);
            break;
        case 2: {
            const int last = std::min(buffer.LineCount() - 1, line + static_cast<int>(random() % 3));
            buffer.EraseRange(nullptr, at, {static_cast<int>(random() % static_cast<unsigned>(buffer.LineLength(last) + 1)), last});
            break;
        }
        default: {
            TextPos cursor;
            if (random() % 2)
                buffer.UndoGroup(cursor);
            else
                buffer.RedoGroup(cursor);
        }
        }
        int longest = 0;
        for (int l = 0; l < buffer.LineCount(); ++l) {
            const int width = displayLength(buffer.LineText(l), 4);
            longest = std::max(longest, width);
            ASSERT_EQ(widths.lineLength(l), width) << "step " << step << " line " << l;
        }
        ASSERT_EQ(widths.longestLine(), longest) << "step " << step;
        ASSERT_EQ(widths.lineLength(buffer.LineCount()), 0);
    }
    TextPos cursor;
    while (buffer.UndoGroup(cursor)) {
    }
    EXPECT_EQ(buffer.CopyRange({0, 0}, buffer.EndPos()), text);
    widths.setTabSize(8);
    EXPECT_EQ(widths.longestLine(), 36 * 8);  // line 110: 36 tabs
}

} // namespace
} // namespace orv
