#!/usr/bin/env python3
"""Plants one fault at a time in the toolkit-free libraries and runs the unit
tests that link the changed library; reports per file the faults caught, those
that survived and the time taken.

The faults are planted in a copy of the sources inside the runner's own build
folder, never in the working tree; each changed file is put back from a saved
copy after its run, on an interrupt or a termination signal as well, and the
copy is brought level with the working tree before every run, which also heals
a run that was killed outright.

Usage: scripts/mutants.py [--files PATTERN ...] [--budget S] [--file-budget S]
"""

import argparse
import fcntl
import fnmatch
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
EQUIVALENTS = ROOT / "scripts" / "mutants-equivalent.txt"
# Folders the copy of the sources leaves out: build folders and version control.
NOT_COPIED = re.compile(r"^(\.git|build[^/]*)$")


STOP_SIGNALS = {signal.SIGINT, signal.SIGTERM, signal.SIGHUP}

# Tests outside a source's own area that exercise it. Areas whose unit tests
# also check an area's code: --near runs them too, as long as they link the
# changed library.
NEAR_AREAS = {
    "charts": {"cli"},        # the nine gazes' sheet, checked with --nine's layout
    "view": {"examination"},  # the cover's blends, compared by the solver's tests
}
# CTest tests, by name, that run the program itself on an area's code: its
# commands, their messages and the files they draw. Only these areas pay for
# relinking the program after each fault.
PROGRAM_TESTS = {
    "charts": re.compile(r"^cli\."),
    "cli": re.compile(r"^cli\."),
}


class Interrupted(Exception):
    pass


def on_signal(signum, _frame):
    raise Interrupted(signal.Signals(signum).name)


@dataclass
class Mutant:
    line: int          # 1-based
    column: int        # 1-based
    change: str        # e.g. "'<' -> '<='"
    original: str      # the whole original line
    mutated: str       # the whole changed line
    occurrence: int = 1  # which of the line's same changes, from the left
    repeats: int = 1     # how many of this change the line has


@dataclass
class FileResult:
    path: str
    mutants: int = 0
    equivalent: int = 0
    not_compiled: int = 0
    caught: int = 0
    survived: list = field(default_factory=list)
    not_run: int = 0
    seconds: float = 0.0
    note: str = ""

    def score(self):
        tried = self.caught + len(self.survived)
        return 100.0 * self.caught / tried if tried else None


# ---------------------------------------------------------------- mutants

def masked_lines(text):
    """The file's lines with comments, string and character literals and
    preprocessor lines blanked out, columns kept, so operators are only
    looked for in code."""
    out = []
    in_block = False
    for line in text.split("\n"):
        chars = list(line)
        i = 0
        if not in_block and line.lstrip().startswith("#"):
            out.append(" " * len(line))
            continue
        while i < len(chars):
            c = chars[i]
            nxt = chars[i + 1] if i + 1 < len(chars) else ""
            if in_block:
                if c == "*" and nxt == "/":
                    chars[i] = chars[i + 1] = " "
                    in_block = False
                    i += 2
                    continue
                chars[i] = " "
                i += 1
            elif c == "/" and nxt == "/":
                for j in range(i, len(chars)):
                    chars[j] = " "
                break
            elif c == "/" and nxt == "*":
                chars[i] = chars[i + 1] = " "
                in_block = True
                i += 2
            elif c in "\"'":
                if c == "'" and i > 0 and chars[i - 1].isalnum():
                    i += 1  # digit separator
                    continue
                quote = c
                i += 1
                while i < len(chars) and chars[i] != quote:
                    if chars[i] == "\\":
                        chars[i] = " "
                        i += 1
                    if i < len(chars):
                        chars[i] = " "
                        i += 1
                i += 1
            else:
                i += 1
        out.append("".join(chars))
    return out


