#!/usr/bin/python3
"""Prints every row of the active sheet of a workbook, one JSON list per line.

With several workbooks, each one's rows follow a line "== <file name>"."""
import json
import sys

import openpyxl

for name in sys.argv[1:]:
    if len(sys.argv) > 2:
        print("== " + name)
    # Read through a file object: the reader would otherwise insist on an .xlsx file name.
    with open(name, "rb") as stream:
        book = openpyxl.load_workbook(stream)
    for row in book.active.iter_rows(values_only=True):
        print(json.dumps(list(row), ensure_ascii=False))
