#!/usr/bin/env python3
"""End-to-end tests: runs the built program as a user would.

Every case gets a folder of its own holding bin/ with the program and, when the case gives
one, vornik.conf beside it, plus the case's files. The program runs with the case's words,
its answers piped to standard input, and the case checks standard output, standard error,
the exit code and the files left behind.

The same cases run against the native program and against vornik.exe under Wine:

    run_e2e.py --program build/default/vornik
    run_e2e.py --program build/windows/vornik.exe --wine build/windows/wine-run

Under Wine the program is started through cmd /c, so word 0 reaches it exactly as typed, as
at a Windows prompt; natively word 0 is handed to the program as typed while the host runs
the real file.

Adding a case: append a Case to a list named CASES in any cases_*.py file beside this one
(a new file for a new command). In words, texts and expected files, {root} stands for the
case folder and {mirror} for the case's folder on a second drive (M: under Wine), both
spelled with backslashes as the user would type them; {pause} stands for the command
processor's pause prompt in standard output. Expected output is compared with line ends
normalised to LF. Run one case with --case NAME.
"""

import argparse
import concurrent.futures
import importlib.util
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))  # the case files import e2e_case from here

PAUSE_PROMPTS = re.compile(r"Press any key to continue(?: \. \. \. |\.\.\. ?)")
MIRROR_DRIVE = "m:"


