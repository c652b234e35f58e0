#!/usr/bin/env python3
"""Generates the built-in MEL tables (core/mel/MelTables.cpp) and the command database files
(data/Database/melcmd.dat, data/Database/MEL Commands.txt) from the command help dataset.

Usage: gen_mel_tables.py [--data FOLDER] [--out REPO] [--verify]
  --data    the dataset folder (default: $ORVANTE_MEL_DATASET, else ../shared/data beside
            the repository)
  --out     the repository to write into (default: the one holding this script)
  --verify  write nothing; exit 1 when the committed files differ from what would be written,
            77 (a skip for the tests) when there is no dataset folder

Every fact the tables must satisfy is checked; a fact that does not hold is named and the
script exits 1 without writing anything. The build never runs this script.
"""

import os
import struct
import sys
from collections import Counter

from generated_files import SKIPPED, arguments, no_dataset, write_or_verify


# ---------------------------------------------------------------------------------------------
# Fixed content

KEYWORDS = ["break", "case", "continue", "default", "do", "else", "false", "float", "for",
            "global", "if", "in", "int", "matrix", "no", "off", "on", "proc", "return", "string",
            "switch", "true", "vector", "while", "yes"]
BOOLEAN_WORDS = ["on", "off", "true", "false", "1", "0"]

FLAG_TYPES = [
    "(multi-use)", "Angle", "Angle Angle", "Angle Angle Angle", "Float", "Float (multi-use)",
    "Float Float", "Float Float (multi-use)", "Float Float Float",
    "Float Float Float (multi-use)", "Float Float Float Float", " ".join(["Float"] * 16),
    "FloatRange", "FloatRange (multi-use)", "IndexRange", "IndexRange (multi-use)", "Int",
    "Int (multi-use)", "Int Float (multi-use)", "Int Float Float Float",
    "Int Float Float Float (multi-use)", "Int Int", "Int Int (multi-use)", "Int Int Float",
    "Int Int Float Float Float", "Int Int Int", "Int Int Int (multi-use)", "Int Int Int Int",
    "Int Int Int Int Int", "Int Int Int Int Int Int", "Int Name", "Int String",
    "Int String (multi-use)", "Int String Int (multi-use)", "Int on|off",
    "Int on|off String String String String", "Length", "Length (multi-use)", "Length Length",
    "Length Length Length", "Length Length Length (multi-use)",
    "Length Length Length Length (multi-use)", "Length Length Length Length Length", "Name",
    "Name (multi-use)", "Name String", "String", "String (multi-use)",
    "String Float (multi-use)", "String Float Float", "String Int", "String Int (multi-use)",
    "String Int Int", "String String", "String String (multi-use)", "String String Int",
    "String String Int (multi-use)", "String String Int Int (multi-use)",
    "String String Int String (multi-use)", "String String String",
    "String String String String", "String String String String String",
    "String String String String String String", "String String on|off",
    "String UnsignedIntAsPtr String Float (multi-use)", "String on|off", "String[...]", "Time",
    "Time (multi-use)", "TimeRange", "TimeRange (multi-use)", "UnsignedInt",
    "UnsignedInt (multi-use)", "UnsignedInt UnsignedInt", "UnsignedIntAsPtr",
    "UnsignedIntAsPtr (multi-use)", "UnsignedIntAsPtr Float (multi-use)",
    "UnsignedIntAsPtr Length (multi-use)", "UnsignedIntAsPtr String (multi-use)",
    "UnsignedIntAsPtr UnsignedIntAsPtr UnsignedIntAsPtr", "on|off", "on|off (multi-use)",
    "on|off Int", "on|off String Int", "on|off String String String String (multi-use)",
    "on|off on|off", "on|off on|off on|off", "on|off on|off on|off on|off",
    "on|off on|off on|off on|off on|off", " ".join(["on|off"] * 7)]

COMMAND_COUNT = 765
FLAG_COUNT = 3762

# Command indexes the rest of the system relies on.
COMMAND_INDEXES = {
    "about": 0, "addAttr": 1, "addPP": 2, "affectedNet": 3, "affects": 4, "aimConstraint": 5,
    "button": 58, "checkBox": 69, "columnLayout": 91, "floatField": 220, "floatSlider": 223,
    "intField": 286, "intSlider": 289, "radioButton": 545, "radioCollection": 547,
    "rowLayout": 585, "scrollField": 606, "separator": 619, "setParent": 633, "text": 704,
    "textField": 706, "textScrollList": 709, "window": 756, "wrinkle": 761,
    "wrinkleContext": 762, "writeTake": 763, "xform": 764}

