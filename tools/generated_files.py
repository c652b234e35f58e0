"""What the table generators share: where the dataset is found, and writing the files they make
or checking that the committed ones are the same."""

import argparse
import os
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The exit status by which ctest counts a run as skipped (no dataset beside the checkout).
SKIPPED = 77


def arguments(description, outputs=True):
    """The command line of a generator: --data, and --out and --verify when it writes files."""
    parser = argparse.ArgumentParser(description=description.splitlines()[0])
    parser.add_argument("--data", default=os.environ.get("ORVANTE_MEL_DATASET") or
                        os.path.join(os.path.dirname(REPO), "shared", "data"))
    if outputs:
        parser.add_argument("--out", default=REPO)
        parser.add_argument("--verify", action="store_true")
    return parser.parse_args()


def no_dataset(name, args):
    """True (having said so) when the dataset folder is missing."""
    if os.path.isdir(args.data):
        return False
    print("%s: skipped, no dataset folder at %s" % (name, args.data))
    return True


def write_or_verify(name, args, files):
    """Writes files ({path below --out: bytes}) or, with --verify, checks the committed ones;
    the exit status."""
    differ = []
    for relative, content in files.items():
        path = os.path.join(args.out, relative)
        if args.verify:
            try:
                with open(path, "rb") as f:
                    same = f.read() == content
            except OSError:
                same = False
            if not same:
                differ.append(relative)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(content)
    if differ:
        print("%s: differs from the committed file: %s" % (name, ", ".join(differ)), file=sys.stderr)
        return 1
    return 0
