#!/usr/bin/env python3
"""Mutation runs: one small fault at a time is put into a source file, the tests that cover the
file are rebuilt and run, and the fault counts as caught when one of them fails. Prints each
mutant as it is tried, every one that survived, and the share caught. The source is restored
after each mutant; a mutant that does not compile is put aside and another one is drawn, since
the compiler and not a test would have caught it.

Two layers:
- the portable core (the default): operator, bound and constant faults, against the native tests;
- the Windows layer (--windows): the faults people make in window code (a wrong control id or
  message, swapped arguments, a call left out, a condition always or never taken, a flag not
  checked, a wrong constant, a return in place of a break), against the Windows test programs
  under Wine that mutate_windows.map names for the mutated file.

Mutants listed in mutate_equivalent.txt behave exactly as the code does; a survivor among them is
reported as equivalent and left out of the share.

Usage: tools/mutate.py [--windows] [COUNT] [SEED]   (default 60 mutants, seed 1)
       tools/mutate.py --check-map   (every Windows source file is mapped to programs that exist)
"""
import os
import random
import re
import shutil
import subprocess
import sys
import time

TOOLS = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(TOOLS)
BUILD_TOP = os.environ.get("TAVRIN_BUILD", os.path.join(TOP, "build"))
NATIVE = os.path.join(BUILD_TOP, "mutate")
MAP_FILE = os.path.join(TOOLS, "mutate_windows.map")
EQUIVALENT_FILE = os.path.join(TOOLS, "mutate_equivalent.txt")
PRODUCT_DIRS = ["app", "settings", "database", "pictures", "calendar", "dialogs", "saver"]

CORE_FILES = ["settings/settings.cpp", "settings/text_values.cpp", "database/database.cpp",
              "database/day_entries.cpp", "app/start_rules.cpp", "settings/install_path.cpp",
              "calendar/calendar_math.cpp", "dialogs/setup_values.cpp",
              "dialogs/document_command.cpp", "dialogs/info_text.cpp", "saver/orbit_path.cpp",
              "saver/saver_rules.cpp", "pictures/picture_format.cpp", "pictures/tints.cpp"]
CORE_TESTS = ["core_tests", "morvdb_tests", "fault_tests", "corruption_tests"]

OPERATORS = [(r"<=", "<"), (r">=", ">"), (r"(?<![<>=!])<(?![<=])", "<="),
             (r"(?<![<>=!-])>(?![>=])", ">="), (r"==", "!="), (r"!=", "=="), (r"&&", "||"),
             (r"\|\|", "&&"), (r"\+ 1\b", "- 1"), (r"- 1\b", "+ 1")]
BOOLEANS = [(r"\btrue\b", "false"), (r"\bfalse\b", "true"), (r"\bTRUE\b", "FALSE"),
            (r"\bFALSE\b", "TRUE")]
# Messages, notifications, commands and keys that window code mistakes for one another.
PARTNERS = [("WM_KEYDOWN", "WM_KEYUP"), ("WM_LBUTTONDOWN", "WM_LBUTTONUP"),
            ("WM_RBUTTONDOWN", "WM_RBUTTONUP"), ("WM_CLOSE", "WM_DESTROY"),
            ("WM_CREATE", "WM_NCCREATE"), ("WM_PAINT", "WM_ERASEBKGND"),
            ("WM_SETTEXT", "WM_GETTEXT"), ("WM_SETFONT", "WM_GETFONT"), ("WM_TIMER", "WM_NULL"),
            ("WM_INITDIALOG", "WM_CREATE"), ("WM_COMMAND", "WM_NOTIFY"),
            ("WM_CTLCOLORSTATIC", "WM_CTLCOLORDLG"), ("WM_ACTIVATE", "WM_ACTIVATEAPP"),
            ("WM_SYSCOMMAND", "WM_COMMAND"), ("WM_MOUSEMOVE", "WM_NCMOUSEMOVE"),
            ("WM_DRAWITEM", "WM_MEASUREITEM"), ("BM_SETCHECK", "BM_GETCHECK"),
            ("BST_CHECKED", "BST_UNCHECKED"), ("CB_SETCURSEL", "CB_GETCURSEL"),
            ("CBN_SELCHANGE", "CBN_CLOSEUP"), ("BN_CLICKED", "BN_DOUBLECLICKED"),
            ("EN_CHANGE", "EN_UPDATE"), ("IDOK", "IDCANCEL"), ("SW_SHOW", "SW_HIDE"),
            ("SW_SHOWNORMAL", "SW_SHOWMINIMIZED"), ("HWND_TOPMOST", "HWND_NOTOPMOST"),
            ("VK_LEFT", "VK_RIGHT"), ("VK_UP", "VK_DOWN"), ("VK_PRIOR", "VK_NEXT"),
            ("VK_HOME", "VK_END"), ("VK_ESCAPE", "VK_RETURN"), ("SM_CXSCREEN", "SM_CYSCREEN"),
            ("GWL_STYLE", "GWL_EXSTYLE"), ("SRCCOPY", "SRCAND"), ("TRANSPARENT", "OPAQUE")]
