// Recovery files read back what was written, whatever bytes the path and the text hold, and a
// file cut anywhere or damaged in any byte is refused with its problem.
#include "recovery/RecoveryFile.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

RecoveredDocument document(std::string type, std::string path, std::string title, std::string text,
                           TextEncoding encoding, LineEnd lineEnd)
{
    return {std::move(type), std::move(path), std::move(title), {std::move(text), encoding, lineEnd}};
}

TEST(RecoveryFile, ReadsBackWhatWasWritten)
{
    using namespace std::string_literals;
    const RecoveredDocument cases[] = {
        document(".mel", "/home/ta/scripts/rig.mel", "rig.mel", "proc rig() {\r\n\tprint \"x\";\r\n}\r\n",
                 TextEncoding::utf8, LineEnd::crLf),
        // Never saved: no path; a Windows-1252 text with LF line ends.
        document(".mel", "", "Script3", "print \"caf\xE9\";\nstring $s;", TextEncoding::windows1252, LineEnd::lf),
        // A path with a line break and spaces; a text holding NULs and what looks like a field.
        document(".mel", "/tmp/odd name\nline.mel", "odd name\nline.mel", "a\0b\ncheck 16\nffffffffffffffff\n"s,
                 TextEncoding::utf8, LineEnd::lfCr),
        document(".wnd", "/w/win.wnd", "win.wnd", "", TextEncoding::utf8, LineEnd::crLf),
    };
    for (const RecoveredDocument& written : cases) {
        SCOPED_TRACE(written.path);
        const RecoveryFileRead read = parseRecoveryFile(formatRecoveryFile(written));
        ASSERT_TRUE(read.document) << read.problem;
        EXPECT_EQ(read.document->type, written.type);
        EXPECT_EQ(read.document->path, written.path);
        EXPECT_EQ(read.document->title, written.title);
        EXPECT_EQ(read.document->content.text, written.content.text);
        EXPECT_EQ(read.document->content.encoding, written.content.encoding);
        EXPECT_EQ(read.document->content.lineEnd, written.content.lineEnd);
        EXPECT_TRUE(read.problem.empty());
    }
}

TEST(RecoveryFile, EveryCutIsRefused)
{
    const std::string whole = formatRecoveryFile(
        document(".mel", "/a/b.mel", "b.mel", "button -l \"Go\";\r\n", TextEncoding::utf8, LineEnd::crLf));
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const RecoveryFileRead read = parseRecoveryFile(std::string_view(whole).substr(0, size));
        EXPECT_FALSE(read.document) << "cut at " << size;
        EXPECT_FALSE(read.problem.empty()) << "cut at " << size;
    }
    EXPECT_EQ(parseRecoveryFile(std::string_view(whole).substr(0, whole.size() - 5)).problem,
              "the file is cut short");
}

TEST(RecoveryFile, EveryDamagedByteIsRefused)
{
    const std::string whole = formatRecoveryFile(
        document(".mel", "/a/b.mel", "b.mel", "print 1;\r\nprint 2;", TextEncoding::utf8, LineEnd::crLf));
    for (std::size_t at = 0; at < whole.size(); ++at) {
        std::string damaged = whole;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x04);
        EXPECT_FALSE(parseRecoveryFile(damaged).document) << "byte " << at;
    }
    // Bytes after the check are damage too.
    EXPECT_EQ(parseRecoveryFile(whole + "x").problem, "the file is damaged");
}

TEST(RecoveryFile, OtherFilesAreNotRecoveryFiles)
{
    for (const char* other : {"proc a() {}\n", "ORVANTE recovery file 2\ntype 4\n.mel\n", "\x89PNG\r\n"}) {
        const RecoveryFileRead read = parseRecoveryFile(other);
        EXPECT_FALSE(read.document);
        EXPECT_EQ(read.problem, "it is not a recovery file") << other;
    }
    // Lengths that cannot be: past the end, not digits, absurdly long.
    for (const char* broken : {"ORVANTE recovery file 1\ntype 99\n.mel\n", "ORVANTE recovery file 1\ntype x4\n.mel\n",
                               "ORVANTE recovery file 1\ntype 99999999999999999999999\n.mel\n"})
        EXPECT_FALSE(parseRecoveryFile(broken).document) << broken;
}

} // namespace
} // namespace orv