EMPTY_LONG_ENTRIES = ["-add-", "-all-", "-and-", "-by-", "-dc-", "-fit-", "-hh-", "-ix-", "-iy-",
                      "-off-", "-on-", "-ox-", "-oy-", "-rgb-", "-src-", "-t-", "-top-", "-up-",
                      "-x-", "-y-", "-z-"]
FIRST_FLAGS = ["-a-abort", "-a-above", "-a-absolute"]
LAST_FLAGS = ["-zm-zoom", "-zs-zoomScale", "-zso-zeroScaleOrient", "-ztp-zeroTransformPivots"]
NAMED_FLAGS = ["-key-toBeRemovedInFutureMayaRelease", "-a-axis", "-a-showAllToggleMenus", "-aa-affectsActive", "-aa-aimAxis", "-w-width",
               "-ztp-zeroTransformPivots"]
LONGEST_LONG_NAME = "toBeRemovedInFutureMayaRelease"
# Commands the facts name without giving their index.
NAMED_COMMANDS = ["air", "arcLenDimContext", "arclen", "blend2", "changeSubdivComponentDisplayLevel",
                  "dgInfo", "dgdirty", "ls", "view2dToolCtx"]
# Commands of every release, kept whatever the figures would gain without them.
CORE_COMMANDS = ["camera", "checkBoxGrp", "connectAttr", "copyKey", "currentTime", "deleteUI",
                 "duplicate", "expression", "extrude", "file", "frameLayout", "gridLayout", "group",
                 "hotkey", "ikHandle", "render", "revolve", "rigidBody", "scrollLayout", "select",
                 "skinCluster", "tabLayout", "toggle"]
KEPT_COMMANDS = NAMED_COMMANDS + CORE_COMMANDS

REQUIRED_ENTRIES = EMPTY_LONG_ENTRIES + FIRST_FLAGS + LAST_FLAGS + NAMED_FLAGS

# Distinct-name figures the table aims at (reported, not required).
TARGET_DISTINCT_SHORT = 1686
TARGET_DISTINCT_LONG = 3514
TARGET_SHORT_REPEATS = {"s": 46, "c": 42, "a": 24}

# Where the designer reads each typed flag of its commands.
DESIGNER_POSITIONS = {
    "button": {0: "-al-align", 2: "-bgc-backgroundColor", 8: "-en-enable", 9: "-h-height",
               10: "-l-label", 15: "-vis-visible", 16: "-w-width"},
    "text": {0: "-al-align", 7: "-en-enable", 9: "-h-height", 10: "-l-label",
             15: "-vis-visible", 16: "-w-width"},
    "checkBox": {0: "-al-align", 9: "-en-enable", 10: "-h-height", 11: "-l-label",
                 19: "-vis-visible", 20: "-w-width"},
    "columnLayout": {0: "-adj-adjustableColumn", 2: "-bgc-backgroundColor",
                     4: "-cat-columnAttach", 5: "-co-columnOffset", 6: "-cw-columnWidth",
                     11: "-en-enable", 12: "-h-height", 15: "-rs-rowSpacing",
                     17: "-vis-visible", 18: "-w-width"},
    "rowLayout": {8: "-bgc-backgroundColor", 30: "-cw1-columnWidth1", 31: "-cw2-columnWidth2",
                  32: "-cw3-columnWidth3", 33: "-cw4-columnWidth4", 34: "-cw5-columnWidth5",
                  35: "-cw6-columnWidth6", 40: "-en-enable", 41: "-h-height",
                  43: "-nc-numberOfColumns", 47: "-vis-visible", 48: "-w-width"},
    "intSlider": {8: "-en-enable", 9: "-h-height", 10: "-hr-horizontal", 18: "-vis-visible",
                  19: "-w-width"},
    "floatSlider": {8: "-en-enable", 9: "-h-height", 10: "-hr-horizontal",
                    18: "-vis-visible", 19: "-w-width"},
    "separator": {6: "-en-enable", 7: "-h-height", 8: "-hr-horizontal", 13: "-vis-visible",
                  14: "-w-width"},
    "textField": {8: "-en-enable", 9: "-ed-editable", 12: "-h-height",
                  13: "-ip-insertionPosition", 14: "-it-insertText", 18: "-tx-text",
                  20: "-vis-visible", 21: "-w-width"},
    "intField": {9: "-en-enable", 10: "-ed-editable", 11: "-h-height", 19: "-v-value",
                 20: "-vis-visible", 21: "-w-width"},
    "floatField": {9: "-en-enable", 10: "-ed-editable", 11: "-h-height", 16: "-pre-precision",
                   20: "-v-value", 21: "-vis-visible", 22: "-w-width"},
    "scrollField": {9: "-en-enable", 10: "-ed-editable", 12: "-h-height",
                    13: "-ip-insertionPosition", 14: "-it-insertText", 19: "-tx-text",
                    21: "-vis-visible", 22: "-w-width"},
    "textScrollList": {14: "-en-enable", 16: "-h-height", 27: "-vis-visible", 28: "-w-width"},
    "frameLayout": {1: "-bgc-backgroundColor", 3: "-bv-borderVisible", 5: "-cl-collapse",
                    6: "-cll-collapsable", 12: "-en-enable", 14: "-h-height", 15: "-l-label",
                    18: "-lv-labelVisible", 21: "-mh-marginHeight", 22: "-mw-marginWidth",
                    27: "-vis-visible", 28: "-w-width"},
    "window": {0: "-bgc-backgroundColor", 3: "-h-height", 4: "-tbm-titleBarMenu",
               7: "-le-leftEdge", 10: "-mnb-minimizeButton", 12: "-mxb-maximizeButton",
               14: "-rtf-resizeToFitChildren", 15: "-s-sizeable", 16: "-t-title",
               17: "-tb-titleBar", 18: "-te-topEdge", 19: "-tlb-toolbox",
               20: "-tlc-topLeftCorner", 22: "-vis-visible", 23: "-w-width",
               24: "-wh-widthHeight"},
}