# Each name is mistaken for its partner, whichever of the two the code uses.
CONFUSIONS = PARTNERS + [(new, old) for old, new in PARTNERS]
# Statements that are a call to one of these are left out by "call left out".
CALL = re.compile(r"^(\s*)((?:\w+(?:::|\.|->))*\w+)\((.*)\);\s*$")
SIMPLE = r"(?:[A-Za-z_][\w.]*(?:->\w+)*|\d+)"
ARGUMENTS = re.compile(r"(?<=[(,] )(%s), (%s)(?=[,)])|(?<=\()(%s), (%s)(?=[,)])" %
                       (SIMPLE, SIMPLE, SIMPLE, SIMPLE))


def masked(line):
    """The line's code with the insides of string and character literals blanked and any
    comment cut off, so that no mutant lands in a text or a remark."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(c if c == quote else " ")
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def resource_groups():
    """Names from the resource header, grouped so that a control id is mistaken for another
    control of the same window, a command for another command, a timer for another timer."""
    names, values = [], {}
    with open(os.path.join(TOP, "resources", "resource.h"), encoding="utf-8") as header:
        for line in header:
            match = re.match(r"#define\s+([A-Z][A-Z0-9_]+)\s+(\S+)", line)
            if match:
                names.append(match.group(1))
                values[match.group(1)] = match.group(2)
    groups = {}
    for name in names:
        parts = name.split("_")
        key = "_".join(parts[:2]) if len(parts) > 2 and parts[0].startswith("ID") else parts[0]
        groups.setdefault(key, []).append(name)
    return {name: [other for other in group if values[other] != values[name]]
            for group in groups.values() for name in group if len(group) > 1}


def condition_end(code, start):
    """The index just past the parenthesis that closes the one at start, or -1."""
    depth = 0
    for i in range(start, len(code)):
        depth += {"(": 1, ")": -1}.get(code[i], 0)
        if depth == 0:
            return i + 1
    return -1


def core_candidates(code):
    for pattern, new in OPERATORS + BOOLEANS[:2]:
        for m in re.finditer(pattern, code):
            yield "operator", m.start(), m.end(), new
    for m in re.finditer(r"\b(\d+)\b", code):
        yield "constant", m.start(), m.end(), str(int(m.group(1)) + 1)


def window_candidates(code, siblings):
    yield from core_candidates(code)
    for pattern, new in BOOLEANS[2:]:
        for m in re.finditer(pattern, code):
            yield "constant", m.start(), m.end(), new
    for m in re.finditer(r"\b[A-Z][A-Z0-9_]+\b", code):
        for old, new in CONFUSIONS:
            if m.group(0) == old:
                yield "message", m.start(), m.end(), new
        for other in siblings.get(m.group(0), []):
            yield "control id", m.start(), m.end(), other
    for m in ARGUMENTS.finditer(code):
        first, second = (m.group(1), m.group(2)) if m.group(1) else (m.group(3), m.group(4))
        if first != second:
            yield "argument order", m.start(), m.end(), second + ", " + first
    call = CALL.match(code)
    if call and call.group(2) not in ("return", "if", "while", "for", "switch"):
        yield "call left out", len(call.group(1)), len(code.rstrip()), ";"
    for m in re.finditer(r"\b(if|while) \(", code):
        end = condition_end(code, m.end() - 1)
        if end > 0:
            for always in ("true", "false"):
                yield "condition", m.end() - 1, end, "(" + always + ")"
    for m in re.finditer(r"!(?!=)", code):
        yield "flag not checked", m.start(), m.end(), ""
    for m in re.finditer(r"\bbreak;", code):
        yield "early return", m.start(), m.end(), "return 0;"


def candidates(path, windows, siblings):
    with open(os.path.join(TOP, path), encoding="utf-8") as source:
        lines = source.read().split("\n")
    found = []
    for number, line in enumerate(lines):
        code = masked(line)
        if code.lstrip().startswith("#") or not code.strip():
            continue
        if not windows and '"' in code:
            continue
        made = window_candidates(code, siblings) if windows else core_candidates(code)
        for kind, start, end, new in made:
            if line[start:end] != new:
                found.append((kind, path, number, start, end, new))
    return lines, found


def read_map():
    """Source file -> [(program, gtest filter or None)], fastest program first."""
    covered = {}
    with open(MAP_FILE, encoding="utf-8") as table:
        for line in table:
            line = line.split("#")[0].strip()
            if not line:
                continue
            source, programs = line.split(":", 1)
            covered[source.strip()] = [(p.split("=")[0], p.split("=")[1] if "=" in p else None)
                                       for p in programs.split()]
    return covered


def check_map():
    """The map names every Windows source file of the product, and only test programs that the
    Windows tests' build defines: a new file or a renamed program fails this check."""
    covered = read_map()
    with open(os.path.join(TOP, "tests", "wine", "CMakeLists.txt"), encoding="utf-8") as build:
        programs = set(re.findall(r"tavrin_wine_test\((\w+)", build.read()))
    sources = set()
    for folder in PRODUCT_DIRS:
        for name in os.listdir(os.path.join(TOP, folder)):
            if name.endswith("_win.cpp"):
                sources.add(folder + "/" + name)
    problems = ["not mapped: " + s for s in sorted(sources - set(covered))]
    problems += ["no such file: " + s for s in sorted(set(covered) - sources)]
    problems += ["no such test program: %s (for %s)" % (p, s)
                 for s, runs in sorted(covered.items()) for p, _ in runs
                 if p.split("@")[0] not in programs]
    problems += ["no programs for " + s for s, runs in covered.items() if not runs]
    for problem in problems:
        print(problem)
    print("the map names %d files" % len(covered) if not problems else "the map is out of date")
    return not problems