SWAPS = [
    # comparison flips and boundaries, only as binary operators between spaces
    (re.compile(r"(?<=\s)==(?=\s)"), "!="),
    (re.compile(r"(?<=\s)!=(?=\s)"), "=="),
    (re.compile(r"(?<=\s)<(?=\s)"), "<="),
    (re.compile(r"(?<=\s)<=(?=\s)"), "<"),
    (re.compile(r"(?<=\s)>(?=\s)"), ">="),
    (re.compile(r"(?<=\s)>=(?=\s)"), ">"),
    (re.compile(r"(?<=\s)&&(?=\s)"), "||"),
    (re.compile(r"(?<=\s)\|\|(?=\s)"), "&&"),
    # sign flips: binary plus and minus
    (re.compile(r"(?<=\s)\+(?=\s)"), "-"),
    (re.compile(r"(?<=\s)-(?=\s)"), "+"),
]
UNARY_BEFORE = re.compile(r"(^|[=(,\[?:*/+<>&|!{]|\breturn)\s*$")
NEGATION = re.compile(r"(?<![\w)\]!=<>])!(?!=)")
INTEGER = re.compile(r"(?<![\w.])\d+(?![\w.'])")
ARRAY_SIZE = re.compile(r"\w[\w:<>]*[\s*&]+\w+\[(\d+)\]")
IF_OPEN = re.compile(r"\bif\s*\(")


