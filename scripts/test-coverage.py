#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Which tests run which source lines, test by test.

    scripts/test-coverage.py OUT.json [--build DIR] [--tests REGEX] [--jobs J]

Builds the tests with clang's source-based coverage (in --build, default
build-coverage), runs every test of the two GoogleTest programs alone (with
the tools it starts) and writes OUT.json:

    {"tests": [[test, file, line], ...], "lines": {source: {line: [test index, ...]}}}

A test's index is its place in "tests". Only the library's and the tools'
own sources are listed. scripts/mutate.py --covered OUT.json then tries
mutants only where a test runs, and runs only the tests that reach the
mutated line.
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

from mutate import ROOT, gtest_programs, list_tests

SOURCES = ("database", "section", "preview", "platform", "tools")
FLAGS = "-fprofile-instr-generate -fcoverage-mapping"


def build(tree, jobs):
    if not (tree / "build.ninja").exists():
        launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"] \
            if shutil.which("ccache") else []
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(tree), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                        "-DCMAKE_C_COMPILER=clang", "-DCMAKE_CXX_COMPILER=clang++", "-DZEPT_BUILD_TESTS=ON",
                        "-DZEPT_BUILD_BENCH=OFF", "-DZEPT_SANITIZE=OFF", f"-DCMAKE_C_FLAGS={FLAGS}",
                        f"-DCMAKE_CXX_FLAGS={FLAGS}", "-DCMAKE_EXE_LINKER_FLAGS=-fprofile-instr-generate",
                        "-DCMAKE_SHARED_LINKER_FLAGS=-fprofile-instr-generate", *launcher], check=True)
    subprocess.run(["cmake", "--build", str(tree), "-j", str(jobs)], check=True)


def executables(tree):
    """Every program and shared library of the build that carries coverage."""
    out = []
    for p in sorted(tree.rglob("*")):
        if p.is_file() and "CMakeFiles" not in p.parts and (os.access(p, os.X_OK) or p.suffix == ".so"):
            with open(p, "rb") as f:
                if f.read(4) == b"\x7fELF":
                    out.append(p)
    return out


def covered_lines(profiles, objects, scratch):
    """{source: set(line)} run by the profiles of one test."""
    merged = scratch / "merged.profdata"
    subprocess.run(["llvm-profdata", "merge", "-sparse", *map(str, profiles), "-o", str(merged)], check=True)
    lcov = subprocess.run(["llvm-cov", "export", "-format=lcov", "-skip-functions", f"-instr-profile={merged}",
                           str(objects[0]), *[a for o in objects[1:] for a in ("-object", str(o))],
                           *[str(ROOT / s) for s in SOURCES]],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, check=True).stdout
    lines, source = {}, None
    for row in lcov.splitlines():
        if row.startswith("SF:"):
            source = os.path.relpath(row[3:], ROOT)
        elif row.startswith("DA:"):
            number, _, count = row[3:].partition(",")
            if int(count.split(",")[0]) > 0:
                lines.setdefault(source, set()).add(int(number))
    return lines


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("out")
    ap.add_argument("--build", default=str(ROOT / "build-coverage"))
    ap.add_argument("--tests", default="")
    ap.add_argument("--jobs", type=int, default=2)
    args = ap.parse_args()
    tree = Path(args.build).resolve()
    build(tree, args.jobs)
    objects = executables(tree)
    cwd = tree / "tests"
    tests = [(program, name, where) for program in gtest_programs(tree)
             for name, where in list_tests(program, args.tests, cwd).items()]

    def one(i):
        program, name, _ = tests[i]
        with tempfile.TemporaryDirectory() as scratch:
            scratch = Path(scratch)
            env = dict(os.environ, LLVM_PROFILE_FILE=str(scratch / "%p.profraw"))
            subprocess.run([str(program), f"--gtest_filter={name}"], cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=600)
            profiles = list(scratch.glob("*.profraw"))
            return covered_lines(profiles, objects, scratch) if profiles else {}

    table = {}
    with ThreadPoolExecutor(args.jobs) as pool:
        for i, lines in enumerate(pool.map(one, range(len(tests)))):
            for source, numbers in lines.items():
                for n in numbers:
                    table.setdefault(source, {}).setdefault(str(n), []).append(i)
            print(f"\r{i + 1}/{len(tests)}", end="", file=sys.stderr, flush=True)
    print(file=sys.stderr)
    names = [[name, os.path.relpath(os.path.join(cwd, f), ROOT) if f else "", n] for _, name, (f, n) in tests]
    Path(args.out).write_text(json.dumps({"tests": names, "lines": table}))
    return 0


if __name__ == "__main__":
    sys.exit(main())
