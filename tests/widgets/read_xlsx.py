#!/usr/bin/python3
"""Prints the first sheet of a workbook as JSON, read by openpyxl (a reader independent of
the writer): every row as a list of [value, openpyxl data type, number format]."""
import datetime
import json
import sys

import openpyxl


def cell(c):
    value = c.value
    if isinstance(value, (datetime.datetime, datetime.date)):
        value = value.isoformat()
    return [value, c.data_type, c.number_format]


def main():
    book = openpyxl.load_workbook(sys.argv[1])
    sheet = book.worksheets[0]
    json.dump({"title": sheet.title,
               "rows": [[cell(c) for c in row] for row in sheet.iter_rows()]},
              sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main()
