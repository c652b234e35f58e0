// The manual page of orvante-cli says what "orvante-cli --help" says: its COMMANDS section holds
// the help's command lines, in the same order, and its header the version --version prints.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string output(const std::string& arguments)
{
    std::string text;
    const std::string command = std::string("'") + ORVANTE_CLI + "' " + arguments;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

// The text a reader sees of one line of the page: font changes dropped, escapes undone.
std::string shown(std::string line)
{
    const std::pair<std::string, std::string> escapes[] = {
        {"\\fB", ""}, {"\\fR", ""}, {"\\fI", ""}, {"\\fP", ""}, {"\\-", "-"}, {"\\(aq", "'"}, {"\\e", "\\"}};
    for (const auto& [from, to] : escapes)
        for (std::size_t at; (at = line.find(from)) != std::string::npos;)
            line.replace(at, from.size(), to);
    return line;
}

// "  name usage" lines after "commands:".
std::vector<std::string> helpCommands(const std::string& help)
{
    std::vector<std::string> result;
    bool inCommands = false;
    for (const std::string& line : lines(help)) {
        if (line == "commands:")
            inCommands = true;
        else if (inCommands && line.starts_with("  "))
            result.push_back(line.substr(2));
    }
    return result;
}

// The line after each ".TP" of the COMMANDS section.
std::vector<std::string> pageCommands(const std::vector<std::string>& page)
{
    std::vector<std::string> result;
    bool inCommands = false;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i].starts_with(".SH"))
            inCommands = page[i] == ".SH COMMANDS";
        else if (inCommands && page[i] == ".TP" && i + 1 < page.size())
            result.push_back(shown(page[i + 1]));
    }
    return result;
}

} // namespace

TEST(ManPage, CommandsAndVersionAreTheHelpsOwn)
{
    std::ifstream in(ORVANTE_CLI_MAN_PAGE);
    ASSERT_TRUE(in) << ORVANTE_CLI_MAN_PAGE;
    std::ostringstream text;
    text << in.rdbuf();
    const std::vector<std::string> page = lines(text.str());

    const std::vector<std::string> help = helpCommands(output("--help"));
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(pageCommands(page), help);

    // "orvante-cli 0.4" -> the header's source "ORVANTE 0.4".
    const std::string version = output("--version");
    const std::string number = version.substr(version.rfind(' ') + 1, version.find('\n') - version.rfind(' ') - 1);
    bool headerFound = false;
    for (const std::string& line : page)
        if (line.starts_with(".TH ")) {
            headerFound = true;
            EXPECT_NE(line.find("\"ORVANTE " + number + "\""), std::string::npos) << line;
        }
    EXPECT_TRUE(headerFound);
}
