// The rows of the generated table of today's MEL vocabulary (CommandFactsTable.cpp, written by
// tools/gen_command_facts.py): texts are offsets into one string, so that the table needs no
// relocation when the program starts.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orv::command_facts {

struct CommandRow {
    std::uint32_t nameAt;
    std::uint8_t nameLength;
    std::uint8_t releases;
    std::uint32_t firstFlag;
    std::uint16_t flagCount;
};

struct FlagRow {
    std::uint32_t shortAt;
    std::uint32_t longAt;
    std::uint32_t argumentsAt;
    std::uint8_t shortLength;
    std::uint8_t longLength;
    std::uint8_t argumentsLength;
    std::uint8_t bits;
};

struct NameRow {
    std::uint32_t at;
    std::uint8_t length;
};

extern const char kText[];
extern const CommandRow kCommands[];
extern const std::size_t kCommandCount;
extern const FlagRow kFlags[];
extern const std::size_t kFlagCount;
extern const NameRow kFlagNames[];
extern const std::size_t kFlagNameCount;

} // namespace orv::command_facts
