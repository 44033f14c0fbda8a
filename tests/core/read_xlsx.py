#!/usr/bin/python3
"""Prints every row of the active sheet of a workbook, one JSON list per line."""
import json
import sys

import openpyxl

# Read through a file object: the reader would otherwise insist on an .xlsx file name.
with open(sys.argv[1], "rb") as stream:
    book = openpyxl.load_workbook(stream)
sheet = book.active
for row in sheet.iter_rows(values_only=True):
    print(json.dumps(list(row), ensure_ascii=False))
