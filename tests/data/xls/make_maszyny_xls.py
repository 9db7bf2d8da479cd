#!/usr/bin/python3
"""Writes Maszyny.xls, the BIFF8 workbook the import tests read through FreeXL.

Run once with Debian's python3-xlwt (apt-get install python3-xlwt):
    /usr/bin/python3 tests/data/xls/make_maszyny_xls.py
The result is checked in; the tests never run this script.

Two sheets in the "Fabrika" layout (every data row is one asset), with the
cell kinds an older spreadsheet holds: shared texts with Polish letters,
whole numbers, fractions (the "Wartość" column, which the layout
leaves aside), dates stored as serial days with a date format,
and a date typed as text.
"""
import datetime
import os

import xlwt

DATE = xlwt.easyxf(num_format_str="DD.MM.YYYY")
HEADS = ["Obiekt", "Opis obiektu", "Data nabycia", "Gr. obiektów", "Wartość"]

SHEETS = {
    "Maszyny": [
        ["T-101", "Tokarka uniwersalna TUR-50 z wyposażeniem specjalnym",
         datetime.date(2019, 3, 15), 491, 48250.5],
        ["F-7", "Frezarka pionowa FWD-32", datetime.date(2020, 11, 2), "491", 31000],
        ["SPR-3", "Sprężarka śrubowa", "15.04.2021", 492, 7999.99],
    ],
    "Pojazdy": [
        ["V-1", "Wózek widłowy", datetime.date(2018, 6, 30), 743, 56400],
        ["V-2", "Żuraw samojezdny", datetime.date(2022, 1, 3), 744, 1250000.75],
    ],
}


def main():
    book = xlwt.Workbook(encoding="utf-8")
    for name, rows in SHEETS.items():
        sheet = book.add_sheet(name)
        for c, head in enumerate(HEADS):
            sheet.write(0, c, head)
        for r, row in enumerate(rows, start=1):
            for c, value in enumerate(row):
                if isinstance(value, datetime.date):
                    sheet.write(r, c, value, DATE)
                else:
                    sheet.write(r, c, value)
    book.save(os.path.join(os.path.dirname(os.path.abspath(__file__)), "Maszyny.xls"))


if __name__ == "__main__":
    main()
