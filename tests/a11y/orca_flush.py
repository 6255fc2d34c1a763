# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the screen reader unchanged, its debug file written line by line: the file is
block-buffered otherwise, and a test reads what was spoken while it runs.
usage: orca_flush.py ORCA-ARGUMENTS... (with --debug-file FILE among them)"""
import builtins
import runpy
import sys

ORCA = "/usr/bin/orca"
log = sys.argv[sys.argv.index("--debug-file") + 1]
buffered_open = builtins.open


def line_buffered_open(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return buffered_open(file, mode, 1, *args[1:], **kwargs)
    return buffered_open(file, mode, *args, **kwargs)


builtins.open = line_buffered_open
sys.argv[0] = ORCA
runpy.run_path(ORCA, run_name="__main__")