def matching_paren(masked, open_at):
    depth = 0
    for i in range(open_at, len(masked)):
        if masked[i] == "(":
            depth += 1
        elif masked[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return None


def line_mutants(number, original, masked):
    found = []
    # The size in an array's declaration, "char text[48]", fixes no behaviour.
    array_sizes = {m.start(1) for m in ARRAY_SIZE.finditer(masked)}

    def add(start, end, replacement, change):
        mutated = original[:start] + replacement + original[end:]
        found.append(Mutant(number, start + 1, change, original, mutated))

    for pattern, replacement in SWAPS:
        for m in pattern.finditer(masked):
            add(m.start(), m.end(), replacement, f"'{m.group()}' -> '{replacement}'")
    for i, c in enumerate(masked):
        if c == "-" and masked[i + 1:i + 2] not in ("", "-", ">", "=", " ") \
                and masked[i - 1:i] != "-" and UNARY_BEFORE.search(masked[:i]):
            add(i, i + 1, "", "sign dropped")
    for m in NEGATION.finditer(masked):
        add(m.start(), m.end(), "", "'!' dropped")
    for m in INTEGER.finditer(masked):
        if m.start() in array_sizes:
            continue
        value = int(m.group())
        for delta in (1, -1):
            if value + delta >= 0:
                add(m.start(), m.end(), str(value + delta), f"{value} -> {value + delta}")
    for m in IF_OPEN.finditer(masked):
        close = matching_paren(masked, m.end() - 1)
        if close is not None:
            add(m.end(), close, "false", "if body dropped")
    return found


def file_mutants(text):
    lines = text.split("\n")
    result = []
    for index, masked in enumerate(masked_lines(text)):
        if re.search(r"\b(static_assert|template|operator)\b", masked):
            continue
        found = line_mutants(index + 1, lines[index], masked)
        for m in found:
            same = [other for other in found if other.change == m.change]
            m.occurrence = sorted(other.column for other in same).index(m.column) + 1
            m.repeats = len(same)
        result.extend(found)
    return result


def normalise(text):
    return " ".join(text.split())


def named_change(m):
    """The change as the list of equivalents and the report name it: a line
    with the same change in several places adds which one, "#2" for the
    second from the left."""
    return f"{m.change} #{m.occurrence}" if m.repeats > 1 else m.change


def keys(rel, m):
    """The keys that mark a mutant equivalent: its own occurrence, or the
    change alone, which covers every place on the line."""
    line = normalise(m.original)
    return [(rel, line, named_change(m)), (rel, line, m.change)]


def is_equivalent(rel, m, equivalents):
    return any(key in equivalents for key in keys(rel, m))


def read_equivalents(path):
    """Lines of 'file | line text | change | reason'; the change may end in
    " #N" to name only the Nth such change on the line."""
    known = {}
    if not path.exists():
        return known
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not raw.strip() or raw.lstrip().startswith("#"):
            continue
        parts = [p.strip() for p in raw.split(" | ")]
        if len(parts) != 4 or not parts[3]:
            sys.exit(f"{path.name}:{number}: expected 'file | line text | change | reason'")
        known[(parts[0], normalise(parts[1]), parts[2])] = parts[3]
    return known


# ---------------------------------------------------------------- the copy

def same_content(a, b):
    if a.stat().st_size != b.stat().st_size:
        return False
    return hashlib.sha1(a.read_bytes()).digest() == hashlib.sha1(b.read_bytes()).digest()


def bring_level(source, copy):
    """Makes the copy hold exactly the working tree's files; unchanged files
    keep their times so the build stays incremental."""
    copy.mkdir(parents=True, exist_ok=True)
    wanted = set()
    for dirpath, dirnames, filenames in os.walk(source):
        rel_dir = Path(dirpath).relative_to(source)
        if rel_dir == Path("."):
            dirnames[:] = [d for d in dirnames if not NOT_COPIED.match(d)]
        for name in filenames:
            rel = rel_dir / name
            wanted.add(rel)
            target = copy / rel
            if target.is_file() and same_content(Path(dirpath) / name, target):
                continue
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(Path(dirpath) / name, target)
            os.utime(target)  # newer than anything built from the old content
    for dirpath, _dirnames, filenames in os.walk(copy):
        for name in filenames:
            rel = Path(dirpath).relative_to(copy) / name
            if rel not in wanted:
                (copy / rel).unlink()


class PlantedFault:
    """Writes a changed file into the copy and always puts the saved original
    back; the saved copy on disk lets the next run restore a killed one."""

    def __init__(self, path, saved_dir):
        self.path = path
        self.saved = saved_dir / "pending"
        self.original = path.read_bytes()

    def __enter__(self):
        signal.pthread_sigmask(signal.SIG_BLOCK, STOP_SIGNALS)
        self.saved.parent.mkdir(parents=True, exist_ok=True)
        self.saved.write_bytes(self.original)
        (self.saved.parent / "pending.path").write_text(str(self.path))
        signal.pthread_sigmask(signal.SIG_UNBLOCK, STOP_SIGNALS)
        return self

    def write(self, text):
        self.path.write_bytes(text.encode("utf-8", "surrogateescape"))

    def __exit__(self, *_exc):
        # A second signal must not stop the restoring half way.
        signal.pthread_sigmask(signal.SIG_BLOCK, STOP_SIGNALS)
        try:
            self.path.write_bytes(self.original)
            os.utime(self.path)
            (self.saved.parent / "pending.path").unlink()
            self.saved.unlink()
        finally:
            signal.pthread_sigmask(signal.SIG_UNBLOCK, STOP_SIGNALS)
        return False


def restore_pending(saved_dir):
    marker = saved_dir / "pending.path"
    if marker.exists():
        Path(marker.read_text()).write_bytes((saved_dir / "pending").read_bytes())
        marker.unlink()


# ---------------------------------------------------------------- the build

def run(cmd, timeout=None, cwd=None):
    """Runs a command in its own process group, which is ended on a timeout
    or an interrupt; returns (exit status or None on timeout, seconds)."""
    start = time.monotonic()
    proc = subprocess.Popen(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)
    try:
        status = proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        status = None
    finally:
        if proc.poll() is None:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
    return status, time.monotonic() - start


def configure(copy, build):
    query = build / ".cmake" / "api" / "v1" / "query" / "codemodel-v2"
    query.parent.mkdir(parents=True, exist_ok=True)
    query.touch()
    # The standard library's checks make a loop that runs one past its end fail
    # at once instead of reading whatever lies there.
    cmd = ["cmake", "-S", str(copy), "-B", str(build), "-DCMAKE_BUILD_TYPE=Debug",
           "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -D_GLIBCXX_ASSERTIONS"]
    if not (build / "CMakeCache.txt").exists() and shutil.which("ninja"):
        cmd += ["-G", "Ninja"]
    status, _ = run(cmd)
    if status != 0:
        sys.exit("mutants: configuring the build folder failed; run " + " ".join(cmd))


@dataclass
class Targets:
    sources: dict      # source file relative to src/ -> library name
    tests: dict        # unit-test executable -> (artifact path, set of libraries linked)
    arguments: dict    # artifact path -> the argument lists CTest runs it with, where not a GoogleTest's
    labelled: dict     # CTest test name -> its labels


def ctest_tests(build):
    """The arguments of the tests CTest runs by a command of their own, such
    as the fuzz replays, which read the seeds their command names and fail
    on GoogleTest's options; GoogleTest executables are listed only once built
    and then by a filter, and are run whole instead. Also every test's labels
    by name."""
    listing = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, capture_output=True, text=True)
    arguments, labelled = {}, {}
    if listing.returncode != 0:
        return arguments, labelled
    for test in json.loads(listing.stdout).get("tests", []):
        command = test.get("command") or []
        if command and not any(a.startswith("--gtest_") for a in command[1:]):
            arguments.setdefault(Path(command[0]).resolve(), []).append(command[1:])
        labels = next((p.get("value") for p in test.get("properties", []) if p.get("name") == "LABELS"), [])
        labelled[test["name"]] = set(labels or [])
    return arguments, labelled