# The worked export example: (command, {position: value}) -> the line it must give.
EXPORT_EXAMPLE = [
    ("window", {3: "240", 23: "320"}, "window -height 240 -width 320;"),
    ("columnLayout", {6: "W", 12: "H", 18: "W"}, "columnLayout -columnWidth W -height H -width W;"),
    ("button", {9: "28", 10: "Button0", 16: "80"}, 'button -height 28 -label "Button0" -width 80;'),
]

# Flags that later releases added to the controls; the older tables lack them.
LATER_FLAGS = {"enableBackground", "preventOverride", "visibleChangeCommand", "dropRectCallback",
               "hyperlink", "actionIsSubstitute", "actOnPress",
               "alwaysInvokeEnterCommandOnReturn", "fullPathName", "isObscured",
               "highlightColor", "statusBarMessage", "noBackground"}

# Commands of later releases (asset, container, cache, viewport and pipeline tools), and
# internal or test commands; chosen only when the counts need them.
LATER_COMMANDS = {
    "aaf2fcp", "addExtension", "deleteExtension", "adskAsset", "adskAssetLibrary",
    "adskAssetList", "adskAssetListUI", "agFormatIn", "agFormatOut", "allNodeTypes",
    "assignViewportFactories", "cacheFile", "cacheFileCombine", "cacheFileMerge",
    "cacheFileTrack", "cameraSet", "container", "containerBind", "containerProxy",
    "containerPublish", "containerTemplate", "containerView", "copyDeformerWeights",
    "deformerWeights", "dirmap", "dockControl", "fileDialog2", "flagTest", "dynTestData",
    "hikGlobals", "hudButton", "hudSlider", "hudSliderButton", "licenseCheck", "menuSet",
    "menuSetPref", "nBase", "nParticle", "nodeTreeLister", "ogs", "ogsRender", "ogsdebug",
    "openGLExtension", "polyCacheMonitor", "renderPassRegistry", "renderSettings",
    "reorderContainer", "scmh", "selLoadSettings", "setRenderPassType", "shot", "shotRipple",
    "shotTrack", "sequenceManager", "symmetricModelling", "testPassContribution",
    "threadCount", "timeCode", "transferShadingSets", "treeView", "truncateHairCache",
    "webBrowser", "webBrowserPrefs", "preloadRefEd", "projFileViewer", "polySplitCtx2",
    "texSmudgeUVContext", "itemFilterAttrOld", "itemFilterOld", "itemFilterRenderOld",
    "itemFilterTypeOld", "renderLayerPostProcess", "nodePreset", "nodeCast",
    "dagObjectCompare", "shadingNetworkCompare", "transferAttributes", "polyMultiLayoutUV",
    "bakePartialHistory", "characterize", "retarget", "iprEngine", "fluidCacheInfo",
    "truncateFluidCache", "exportEdits", "referenceEdit", "stringArrayIntersector",
    "dbcount", "dbmessage", "dgtimer", "sceneUIReplacement", "polyCompare", "unfold",
    "untangleUV", "uvSnapshot", "polyColorSet", "getRenderTasks", "polySelectEditCtx",
    "convertIffToPsd", "texMoveUVShellContext", "texSelectShortestPathCtx",
    "polyShortestPathCtx", "scriptTable", "treeLister", "clipSchedulerOutliner",
    "imfPlugins", "fontAttributes", "scriptEditorInfo"}


class FactError(Exception):
    pass


def byte_key(text):
    return text.encode("ascii")


