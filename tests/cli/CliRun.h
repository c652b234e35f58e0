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

// Each argument is passed as one word, whatever blanks or quotes it holds.
inline CliRun runCli(const std::vector<std::string>& arguments)
{
    static int runs = 0;
    const auto dir = std::filesystem::temp_directory_path() /
                     ("orvante_cli_run_" + std::to_string(::getpid()) + "_" + std::to_string(++runs));
    std::filesystem::create_directories(dir);
    const auto quoted = [](const std::string& word) {
        std::string out = "'";
        for (const char c : word)
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    };
    std::string command = quoted(ORVANTE_CLI);
    for (const std::string& argument : arguments)
        command += ' ' + quoted(argument);
    command += " >" + quoted((dir / "out").string()) + " 2>" + quoted((dir / "err").string());
    CliRun run;
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readFile(dir / "out");
    run.err = readFile(dir / "err");
    std::filesystem::remove_all(dir);
    return run;
}

} // namespace orv::cli_test
