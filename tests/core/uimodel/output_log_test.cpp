// The message log's text rules.
#include "uimodel/LogPlace.h"
#include "uimodel/OutputLog.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(OutputLog, NewlinesBecomeCrLfAndKeepFalseReplaces)
{
    OutputLog log;
    int changes = 0;
    log.setChangedHandler([&] { ++changes; });
    log.AppendText("one\ntwo");
    EXPECT_EQ(log.text(), "one\r\ntwo");
    log.AppendText("\r\nthree\n");
    EXPECT_EQ(log.text(), "one\r\ntwo\r\r\nthree\r\n");
    log.AppendText("a\nb", false);
    EXPECT_EQ(log.text(), "a\r\nb");
    log.Clear();
    EXPECT_EQ(log.text(), "");
    EXPECT_EQ(changes, 4);
}

// The log is UTF-8 whatever it is given: UTF-8 stays as it is, other bytes are Windows-1252.
TEST(OutputLog, KeepsUtf8)
{
    OutputLog log;
    log.AppendText("Gr\xc3\xb6\xc3\x9f" "e \xe5\xaf\xb8\n");
    log.AppendText("caf\xe9 \x80\n");
    EXPECT_EQ(log.text(), "Gr\xc3\xb6\xc3\x9f" "e \xe5\xaf\xb8\r\ncaf\xc3\xa9 \xe2\x82\xac\r\n");
}

// The import's report lines name their place in the script, as a compiler's do; a double
// click on one opens the script there.
TEST(OutputLog, ReportLinesNameTheirPlace)
{
    struct Case {
        const char* line;
        std::optional<LogPlace> place;
    };
    const Case cases[] = {
        {"/home/ta/tools/rig.mel:12:5: warning: -width 300 became 312 in the window model",
         LogPlace{"/home/ta/tools/rig.mel", 12, 5}},
        {"/mnt/c:/old:7:1: warning: x", LogPlace{"/mnt/c:/old", 7, 1}},           // a colon in the name
        {"/tmp/a.mel:3:2:4: warning: x", LogPlace{"/tmp/a.mel:3", 2, 4}},          // a name ending in digits
        {"/tmp/Gr\xc3\xb6\xc3\x9f" "e.mel:1:1: warning: x", LogPlace{"/tmp/Gr\xc3\xb6\xc3\x9f" "e.mel", 1, 1}},
        {"Importing the window of /tmp/a.mel ...", std::nullopt},
        {"Window imported, 2 warning(s).", std::nullopt},
        {":4:2: warning: no file", std::nullopt},
        {"/tmp/a.mel:0:2: warning: line 0", std::nullopt},
        {"/tmp/a.mel:4:: warning: no column", std::nullopt},
        {"/tmp/a.mel:4:2 warning: no blank after", std::nullopt},
        {"/tmp/a.mel:99999999999:2: warning: too long a number", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::optional<LogPlace> found = FindLogPlace(c.line);
        ASSERT_EQ(found.has_value(), c.place.has_value());
        if (found) {
            EXPECT_EQ(found->file, c.place->file);
            EXPECT_EQ(found->line, c.place->line);
            EXPECT_EQ(found->column, c.place->column);
        }
    }
}
