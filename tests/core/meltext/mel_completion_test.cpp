// Completion at the cursor: which words and flags are offered where, how the list narrows,
// what an item replaces, and that the insertion undoes as one group.
#include "meltext/MelCompletion.h"

#include "mel/CommandDatabase.h"
#include "text/TextEditModel.h"

#include "../text/TextTestSupport.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

class Completion : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(LoadMelDatabases(ORVANTE_DATABASE_DIR "/..").words, LoadResult::ok);
    }
};

std::vector<std::string> texts(const std::vector<CompletionItem>& items)
{
    std::vector<std::string> all;
    for (const CompletionItem& item : items)
        all.push_back(item.text);
    return all;
}

TEST_F(Completion, TheContextTellsCommandsFromFlagsAndRefusesStringsCommentsAndVariables)
{
    struct Case {
        const char* before;
        const char* after;
        CompletionKind kind;
        const char* command;
        const char* prefix;
        int replaceBefore;
        int replaceAfter;
    };
    const Case cases[] = {
        {"butt", "", CompletionKind::command, "", "butt", 4, 0},
        {"  butt", "on -l \"x\";", CompletionKind::command, "", "butt", 4, 2},
        {"button -", "", CompletionKind::flag, "button", "", 1, 0},
        {"button -la", "", CompletionKind::flag, "button", "la", 3, 0},
        {"button -la", "bel \"x\"", CompletionKind::flag, "button", "la", 3, 3},
        {"button -label \"a\" -w 80 -", "", CompletionKind::flag, "button", "", 1, 0},
        // A command that spans lines, and one assigned to a variable or inside back-quotes.
        {"button -label \"a\"\n\t-c", "", CompletionKind::flag, "button", "c", 2, 0},
        {"string $b = `button -", "`;", CompletionKind::flag, "button", "", 1, 0},
        {"$b = button -", "", CompletionKind::flag, "button", "", 1, 0},
        {"window; button -", "", CompletionKind::flag, "button", "", 1, 0},
        {"button -w (3 + 4) -", "", CompletionKind::flag, "button", "", 1, 0},
        // A string left open ends its statement with its line.
        {"print \"open;\nbutton -", "", CompletionKind::flag, "button", "", 1, 0},
        // Nothing where the answer is unknown or no command is meant.
        {"print \"button -", "", CompletionKind::none, "", "", 0, 0},
        {"// button -", "", CompletionKind::none, "", "", 0, 0},
        {"/* button -", "", CompletionKind::none, "", "", 0, 0},
        {"$butt", "", CompletionKind::none, "", "", 0, 0},
        {"12", "", CompletionKind::none, "", "", 0, 0},
        {"", "", CompletionKind::none, "", "", 0, 0},
        {"noSuchCommand -", "", CompletionKind::none, "", "", 0, 0},
        {"$a = $b -", "", CompletionKind::none, "", "", 0, 0},
        {"$a = 3-", "", CompletionKind::none, "", "", 0, 0},
        {"button-", "", CompletionKind::none, "", "", 0, 0},
        {"if ($a == 1) button -", "", CompletionKind::none, "", "", 0, 0},
    };
    for (const Case& c : cases) {
        const CompletionContext context = melCompletionContext(c.before, c.after);
        EXPECT_EQ(context.kind, c.kind) << c.before;
        if (c.kind == CompletionKind::none)
            continue;
        EXPECT_EQ(context.command, c.command) << c.before;
        EXPECT_EQ(context.prefix, c.prefix) << c.before;
        EXPECT_EQ(context.before, c.replaceBefore) << c.before;
        EXPECT_EQ(context.after, c.replaceAfter) << c.before;
    }
}

TEST_F(Completion, FlagsOfTheCommandNarrowByLongOrShortNameWithTheirTypes)
{
    const std::vector<CompletionItem> all = melCompletionItems(melCompletionContext("button -", ""));
    // The database's 17 flags with a value and 5 without one (-edit, -query, -exists, ...),
    // and the 11 that only today's command facts know (-statusBarMessage, -preventOverride, ...).
    ASSERT_EQ(all.size(), 33u);
    EXPECT_EQ(all.front().text, "-actOnPress");
    EXPECT_EQ(all.front().label, "-actOnPress (-aop)");
    EXPECT_EQ(all.front().detail, "boolean");  // the facts' own type word
    EXPECT_EQ(all[2].text, "-align");
    EXPECT_EQ(all[2].label, "-align (-al)");
    EXPECT_EQ(all[2].detail, "String");  // the database's type where it knows the flag
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(),
                               [](const CompletionItem& a, const CompletionItem& b) { return a.text < b.text; }));

    EXPECT_EQ(texts(melCompletionItems(melCompletionContext("button -la", ""))), std::vector<std::string>{"-label"});
    // "l" is the short name of -label and the start of nothing else.
    EXPECT_EQ(texts(melCompletionItems(melCompletionContext("button -l", ""))), std::vector<std::string>{"-label"});
    EXPECT_EQ(texts(melCompletionItems(melCompletionContext("button -d", ""))),
              (std::vector<std::string>{"-defineTemplate", "-docTag", "-dragCallback", "-dropCallback"}));
    EXPECT_TRUE(melCompletionItems(melCompletionContext("button -zz", "")).empty());

    const std::vector<CompletionItem> e = melCompletionItems(melCompletionContext("button -e", ""));
    EXPECT_EQ(texts(e), (std::vector<std::string>{"-edit", "-enable", "-enableBackground", "-enableKeyboardFocus", "-exists"}));
    EXPECT_EQ(e[0].detail, "");
    EXPECT_EQ(e[1].detail, "on|off");
    EXPECT_EQ(e[4].label, "-exists (-ex)");
    EXPECT_EQ(texts(melCompletionItems(melCompletionContext("window -ret", ""))), std::vector<std::string>{"-retain"});
}