def read_equivalents():
    """(path, line number or None, line as written, line as mutated) of every listed mutant."""
    known = set()
    if os.path.exists(EQUIVALENT_FILE):
        with open(EQUIVALENT_FILE, encoding="utf-8") as table:
            for line in table:
                match = re.match(r"([\w/.]+)(?::(\d+))?: (.*?) => (.*?)\s+# ", line)
                if match:
                    number = int(match.group(2)) if match.group(2) else None
                    known.add((match.group(1), number, match.group(3).strip(),
                               match.group(4).strip()))
    return known


def quiet(command, **options):
    return subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          **options).returncode == 0


class CoreLayer:
    files = CORE_FILES

    def prepare(self):
        # With the sanitizers, as the test command builds the core: a read past an array, which
        # they stop, counts as caught.
        subprocess.run(["cmake", "-S", TOP, "-B", NATIVE, "-G", "Ninja", "-DTAVRIN_SANITIZE=ON",
                        "-DCMAKE_BUILD_TYPE=Release"], check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", NATIVE, "--target"] + CORE_TESTS + ["database"],
                       check=True, stdout=subprocess.DEVNULL)

    def build(self, path):
        return quiet(["cmake", "--build", NATIVE, "--target"] + CORE_TESTS)

    def finish(self):
        self.build(None)

    def tests_pass(self, path):
        for test in CORE_TESTS:
            try:
                if not quiet([os.path.join(NATIVE, "tests", test)], timeout=300, cwd=NATIVE):
                    return False
            except subprocess.TimeoutExpired:
                return False
        return True


