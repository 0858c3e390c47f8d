#!/usr/bin/python3
"""Writes a copy of the skin archive whose main layout lacks the start-using button.
Usage: make_damaged_skin.py SKIN_ZIP OUTPUT_ZIP"""
import sys
import zipfile

with zipfile.ZipFile(sys.argv[1]) as source, zipfile.ZipFile(sys.argv[2], "w") as target:
    for item in source.infolist():
        data = source.read(item.filename)
        if item.filename == "Frame.xml":
            data = data.replace(b'name="startuseBtn"', b'name="somethingElse"')
            assert b"startuseBtn" not in data
        target.writestr(item, data)
