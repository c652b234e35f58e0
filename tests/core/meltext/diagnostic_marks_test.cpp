// Marks of check findings: placed from lines and columns counted from 1, cut to the text,
// following edits until the next check, dropped when their own bytes are edited.
#include "meltext/DiagnosticMarks.h"

#include "text/TextEditModel.h"

#include "../text/TextTestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

// A buffer whose marks follow its changes, as a view's do.
class Marked : public testing::Test, public TextBufferWatcher {
protected:
    void SetUp() override
    {
        fill(buffer, "button -lable \"a\";\r\nwindow -tite \"b\";\r\nshowWindow;");
        edit.reset();
        buffer.AttachView(this);
        marks.set({{1, 8, 6, MelSeverity::warning, "lable"}, {2, 8, 5, MelSeverity::error, "tite"}}, buffer);
    }
    void TearDown() override { buffer.DetachView(this); }
    void onTextUpdate(const TextBufferWatcher*, const TextChange* change, unsigned, int) override
    {
        if (change)
            marks.follow(*change);
    }
    void typeAt(TextPos at, const std::string& text)
    {
        edit.setCursor(at);
        for (const char c : text)
            edit.typeChar(c);
    }
    // Where each mark is now: line, first and last byte.
    std::vector<std::tuple<int, int, int>> spans() const
    {
        std::vector<std::tuple<int, int, int>> all;
        for (const DiagnosticMark& m : marks.marks())
            all.emplace_back(m.start.line, m.start.ch, m.end.ch);
        return all;
    }

    CTextBuffer buffer;
    TextEditModel edit{&buffer};
    DiagnosticMarks marks;
};

using Spans = std::vector<std::tuple<int, int, int>>;

TEST_F(Marked, FindingsBecomeMarksFromZeroAndOutOfRangeOnesAreCutOrDropped)
{
    EXPECT_EQ(spans(), (Spans{{0, 7, 13}, {1, 7, 12}}));
    marks.set({{3, 12, 1, MelSeverity::error, "at the end"},
               {3, 5, 99, MelSeverity::warning, "past the end"},
               {4, 1, 1, MelSeverity::warning, "no such line"},
               {0, 1, 1, MelSeverity::warning, "no such line"}},
              buffer);
    // "showWindow;" has 11 bytes: a finding after its end still gets one cell to show.
    EXPECT_EQ(spans(), (Spans{{2, 4, 11}, {2, 11, 12}}));
}

TEST_F(Marked, MarksFollowEditsAroundThemAndGoWhenTheirBytesChange)
{
    typeAt({0, 0}, "  ");  // before the first mark on its line
    EXPECT_EQ(spans(), (Spans{{0, 9, 15}, {1, 7, 12}}));
    typeAt({15, 0}, "x");  // right after it: the mark does not grow
    EXPECT_EQ(spans(), (Spans{{0, 9, 15}, {1, 7, 12}}));
    typeAt({0, 0}, "\r");  // a new line above moves both down
    EXPECT_EQ(spans(), (Spans{{1, 9, 15}, {2, 7, 12}}));
    typeAt({10, 2}, "l");  // inside "-tite": that mark goes, the other stays
    EXPECT_EQ(spans(), (Spans{{1, 9, 15}}));
    // Erasing lines above brings the mark up; erasing its bytes removes it.
    edit.setSelection({0, 0}, {0, 1});
    edit.deleteForward();
    EXPECT_EQ(spans(), (Spans{{0, 9, 15}}));
    edit.setSelection({8, 0}, {10, 0});
    edit.deleteForward();
    EXPECT_TRUE(marks.marks().empty());
}

TEST_F(Marked, TheMarkUnderAPointAndAtTheCursor)
{
    EXPECT_EQ(marks.under({7, 0})->text, "lable");
    EXPECT_EQ(marks.under({12, 0})->text, "lable");
    EXPECT_EQ(marks.under({13, 0}), nullptr);
    EXPECT_EQ(marks.under({6, 0}), nullptr);
    // A cursor right after the word still stands on it.
    EXPECT_EQ(marks.atCursor({13, 0})->text, "lable");
    EXPECT_EQ(marks.atCursor({14, 0}), nullptr);
    EXPECT_EQ(marks.onLine(1).size(), 1u);
    EXPECT_EQ(marks.onLine(1).front()->severity, MelSeverity::error);
    EXPECT_TRUE(marks.onLine(2).empty());
}

} // namespace
