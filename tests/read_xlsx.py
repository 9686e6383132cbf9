#!/usr/bin/env python3
"""Prints a workbook's sheets and cells as JSON, read with openpyxl: an
independent check of what the monitor's spreadsheet log saved."""
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
out = []
for sheet in book.worksheets:
    cells = {}
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is not None:
                kind = "number" if isinstance(cell.value, (int, float)) else "text"
                cells[cell.coordinate] = [cell.value, kind]
    out.append({"name": sheet.title, "cells": cells})
print(json.dumps(out))
