#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# zembra-convert.exe under Wine against the Linux zembra-convert on the same
# inputs: standard output, standard error, exit status and the files left in
# the folder (the -o file, and no new file beside it) must be equal, byte for
# byte, case by case. Then an interrupted -o run (Ctrl+C, which Wine makes of
# SIGINT) must leave the target as it was and no new file beside it.
#   tests/windows/convert_compare.py LINUX_PROGRAM -- WINDOWS_COMMAND...
# (WINDOWS_COMMAND: Wine with its environment, then the .exe). Exits 77,
# which ctest counts as skipped, when the Linux program is not built.
import os
import pathlib
import signal
import subprocess
import sys
import tempfile
import time

LISTING = (
    b"Decimal\tAFS\tAlpha Tag\tMode\tDescription\r\n"
    b"1234\t09-102\tPD Disp\tD\tDispatch \xc3\xbcber\r\n"
    b"2047\t\tFire\tT\t\"Big\" Tac\r\n"
    b"9999\t\tBad\tD\tout of range\r\n"
    b"100\t00-101\tClash\tD\tdisagrees\r\n"
)
CSV = b'ID,Name\n1234,"a, b"\n"5",x\n'

# name, files before the run, arguments, standard input
CASES = [
    ("lines, LF", {}, [], b"1234\n09-102\n0x4D2\n"),
    ("lines, CR LF kept", {}, [], b"1234\r\n09-102\r\n"),
    ("lines, CR alone", {}, [], b"1\r2\r"),
    ("Ctrl+Z is a byte", {}, [], b"1\n\x1a\n2\x1a\n3\n"),
    ("refusals", {}, [], b"2048\nx\n-1\n16-000\n\n"),
    ("no final line end", {}, ["--to", "afs"], b"1234"),
    ("to hex", {}, ["--to", "hex"], b"1234\n2047\n"),
    ("split 344", {}, ["--to", "afs", "--split", "344"], b"1234\n4:13:02\n"),
    ("UTF-8 BOM", {}, [], b"\xef\xbb\xbf1234\n"),
    ("UTF-16 refused", {}, [], b"\xff\xfe1\x002\x00\n\x00"),
    ("table from a file", {"in.tsv": LISTING}, ["--csv", "in.tsv"], b""),
    ("table on stdin, CR LF kept", {}, ["--csv"], LISTING),
    ("dsd list", {"in.tsv": LISTING}, ["--csv", "--format", "dsd", "in.tsv"], b""),
    ("radioreference", {"in.tsv": LISTING}, ["--csv", "--format", "radioreference", "in.tsv"], b""),
    ("quoted CSV", {}, ["--csv"], CSV),
    ("auto", {}, ["--auto"], CSV),
    ("column by number", {}, ["--csv", "--column", "2"], CSV),
    ("two inputs and stdin", {"a": b"1\n", "b": b"2\r\n"}, ["a", "-", "b"], b"3\n"),
    ("missing input", {}, ["missing.txt"], b""),
    ("a folder as input", {"sub/x": b""}, ["sub"], b""),
    ("a folder as input to -o", {"out.txt": b"old\n", "sub/x": b""}, ["-o", "out.txt", "sub"], b""),
    ("help", {}, ["--help"], b""),
    ("version", {}, ["--version"], b""),
    ("usage error", {}, ["--to", "octal"], b""),
    ("conflicting options", {}, ["--to", "afs", "--format", "dsd"], b""),
    ("-o creates", {}, ["-o", "out.txt"], b"1\r\n2\n"),
    ("-o replaces", {"out.txt": b"old\n"}, ["-o", "out.txt", "--to", "afs"], b"1234\n"),
    ("-o with refusals", {"out.txt": b"old\n"}, ["-o", "out.txt"], b"1\nx\n"),
    ("-o as an input", {"l.csv": CSV}, ["--csv", "-o", "l.csv", "l.csv"], b""),
    ("-o left unchanged", {"out.txt": b"old\n"}, ["-o", "out.txt", "-", "missing"], b"3\n"),
    ("-o not created", {}, ["-o", "out.txt", "missing"], b""),
    ("-o in a missing folder", {}, ["-o", "nowhere/out.txt"], b"1\n"),
    ("-o a folder", {"sub/x": b""}, ["-o", "sub"], b"1\n"),
]


def run(command, folder, files, args, stdin):
    """The outcome of one run in a fresh `folder`: output, messages, status, files."""
    for name, data in files.items():
        path = folder / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
    done = subprocess.run(command + args, cwd=folder, input=stdin, capture_output=True, timeout=60)
    left = {
        str(path.relative_to(folder)): path.read_bytes()
        for path in sorted(folder.rglob("*"))
        if path.is_file()
    }
    return {"stdout": done.stdout, "stderr": done.stderr, "status": done.returncode, "files": left}


def interrupted(command, folder):
    """What an interrupted -o run leaves: a list of problems, empty when none."""
    folder.mkdir()
    (folder / "out.txt").write_bytes(b"old\n")
    os.mkfifo(folder / "fifo")
    # Held open for writing, so that the run waits for more input.
    writer = os.open(folder / "fifo", os.O_RDWR)
    run = subprocess.Popen(command + ["-o", "out.txt", "fifo"], cwd=folder)
    deadline = time.monotonic() + 30
    while not list(folder.glob(".out.txt.??????")) and time.monotonic() < deadline:
        time.sleep(0.05)
    problems = [] if list(folder.glob(".out.txt.??????")) else ["no new file .out.txt.XXXXXX"]
    run.send_signal(signal.SIGINT)
    run.wait(timeout=30)
    os.close(writer)
    # Wine's server deletes the file when it closes the ended program's handle,
    # a moment after the program is seen to end.
    deadline = time.monotonic() + 5
    while list(folder.glob(".out.txt.*")) and time.monotonic() < deadline:
        time.sleep(0.05)
    left = sorted(path.name for path in folder.iterdir())
    if left != ["fifo", "out.txt"]:
        problems.append(f"left {left}")
    if (folder / "out.txt").read_bytes() != b"old\n":
        problems.append("out.txt changed")
    return problems


def main():
    linux, windows = sys.argv[1], sys.argv[3:]
    if not os.access(linux, os.X_OK):
        print(f"{linux} is not built (the release preset builds it): nothing to compare with")
        return 77
    failed = 0
    with tempfile.TemporaryDirectory() as work:
        for number, (name, files, args, stdin) in enumerate(CASES):
            outcomes = []
            for side, command in (("linux", [linux]), ("windows", windows)):
                folder = pathlib.Path(work, f"{number}-{side}")
                folder.mkdir()
                outcomes.append(run(command, folder, files, args, stdin))
            differences = [key for key in outcomes[0] if outcomes[0][key] != outcomes[1][key]]
            if differences:
                failed += 1
                print(f"FAIL {name}: {' '.join(args)}")
                for key in differences:
                    print(f"  {key}: Linux {outcomes[0][key]!r}\n  {key}: Windows {outcomes[1][key]!r}")
            else:
                print(f"ok   {name} (status {outcomes[0]['status']})")
        problems = interrupted(windows, pathlib.Path(work, "interrupted"))
    print(f"{len(CASES) - failed} of {len(CASES)} cases alike")
    print(("FAIL " if problems else "ok   ") + "Ctrl+C during -o: " + ("; ".join(problems) or "clean"))
    failed += bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
