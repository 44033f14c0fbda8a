#!/usr/bin/python3
"""Prints every row of the active sheet of a workbook, one JSON list per line.

With several workbooks, each one's rows follow a line "== <file name>".

With --members first, prints instead each member of the workbook's zip archive, one line
each: its name and the SHA-256 of its contents, the creation and modification times of the
document properties blanked, so that two saves of the same book compare equal."""
import hashlib
import json
import re
import sys
import zipfile

import openpyxl


def members(name):
    with zipfile.ZipFile(name) as archive:
        for info in sorted(archive.infolist(), key=lambda i: i.filename):
            data = archive.read(info)
            if info.filename == "docProps/core.xml":
                data = re.sub(rb"(<dcterms:(created|modified)[^>]*>)[^<]*", rb"\1", data)
            print(info.filename, hashlib.sha256(data).hexdigest())


args = sys.argv[1:]
show_members = args[:1] == ["--members"]
if show_members:
    args = args[1:]
for name in args:
    if len(args) > 1:
        print("== " + name)
    if show_members:
        members(name)
        continue
    # Read through a file object: the reader would otherwise insist on an .xlsx file name.
    with open(name, "rb") as stream:
        book = openpyxl.load_workbook(stream)
    for row in book.active.iter_rows(values_only=True):
        print(json.dumps(list(row), ensure_ascii=False))