def read_targets(build, copy):
    reply = build / ".cmake" / "api" / "v1" / "reply"
    index = json.loads(max(reply.glob("index-*.json")).read_text())
    model = json.loads((reply / index["reply"]["codemodel-v2"]["jsonFile"]).read_text())
    targets = {}
    for entry in model["configurations"][0]["targets"]:
        targets[entry["id"]] = json.loads((reply / entry["jsonFile"]).read_text())
    src = copy / "src"
    sources, libraries = {}, {}
    for t in targets.values():
        if t["type"] != "STATIC_LIBRARY" or t["name"] == "squinx_gui":
            continue
        libraries[Path(t["artifacts"][0]["path"]).name] = t["name"]
        for s in t.get("sources", []):
            path = (copy / s["path"]).resolve() if not os.path.isabs(s["path"]) else Path(s["path"])
            if path.suffix == ".cpp" and src in path.parents:
                sources[str(path.relative_to(src))] = t["name"]
    unit = next(t for t in targets.values() if t["name"] == "unit-tests")
    tests = {}
    for dep in unit.get("dependencies", []):
        t = targets[dep["id"]]
        if t["type"] != "EXECUTABLE" or t["name"] in ("squinx",):
            continue
        linked = {libraries[Path(f["fragment"]).name] for f in t["link"]["commandFragments"]
                  if Path(f["fragment"]).name in libraries}
        tests[t["name"]] = (build / t["artifacts"][0]["path"], linked)
    return Targets(sources, tests, *ctest_tests(build))


def build_targets(build, names, jobs, timeout):
    return run(["cmake", "--build", str(build), "-j", str(jobs), "--target", *names], timeout=timeout)[0] == 0


def run_tests(executables, arguments, timeout, build=None, program_tests=()):
    """'caught' at the first failing or hanging executable or CTest test, else
    'survived'. The program's tests go last: they take longest."""
    for exe in executables:
        for args in arguments.get(exe.resolve(), [["--gtest_brief=1"]]):
            status, _ = run([str(exe), *args], timeout=timeout, cwd=exe.parent)
            if status != 0:
                return "caught"
    if program_tests:
        names = "|".join(re.escape(name) for name in program_tests)
        status, _ = run(["ctest", "-R", f"^({names})$", "--stop-on-failure", "--no-tests=error"],
                        timeout=timeout, cwd=build)
        if status != 0:
            return "caught"
    return "survived"


def program_tests_of(area, targets):
    """The CTest tests that run the program on the area's code: the unit ones,
    and those that need a display when one is set (under xvfb-run)."""
    pattern = PROGRAM_TESTS.get(area)
    if not pattern:
        return []
    kinds = {"unit", "gui"} if os.environ.get("DISPLAY") else {"unit"}
    return sorted(name for name, labels in targets.labelled.items()
                  if pattern.search(name) and labels & kinds)


# ---------------------------------------------------------------- the run

def wanted(path, patterns):
    return not patterns or any(p in path or fnmatch.fnmatch(path, p) for p in patterns)


