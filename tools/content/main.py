# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the whole demo content folder.

The folder is built beside the old one and swapped in only when every part
succeeded, so a failed run leaves the old content in place. Usage:

    main.py [CONTENT_DIR]      (default: content/ of this repository)
"""

import os
import shutil
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import buttons  # noqa: E402
import catalog  # noqa: E402
import check  # noqa: E402
import credits  # noqa: E402
import music  # noqa: E402
import paint  # noqa: E402
import pictures  # noqa: E402
import screens  # noqa: E402
import sounds  # noqa: E402
import speech  # noqa: E402
import texts  # noqa: E402
import util  # noqa: E402


def main():
    repo = os.path.dirname(os.path.dirname(HERE))
    target = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(repo, "content"))
    parent = os.path.dirname(target)
    os.makedirs(parent, exist_ok=True)
    # leftovers of a run that was stopped half-way
    for name in os.listdir(parent):
        if name.startswith((".content-new-", ".content-old-")):
            shutil.rmtree(os.path.join(parent, name), ignore_errors=True)
    staging = tempfile.mkdtemp(prefix=".content-new-", dir=parent)
    util.WORK = tempfile.mkdtemp(prefix="vimo-content-")
    started = time.time()
    steps = [
        ("exercise pictures", lambda: pictures.build(staging)),
        ("buttons and options pictures", lambda: buttons.build(staging)),
        ("screens, menu and icon", lambda: screens.build(staging)),
        ("painting series", lambda: paint.build(staging)),
        ("sounds", lambda: sounds.build(staging, [e.id for e in catalog.EXERCISES])),
        ("music", lambda: music.build(staging)),
        ("speech", lambda: speech.build(staging)),
        ("texts", lambda: texts.build(staging)),
        ("credits", lambda: credits.build(staging)),
        ("check", lambda: check.run(staging)),
    ]
    try:
        for name, step in steps:
            t0 = time.time()
            step()
            print("%-30s %5.1f s" % (name, time.time() - t0), flush=True)
        os.chmod(staging, 0o755)
        old = None
        if os.path.exists(target):
            old = tempfile.mkdtemp(prefix=".content-old-", dir=parent)
            os.rmdir(old)
            os.rename(target, old)
        os.rename(staging, target)
        if old:
            shutil.rmtree(old)
    except BaseException:
        shutil.rmtree(staging, ignore_errors=True)
        raise
    finally:
        shutil.rmtree(util.WORK, ignore_errors=True)
    size = sum(os.path.getsize(os.path.join(d, f)) for d, _, fs in os.walk(target) for f in fs)
    print("content folder: %s, %.1f MB, %.0f s" % (target, size / 1e6, time.time() - started))


if __name__ == "__main__":
    main()
