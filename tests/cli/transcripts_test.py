#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# zembra-convert run as a user runs it, a pytest suite:
#   tests/cli/transcripts_test.py ZEMBRA_CONVERT [PYTEST-ARGS, e.g. -k Usage]
# The cases are transcripts, testdata/*.t: after "### Name", the "$ " line,
# run by /bin/sh in a fresh folder with zembra-convert first on its PATH;
# "<<< stdin" and "<<< FILE" give standard input and the files made before
# the run; "--- stdout", "--- stderr", "--- status" and "--- FILE" what must
# come out, exactly, FILE for every file the folder then holds that is not a
# given file left as it was. Below them,
# what a transcript does not show: modes, owners, links, a FIFO, a device
# and a signal.
# ZEMBRA_EMULATOR in the environment (shell words, e.g. "wine") puts a
# command in front of ZEMBRA_CONVERT, and ZEMBRA_TRANSCRIPTS names further
# folders of transcripts (separated by ":"): the Windows edition runs the
# same cases under Wine, with its own.

import os
import pathlib
import re
import signal
import shlex
import stat
import subprocess
import sys
import tempfile
import time

import pytest

if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(f"usage: {sys.argv[0]} ZEMBRA_CONVERT [PYTEST-ARGS]")
    sys.dont_write_bytecode = True  # nothing written beside the sources
    os.environ["ZEMBRA_CONVERT"] = sys.argv[1]
    sys.exit(pytest.main([__file__, "-p", "no:cacheprovider", "-q", *sys.argv[2:]]))
ZEMBRA = pathlib.Path(os.environ["ZEMBRA_CONVERT"]).resolve(strict=True)
if os.environ.get("ZEMBRA_EMULATOR"):
    # The cases call zembra-convert by name: one that starts it behind the emulator.
    wrapper = pathlib.Path(tempfile.mkdtemp(prefix="zembra-emulated-"), "zembra-convert")
    wrapper.write_text(f'#!/bin/sh\nexec {os.environ["ZEMBRA_EMULATOR"]} {shlex.quote(str(ZEMBRA))} "$@"\n')
    wrapper.chmod(0o755)
    ZEMBRA = wrapper


def read_cases():
    cases = []
    folders = [pathlib.Path(__file__).parent / "testdata"]
    folders += [pathlib.Path(f) for f in os.environ.get("ZEMBRA_TRANSCRIPTS", "").split(":") if f]
    for path in sorted(path for folder in folders for path in folder.glob("*.t")):
        for block in re.split(r"^### ", path.read_text(), flags=re.M)[1:]:
            name, *lines = block.splitlines(keepends=True)
            command, given, expected, part = None, {}, {}, []
            for line in lines:
                if line.startswith("$ "):
                    command = line[2:]
                elif marker := re.fullmatch(r"(<<<|---) (\S+)\n", line):
                    part = (given if marker[1] == "<<<" else expected).setdefault(marker[2], [])
                else:
                    part.append(line)
            cases.append(pytest.param(command, given, expected, id=f"{path.stem}/{name.strip()}"))
    assert cases, "no transcripts in testdata"
    return cases


def listing(folder):
    return sorted(os.listdir(folder))


@pytest.mark.parametrize("command, given, expected", read_cases())
def test_transcript(command, given, expected, tmp_path):
    assert command and {"stdout", "stderr", "status"} <= expected.keys(), "a part is missing"
    for name, lines in given.items():
        if name != "stdin":
            (tmp_path / name).write_text("".join(lines))
    run = subprocess.run(["/bin/sh", "-c", command], cwd=tmp_path, capture_output=True,
                         input="".join(given.get("stdin", [])).encode(),
                         env=dict(os.environ, PATH=f"{ZEMBRA.parent}:/usr/bin:/bin", LC_ALL="C"))
    got = {"stdout": run.stdout.decode(), "stderr": run.stderr.decode(),
           "status": f"{run.returncode}\n"}
    got |= {name: (tmp_path / name).read_bytes().decode() for name in listing(tmp_path)}
    unchanged = {name: "".join(lines) for name, lines in given.items()
                 if name != "stdin" and name not in expected}
    assert got == unchanged | {name: "".join(lines) for name, lines in expected.items()}