def mutate_file(rel, args, copy, build, targets, equivalents, deadline, file_budget):
    result = FileResult(rel)
    start = time.monotonic()
    library = targets.sources[rel]
    area = rel.split("/")[0]
    near = {area} | NEAR_AREAS.get(area, set())
    tests = sorted((name for name, (exe, libs) in targets.tests.items()
                    if library in libs and name not in args.skip
                    and (not args.near or exe.parent.name in near)),
                   key=lambda n: (not n.startswith(area), n))
    if not tests:
        result.note = "no unit tests link " + library
        return result
    exes = [targets.tests[name][0] for name in tests]
    program_tests = [] if args.no_program else program_tests_of(area, targets)
    if program_tests:
        tests.append("squinx")
    path = copy / "src" / rel
    text = path.read_text(encoding="utf-8", errors="surrogateescape")
    mutants = file_mutants(text)
    result.mutants = len(mutants)
    # A stable sample spread over the whole file, the same from run to run
    # whatever is marked equivalent, for a limit or a budget that runs out.
    random.Random(rel).shuffle(mutants)
    if args.limit:
        result.not_run = max(0, len(mutants) - args.limit)
        mutants = mutants[:args.limit]
    to_run = []
    for m in mutants:
        if is_equivalent(rel, m, equivalents):
            result.equivalent += 1
        else:
            to_run.append(m)

    if not build_targets(build, tests, args.jobs, None):
        result.note = "the unmutated build fails"
        return result
    baseline = time.monotonic()
    failing = [exe for exe in exes if run_tests([exe], targets.arguments, None) != "survived"]
    failing += [name for name in program_tests if run_tests([], {}, None, build, [name]) != "survived"]
    if failing:
        result.note = "failing unmutated, left out: " + " ".join(getattr(f, "name", f) for f in failing)
        exes = [exe for exe in exes if exe not in failing]
        program_tests = [name for name in program_tests if name not in failing]
        if not exes and not program_tests:
            return result
    test_timeout = args.timeout or max(10.0, 5 * (time.monotonic() - baseline))
    # The file's share starts once its tests are built: the first file of a
    # run would otherwise spend it all on building them.
    file_deadline = min(deadline, baseline + file_budget)

    lines = text.split("\n")
    for done, m in enumerate(to_run):
        if time.monotonic() >= file_deadline:
            result.not_run += len(to_run) - done
            break
        changed = lines[:m.line - 1] + [m.mutated] + lines[m.line:]
        with PlantedFault(path, build / "saved") as fault:
            fault.write("\n".join(changed))
            if not build_targets(build, tests, args.jobs, args.build_timeout):
                result.not_compiled += 1
                outcome = "not compiled"
            else:
                outcome = run_tests(exes, targets.arguments, test_timeout, build, program_tests)
                if outcome == "caught":
                    result.caught += 1
                else:
                    result.survived.append(m)
        if args.verbose:
            print(f"  {rel}:{m.line}:{m.column} {named_change(m)}: {outcome}", flush=True)
    # The restored file is rebuilt now, so the build folder ends as the tree is.
    build_targets(build, tests, args.jobs, None)
    result.seconds = time.monotonic() - start
    return result


