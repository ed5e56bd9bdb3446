"""Reads a workbook back with xlrd and prints what it holds as JSON, for the export tests.

Usage: dump_workbook.py WORKBOOK
Every sheet with its name, column widths and cells; each cell with its type, value and look
(fill colour, font, alignment, border styles and colours as RGB). The WARNING and NOTE lines
that xlrd writes while reading are listed under "problems"; the tests expect none.
"""
import io
import json
import sys

import xlrd

HORIZONTAL = {0: "general", 1: "left", 2: "centre", 3: "right"}


def rgb(book, index):
    colour = book.colour_map.get(index)
    return list(colour) if colour else None


def look(book, xf):
    font = book.font_list[xf.font_index]
    border = xf.border
    return {
        "fill": rgb(book, xf.background.pattern_colour_index) if xf.background.fill_pattern == 1 else None,
        "font": {
            "name": font.name,
            "height": font.height,
            "bold": bool(font.bold),
            "italic": bool(font.italic),
            "colour": rgb(book, font.colour_index),
        },
        "align": HORIZONTAL.get(xf.alignment.hor_align, str(xf.alignment.hor_align)),
        "borders": [border.left_line_style, border.right_line_style, border.top_line_style,
                    border.bottom_line_style],
        "border_colours": [rgb(book, border.left_colour_index), rgb(book, border.right_colour_index),
                           rgb(book, border.top_colour_index), rgb(book, border.bottom_colour_index)],
    }


def main(path):
    log = io.StringIO()
    book = xlrd.open_workbook(path, formatting_info=True, logfile=log, verbosity=1)
    sheets = []
    for sheet in book.sheets():
        rows = []
        for r in range(sheet.nrows):
            cells = []
            for c in range(sheet.ncols):
                cells.append({
                    "type": {0: "empty", 1: "text", 2: "number", 6: "blank"}.get(sheet.cell_type(r, c), "other"),
                    "value": sheet.cell_value(r, c),
                    "look": look(book, book.xf_list[sheet.cell_xf_index(r, c)]),
                })
            rows.append(cells)
        widths = [sheet.colinfo_map[c].width if c in sheet.colinfo_map else None for c in range(sheet.ncols)]
        sheets.append({"name": sheet.name, "widths": widths, "rows": rows})
    problems = [line for line in log.getvalue().splitlines() if "WARNING" in line or "NOTE" in line]
    json.dump({"problems": problems, "sheets": sheets}, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
