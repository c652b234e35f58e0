#!/usr/bin/env python3
"""Generates the table of today's MEL vocabulary (core/mel/CommandFactsTable.cpp): every command
of the 2019 release and of a recent one, with its flags (short and long name, argument types,
query and edit modes, multi-use), and the language's built-in functions and shipped procedures.
It sits beside the built-in tables of the command database, which stay as they are; the checks,
completion and colouring read it for what those tables do not know.

Usage: gen_command_facts.py [--data FOLDER] [--out REPO] [--verify]
  --data    the dataset folder holding maya-2019-*.txt/tsv, maya-recent-*.txt/tsv,
            maya-help-flags.tsv and mel-functions.txt (default: $ORVANTE_MEL_DATASET, else
            ../shared/data beside the repository)
  --out     the repository to write into (default: the one holding this script)
  --verify  write nothing; exit 1 when the committed file differs from what would be written,
            77 (a skip for the tests) when there is no dataset folder

How the facts are merged:
  - A flag of the 2019 facts keeps its short name, argument types and modes; the recent facts
    add multi-use ("Multiuse[...]"). A flag only the recent facts have takes its short name from
    the older help dump when that knows it, and otherwise has none (the recent dump has no short
    names); its argument types come from its Python type and its edit mode is unknown.
  - A flag is "query only" when the 2019 facts give it the query mode alone and a boolean, and
    the older help dump gives it no value: a flag that answers a query (childArray,
    numberOfItems) and means nothing when creating or editing. The 2019 facts write "query" also
    for flags that create (columnLayout -parent), so neither fact alone is taken for it.
  - A command takes -edit and -query when one of its flags has that mode or the help dump lists
    them; a command only the recent facts know gets both, since nothing says it lacks them.

The build never runs this script.
"""

import csv
import os
import re
import sys

from generated_files import SKIPPED, arguments, no_dataset, write_or_verify

OUTPUT = os.path.join("core", "mel", "CommandFactsTable.cpp")

# Release bits of a command, as core/mel/CommandFacts.h names them.
RELEASE_2019 = 1
RELEASE_RECENT = 2
BUILT_IN_FUNCTION = 4
# Flag bits.
QUERY = 1
EDIT = 2
QUERY_ONLY = 4
MULTI_USE = 8
EDIT_UNKNOWN = 16

PYTHON_WORDS = {"bool": "boolean", "str": "string", "int": "int", "float": "float", "Int64": "int64",
                "Callable[..., Any]": "script", "Range[float]": "floatrange",
                "NullableRange[float]": "floatrange", "List[str]": "string[]"}


def byte_order(text):
    return text.encode()


def read_lines(path):
    with open(path, encoding="utf-8") as f:
        return [line.strip() for line in f if line.strip()]


def read_rows(path):
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f, delimiter="\t"))


def python_arguments(python_type):
    """(arguments text, queryable, multi-use) of a recent dump's Python type."""
    query = multi = False
    text = python_type.strip()
    while True:
        match = re.fullmatch(r"(Queryable|Multiuse)\[(.*)\]", text)
        if not match:
            break
        if match.group(1) == "Queryable":
            query = True
        else:
            multi = True
        text = match.group(2).strip()
    match = re.fullmatch(r"Tuple\[(.*)\]", text)
    if match:
        parts = re.split(r",\s*(?![^\[]*\])", match.group(1))
        words = [PYTHON_WORDS.get(p.strip(), p.strip().lower()) for p in parts]
    else:
        words = [PYTHON_WORDS.get(text, text.lower())]
    return ",".join(words), query, multi


def is_name(word):
    return re.fullmatch(r"[A-Za-z_][A-Za-z0-9_]*", word) is not None


def gather(data):
    """{command: {"releases": bits, "flags": {long or short: [short, long, arguments, bits]}}}."""
    help_types = {}
    help_flags = {}
    for row in read_rows(os.path.join(data, "maya-help-flags.tsv")):
        help_types[(row["command"], row["long"] or row["short"])] = row["type"]
        help_flags.setdefault(row["command"], {})[row["long"] or row["short"]] = row["short"]

    commands = {}

    def command(name, release):
        if not is_name(name):
            raise ValueError("command name %r" % name)
        entry = commands.setdefault(name, {"releases": 0, "flags": {}})
        entry["releases"] |= release
        return entry

    for name in read_lines(os.path.join(data, "maya-2019-commands.txt")):
        command(name, RELEASE_2019)
    for name in read_lines(os.path.join(data, "maya-recent-commands.txt")):
        command(name, RELEASE_RECENT)

    for row in read_rows(os.path.join(data, "maya-2019-flags.tsv")):
        entry = command(row["command"], RELEASE_2019)
        short, long_name = row["short"], row["long"]
        if not is_name(short) or (long_name and not is_name(long_name)):
            raise ValueError("flag %r %r of %s" % (short, long_name, row["command"]))
        modes = set(filter(None, row["modes"].split(",")))
        if not modes <= {"query", "edit"}:
            raise ValueError("modes %r of %s -%s" % (row["modes"], row["command"], long_name))
        bits = (QUERY if "query" in modes else 0) | (EDIT if "edit" in modes else 0)
        if modes == {"query"} and row["arguments"] == "boolean" and \
                help_types.get((row["command"], long_name or short)) == "":
            bits |= QUERY_ONLY
        if "(multi-use)" in help_types.get((row["command"], long_name or short), ""):
            bits |= MULTI_USE
        entry["flags"][long_name or short] = [short, long_name, row["arguments"], bits]

    for row in read_rows(os.path.join(data, "maya-recent-flags.tsv")):
        entry = command(row["command"], RELEASE_RECENT)
        long_name = row["long"]
        if not is_name(long_name):
            raise ValueError("flag %r of %s" % (long_name, row["command"]))
        argument_text, query, multi = python_arguments(row["python_type"])
        known = entry["flags"].get(long_name)
        if known is not None:
            known[3] |= MULTI_USE if multi else 0
            continue
        short = help_flags.get(row["command"], {}).get(long_name, "")
        entry["flags"][long_name] = [short, long_name, argument_text,
                                     (QUERY if query else 0) | (MULTI_USE if multi else 0) | EDIT_UNKNOWN]

    for name, entry in commands.items():
        flags = entry["flags"]
        modes = 0
        for flag in flags.values():
            modes |= flag[3] & (QUERY | EDIT)
        help_here = help_flags.get(name, {})
        only_recent = entry["releases"] == RELEASE_RECENT
        if "edit" not in flags and (modes & EDIT or "edit" in help_here or only_recent):
            flags["edit"] = ["e", "edit", "", 0]
        if "query" not in flags and (modes & QUERY or "query" in help_here or only_recent):
            flags["query"] = ["q", "query", "", 0]

    for name in read_lines(os.path.join(data, "mel-functions.txt")):
        if name in commands:
            raise ValueError("built-in function %s is also a command" % name)
        command(name, BUILT_IN_FUNCTION)

    if len(commands) < 1500 or "columnLayout" not in commands or \
            "margins" not in commands["columnLayout"]["flags"]:
        raise ValueError("the dataset lacks the commands of today's releases")
    return commands