def entry_of(short, long):
    return "-%s-%s" % (short, long)


def split_entry(entry):
    short, _, long = entry[1:].partition("-")
    return short, long


def map_type(text):
    """The type index of a help type text, or -1 when the text has no counterpart."""
    if not text:
        return -1
    words = text.split(" (Query Arg")[0].split()
    words = ["String" if w == "Script" else w for w in words]
    candidate = " ".join(words)
    if candidate in FLAG_TYPES:
        return FLAG_TYPES.index(candidate)
    # The older release named pointer-sized unsigned arguments UnsignedIntAsPtr.
    older = " ".join("UnsignedIntAsPtr" if w == "UnsignedInt" else w for w in words)
    return FLAG_TYPES.index(older) if older in FLAG_TYPES else -1


# ---------------------------------------------------------------------------------------------
# Reading the dataset

def read_dataset(folder):
    with open(os.path.join(folder, "maya-help-commands.txt"), encoding="ascii") as f:
        all_names = [line.strip() for line in f if line.strip()]
    flags = {}
    with open(os.path.join(folder, "maya-help-flags.tsv"), encoding="ascii") as f:
        header = f.readline().rstrip("\n").split("\t")
        if header != ["command", "short", "long", "type"]:
            raise FactError("the flags file has the columns command, short, long, type")
        for number, line in enumerate(f, start=2):
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 4:
                raise FactError("line %d of the flags file has four columns" % number)
            command, short, long, type_text = fields
            flags.setdefault(command, []).append((short, long, type_text))
    return all_names, flags


def flag_breaks_facts(entry):
    """Whether an entry would break a stated fact of the flag table (the older release
    did not have it): order of the first and last entries, name rules, empty long names."""
    short, long = split_entry(entry)
    if not (1 <= len(short) <= 3 and short.isalnum() and short.isascii()):
        return True
    if long and not (long.isalnum() and long.isascii()):
        return True
    if len(long) > len(LONGEST_LONG_NAME) or (len(long) == len(LONGEST_LONG_NAME)
                                               and long != LONGEST_LONG_NAME):
        return True
    if not long and entry not in EMPTY_LONG_ENTRIES:
        return True
    key = byte_key(entry)
    if key < byte_key(FIRST_FLAGS[0]) or key > byte_key(LAST_FLAGS[-1]):
        return True
    if byte_key(FIRST_FLAGS[0]) < key < byte_key(FIRST_FLAGS[-1]) and entry not in FIRST_FLAGS:
        return True
    if byte_key(LAST_FLAGS[0]) < key < byte_key(LAST_FLAGS[-1]) and entry not in LAST_FLAGS:
        return True
    return False


def command_name_allowed(name):
    if not (name.isascii() and all(c.isalpha() or c == "2" for c in name)):
        return False
    if len(name) > len("changeSubdivComponentDisplayLevel"):
        return False
    return len(name) >= 4 or name in ("ls", "air")


def kept_flags(flags):
    """The flags of one command as the older release lists them (a row the help repeats
    names the same flag: it is kept once)."""
    result = []
    seen = set()
    for short, long, type_text in flags:
        entry = entry_of(short, long)
        if long in LATER_FLAGS or flag_breaks_facts(entry) or entry in seen:
            continue
        seen.add(entry)
        result.append((short, long, map_type(type_text)))
    return result


# ---------------------------------------------------------------------------------------------
# Choosing the commands

class FlagUnion:
    """The flag table of a set of commands, with the distinct-name figures kept up to date."""

    def __init__(self, fixed_entries):
        self.users = Counter()
        self.short_entries = Counter()
        self.long_entries = Counter()
        for entry in fixed_entries:
            self._add(entry)

    def _add(self, entry):
        self.users[entry] += 1
        if self.users[entry] == 1:
            short, long = split_entry(entry)
            self.short_entries[short] += 1
            self.long_entries[long] += 1

    def _remove(self, entry):
        self.users[entry] -= 1
        if self.users[entry] == 0:
            del self.users[entry]
            short, long = split_entry(entry)
            self.short_entries[short] -= 1
            if not self.short_entries[short]:
                del self.short_entries[short]
            self.long_entries[long] -= 1
            if not self.long_entries[long]:
                del self.long_entries[long]

    def add_command(self, entries):
        for entry in entries:
            self._add(entry)

    def remove_command(self, entries):
        for entry in entries:
            self._remove(entry)

    def figures(self):
        return {"entries": len(self.users), "short": len(self.short_entries),
                "long": len(self.long_entries),
                **{"short " + s: self.short_entries.get(s, 0) for s in TARGET_SHORT_REPEATS}}

    def cost(self):
        """How far the table is from the facts (heavy) and from the aimed figures (light)."""
        cost = 1000 * abs(len(self.users) - FLAG_COUNT)
        cost += 100000 * sum(1 for e in REQUIRED_ENTRIES if e not in self.users)
        cost += 1000 * abs(self.short_entries.get("a", 0) - TARGET_SHORT_REPEATS["a"])
        cost += 3 * abs(len(self.short_entries) - TARGET_DISTINCT_SHORT)
        cost += 6 * abs(len(self.long_entries) - TARGET_DISTINCT_LONG)
        for s in ("s", "c"):
            cost += 10 * abs(self.short_entries.get(s, 0) - TARGET_SHORT_REPEATS[s])
        return cost