class Target:
    """How to run the program on one target and how it spells the case's paths."""

    def __init__(self, program, wine, scratch):
        self.program = pathlib.Path(program).resolve()
        self.wine = str(pathlib.Path(wine).resolve()) if wine else None
        self.scratch = scratch
        self.mirror_root = scratch / "mirror-drive"
        self.mirror_root.mkdir()
        if wine:
            prefix = self._wine_prefix()
            link = prefix / "dosdevices" / MIRROR_DRIVE
            # Make sure the prefix exists, then give it a second drive for the mirrors.
            subprocess.run([wine, "cmd", "/c", "exit"], stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
            if link.is_symlink() or link.exists():
                link.unlink()
            link.symlink_to(self.mirror_root)

    def _wine_prefix(self):
        text = pathlib.Path(self.wine).read_text()
        match = re.search(r'^export WINEPREFIX="([^"]+)"', text, re.M)
        if not match:
            raise SystemExit(f"no WINEPREFIX in {self.wine}")
        return pathlib.Path(match.group(1))

    @property
    def program_name(self):
        return self.program.name

    def spell(self, host_path):
        """A host path as the user of this target types it, with backslashes."""
        host_path = pathlib.Path(host_path)
        if self.wine:
            try:
                rest = host_path.relative_to(self.mirror_root)
                return MIRROR_DRIVE.upper() + "\\" + str(rest).replace("/", "\\")
            except ValueError:
                return "Z:" + str(host_path).replace("/", "\\")
        return str(host_path).replace("/", "\\")

    def word0(self, invoke, bin_dir):
        exe = bin_dir / self.program_name
        if invoke == "backslash":
            return self.spell(exe)
        if invoke == "forward":
            return self.spell(exe).replace("\\", "/")
        if invoke == "bare":
            return "vornik"
        raise ValueError(f"unknown invoke {invoke!r}")

    def run(self, word0, words, stdin, cwd, bin_dir):
        # The program's folder is on the command search path, for bare-name invocations.
        env = dict(os.environ)
        env["PATH"] = str(bin_dir) + os.pathsep + env.get("PATH", "")
        env["WINEPATH"] = self.spell(bin_dir)
        if self.wine:
            line = " ".join(quote_for_cmd(w) for w in [word0] + words)
            argv = [self.wine, "cmd", "/c", line]
            executable = None
        else:
            argv = [word0] + words
            executable = str(bin_dir / self.program_name)
        return subprocess.run(argv, executable=executable, input=stdin, cwd=cwd, env=env,
                              capture_output=True, timeout=60, check=False)


def quote_for_cmd(word):
    if word and not any(c in word for c in ' \t"'):
        return word
    return '"' + word.replace('"', '\\"') + '"'


def expand(text, values):
    for key, value in values.items():
        text = text.replace("{" + key + "}", value)
    return text


def normalise(output):
    text = output.decode("latin-1").replace("\r\n", "\n")
    return PAUSE_PROMPTS.sub("{pause}", text)


def run_case(target, case, number):
    root = target.scratch / f"{number:03d}-{case.name}"
    mirror = target.mirror_root / f"{number:03d}-{case.name}"
    root.mkdir()
    mirror.mkdir()
    host = {"root": str(root), "mirror": str(mirror)}
    bin_dir = pathlib.Path(expand(case.program_dir, host))
    bin_dir.mkdir(parents=True)
    shutil.copy2(target.program, bin_dir / target.program_name)
    if case.conf is not None:
        (bin_dir / "vornik.conf").write_bytes(case.conf.encode("latin-1"))

    values = {"root": target.spell(root), "mirror": target.spell(mirror)}
    for name, content in case.files.items():
        path = pathlib.Path(expand(name, host))
        if content is None:
            path.mkdir(parents=True, exist_ok=True)
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(expand(content, values).encode("latin-1"))

    cwd = bin_dir if case.cwd == "bin" else root
    result = target.run(target.word0(case.invoke, bin_dir),
                        [expand(w, values) for w in case.words],
                        case.stdin.encode("latin-1"), cwd, bin_dir)

    problems = []
    checks = [("exit code", case.exit_code, result.returncode),
              ("standard output", case.stdout, normalise(result.stdout)),
              ("standard error", case.stderr, normalise(result.stderr))]
    for what, expected, actual in checks:
        if isinstance(expected, str):
            expected = expand(expected, values)
        if expected is not None and expected != actual:
            problems.append(f"{what}: expected {expected!r}, got {actual!r}")
    for name, expected in case.expect_files.items():
        path = pathlib.Path(expand(name, host))
        if expected is None:
            if path.exists():
                problems.append(f"{name}: should not exist")
        elif not path.is_file():
            problems.append(f"{name}: missing")
        elif path.read_bytes() != expand(expected, values).encode("latin-1"):
            problems.append(f"{name}: expected {expected!r}, got {path.read_bytes()!r}")
    return problems


def guarded(target, case, number):
    try:
        return run_case(target, case, number)
    except Exception as error:  # a case that cannot run fails; the others still run
        return [f"could not run: {error!r}"]


def load_cases():
    cases = []
    for path in sorted(HERE.glob("cases_*.py")):
        module_spec = importlib.util.spec_from_file_location(path.stem, path)
        module = importlib.util.module_from_spec(module_spec)
        module_spec.loader.exec_module(module)
        cases.extend(module.CASES)
    names = [c.name for c in cases]
    duplicates = {n for n in names if names.count(n) > 1}
    if duplicates:
        raise SystemExit(f"duplicate case names: {sorted(duplicates)}")
    return cases


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the built vornik or vornik.exe")
    parser.add_argument("--wine", help="wrapper that runs Windows programs under Wine")
    parser.add_argument("--case", action="append", help="run only the named case(s)")
    parser.add_argument("--keep", action="store_true", help="keep the case folders")
    args = parser.parse_args()

    cases = load_cases()
    if args.case:
        cases = [c for c in cases if c.name in args.case]
    scratch = pathlib.Path(tempfile.mkdtemp(prefix="vornik-e2e-"))
    try:
        target = Target(args.program, args.wine, scratch)
        with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
            outcomes = list(pool.map(lambda nc: guarded(target, nc[1], nc[0]),
                                     enumerate(cases)))
    finally:
        if args.keep:
            print(f"case folders kept in {scratch}")
        else:
            shutil.rmtree(scratch, ignore_errors=True)

    failed = 0
    for case, problems in zip(cases, outcomes):
        print(f"{'ok  ' if not problems else 'FAIL'} {case.name}")
        for problem in problems:
            print(f"       {problem}")
        failed += bool(problems)
    print(f"e2e: {len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
