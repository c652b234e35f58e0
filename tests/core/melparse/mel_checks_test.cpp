// The checks of a MEL script: golden fixtures (each finding at its line and column), a table
// of single faults, and a table of scripts that must give no finding at all.
#include "mel/CommandDatabase.h"
#include "melparse/MelChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orv {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(ORVANTE_FIXTURES_DIR) / "lint";

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// "LINE:COL+LENGTH: warning|error: text", one finding a line.
std::string written(const std::vector<MelDiagnostic>& findings)
{
    std::string out;
    for (const MelDiagnostic& d : findings)
        out += std::to_string(d.line) + ':' + std::to_string(d.column) + '+' + std::to_string(d.length) + ": " +
               (d.severity == MelSeverity::error ? "error" : "warning") + ": " + d.text + '\n';
    return out;
}

class MelChecks : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const MelDatabaseLoad load = LoadMelDatabases(std::string(ORVANTE_DATABASE_DIR) + "/..");
        ASSERT_EQ(load.words, LoadResult::ok);
        ASSERT_EQ(load.records, LoadResult::ok);
    }
};

TEST_F(MelChecks, EveryFixtureGivesItsFindings)
{
    int fixtures = 0;
    for (const auto& entry : fs::directory_iterator(kFixtures)) {
        if (entry.path().extension() != ".mel")
            continue;
        ++fixtures;
        auto expected = entry.path();
        expected.replace_extension(".findings");
        ASSERT_TRUE(fs::exists(expected)) << expected;
        EXPECT_EQ(written(CheckMelScript(slurp(entry.path()))), slurp(expected)) << entry.path().filename();
    }
    EXPECT_GT(fixtures, 0);
}

struct Case {
    const char* script;
    const char* findings;
};

TEST_F(MelChecks, EachFaultIsFoundWhereItIs)
{
    const Case cases[] = {
        {"print \"abc", "1:7+4: error: unterminated string\n"},
        {"print \"abc\r\nprint 1;", "1:7+4: error: unterminated string\n"},
        {"print \"a\\\\\";\nprint \"b", "2:7+2: error: unterminated string\n"},
        {"/* a\n b *", "1:1+2: error: unterminated block comment\n"},
        {"x /* a */ /*", "1:11+2: error: unterminated block comment\n"},
        {"f(1));", "1:5+1: error: ) without a matching (\n"},
        {"{\n (\n}", "3:1+1: error: ( of line 2 is not closed before this }\n"},
        {"{ $a[1 }", "1:8+1: error: [ of line 1 is not closed before this }\n"},
        {"{ f(1 }", "1:7+1: error: ( of line 1 is not closed before this }\n"},
        {"\n\n  [", "3:3+1: error: [ is never closed\n"},
        {"(((", "1:1+1: error: ( is never closed\n1:2+1: error: ( is never closed\n1:3+1: error: ( is never closed\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(written(CheckMelScript(c.script)), c.findings) << c.script;
}

TEST_F(MelChecks, NoFalseAlarms)
{
    const char* const clean[] = {
        "",
        "print \"// not a comment\";",
        "print \"/* not a comment\";",
        "print \"{[(\";",
        "print \"a \\\" b\"; // \"open quote in a comment",
        "// (( an open bracket in a comment",
        "/* ( */ f();",
        "# ( a hash line",
        "print \"continued \\\non the next line\";",
        "print \"continued \\\r\non the next line\";",
        "print 'it'; ( )",
        "int $a[] = {1, 2}; $a[0] = ($a[1] + 2) * 3;",
        "x */",
    };
    for (const char* script : clean)
        EXPECT_EQ(written(CheckMelScript(script)), "") << script;
}

} // namespace
} // namespace orv