// Today's releases: newer flags, a flag whose short name no fact tells, flags written together,
// the built-in functions and newer commands beside the word list's.
TEST_F(Completion, TodaysFlagsCommandsAndFunctionsAreOffered)
{
    EXPECT_EQ(texts(melCompletionItems(melCompletionContext("columnLayout -mar", ""))),
              (std::vector<std::string>{"-margins", "-margins4"}));
    const std::vector<CompletionItem> margins = melCompletionItems(melCompletionContext("columnLayout -margins", ""));
    ASSERT_FALSE(margins.empty());
    EXPECT_EQ(margins.front().label, "-margins");
    EXPECT_EQ(margins.front().detail, "int");
    EXPECT_EQ(texts(melCompletionItems(melCompletionContext("button -statusB", ""))),
              std::vector<std::string>{"-statusBarMessage"});

    const CompletionContext joined = melCompletionContext("setAttr -e-key", "");
    EXPECT_EQ(joined.kind, CompletionKind::flag);
    EXPECT_EQ(joined.command, "setAttr");
    EXPECT_EQ(joined.before, 4);
    EXPECT_EQ(texts(melCompletionItems(joined)), std::vector<std::string>{"-keyable"});
    EXPECT_EQ(melCompletionContext("setAttr-e-key", "").kind, CompletionKind::none);

    EXPECT_EQ(texts(melCompletionItems(melCompletionContext("fpri", ""))), std::vector<std::string>{"fprint"});
    EXPECT_EQ(texts(melCompletionItems(melCompletionContext("tokeniz", ""))),
              (std::vector<std::string>{"tokenize", "tokenizeList"}));
    const std::vector<std::string> poly = texts(melCompletionItems(melCompletionContext("polyRem", "")));
    EXPECT_NE(std::find(poly.begin(), poly.end(), "polyRemesh"), poly.end());  // not in the word list
    EXPECT_TRUE(std::is_sorted(poly.begin(), poly.end()));
    EXPECT_EQ(std::adjacent_find(poly.begin(), poly.end()), poly.end());  // a word of both lists once
}

TEST_F(Completion, CommandsOfTheWordListStartWithTheWordInListOrder)
{
    const std::vector<std::string> found = texts(melCompletionItems(melCompletionContext("butto", "")));
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front(), "button");
    for (const std::string& word : found)
        EXPECT_EQ(word.rfind("butto", 0), 0u) << word;
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
    EXPECT_TRUE(melCompletionItems(melCompletionContext("zzzq", "")).empty());
}

TEST_F(Completion, TheChosenFlagReplacesTheWholeWordAsOneUndoGroup)
{
    CTextBuffer buffer;
    TextEditModel edit(&buffer);
    fill(buffer, "window;\r\nbutton -lab \"x\";");
    edit.reset();
    edit.setCursor({10, 1});  // after "-la", "b" right of it
    const CompletionContext context = melCompletionAt(buffer, edit.cursor());
    ASSERT_EQ(context.kind, CompletionKind::flag);
    const std::vector<CompletionItem> items = melCompletionItems(context);
    ASSERT_EQ(texts(items), std::vector<std::string>{"-label"});

    ASSERT_TRUE(applyCompletion(edit, context, items.front()));
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"window;", "button -label \"x\";"}));
    EXPECT_EQ(edit.cursor(), (TextPos{13, 1}));
    ASSERT_TRUE(edit.undo());
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"window;", "button -lab \"x\";"}));
}

TEST_F(Completion, NothingIsAppliedToAReadOnlyBufferOrWithoutAContext)
{
    CTextBuffer buffer;
    TextEditModel edit(&buffer);
    fill(buffer, "butt");
    edit.reset();
    edit.setCursor({4, 0});
    const CompletionContext context = melCompletionAt(buffer, edit.cursor());
    EXPECT_FALSE(applyCompletion(edit, CompletionContext{}, {"button", "button", ""}));
    buffer.SetReadOnly(true);
    EXPECT_FALSE(applyCompletion(edit, context, {"button", "button", ""}));
    EXPECT_EQ(linesOf(buffer), std::vector<std::string>{"butt"});
}

} // namespace