class WindowsLayer:
    """The cross build of both programs and their Windows tests, run under Wine in two prefixes
    of their own, so that two test programs run at once; the first failure ends the others."""

    def __init__(self):
        self.map = read_map()
        self.files = sorted(self.map)
        self.arch = subprocess.run(["sh", os.path.join(TOOLS, "wine-arch.sh")],
                                   capture_output=True, text=True).stdout.strip()
        self.build_dir = os.path.join(BUILD_TOP, "mutate-" + self.arch)
        server = "/usr/lib/wine/wineserver" + ("64" if self.arch == "win64" else "32")
        self.server = server if os.path.exists(server) else "/usr/lib/wine/wineserver"
        self.prefixes = [os.path.join(self.build_dir, "prefix-%d" % i) for i in (1, 2)]

    def prepare(self):
        CoreLayer().prepare()
        subprocess.run(["cmake", "--build", NATIVE, "--target", "morvdb"], check=True,
                       stdout=subprocess.DEVNULL)
        if not os.path.exists(os.path.join(self.build_dir, "build.ninja")):
            chain = "mingw-x86_64.cmake" if self.arch == "win64" else "mingw-i686.cmake"
            subprocess.run(["cmake", "-S", TOP, "-B", self.build_dir, "-G", "Ninja",
                            "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                            "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(TOP, "cmake", chain),
                            "-DMORVDB_TOOL=" + os.path.join(NATIVE, "morvdb")], check=True,
                           stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", self.build_dir, "--target"] + self.targets(None),
                       check=True, stdout=subprocess.DEVNULL)
        for prefix in self.prefixes:
            self.stop(prefix)
            shutil.rmtree(prefix, ignore_errors=True)
            self.wine(prefix, ["wineboot"]).wait()
            quiet([self.server, "-p"], env=dict(os.environ, WINEPREFIX=prefix))

    def targets(self, path):
        runs = self.map[path] if path else [run for r in self.map.values() for run in r]
        return ["morvest", "morvsave"] + sorted({program.split("@")[0] for program, _ in runs})

    def build(self, path):
        return quiet(["cmake", "--build", self.build_dir, "--target"] + self.targets(path))

    def wine(self, prefix, arguments, screen=None):
        """A program under Wine in the prefix given, or, with a screen (WIDTHxHEIGHTxDEPTH), a
        test program on a virtual screen of that size and depth, in a scratch prefix of its own,
        as the tests of the palette and 16-bit displays run; arguments are then the program and
        its test filter."""
        environment = dict(os.environ, TAVRIN_WINEPREFIX=prefix, TAVRIN_ROUNDS="5",
                           TAVRIN_SAVER_SECONDS="10")
        emulator = [os.path.join(TOP, "cmake", "wine-run.sh"), "--arch", self.arch]
        command = ["sh"] + emulator + arguments
        if screen:
            command = ["sh", os.path.join(TOP, "tests", "wine", "on_screen.sh")] + emulator + [
                prefix + "-" + screen, screen] + arguments
        with open(prefix + ".log", "w") as log:
            return subprocess.Popen(command, stdout=log, stderr=log,
                                    cwd=os.path.join(self.build_dir, "tests", "wine"),
                                    env=environment, start_new_session=True)

    def launch(self, prefix, program, chosen):
        """A test program headless, or as program@WIDTHxHEIGHTxDEPTH on such a screen."""
        if "@" in program:
            program, screen = program.split("@")
            return self.wine(prefix, [program + ".exe", chosen or "*"], screen)
        return self.wine(prefix, [program + ".exe", "--gtest_fail_fast"] +
                         (["--gtest_filter=" + chosen] if chosen else []))

    def finish(self):
        self.build(None)
        for prefix in self.prefixes:
            self.stop(prefix)

    def stop(self, prefix):
        quiet([self.server, "-k"], env=dict(os.environ, WINEPREFIX=prefix))

    def tests_pass(self, path):
        waiting = list(self.map[path] if path else [r for rs in self.map.values() for r in rs])
        if not path:  # every program once, in full
            waiting = sorted({(program.split("@")[0], None) for program, _ in waiting})
        running = {}  # prefix -> (process, started)
        passed = True
        while passed and (waiting or running):
            for prefix in self.prefixes:
                if prefix not in running and waiting:
                    program, chosen = waiting.pop(0)
                    running[prefix] = (self.launch(prefix, program, chosen), time.time())
            time.sleep(0.2)
            for prefix, (process, started) in list(running.items()):
                if process.poll() is None and time.time() - started < 300:
                    continue
                passed = passed and process.returncode == 0
                del running[prefix]
        for prefix, (process, _) in running.items():
            self.stop(prefix)
            process.wait()
        return passed