class Lcg:
    """A fixed pseudo-random sequence, the same on every platform and Python version."""

    def __init__(self, seed):
        self.state = seed

    def below(self, n):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % (1 << 64)
        return (self.state >> 33) % n


SEARCH_SEED = 3         # a start of the sequence with which the search meets every figure
SEARCH_STEPS = 300000
SEARCH_THRESHOLD = 3      # the worsening a step may accept at the start, shrinking to 0
LATER_COMMAND_COST = 3    # what choosing a command of a later release costs


def choose_commands(candidates, entries_of, fixed_entries):
    """Picks COMMAND_COUNT commands: the named ones at their indexes, the others so that the
    flag table comes out at FLAG_COUNT entries and near the distinct-name figures, preferring
    commands of the older releases."""
    anchors = sorted(COMMAND_INDEXES.items(), key=lambda item: item[1])
    for name in list(COMMAND_INDEXES) + KEPT_COMMANDS:
        if name not in candidates:
            raise FactError('the command "%s" is in the dataset with its flags' % name)
    groups = []  # (needed count, candidates strictly between two anchors)
    bounds = [(None, -1)] + anchors + [(None, COMMAND_COUNT)]
    for (low_name, low_index), (high_name, high_index) in zip(bounds, bounds[1:]):
        pool = [c for c in candidates if c not in COMMAND_INDEXES and c not in KEPT_COMMANDS
                and (low_name is None or byte_key(c) > byte_key(low_name))
                and (high_name is None or byte_key(c) < byte_key(high_name))]
        needed = high_index - low_index - 1 - sum(
            1 for c in KEPT_COMMANDS if (low_name is None or byte_key(c) > byte_key(low_name))
            and (high_name is None or byte_key(c) < byte_key(high_name)))
        if needed > len(pool):
            raise FactError('%d commands fit between "%s" and "%s" (found %d)'
                            % (needed, low_name, high_name, len(pool)))
        groups.append((needed, pool))

    union = FlagUnion(fixed_entries)
    chosen = set(COMMAND_INDEXES) | set(KEPT_COMMANDS)
    for name in chosen:
        union.add_command(entries_of[name])
    for needed, pool in groups:
        # Older commands first, then those that share most of their flags with others.
        ordered = sorted(pool, key=lambda c: (c in LATER_COMMANDS, len(entries_of[c]), byte_key(c)))
        for name in ordered[:needed]:
            chosen.add(name)
            union.add_command(entries_of[name])

    def penalty(name):
        return LATER_COMMAND_COST if name in LATER_COMMANDS else 0

    # Threshold accepting over swaps inside one gap between named commands: integer costs
    # and a fixed sequence keep the outcome the same everywhere.
    movable = [pool for needed, pool in groups if 0 < needed < len(pool)]
    rng = Lcg(SEARCH_SEED)
    later = sum(penalty(c) for c in chosen)
    cost = union.cost() + later
    best_cost, best = cost, set(chosen)
    for step in range(SEARCH_STEPS):
        pool = movable[rng.below(len(movable))]
        first, second = pool[rng.below(len(pool))], pool[rng.below(len(pool))]
        if (first in chosen) == (second in chosen):
            continue
        out_name, in_name = (first, second) if first in chosen else (second, first)
        union.remove_command(entries_of[out_name])
        union.add_command(entries_of[in_name])
        new_later = later - penalty(out_name) + penalty(in_name)
        new_cost = union.cost() + new_later
        if new_cost <= cost + SEARCH_THRESHOLD * (SEARCH_STEPS - step) // SEARCH_STEPS:
            chosen.discard(out_name)
            chosen.add(in_name)
            cost, later = new_cost, new_later
            if cost < best_cost:
                best_cost, best = cost, set(chosen)
        else:
            union.remove_command(entries_of[in_name])
            union.add_command(entries_of[out_name])

    # Then plain descent from the best state found: any swap that lowers the cost.
    union = FlagUnion(fixed_entries)
    chosen = best
    for name in sorted(chosen, key=byte_key):
        union.add_command(entries_of[name])
    cost = best_cost
    later = sum(penalty(c) for c in chosen)
    improved = True
    while improved:
        improved = False
        for pool in movable:
            for out_name in [c for c in pool if c in chosen]:
                for in_name in [c for c in pool if c not in chosen]:
                    union.remove_command(entries_of[out_name])
                    union.add_command(entries_of[in_name])
                    new_later = later - penalty(out_name) + penalty(in_name)
                    new_cost = union.cost() + new_later
                    if new_cost < cost:
                        chosen.discard(out_name)
                        chosen.add(in_name)
                        cost, later = new_cost, new_later
                        improved = True
                        break
                    union.remove_command(entries_of[in_name])
                    union.add_command(entries_of[out_name])
    return sorted(chosen, key=byte_key), union


