"""Reads a workbook with xlrd (and its container with olefile) and prints what it found,
one "key<TAB>value" line each, for the workbook writer's tests to compare.

usage: xls_dump.py WORKBOOK [STREAM_OUT]
STREAM_OUT, when given, receives the bytes of the "Workbook" stream as olefile reads them.
"""
import io
import json
import sys

import olefile
import xlrd

SIDES = ("left", "right", "top", "bottom")


def out(key, value):
    print(f"{key}\t{value}")


def rgb(book, index):
    colour = book.colour_map.get(index)
    return "none" if colour is None else ",".join(str(v) for v in colour)


def main():
    path = sys.argv[1]
    sys.stdout.reconfigure(encoding="utf-8")

    log = io.StringIO()
    book = xlrd.open_workbook(path, formatting_info=True, logfile=log, verbosity=1)
    complaints = [line for line in log.getvalue().splitlines() if "WARNING" in line or "NOTE" in line]
    out("complaints", len(complaints))
    for line in complaints:
        out("complaint", line)

    out("sheets", book.nsheets)
    sheet = book.sheet_by_index(0)
    out("sheet.name", json.dumps(sheet.name, ensure_ascii=False))
    out("nrows", sheet.nrows)
    out("ncols", sheet.ncols)
    for column, info in sorted(sheet.colinfo_map.items()):
        out(f"col {column}.width", info.width)

    kinds = {xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number", xlrd.XL_CELL_BLANK: "blank",
             xlrd.XL_CELL_ERROR: "error", xlrd.XL_CELL_BOOLEAN: "boolean"}
    for r in range(sheet.nrows):
        for c in range(sheet.row_len(r)):
            kind = sheet.cell_type(r, c)
            if kind == xlrd.XL_CELL_EMPTY:
                continue
            key = f"cell {r},{c}"
            out(f"{key}.type", kinds.get(kind, kind))
            out(f"{key}.value", json.dumps(sheet.cell_value(r, c), ensure_ascii=False))
            xf = book.xf_list[sheet.cell_xf_index(r, c)]
            font = book.font_list[xf.font_index]
            out(f"{key}.font", f"{font.name}|{font.height}|bold={int(font.bold)}|italic={int(font.italic)}"
                               f"|underline={font.underline_type}|struck={int(font.struck_out)}"
                               f"|colour={rgb(book, font.colour_index)}")
            background = xf.background
            fill = rgb(book, background.pattern_colour_index) if background.fill_pattern == 1 else "none"
            out(f"{key}.fill", fill)
            out(f"{key}.align", xf.alignment.hor_align)
            border = xf.border
            lines = [f"{getattr(border, side + '_line_style')}" for side in SIDES]
            colours = [rgb(book, getattr(border, side + "_colour_index"))
                       if getattr(border, side + "_line_style") else "-" for side in SIDES]
            out(f"{key}.borders", ",".join(lines) + " " + "|".join(colours))

    with olefile.OleFileIO(path) as ole:
        out("ole.streams", ",".join("/".join(entry) for entry in ole.listdir()))
        if len(sys.argv) > 2:
            with open(sys.argv[2], "wb") as target:
                target.write(ole.openstream("Workbook").read())


main()
