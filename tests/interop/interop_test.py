#!/usr/bin/python3
"""Checks our tables against independent dBase readers and writers from Debian:
python3-dbfread reads what the engine writes, and the engine reads what
python3-dbf writes, in both directions with Czech text and several code pages.

usage: interop_test.py <fonarium-layout> <fonarium-tool>
"""
import csv
import datetime
import io
import os
import random
import subprocess
import sys
import tempfile
import time

import dbf
import dbfread

LAYOUT, TOOL = sys.argv[1], sys.argv[2]
ENV = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*args):
    # Bytes, not text mode: line breaks inside notes must come through unchanged.
    return subprocess.run(args, check=True, capture_output=True, env=ENV).stdout.decode("utf-8")


def engine_rows(program_folder, table, index=""):
    args = [TOOL, "csv", program_folder, table] + ([index] if index else [])
    return list(csv.DictReader(io.StringIO(run(*args), newline="")))


def same_value(ours, theirs):
    """Our CSV holds numbers with a point and ISO dates; dbfread gives Python values."""
    if theirs is None:
        return ours == ""
    if isinstance(theirs, bool):
        return ours == ("True" if theirs else "False")
    if isinstance(theirs, (int, float)):
        return ours != "" and abs(float(ours) - theirs) < 1e-9
    if isinstance(theirs, datetime.date):
        return ours == theirs.isoformat()
    return ours == theirs


def engine_written_tables_read_by_dbfread(folder):
    run(LAYOUT, folder)
    run(TOOL, "fill", folder, "1", "300", "7")
    run(TOOL, "fill", folder, "3", "50", "8")
    for table, index in (("AudioS.dbf", "CISLO"), ("Audio2.dbf", "CISLO")):
        ours = engine_rows(folder, table, index)
        theirs = sorted(dbfread.DBF(os.path.join(folder, "Data", table)), key=lambda r: r["CISLO"])
        check(len(ours) == len(theirs), "%s: %d rows vs %d" % (table, len(ours), len(theirs)))
        for mine, other in zip(ours, theirs):
            for field, value in other.items():
                check(same_value(mine[field], value),
                      "%s %s: ours %r, dbfread %r" % (table, field, mine[field], value))
    loans = list(dbfread.DBF(os.path.join(folder, "Data", "Pujcovna.dbf")))
    lent = [r for r in engine_rows(folder, "AudioS.dbf") if r["PUJCENO"] == "Půjčeno"]
    check(len([l for l in loans if l["PROGRAM"] == "AS"]) == len(lent), "loan cards of AS")
    check(any("ř" in r["NAZEV"] or "č" in r["NAZEV"] or "ě" in r["NAZEV"]
              for r in dbfread.DBF(os.path.join(folder, "Data", "AudioS.dbf"))),
          "Czech letters read back by dbfread")
    tips = list(dbfread.DBF(os.path.join(folder, "Data", "TipyA.dbf")))
    check(len(tips) >= 20 and all(t["TIPDNE"] for t in tips), "tips read by dbfread")


def dbf_written_tables_read_by_engine(folder):
    data = os.path.join(folder, "Data")
    os.makedirs(data, exist_ok=True)
    rows = [
        ("  Žluťoučký kůň", 12.5, datetime.date(2001, 2, 3), True),
        ("Rock'n'roll", None, None, False),
        ("Černá hodinka", 99999.0, datetime.date(1999, 12, 31), None),
    ]
    for name, page in (("Cizi1250.dbf", "cp1250"), ("Cizi852.dbf", "cp852")):
        table = dbf.Table(os.path.join(data, name),
                          "NAZEV C(50); CISLO N(10,2); DATUM D; PUJCENO L",
                          codepage=page, dbf_type="db3")
        table.open(mode=dbf.READ_WRITE)
        for row in rows:
            table.append(row)
        table.close()
        ours = engine_rows(folder, name)
        theirs = list(dbfread.DBF(os.path.join(data, name)))
        check(len(ours) == len(rows), "%s: %d rows" % (name, len(ours)))
        for mine, other in zip(ours, theirs):
            for field, value in other.items():
                check(same_value(mine[field], value),
                      "%s %s: ours %r, theirs %r" % (name, field, mine[field], value))


def killed_fill_read_by_dbfread(folder):
    """A fill killed midway leaves a table that we open and dbfread reads alike."""
    run(LAYOUT, folder)
    path = os.path.join(folder, "Data", "Audio1.dbf")
    for attempt in range(3):
        tool = subprocess.Popen([TOOL, "fill", folder, "2", "20000", str(attempt)], env=ENV,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(random.uniform(0.05, 0.8))
        tool.kill()
        tool.wait()
        if not os.path.exists(path):
            # Killed before the table was made: the table appears whole or not at all.
            continue
        ours = engine_rows(folder, "Audio1.dbf", "CISLO")
        numbers = [int(float(r["CISLO"])) for r in ours]
        check(numbers == list(range(1, len(ours) + 1)),
              "killed fill %d: numbers not 1..%d" % (attempt, len(ours)))
        theirs = sorted(dbfread.DBF(path), key=lambda r: r["CISLO"])
        check(len(ours) == len(theirs),
              "killed fill %d: %d rows vs %d" % (attempt, len(ours), len(theirs)))
        for mine, other in zip(ours, theirs):
            for field in ("CISLO", "NAZEV", "CELKEM", "DATUM", "A30"):
                check(same_value(mine[field], other[field]),
                      "killed fill %s: ours %r, dbfread %r" % (field, mine[field], other[field]))


def dbf_memo_notes_read_by_engine(folder):
    """A note kept as a memo is read from the .dbt; the table is only read, never written."""
    data = os.path.join(folder, "Data")
    os.makedirs(data, exist_ok=True)
    path = os.path.join(data, "Pamet.dbf")
    table = dbf.Table(path, "NAZEV C(50); POZNAMKA M", codepage="cp1250", dbf_type="db3")
    table.open(mode=dbf.READ_WRITE)
    notes = ["Nahráno živě\r\nv Brně", "", "Krátká"]
    for index, note in enumerate(notes):
        table.append(("Deska %d" % index, note))
    table.close()
    files = sorted(f for f in os.listdir(data) if f.startswith("Pamet"))
    before = {f: open(os.path.join(data, f), "rb").read() for f in files}
    ours = engine_rows(folder, "Pamet.dbf")
    check([r["POZNAMKA"] for r in ours] == notes,
          "memo notes: %r" % [r["POZNAMKA"] for r in ours])
    after = {f: open(os.path.join(data, f), "rb").read() for f in files}
    check(before == after, "memo table changed by reading it")


with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second, \
        tempfile.TemporaryDirectory() as third:
    engine_written_tables_read_by_dbfread(first)
    dbf_written_tables_read_by_engine(second)
    dbf_memo_notes_read_by_engine(second)
    killed_fill_read_by_dbfread(third)

for failure in failures[:40]:
    print("FAIL:", failure)
print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
