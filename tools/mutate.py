#!/usr/bin/env python3
"""A mutation run over the portable core: one small fault at a time (a changed bound, a
dropped condition, a wrong constant, a swapped branch) is put into a source file, the native
tests are rebuilt and run, and the fault counts as caught when a test fails. Prints every
mutant that survived and the share caught. The sources are restored after each mutant.

Usage: tools/mutate.py [COUNT] [SEED]   (default 80 mutants, seed 1)
"""
import os
import random
import re
import subprocess
import sys

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(os.environ.get("TAVRIN_BUILD", os.path.join(TOP, "build")), "mutate")
FILES = ["settings/settings.cpp", "settings/text_values.cpp", "database/database.cpp",
         "database/day_entries.cpp", "app/start_rules.cpp", "settings/install_path.cpp",
         "calendar/calendar_math.cpp", "dialogs/setup_values.cpp", "dialogs/document_command.cpp",
         "dialogs/info_text.cpp", "saver/orbit_path.cpp", "saver/saver_rules.cpp",
         "pictures/picture_format.cpp", "pictures/tints.cpp"]
TESTS = ["core_tests", "morvdb_tests", "fault_tests", "corruption_tests"]

# Operator swaps, each applied to one occurrence at a time.
SWAPS = [(r"<=", "<"), (r">=", ">"), (r"(?<![<>=!])<(?![<=])", "<="),
         (r"(?<![<>=!-])>(?![>=])", ">="), (r"==", "!="), (r"!=", "=="), (r"&&", "||"),
         (r"\|\|", "&&"), (r"\+ 1\b", "- 1"), (r"- 1\b", "+ 1"), (r"\btrue\b", "false"),
         (r"\bfalse\b", "true"), (r"\b(\d+)\b", None)]


def candidates(path):
    found = []
    with open(os.path.join(TOP, path), encoding="utf-8") as source:
        lines = source.read().split("\n")
    for number, line in enumerate(lines):
        code = line.split("//")[0]
        if code.lstrip().startswith("#") or '"' in code or not code.strip():
            continue
        for pattern, replacement in SWAPS:
            for match in re.finditer(pattern, code):
                if replacement is None:  # a constant one larger
                    new = str(int(match.group(1)) + 1)
                else:
                    new = replacement
                found.append((path, number, match.start(), match.end(), new))
    return lines, found


def build_tree():
    if not os.path.exists(os.path.join(BUILD, "build.ninja")):
        subprocess.run(["cmake", "-S", TOP, "-B", BUILD, "-G", "Ninja", "-DTAVRIN_SANITIZE=OFF",
                        "-DCMAKE_BUILD_TYPE=Release"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", BUILD, "--target"] + TESTS + ["database"], check=True,
                   stdout=subprocess.DEVNULL)


def tests_pass():
    if subprocess.run(["cmake", "--build", BUILD, "--target"] + TESTS, stdout=subprocess.DEVNULL,
                      stderr=subprocess.DEVNULL).returncode != 0:
        return False  # a mutant that does not compile counts as caught by the build
    for test in TESTS:
        program = os.path.join(BUILD, "tests", test)
        try:
            if subprocess.run([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=300, cwd=BUILD).returncode != 0:
                return False
        except subprocess.TimeoutExpired:
            return False
    return True


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 80
    random.seed(int(sys.argv[2]) if len(sys.argv) > 2 else 1)
    build_tree()
    if not tests_pass():
        sys.exit("the tests fail without any mutant")
    everything = []
    sources = {}
    for path in FILES:
        lines, found = candidates(path)
        sources[path] = lines
        everything += found
    chosen = random.sample(everything, min(count, len(everything)))
    caught, survived = 0, []
    for path, number, start, end, new in chosen:
        lines = list(sources[path])
        old_line = lines[number]
        lines[number] = old_line[:start] + new + old_line[end:]
        full = os.path.join(TOP, path)
        with open(full, "w", encoding="utf-8") as out:
            out.write("\n".join(lines))
        try:
            if tests_pass():
                survived.append("%s:%d: %s  ->  %s" % (path, number + 1, old_line.strip(),
                                                        lines[number].strip()))
            else:
                caught += 1
        finally:
            with open(full, "w", encoding="utf-8") as out:
                out.write("\n".join(sources[path]))
    for line in survived:
        print("survived " + line)
    print("%d of %d mutants caught (%.0f%%)" % (caught, len(chosen), 100.0 * caught / len(chosen)))
    subprocess.run(["cmake", "--build", BUILD, "--target"] + TESTS, stdout=subprocess.DEVNULL)


if __name__ == "__main__":
    main()
