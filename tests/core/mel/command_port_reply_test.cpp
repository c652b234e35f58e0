// A command port's reply: where it ends, how much of it is kept, and the text it makes.
#include "mel/CommandPortReply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

std::string replyOf(const std::vector<std::string>& pieces)
{
    CommandPortReply reply;
    for (const std::string& piece : pieces)
        reply.add(piece);
    return reply.text();
}

TEST(CommandPortReply, EndsAtItsNulWhereverThePiecesAreCut)
{
    using namespace std::string_literals;
    struct Case {
        std::vector<std::string> pieces;
        std::string text;
        bool complete;
    };
    const std::vector<Case> cases = {
        {{"window1\n\0"s}, "window1", true},
        {{"win", "dow1", "\n", "\0"s}, "window1", true},
        {{"a\0"s, "after the end"}, "a", true},
        {{"\0"s}, "", true},
        {{"no end yet\r\n"}, "no end yet", false},
        {{"two\nlines\n\0"s}, "two\nlines", true},
    };
    for (const Case& c : cases) {
        CommandPortReply reply;
        bool complete = false;
        for (const std::string& piece : c.pieces)
            complete = reply.add(piece);
        EXPECT_EQ(reply.text(), c.text) << c.text;
        EXPECT_EQ(complete, c.complete) << c.text;
        EXPECT_FALSE(reply.cut()) << c.text;
    }
}

TEST(CommandPortReply, IsReadAsUtf8OrElseAsWindows1252)
{
    EXPECT_EQ(replyOf({"caf\xC3\xA9", std::string(1, '\0')}), "caf\xC3\xA9");
    // A character split between two pieces is whole in the text.
    EXPECT_EQ(replyOf({"caf\xC3", "\xA9"}), "caf\xC3\xA9");
    EXPECT_EQ(replyOf({"caf\xE9 \x80"}), "caf\xC3\xA9 \xE2\x82\xAC");
}

TEST(CommandPortReply, AReplyPastTheLimitIsCutThereWithANote)
{
    const std::string chunk(64 * 1024, 'x');
    CommandPortReply reply;
    std::size_t given = 0;
    bool complete = false;
    // 200 MB would come; the reply is complete once the limit is reached.
    while (!complete && given < 200u * 1024 * 1024) {
        complete = reply.add(chunk);
        given += chunk.size();
    }
    EXPECT_TRUE(complete);
    EXPECT_TRUE(reply.cut());
    EXPECT_EQ(given, CommandPortReply::kMaxBytes + chunk.size());
    EXPECT_EQ(reply.text(), std::string(CommandPortReply::kMaxBytes, 'x') + "\n" + CommandPortReply::kCutNote);
    EXPECT_TRUE(reply.add("more"));
    EXPECT_EQ(reply.text().size(), CommandPortReply::kMaxBytes + 1 + std::string(CommandPortReply::kCutNote).size());

    // A cut inside a character keeps the text UTF-8: the character's first bytes are dropped.
    CommandPortReply utf8;
    utf8.add(std::string(CommandPortReply::kMaxBytes - 1, 'y') + "\xE2\x82\xAC");
    EXPECT_TRUE(utf8.cut());
    EXPECT_EQ(utf8.text(), std::string(CommandPortReply::kMaxBytes - 1, 'y') + "\n" + CommandPortReply::kCutNote);
}

} // namespace
} // namespace orv
