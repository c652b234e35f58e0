#!/usr/bin/env python3
"""Checks that gen_mel_tables.py names the fact a damaged table breaks: each case spoils one
thing in the tables built from the dataset and expects the check to fail naming it.

Usage: test_gen_mel_tables.py [--data FOLDER]; exits 77 (skipped) without the dataset."""

import copy
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_mel_tables as gen  # noqa: E402
from generated_files import SKIPPED, arguments, no_dataset  # noqa: E402


def failures_of(tables):
    try:
        gen.check_facts(tables)
    except gen.FactError as error:
        return str(error)
    return ""


def spoil_cases(tables):
    """(what the failure must name, a function that spoils a copy of the tables)."""
    commands, flags = tables["commands"], tables["flags"]
    button, window = commands.index("button"), commands.index("window")
    about_flag = next(f for f, _ in tables["records"][commands.index("about")])
    label = flags.index("-l-label")

    def foreign_flag(t):   # a flag of "about" in the button's record
        t["records"][button].append((about_flag, -1))

    def repeated_flag(t):
        t["records"][window].append(t["records"][window][0])

    def wrong_type(t):     # the label typed "Int"
        t["records"][button] = [(f, 16 if f == label else ty) for f, ty in t["records"][button]]

    def added_entry_in_record(t):
        t["records"][button].append((flags.index(t["added"][0]), -1))

    def invented_word(t):
        t["words"] = sorted(t["words"] + ["notACommandAtAll"], key=gen.byte_key)

    def word_with_blank(t):
        t["words"][0] += " x"

    def moved_label(t):    # label and width change places
        record = t["records"][button]
        width = flags.index("-w-width")
        t["records"][button] = [(label if f == width else width if f == label else f, ty)
                                for f, ty in record]

    return [
        ('every flag of "button" is one of its rows in the dataset', foreign_flag),
        ('the record of "window" names no flag twice', repeated_flag),
        ('every flag of "button" is one of its rows in the dataset, typed as its help says',
         wrong_type),
        ('every flag of "button" is one of its rows', added_entry_in_record),
        ("the command word list holds the dataset's command names", invented_word),
        ("every command word is 1 to 255 characters without a blank", word_with_blank),
        ('"button" has "-l-label" at position 10', moved_label),
    ]


def main():
    args = arguments(__doc__, outputs=False)
    if no_dataset("test_gen_mel_tables", args):
        return SKIPPED
    tables = gen.build(args.data)
    failed = 0
    if failures_of(tables):
        print("the tables built from the dataset break a fact:\n" + failures_of(tables))
        failed += 1
    for named, spoil in spoil_cases(tables):
        spoiled = copy.deepcopy(tables)
        spoil(spoiled)
        found = failures_of(spoiled)
        if named not in found:
            print("spoiling with %s should name '%s'; the check said: %r"
                  % (spoil.__name__, named, found))
            failed += 1
    print("test_gen_mel_tables: %s" % ("%d failed" % failed if failed else "all facts named"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