class Text:
    """One string of every name and argument text, each stored once, NUL after each."""

    def __init__(self):
        self.parts = []
        self.offsets = {}
        self.size = 0

    def add(self, text):
        if text[:1].isdigit():
            raise ValueError("%r would run into the octal escape before it" % text)
        if text not in self.offsets:
            self.offsets[text] = self.size
            self.parts.append(text)
            self.size += len(text) + 1
        return self.offsets[text]


def source(commands):
    text = Text()
    command_rows = []
    flag_rows = []
    for name in sorted(commands, key=byte_order):
        entry = commands[name]
        flags = sorted(entry["flags"].values(), key=lambda f: byte_order(f[1] or f[0]))
        command_rows.append("    {%d, %d, %d, %d, %d}," % (text.add(name), len(name), entry["releases"],
                                                            len(flag_rows), len(flags)))
        for short, long_name, argument_text, bits in flags:
            flag_rows.append("    {%d, %d, %d, %d, %d, %d, %d}," % (
                text.add(short), text.add(long_name), text.add(argument_text),
                len(short), len(long_name), len(argument_text), bits))
    names = sorted({f[i] for e in commands.values() for f in e["flags"].values() for i in (0, 1) if f[i]},
                   key=byte_order)
    name_rows = ["    {%d, %d}," % (text.add(n), len(n)) for n in names]
    blob = []
    line = ""
    for part in text.parts:
        piece = part + "\\0"
        if len(line) + len(piece) > 96:
            blob.append('    "%s"' % line)
            line = ""
        line += piece
    blob.append('    "%s"' % line)
    lines = [
        "// Generated by tools/gen_command_facts.py from the command facts of the 2019 and recent",
        "// releases and the language's built-in functions; do not edit.",
        '#include "mel/CommandFactsTable.h"',
        "",
        "namespace orv::command_facts {",
        "",
        "// Every name and argument text, each followed by a NUL.",
        "const char kText[] =",
    ] + blob + [
        "    ;",
        "",
        "// By name in byte order: name, name length, releases, first flag, flag count.",
        "const CommandRow kCommands[] = {",
    ] + command_rows + [
        "};",
        "const std::size_t kCommandCount = sizeof kCommands / sizeof kCommands[0];",
        "",
        "// Each command's flags by long name (short name when it has none) in byte order: short,",
        "// long and argument texts, their lengths, the flag bits.",
        "const FlagRow kFlags[] = {",
    ] + flag_rows + [
        "};",
        "const std::size_t kFlagCount = sizeof kFlags / sizeof kFlags[0];",
        "",
        "// Every short and long flag name of any command, in byte order.",
        "const NameRow kFlagNames[] = {",
    ] + name_rows + [
        "};",
        "const std::size_t kFlagNameCount = sizeof kFlagNames / sizeof kFlagNames[0];",
        "",
        "} // namespace orv::command_facts",
        "",
    ]
    if text.size >= 1 << 24:
        raise ValueError("the text of the table outgrows its offsets")
    return "\n".join(lines).encode()


def main():
    args = arguments(__doc__)
    if args.verify and no_dataset("gen_command_facts", args):
        return SKIPPED
    try:
        commands = gather(args.data)
        content = source(commands)
    except (OSError, KeyError, ValueError) as error:
        print("gen_command_facts: cannot read the dataset: %s" % error, file=sys.stderr)
        return 1
    status = write_or_verify("gen_command_facts", args, {OUTPUT: content})
    if status == 0 and not args.verify:
        flags = sum(len(e["flags"]) for e in commands.values())
        print("gen_command_facts: %d commands and functions, %d flags" % (len(commands), flags))
    return status


if __name__ == "__main__":
    sys.exit(main())
