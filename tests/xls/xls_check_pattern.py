"""Checks a large workbook written by the writer's tests cell by cell against the pattern the
test filled it with, and prints a summary as "key<TAB>value" lines.

usage: xls_check_pattern.py WORKBOOK
The cell in row r, column c holds "R{r}C{c}" when c is even, else "Ж{r}·{c}".
"""
import io
import sys

import xlrd


def expected(r, c):
    return f"R{r}C{c}" if c % 2 == 0 else f"Ж{r}·{c}"


def main():
    sys.stdout.reconfigure(encoding="utf-8")
    log = io.StringIO()
    book = xlrd.open_workbook(sys.argv[1], formatting_info=True, logfile=log, verbosity=1)
    complaints = [line for line in log.getvalue().splitlines() if "WARNING" in line or "NOTE" in line]
    sheet = book.sheet_by_index(0)
    mismatches = 0
    first = "none"
    for r in range(sheet.nrows):
        values = sheet.row_values(r)
        types = sheet.row_types(r)
        for c, value in enumerate(values):
            if types[c] != xlrd.XL_CELL_TEXT or value != expected(r, c):
                if mismatches == 0:
                    first = f"{r},{c}={value!r}"
                mismatches += 1
    print(f"complaints\t{len(complaints)}")
    print(f"nrows\t{sheet.nrows}")
    print(f"ncols\t{sheet.ncols}")
    print(f"mismatches\t{mismatches}")
    print(f"first_mismatch\t{first}")


main()