# ---------------------------------------------------------------------------------------------
# Building the tables

def designer_record(name, flags):
    """Orders a designer command's typed flags so that each stands at its position; the
    untyped flags keep their places."""
    wanted = DESIGNER_POSITIONS[name]
    typed = [f for f in flags if f[2] != -1]
    by_entry = {entry_of(s, l): (s, l, t) for s, l, t in typed}
    slots = [None] * len(typed)
    for position, entry in wanted.items():
        if entry not in by_entry:
            raise FactError('"%s" has the typed flag "%s"' % (name, entry))
        if position >= len(slots):
            raise FactError('"%s" has a typed flag at position %d' % (name, position))
        slots[position] = by_entry[entry]
    rest = iter(f for f in typed if entry_of(f[0], f[1]) not in wanted.values())
    slots = [slot if slot is not None else next(rest) for slot in slots]
    ordered = iter(slots)
    return [f if f[2] == -1 else next(ordered) for f in flags]


def build(folder):
    all_names, dataset = read_dataset(folder)
    if all_names != sorted(all_names, key=byte_key):
        raise FactError("the dataset's command list is in byte order")

    commands = {name: kept_flags(flags) for name, flags in dataset.items()
                if command_name_allowed(name)}
    entries_of = {name: sorted({entry_of(s, l) for s, l, _ in flags}, key=byte_key)
                  for name, flags in commands.items()}
    dataset_entries = {e for entries in entries_of.values() for e in entries}
    # Entries the facts name but the dataset lacks stand in the flag table alone.
    added = sorted({e for e in REQUIRED_ENTRIES if e not in dataset_entries}, key=byte_key)
    chosen, union = choose_commands(sorted(commands, key=byte_key), entries_of, added)

    flag_table = sorted(union.users, key=byte_key)
    flag_index = {e: i for i, e in enumerate(flag_table)}
    records = []
    moved = []
    for name in chosen:
        flags = commands[name]
        if name in DESIGNER_POSITIONS:
            typed_before = [entry_of(s, l) for s, l, t in flags if t != -1]
            flags = designer_record(name, flags)
            typed_after = [entry_of(s, l) for s, l, t in flags if t != -1]
            moved += ["%s %s %d->%d" % (name, e, typed_before.index(e), typed_after.index(e))
                      for e in DESIGNER_POSITIONS[name].values()
                      if typed_before.index(e) != typed_after.index(e)]
        records.append([(flag_index[entry_of(s, l)], t) for s, l, t in flags])

    tables = {"keywords": KEYWORDS, "booleans": BOOLEAN_WORDS, "commands": chosen,
              "flags": flag_table, "types": FLAG_TYPES, "records": records,
              "words": sorted(set(all_names), key=byte_key), "added": added, "moved": moved,
              "figures": union.figures(), "dataset": dataset, "dataset names": all_names}
    check_facts(tables)
    return tables


# ---------------------------------------------------------------------------------------------
# Checking the facts

def typed_flags(tables, command):
    index = tables["commands"].index(command)
    return [(tables["flags"][f], t) for f, t in tables["records"][index] if t != -1]


def export_line(tables, command, values):
    line = command + " "
    for position, (entry, type_index) in enumerate(typed_flags(tables, command)):
        value = values.get(position, "")
        if value:
            long = split_entry(entry)[1]
            line += ('-%s "%s" ' if type_index == 46 else "-%s %s ") % (long, value)
    return line.rstrip() + ";"


