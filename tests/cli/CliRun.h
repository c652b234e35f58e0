// Runs the built orvante-cli as a user would, with its exit code, standard output and
// standard error captured.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orv::cli_test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A word for the shell, whatever blanks or quotes it holds.
inline std::string shellQuoted(const std::string& word)
{
    std::string out = "'";
    for (const char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// The arguments as the shell reads them from one line (quotes, redirections and all).
inline CliRun runCliLine(const std::string& arguments)
{
    static int runs = 0;
    const auto dir = std::filesystem::temp_directory_path() /
                     ("orvante_cli_run_" + std::to_string(::getpid()) + "_" + std::to_string(++runs));
    std::filesystem::create_directories(dir);
    const std::string command = shellQuoted(ORVANTE_CLI) + ' ' + arguments + " >" + shellQuoted((dir / "out").string()) +
                                " 2>" + shellQuoted((dir / "err").string());
    CliRun run;
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readFile(dir / "out");
    run.err = readFile(dir / "err");
    std::filesystem::remove_all(dir);
    return run;
}

// Each argument is passed as one word, whatever blanks or quotes it holds.
inline CliRun runCli(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const std::string& argument : arguments)
        line += ' ' + shellQuoted(argument);
    return runCliLine(line);
}

} // namespace orv::cli_test
