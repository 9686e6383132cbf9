#!/usr/bin/env python3
"""Checks what a scripts/soak run left in its work folder: the driver's
report (memory, threads, descriptors, the list's records) against the text
log and the workbook (read with openpyxl). Prints one line per check and
exits 1 when one fails."""
import json, re, sys
import openpyxl
work = sys.argv[1]
report = json.load(open(f"{work}/report.json"))
ok = True
def check(cond, what):
    global ok
    print(("ok   " if cond else "FAIL ") + what)
    ok = ok and cond
check(report.get("done") is True, "the run finished")
warm, end = report["warmUp"], report["end"]
growth = end["rssKb"] - warm["rssKb"]
print(f"resident memory: {warm['rssKb']} kB after warm-up, {end['rssKb']} kB at the end ({growth:+d} kB)")
print(f"threads: {warm['threads']} -> {end['threads']}; descriptors: {warm['fds']} -> {end['fds']}")
check(growth <= max(4096, warm["rssKb"] // 10), "resident memory flat after warm-up (within 10% or 4 MB)")
check(end["threads"] <= warm["threads"] + 1, "threads not growing (one reader may be between drop and reconnect)")
check(end["fds"] <= warm["fds"] + 1, "descriptors not growing")
items = report["listItems"]
count = report["count"]
print(f"records: {count} in the list; reconnect presses: {report['reconnectPresses']}; warnings answered: {report['dialogs']}")
check(count == len(items) and count > 0, "every record counted is in the list")
text = open(f"{work}/soak.txt", "rb").read().decode("latin-1")
totals = re.findall(r"Scale#, Unit, Gross, Net, Tare\r\n([^\r]*)\r\n", text)
check(totals == items, f"the text log holds the list's {len(items)} records, in order")
sheet = openpyxl.load_workbook(f"{work}/soak.xlsx").worksheets[0]
values = [sheet.cell(row=r, column=1).value for r in range(2, count + 2)]
check(all(isinstance(v, (int, float)) for v in values), f"the workbook holds {count} rows of numbers")
listed = [item.rsplit(", ", 1)[1] for item in items]
same = all(str(int(v)) == l.lstrip("-") for v, l in zip(values, listed) if "." not in l)
check(same, "the workbook's totals are the listed ones")
sys.exit(0 if ok else 1)