def check_data_is_real(tables, fact):
    """Everything the tables hold comes from the dataset: the commands, each command's flags
    (in its own rows, typed as its help text maps), the command words."""
    dataset, commands, flags, types = (tables["dataset"], tables["commands"], tables["flags"],
                                       tables["types"])
    strings = (tables["keywords"] + tables["booleans"] + commands + flags + types
               + tables["words"])
    fact(all(s.isascii() and s.isprintable() and "\"" not in s and "\\" not in s
             for s in strings),
         "every table entry and command word is printable 7-bit ASCII")
    fact(all(1 <= len(w) <= 255 and not any(c.isspace() for c in w) for w in tables["words"]),
         "every command word is 1 to 255 characters without a blank")
    fact(set(tables["words"]) == set(tables["dataset names"]),
         "the command word list holds the dataset's command names")
    used = set()
    for name, record in zip(commands, tables["records"]):
        rows = {entry_of(s, l): map_type(t) for s, l, t in reversed(dataset.get(name, []))}
        fact(name in dataset, 'the command "%s" has help rows in the dataset' % name)
        entries = [flags[f] for f, _ in record]
        fact(len(set(entries)) == len(entries), 'the record of "%s" names no flag twice' % name)
        fact(all(rows.get(flags[f], "absent") == t for f, t in record),
             'every flag of "%s" is one of its rows in the dataset, typed as its help says'
             % name)
        used.update(entries)
    fact(set(flags) - used == set(tables["added"]) and set(tables["added"]) <= set(REQUIRED_ENTRIES),
         "every flag entry belongs to a command of the table, but for those the facts need"
         " and the dataset lacks")


def check_facts(tables):
    failures = []

    def fact(holds, text):
        if not holds:
            failures.append(text)

    commands, flags, types = tables["commands"], tables["flags"], tables["types"]
    for label, table in (("keyword", tables["keywords"]), ("command", commands),
                         ("flag", flags), ("flag type", types), ("command word", tables["words"])):
        fact(table == sorted(table, key=byte_key), "the %s table is in unsigned byte order" % label)
        fact(len(set(table)) == len(table), "the %s table has no repeated entry" % label)
    fact(len(tables["keywords"]) == 25, "25 keywords")
    fact(len(commands) == COMMAND_COUNT, "%d commands" % COMMAND_COUNT)
    fact(len(flags) == FLAG_COUNT, "%d flag entries" % FLAG_COUNT)
    fact(len(types) == 90, "90 flag types")
    fact(len(tables["booleans"]) == 6, "six boolean words")
    fact(types[11] == " ".join(["Float"] * 16) and types[89] == " ".join(["on|off"] * 7)
         and types[46] == "String" and types[47] == "String (multi-use)" and types[80] == "on|off",
         "the flag types 11, 46, 47, 80 and 89")

    for name, index in COMMAND_INDEXES.items():
        fact(index < len(commands) and commands[index] == name,
             '"%s" has the command index %d' % (name, index))
    fact("showWindow" not in commands, '"showWindow" is not in the command table')
    fact("showWindow" in tables["words"], '"showWindow" is in the command word list')
    fact(set(commands) <= set(tables["words"]), "every command is in the command word list")
    for before, after in (("arcLenDimContext", "arclen"), ("dgInfo", "dgdirty")):
        fact(before in commands and after in commands
             and commands.index(before) < commands.index(after),
             '"%s" precedes "%s"' % (before, after))
    fact(all(2 <= len(c) <= 33 and all(ch.isalpha() or ch == "2" for ch in c) for c in commands),
         "command names are 2 to 33 letters or the digit 2")
    fact(sorted(c for c in commands if len(c) < 4) == ["air", "ls"],
         '"ls" and "air" are the shortest command names')
    fact([c for c in commands if len(c) == 33] == ["changeSubdivComponentDisplayLevel"],
         '"changeSubdivComponentDisplayLevel" is the longest command name')
    fact("blend2" in commands and "view2dToolCtx" in commands,
         '"blend2" and "view2dToolCtx" are commands')

    fact(flags[:3] == FIRST_FLAGS, "the first flag entries are " + ", ".join(FIRST_FLAGS))
    fact(flags[-4:] == LAST_FLAGS, "the last flag entries are " + ", ".join(LAST_FLAGS))
    empties = [e for e in flags if e.endswith("-") and e.count("-") == 2]
    fact(empties == EMPTY_LONG_ENTRIES, "the 21 empty-long-name entries are "
         + " ".join(EMPTY_LONG_ENTRIES))
    for entry in NAMED_FLAGS:
        fact(entry in flags, 'the flag table holds "%s"' % entry)
    if all(e in flags for e in ("-a-axis", "-a-showAllToggleMenus", "-aa-affectsActive")):
        fact(flags.index("-a-axis") < flags.index("-a-showAllToggleMenus")
             < flags.index("-aa-affectsActive"),
             '"-a-axis" precedes "-a-showAllToggleMenus", which precedes "-aa-affectsActive"')
    shorts = [split_entry(e)[0] for e in flags]
    longs = [split_entry(e)[1] for e in flags]
    fact(all(1 <= len(s) <= 3 and s.isalnum() for s in shorts),
         "short names are 1 to 3 letters or digits")
    fact(all(len(l) <= 30 and (not l or l.isalnum()) for l in longs),
         "long names are 0 to 30 letters or digits")
    fact([l for l in longs if len(l) == 30] == [LONGEST_LONG_NAME],
         '"%s" is the longest long name' % LONGEST_LONG_NAME)
    fact(shorts.count("a") == 24, '24 entries have the short name "a"')

    fact(len(tables["records"]) == COMMAND_COUNT, "melcmd.dat holds one record per command")
    for index, record in enumerate(tables["records"]):
        fact(len(record) <= 256, 'the record of "%s" has at most 256 pairs' % commands[index])
        fact(all(0 <= f < len(flags) and -1 <= t < len(types) for f, t in record),
             'the record of "%s" indexes inside the tables' % commands[index])

    for command, positions in DESIGNER_POSITIONS.items():
        typed = typed_flags(tables, command)
        for position, entry in positions.items():
            fact(position < len(typed) and typed[position][0] == entry,
                 '"%s" has "%s" at position %d' % (command, entry, position))
    fact(typed_flags(tables, "button")[10][1] == 46, 'the button\'s label is typed "String"')
    for command, values, line in EXPORT_EXAMPLE:
        fact(export_line(tables, command, values) == line, 'the export example gives "%s"' % line)

    check_data_is_real(tables, fact)

    if failures:
        raise FactError("\n".join(failures))