def main():
    arguments = sys.argv[1:]
    if "--check-map" in arguments:
        sys.exit(0 if check_map() else 1)
    windows = "--windows" in arguments
    arguments = [a for a in arguments if a != "--windows"]
    count = int(arguments[0]) if arguments else 60
    random.seed(int(arguments[1]) if len(arguments) > 1 else 1)
    layer = WindowsLayer() if windows else CoreLayer()
    if windows and not check_map():
        sys.exit("mutate_windows.map is out of date")
    began = time.time()
    layer.prepare()
    if not layer.tests_pass(None):
        sys.exit("the tests fail without any mutant")
    siblings = resource_groups()
    sources, kinds = {}, {}
    for path in layer.files:
        lines, found = candidates(path, windows, siblings)
        sources[path] = lines
        for mutant in found:
            kinds.setdefault(mutant[0], []).append(mutant)
    equivalents = read_equivalents()
    caught, survived, equivalent, uncompiled, tried = 0, [], [], 0, 0
    while tried < count and any(kinds.values()):
        kind = random.choice(sorted(k for k in kinds if kinds[k]))
        _, path, number, start, end, new = kinds[kind].pop(random.randrange(len(kinds[kind])))
        lines = list(sources[path])
        old_line = lines[number]
        lines[number] = old_line[:start] + new + old_line[end:]
        full = os.path.join(TOP, path)
        shown = "%s:%d: %s: %s  ->  %s" % (path, number + 1, kind, old_line.strip(),
                                          lines[number].strip())
        started = time.time()
        with open(full, "w", encoding="utf-8") as out:
            out.write("\n".join(lines))
        try:
            if not layer.build(path):
                uncompiled += 1
                continue
            tried += 1
            if not layer.tests_pass(path):
                caught += 1
                verdict = "caught"
            elif {(path, n, old_line.strip(), mutated)
                  for n in (None, number + 1) for mutated in (lines[number].strip(), "*")} & \
                    equivalents:
                equivalent.append(shown)
                verdict = "equivalent"
            else:
                survived.append(shown)
                verdict = "SURVIVED"
            print("[%d/%d] %s (%.0f s) %s" % (tried, count, verdict, time.time() - started, shown),
                  flush=True)
        finally:
            with open(full, "w", encoding="utf-8") as out:
                out.write("\n".join(sources[path]))
    for line in equivalent:
        print("equivalent " + line)
    for line in survived:
        print("survived " + line)
    scored = tried - len(equivalent)
    print("%d of %d mutants caught (%.0f%%), %d equivalent, %d put aside as not compiling, %.0f "
          "minutes" % (caught, scored, 100.0 * caught / max(scored, 1), len(equivalent),
                       uncompiled, (time.time() - began) / 60))
    layer.finish()


if __name__ == "__main__":
    main()
