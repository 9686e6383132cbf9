#!/usr/bin/env python3
"""Prints a workbook's sheets and cells as JSON, read with openpyxl: an
independent check of what the monitor's spreadsheet log and the exports
saved. A cell is [value, kind, number format]; a sheet's "widths" are its
columns' set widths."""
import datetime
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
out = []
for sheet in book.worksheets:
    cells = {}
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            if isinstance(cell.value, datetime.datetime):
                cells[cell.coordinate] = [cell.value.isoformat(), "datetime", cell.number_format]
            else:
                kind = "number" if isinstance(cell.value, (int, float)) else "text"
                cells[cell.coordinate] = [cell.value, kind, cell.number_format]
    widths = {key: dim.width for key, dim in sheet.column_dimensions.items() if dim.width}
    out.append({"name": sheet.title, "cells": cells, "widths": widths})
print(json.dumps(out))