# ---------------------------------------------------------------------------------------------
# Writing

def c_array(name, size, values):
    lines = ["const char* const %s[%s] = {" % (name, size)]
    lines += ['    "%s",' % v for v in values]
    if size != "6":
        lines.append("    nullptr,")
    lines.append("};")
    return "\n".join(lines)


def tables_source(tables):
    parts = [
        "// The built-in MEL vocabulary. Generated by tools/gen_mel_tables.py from the command",
        "// help dataset; regenerate rather than edit (melcmd.dat refers to these positions).",
        '#include "mel/MelVocabulary.h"',
        "",
        "namespace orv {",
        "",
        c_array("kMelKeywords", "kMelKeywordCount + 1", tables["keywords"]),
        "",
        c_array("kMelBooleanWords", "6", tables["booleans"]),
        "",
        c_array("kMelCommands", "kMelCommandCount + 1", tables["commands"]),
        "",
        c_array("kMelFlags", "kMelFlagCount + 1", tables["flags"]),
        "",
        c_array("kMelFlagTypes", "kMelFlagTypeCount + 1", tables["types"]),
        "",
        "} // namespace orv",
        ""]
    return "\n".join(parts).encode("ascii")


def database_bytes(tables):
    out = bytearray(struct.pack("<h", len(tables["records"])))
    for record in tables["records"]:
        out += struct.pack("<hh", 0, len(record))
        for flag, type_index in record:
            out += struct.pack("<hh", flag, type_index)
    return bytes(out)


def outputs(tables):
    return {
        os.path.join("core", "mel", "MelTables.cpp"): tables_source(tables),
        os.path.join("data", "Database", "melcmd.dat"): database_bytes(tables),
        os.path.join("data", "Database", "MEL Commands.txt"):
            "".join(w + "\n" for w in tables["words"]).encode("ascii"),
    }


def report(tables):
    f = tables["figures"]
    print("commands %d, flag entries %d, flag types %d, command words %d"
          % (len(tables["commands"]), len(tables["flags"]), len(tables["types"]),
             len(tables["words"])))
    print("entries added to the flag table alone: " + " ".join(tables["added"]))
    print("designer flags placed away from the dataset's order: " + ", ".join(tables["moved"]))
    rows = [("distinct short names", f["short"], TARGET_DISTINCT_SHORT),
            ("distinct long names", f["long"], TARGET_DISTINCT_LONG)]
    rows += [('entries with short name "%s"' % s, f["short " + s], n)
             for s, n in TARGET_SHORT_REPEATS.items()]
    for label, got, want in rows:
        print("%-32s %5d (aim %d%s)" % (label, got, want,
                                         ", met" if got == want else ", off by %+d" % (got - want)))


def main():
    args = arguments(__doc__)
    if args.verify and no_dataset("gen_mel_tables", args):
        return SKIPPED
    try:
        tables = build(args.data)
    except FactError as error:
        print("gen_mel_tables: a fact does not hold:\n" + str(error), file=sys.stderr)
        return 1
    except OSError as error:
        print("gen_mel_tables: cannot read the dataset: %s" % error, file=sys.stderr)
        return 1
    report(tables)
    return write_or_verify("gen_mel_tables", args, outputs(tables))


if __name__ == "__main__":
    sys.exit(main())
