#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Mutation run: how many small faults in a source file the tests catch.

    scripts/mutate.py FILE[:FROM-TO]... [--tests REGEX] [--max N] [--tree DIR] [--seed S] [--jobs J]
                      [--define NAME=VALUE]... [--rev COMMIT] [--matrix OUT.jsonl]
                      [--covered MAP.json [--focus REGEX]] [--timeout SECONDS]
    scripts/mutate.py --report OUT.jsonl...

Each mutant changes one operator, comparison or constant of one line of
FILE (== to !=, < to <=, + to -, / to *, && to ||, true to false, 0 to 1,
2.5 to (2.5 + 1), if (a to if (!a, ...) or leaves out a statement that is
a call or an assignment,
rebuilds, and runs the tests (ctest -R REGEX, every test without it). A
mutant the tests fail on is killed; one they pass survived, and is printed
with its line so that a test can be written or a redundant one dropped; a
killed one is printed too, so that two runs can be compared mutant by
mutant. FILE:FROM-TO mutates only the lines FROM to TO of FILE.
Mutants that do not build are not counted.

The work happens in a git worktree of HEAD or --rev (--tree, default
build-mutation/tree) with its own build folder, so the checkout and its
builds are never touched; the worktree's build is kept between runs, and
only the mutated file is rebuilt each time. The first run builds everything
once (as long as scripts/run-tests.sh does).

--define sets a CMake option of that build (kept in its cache until defined
otherwise): ZEPT_BUILD_TOOLS=OFF, ZEPT_BUILD_VIEWER=OFF and ZEPT_BUILD_DATA=OFF
leave the tools, the bundled catalogs and their tests out, so that a mutant
of the library relinks the two test programs only.

The score is killed / (killed + survived). Comments and string literals are
left alone; at most --max mutants per file are tried (default 40), chosen
with --seed so that a run can be repeated.

--matrix runs every test of the two test programs for each mutant, without
stopping at the first failure, and appends a line per mutant to OUT.jsonl
naming the tests that failed on it (a test that crashes or hangs fails;
the rest of its program runs on). --tests is then a regular expression on
the tests' names. --report reads such files and prints, for each test file,
how many mutants each of its tests kills and which ones only that test
kills: a test whose every kill another test shares is a candidate to merge
or drop.

--covered takes the map scripts/test-coverage.py writes: mutants are tried
only on lines some test runs, and each runs only the tests that reach its
line (the others cannot fail on it), a few seconds instead of the whole
suite. --focus REGEX then keeps the lines that a test whose name or file
matches REGEX runs, those the fewest tests run first, to ask of those tests
whether they catch anything the others miss.
"""

import argparse
import json
import os
import random
import shutil
import signal
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# (pattern, replacement): each match of each pattern is one mutant.
MUTATIONS = [
    (r"==", "!="), (r"!=", "=="),
    (r"(?<![<>=!])<=", "<"), (r"(?<![<>=!])>=", ">"),
    (r"(?<![<>=!-])<(?![<=])", "<="), (r"(?<![<>=!-])>(?![>=])", ">="),
    (r"&&", "||"), (r"\|\|", "&&"),
    (r"(?<![+=])\+(?![+=])", "-"), (r"(?<![-=>])-(?![-=>])", "+"),
    (r"\btrue\b", "false"), (r"\bfalse\b", "true"),
    (r"(?<![\w.])0(?![\w.])", "1"), (r"(?<![\w.])1(?![\w.])", "0"),
    (r"\breturn !", "return "),
    (r"(?<![\w.])((?:\d+\.\d*|\.\d+)(?:[eE][+-]?\d+)?|\d+[eE][+-]?\d+)(?![\w.])", r"(\1 + 1)"),
    (r"(?<![/*])/(?![/*])", "*"),
    (r"\b(if|while) \((?!!)", r"\1 (!"), (r"\b(if|while) \(!", r"\1 ("),
]

# A whole statement that is a call or an assignment to a plain name: the
# mutant leaves it out. A statement the line does not hold whole fails to
# build and is not counted.
STATEMENT = re.compile(r"(?:[A-Za-z_]\w*(?:::|\.|->))*[A-Za-z_]\w*(?:\(.*\)|(?:\[[^]]*\])*\s*[-+*/|&]?=\s*[^=].*);")
NOT_A_STATEMENT = re.compile(r"(?:return|if|while|for|switch|case|throw|delete|else|do|goto|using|typedef)\b")


def code_spans(line):
    """Parts of a line outside comments and string or character literals."""
    spans, start, i, quote = [], 0, 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                i += 2
                continue
            if c == quote:
                quote, start = None, i + 1
        elif line.startswith("//", i):
            break
        elif c in "\"'":
            spans.append((start, i))
            quote = c
        i += 1
    if not quote:
        spans.append((start, min(i, len(line))))
    return spans


def mutants(text):
    """(line index, new line, description) for every mutation point."""
    out = []
    for n, line in enumerate(text.split("\n")):
        stripped = line.lstrip()
        if stripped.startswith(("#", "//", "*", "/*")) or "static_assert" in line:
            continue
        for lo, hi in code_spans(line):
            for pattern, replacement in MUTATIONS:
                for m in re.finditer(pattern, line[lo:hi]):
                    a, b = lo + m.start(), lo + m.end()
                    new = m.expand(replacement)
                    out.append((n, line[:a] + new + line[b:], f"{m.group(0)} -> {new}"))
        code = "".join(line[lo:hi] for lo, hi in code_spans(line)).strip()
        if STATEMENT.fullmatch(code) and not NOT_A_STATEMENT.match(code) and code.count("(") == code.count(")"):
            out.append((n, line[:len(line) - len(stripped)] + "{}", "statement left out"))
    return out


def run(cmd, cwd, timeout=None):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          timeout=timeout).returncode


def gtest_programs(build):
    return sorted(p for p in (build / "tests").glob("zeptdb*_tests") if os.access(p, os.X_OK))


def list_tests(program, regex, cwd):
    """name -> (file, line) of every test of a GoogleTest program."""
    out = cwd / f".{program.name}.list.json"
    subprocess.run([str(program), "--gtest_list_tests", f"--gtest_output=json:{out}"], cwd=cwd,
                   stdout=subprocess.DEVNULL, check=True)
    tests = {}
    for suite in json.loads(out.read_text())["testsuites"]:
        for test in suite["testsuite"]:
            name = f"{suite['name']}.{test['name']}"
            if re.search(regex, name):
                tests[name] = (test.get("file", ""), test.get("line", 0))
    out.unlink()
    return tests


def test_name(text):
    """The test a GoogleTest output line names, without its parameter or time."""
    return text.split(" ", 1)[0].rstrip(",")


def failing(program, names, cwd, timeout):
    """The tests of names that fail; one that crashes or hangs fails and the rest run on."""
    failed, left = set(), list(names)
    while left:
        started, finished = None, set()
        # A session of its own, so that a hang kills the tools a test started too: a mutant that
        # loops in a tool would otherwise keep it running long after the test gave up.
        proc = subprocess.Popen([str(program), "--gtest_filter=" + ":".join(left)], cwd=cwd, text=True,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, errors="replace",
                                start_new_session=True)
        try:
            output = proc.communicate(timeout=timeout)[0]
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            output = proc.communicate()[0]
        for line in output.splitlines():
            tag, name = line[:13], test_name(line[13:])
            if tag == "[ RUN      ] ":
                started = name
            elif tag in ("[       OK ] ", "[  SKIPPED ] "):
                finished.add(name)
            elif tag == "[  FAILED  ] " and name in names:
                finished.add(name)
                failed.add(name)
        if started and started not in finished:
            failed.add(started)
            finished.add(started)
        elif not finished:
            break  # the program did not start: nothing more to learn
        left = [n for n in left if n not in finished]
    return failed


def run_tests(programs, cwd, jobs, timeout):
    """Every failing test of every program, the programs' tests split into jobs chunks run side by side."""
    chunks = []
    for program, names in programs.items():
        names = list(names)
        for i in range(jobs):
            if names[i::jobs]:
                chunks.append((program, names[i::jobs]))
    if not chunks:
        return []
    with ThreadPoolExecutor(len(chunks)) as pool:
        results = pool.map(lambda c: failing(c[0], c[1], cwd, timeout), chunks)
    return sorted(set().union(*results))


def report(files):
    """Per test file: its tests, their kills and the kills no other test shares.

    A test is its definition: the instances of a parameterised test are one."""
    rows = [json.loads(line) for f in files for line in Path(f).read_text().splitlines() if line.strip()]
    where = {}
    for row in rows:
        where.update(row.get("tests", {}))
    rows = [row for row in rows if "killers" in row]
    definition = {}
    for name, (file, line) in where.items():
        suite, _, test = test_name(name).rpartition(".")
        definition[test_name(name)] = (file.removeprefix("../"), line, suite.rpartition("/")[2] + "." +
                                       test.partition("/")[0])
    kills, unique = {}, {}
    for row in rows:
        killers = {definition[test_name(t)] for t in row["killers"] if test_name(t) in definition}
        for d in killers:
            kills[d] = kills.get(d, 0) + 1
            if len(killers) == 1:
                unique.setdefault(d, []).append(f"{row['file']}:{row['line']}: {row['what']}")
    print(f"{sum(1 for r in rows if r['killers'])} of {len(rows)} mutants killed")
    by_file = {}
    for d in set(definition.values()):
        by_file.setdefault(d[0], []).append(d)
    for file in sorted(by_file, key=lambda f: -sum(kills.get(d, 0) for d in by_file[f])):
        tests = sorted(by_file[file], key=lambda d: d[1])
        print(f"{file}: {len(tests)} tests, {sum(len(unique.get(d, [])) for d in tests)} unique kills")
        for d in tests:
            print(f"  {d[1]:5} {d[2]}: kills {kills.get(d, 0)}, unique {len(unique.get(d, []))}")
            for m in unique.get(d, []):
                print(f"          {m}")


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("files", nargs="+")
    ap.add_argument("--tests", default="")
    ap.add_argument("--max", type=int, default=40)
    ap.add_argument("--tree", default=str(ROOT / "build-mutation" / "tree"))
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--rev", default="HEAD")
    ap.add_argument("--define", action="append", default=[], metavar="NAME=VALUE")
    ap.add_argument("--matrix", metavar="OUT.jsonl")
    ap.add_argument("--report", action="store_true")
    ap.add_argument("--covered", metavar="MAP.json")
    ap.add_argument("--focus", default="")
    ap.add_argument("--timeout", type=int, default=180, help="seconds a test program may run on a mutant")
    args = ap.parse_args()
    if args.report:
        report(args.files)
        return 0
    os.environ.setdefault("CCACHE_BASEDIR", str(ROOT))

    tree = Path(args.tree).resolve()  # the build and the tests run from inside it
    if not tree.exists():
        tree.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["git", "worktree", "add", "--detach", str(tree), args.rev], cwd=ROOT, check=True)
    else:
        subprocess.run(["git", "checkout", "--detach", "--force", subprocess.check_output(
            ["git", "rev-parse", args.rev], cwd=ROOT, text=True).strip()], cwd=tree, check=True)
    build = tree / "build"
    defines = [f"-D{d}" for d in args.define]
    if (build / "build.ninja").exists():
        if defines:
            subprocess.run(["cmake", "-S", str(tree), "-B", str(build), *defines], check=True)
    else:
        # Through ccache when there is one: with CCACHE_BASEDIR at the checkout
        # the first build takes the library objects of the checkout's own builds.
        launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"] \
            if shutil.which("ccache") else []
        subprocess.run(["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                        "-DZEPT_BUILD_BENCH=OFF", *launcher, *defines], check=True)
    # Two jobs: other builds share the machine.
    make = ["cmake", "--build", str(build), "-j", str(args.jobs)]
    ctest = ["ctest", "--test-dir", str(build), "-j", str(args.jobs), "--stop-on-failure", "--timeout", "600"]
    if args.tests:
        ctest += ["-R", args.tests]
    covered = None
    if args.covered:
        coverage = json.loads(Path(args.covered).read_text())
        names = [t[0] for t in coverage["tests"]]
        focused = {t[0] for t in coverage["tests"] if re.search(args.focus, t[0]) or re.search(args.focus, t[1])}
        covered = {source: {int(n): {names[i] for i in tests} for n, tests in lines.items()}
                   for source, lines in coverage["lines"].items()}
    if args.matrix or covered is not None:
        if run(make, tree) != 0:
            print("the unmutated tree does not build", file=sys.stderr)
            return 2
        cwd = build / "tests"
        programs = {p: list_tests(p, args.tests, cwd) for p in gtest_programs(build)}
        where = {t: (str(Path(f).relative_to(tree)) if f.startswith(str(tree)) else f, n)
                 for tests in programs.values() for t, (f, n) in tests.items()}
        flaky = run_tests(programs, cwd, args.jobs, 600)
        if flaky:
            print("failing before any mutation, left out: " + " ".join(flaky), file=sys.stderr)
            programs = {p: [t for t in ts if t not in flaky] for p, ts in programs.items()}
        matrix = open(args.matrix or os.devnull, "a")
        matrix.write(json.dumps({"tests": where}) + "\n")
    elif run(make, tree) != 0 or run(ctest, tree) != 0:
        print("the unmutated tree does not build or pass its tests", file=sys.stderr)
        return 2

    rng = random.Random(args.seed)
    killed = survived = 0
    for name in args.files:
        name, _, span = name.partition(":")
        first, _, last = span.partition("-")
        path = tree / name
        original = path.read_text()
        lines = original.split("\n")
        reach = covered.get(name, {}) if covered is not None else None
        chosen = [m for m in mutants(original)
                  if (not span or int(first) <= m[0] + 1 <= int(last or first))
                  and (reach is None or focused & reach.get(m[0] + 1, set()))]
        rng.shuffle(chosen)
        if reach is not None and args.focus:
            # The lines the fewest other tests run first: where a test can catch what no other does.
            chosen.sort(key=lambda m: len(reach[m[0] + 1]))
        file_killed = file_survived = 0
        try:
            for n, new, what in chosen[:args.max]:
                mutated = lines[:n] + [new] + lines[n + 1:]
                path.write_text("\n".join(mutated))
                if run(make, tree) != 0:
                    continue
                if args.matrix or reach is not None:
                    runs = programs if reach is None else \
                        {p: [t for t in ts if t in reach.get(n + 1, ())] for p, ts in programs.items()}
                    killers = run_tests(runs, cwd, args.jobs, args.timeout)
                    row = {"file": name, "line": n + 1, "what": what, "code": new.strip(), "killers": killers}
                    matrix.write(json.dumps(row) + "\n")
                    matrix.flush()
                    killed_now = bool(killers)
                else:
                    killed_now = run(ctest, tree) != 0
                if killed_now:
                    file_killed += 1
                    print(f"killed: {name}:{n + 1}: {what}: {new.strip()}", flush=True)
                else:
                    file_survived += 1
                    print(f"survived: {name}:{n + 1}: {what}: {new.strip()}", flush=True)
        finally:
            path.write_text(original)
        print(f"{name}: killed {file_killed} of {file_killed + file_survived}", flush=True)
        killed += file_killed
        survived += file_survived
    run(make, tree)
    total = killed + survived
    print(f"killed {killed} of {total} mutants" + (f" (score {killed / total:.2f})" if total else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