def report(results, out):
    header = f"{'file':34} {'mutants':>7} {'equiv':>5} {'no-build':>8} {'caught':>6} {'survived':>8} " \
             f"{'not run':>7} {'score':>6} {'time':>6}"
    lines = [header, "-" * len(header)]
    for r in results:
        score = r.score()
        lines.append(f"{r.path:34} {r.mutants:7} {r.equivalent:5} {r.not_compiled:8} {r.caught:6} "
                     f"{len(r.survived):8} {r.not_run:7} "
                     f"{(f'{score:5.0f}%' if score is not None else '     -'):>6} {r.seconds:5.0f}s"
                     + (f"  ({r.note})" if r.note else ""))
    survivors = [(r.path, m) for r in results for m in sorted(r.survived, key=lambda m: (m.line, m.column))]
    if survivors:
        lines += ["", "Survived (file:line:column change | line):"]
        lines += [f"{p}:{m.line}:{m.column} {named_change(m)} | {m.original.strip()}" for p, m in survivors]
    text = "\n".join(lines) + "\n"
    print(text, end="")
    out.write_text(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=str(ROOT / "build-mutants"), help="the runner's own build folder")
    parser.add_argument("--files", nargs="*", default=[],
                        help="only sources whose path under src/ contains or matches one of these")
    parser.add_argument("--budget", type=float, default=5400, help="seconds for the whole run, shared "
                        "out among the files")
    parser.add_argument("--file-budget", type=float, default=600, help="seconds for one file at most")
    parser.add_argument("--timeout", type=float, default=0, help="seconds for one test executable (default: "
                        "five times its unmutated run, at least 10)")
    parser.add_argument("--build-timeout", type=float, default=300, help="seconds for one mutant's rebuild")
    parser.add_argument("--limit", type=int, default=0, help="at most this many mutants of each file, "
                        "the same sample every run")
    # Killing writers at random moments shows crash safety, not logic, and
    # takes long; left out by default.
    parser.add_argument("--skip", nargs="*", default=["crash_safety_tests"],
                        help="unit-test executables not to run")
    parser.add_argument("--near", action="store_true", help="only the unit tests of the source's own area "
                        "(tests/AREA) and of the areas that also check it: far fewer links, a few mutants only "
                        "other areas catch count as survivors")
    parser.add_argument("--no-program", action="store_true", help="leave out the tests that run the program "
                        "on the command line's and the charts' code, and its relinking after each fault")
    parser.add_argument("--equivalents", default=str(EQUIVALENTS), help="the list of known equivalent mutants")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--list", action="store_true", help="list the mutants without running them")
    parser.add_argument("--verbose", action="store_true", help="print each mutant's outcome")
    args = parser.parse_args()

    build = Path(args.build).resolve()
    copy = build / "tree"
    # One run at a time per build folder: a second would rewrite the copy under the first.
    build.mkdir(parents=True, exist_ok=True)
    lock = open(build / "lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        sys.exit(f"mutants: another run is using {build}")
    for sig in STOP_SIGNALS:
        signal.signal(sig, on_signal)
    try:
        restore_pending(build / "saved")
        bring_level(ROOT, copy)
        configure(copy, build)
        targets = read_targets(build, copy)
        files = sorted(rel for rel in targets.sources if wanted(rel, args.files))
        if not files:
            sys.exit("mutants: no toolkit-free source matches " + " ".join(args.files))
        equivalents = read_equivalents(Path(args.equivalents))
        for rel in files:
            text = (copy / "src" / rel).read_text(encoding="utf-8", errors="surrogateescape")
            planted = {key for m in file_mutants(text) for key in keys(rel, m)}
            for key in equivalents:
                if key[0] == rel and key not in planted:
                    print(f"mutants: {Path(args.equivalents).name} names a mutant {rel} no longer has: {key[1]} | {key[2]}",
                          file=sys.stderr)
        if args.list:
            for rel in files:
                text = (copy / "src" / rel).read_text(encoding="utf-8", errors="surrogateescape")
                for m in file_mutants(text):
                    mark = " (equivalent)" if is_equivalent(rel, m, equivalents) else ""
                    print(f"{rel}:{m.line}:{m.column} {named_change(m)}{mark} | {m.original.strip()}")
            return 0
        deadline = time.monotonic() + args.budget
        results = []
        for index, rel in enumerate(files):
            # Every file gets its share of what is left, so the run reaches them all.
            share = (deadline - time.monotonic()) / (len(files) - index)
            if share <= 0:
                results.append(FileResult(rel, note="budget spent"))
                continue
            print(f"mutants: {rel}", flush=True)
            results.append(mutate_file(rel, args, copy, build, targets, equivalents, deadline,
                                       min(args.file_budget, share)))
        report(results, build / "report.txt")
    except Interrupted as stop:
        print(f"mutants: stopped by {stop}; the sources are as they were", file=sys.stderr)
        return 130
    except KeyboardInterrupt:
        print("mutants: interrupted; the sources are as they were", file=sys.stderr)
        return 130
    return 0


if __name__ == "__main__":
    sys.exit(main())