def start(folder, *args, stdin=b"", **options):
    run = subprocess.Popen([ZEMBRA, *args], cwd=folder, stdin=subprocess.PIPE,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE, **options)
    run.stdin.write(stdin)
    run.stdin.close()
    return run


def finish(run, status=0, err=b""):
    assert (run.wait(10), run.stdout.read(), run.stderr.read()) == (status, b"", err)


def test_new_file_gets_the_umask(tmp_path):
    finish(start(tmp_path, "-o", "list.txt", stdin=b"1\n", umask=0o027))
    new = tmp_path / "list.txt"
    assert (stat.S_IMODE(new.stat().st_mode), new.read_text()) == (0o640, "1\t00-001\t1\n")
    assert listing(tmp_path) == ["list.txt"]


def test_mode_and_owner_kept(tmp_path):
    old = tmp_path / "list.txt"
    old.write_text("old\n")
    old.chmod(0o604)
    owner = 65534 if os.getuid() == 0 else os.getuid()
    os.chown(old, owner, -1)
    finish(start(tmp_path, "--to", "afs", "-o", "list.txt", stdin=b"3\n"))
    assert (stat.S_IMODE(old.stat().st_mode), old.stat().st_uid) == (0o604, owner)
    assert old.read_text() == "00-003\n" and listing(tmp_path) == ["list.txt"]


def test_link_chain_kept_target_replaced(tmp_path):
    (tmp_path / "real.txt").write_text("old\n")
    (tmp_path / "link").symlink_to("real.txt")
    (tmp_path / "sub").mkdir()
    (tmp_path / "sub/link").symlink_to("../link")
    finish(start(tmp_path, "--to", "afs", "-o", "sub/link", stdin=b"1\n"))
    assert (tmp_path / "link").is_symlink() and (tmp_path / "sub/link").is_symlink()
    assert (tmp_path / "real.txt").read_text() == "00-001\n"
    assert (listing(tmp_path), listing(tmp_path / "sub")) == (["link", "real.txt", "sub"], ["link"])


def test_dangling_link_creates_its_target(tmp_path):
    (tmp_path / "link").symlink_to("new.txt")
    finish(start(tmp_path, "--to", "afs", "-o", "link", stdin=b"1\n"))
    assert (tmp_path / "link").is_symlink() and (tmp_path / "new.txt").read_text() == "00-001\n"
    assert listing(tmp_path) == ["link", "new.txt"]


def test_fifo_written_directly(tmp_path):
    os.mkfifo(tmp_path / "fifo")
    run = start(tmp_path, "--to", "afs", "-o", "fifo", stdin=b"5\n")
    read = subprocess.run(["cat", "fifo"], cwd=tmp_path, capture_output=True, timeout=10)
    finish(run)
    assert read.stdout == b"00-005\n" and (tmp_path / "fifo").is_fifo()
    assert listing(tmp_path) == ["fifo"]


def test_device_written_directly(tmp_path):
    finish(start(tmp_path, "-o", "/dev/full", stdin=b"1\n"), 2,
           b"zembra-convert: cannot write /dev/full: No space left on device\n"
           b"zembra-convert: 1 ID converted; the run failed\n")
    assert stat.S_ISCHR(os.stat("/dev/full").st_mode) and listing(tmp_path) == []


def test_sigterm_removes_the_new_file(tmp_path):
    os.mkfifo(tmp_path / "fifo")
    endless = os.open(tmp_path / "fifo", os.O_RDWR)  # reading it never ends while it is open
    run = start(tmp_path, "-o", "list.txt", "fifo")
    deadline = time.monotonic() + 10
    while len(listing(tmp_path)) < 2 and time.monotonic() < deadline:
        time.sleep(0.01)
    made = listing(tmp_path)
    run.send_signal(signal.SIGTERM)
    finish(run, -signal.SIGTERM)
    os.close(endless)
    assert made[0].startswith(".list.txt.") and listing(tmp_path) == ["fifo"]
