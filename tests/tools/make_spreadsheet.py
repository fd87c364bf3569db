#!/usr/bin/env python3
"""Writes a workbook for the spreadsheet reader's tests with a real writer, chosen by the
output's extension: XlsxWriter for .xlsx (it writes shared strings and formula results, as
Excel does), openpyxl for .xlsx when the description asks for it, odfpy for .ods.

Usage: make_spreadsheet.py OUTPUT JSON
JSON: {"writer": "openpyxl" (optional), "stored": true (optional), "sheets": [{"name": "...", "cells": {"B2": 1,
       "C2": "text", "D2": true, "E2": {"formula": "=B2*2", "value": 2},
       "F2": {"date": "2024-01-02"}, "G2": {"value": 1, "repeat": 5}}}]}
openpyxl cannot store a formula's result: it writes the formula alone. A repeated cell (.ods
only) stands for that many equal cells across its row. "stored" rewrites the archive without
compression, so that its XML can be seen and changed byte by byte.
"""
import datetime
import json
import sys
import zipfile

from openpyxl.utils.cell import coordinate_from_string, column_index_from_string


def position(ref):
    letters, row = coordinate_from_string(ref)
    return row - 1, column_index_from_string(letters) - 1


def cell_value(value):
    if isinstance(value, dict) and "date" in value:
        return datetime.date.fromisoformat(value["date"])
    return value


def write_xlsx(path, sheets):
    import xlsxwriter

    book = xlsxwriter.Workbook(path)
    dates = book.add_format({"num_format": "yyyy-mm-dd"})
    for sheet in sheets:
        table = book.add_worksheet(sheet["name"])
        for ref, value in sheet["cells"].items():
            if isinstance(value, dict) and "formula" in value:
                table.write_formula(ref, value["formula"], None, value["value"])
            elif isinstance(value, dict):
                table.write_datetime(ref, cell_value(value), dates)
            else:
                table.write(ref, value)
    book.close()


def write_openpyxl(path, sheets):
    from openpyxl import Workbook

    book = Workbook()
    book.remove(book.active)
    for sheet in sheets:
        table = book.create_sheet(sheet["name"])
        for ref, value in sheet["cells"].items():
            if isinstance(value, dict) and "formula" in value:
                value = value["formula"]
            table[ref] = cell_value(value)
    book.save(path)


def ods_cell(value):
    from odf.table import TableCell
    from odf.text import P

    if value is None:
        return TableCell()
    if isinstance(value, dict) and "repeat" in value:
        cell = ods_cell(value["value"])
        cell.setAttribute("numbercolumnsrepeated", str(value["repeat"]))
        return cell
    if isinstance(value, dict) and "formula" in value:
        formula = "of:" + value["formula"]
        cell = ods_cell(value["value"])
        cell.setAttribute("formula", formula)
        return cell
    if isinstance(value, dict):
        cell = TableCell(valuetype="date", datevalue=value["date"])
        text = value["date"]
    elif isinstance(value, bool):
        cell = TableCell(valuetype="boolean", booleanvalue=str(value).lower())
        text = str(value).upper()
    elif isinstance(value, (int, float)):
        cell = TableCell(valuetype="float", value=repr(value))
        text = repr(value)
    else:
        cell = TableCell(valuetype="string")
        text = value
    cell.addElement(P(text=text))
    return cell


def write_ods(path, sheets):
    from odf.opendocument import OpenDocumentSpreadsheet
    from odf.table import Table, TableRow

    book = OpenDocumentSpreadsheet()
    for sheet in sheets:
        table = Table(name=sheet["name"])
        cells = {position(ref): value for ref, value in sheet["cells"].items()}
        rows = max((r for r, _ in cells), default=-1) + 1
        columns = max((c for _, c in cells), default=-1) + 1
        for r in range(rows):
            row = TableRow()
            for c in range(columns):
                row.addElement(ods_cell(cells.get((r, c))))
            table.addElement(row)
        book.spreadsheet.addElement(table)
    book.save(path)


def store_uncompressed(path):
    with zipfile.ZipFile(path) as archive:
        entries = [(item.filename, archive.read(item)) for item in archive.infolist()]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_STORED) as archive:
        for name, data in entries:
            archive.writestr(name, data)


def main():
    path, description = sys.argv[1], json.loads(sys.argv[2])
    if path.endswith(".xlsx") and description.get("writer") == "openpyxl":
        write_openpyxl(path, description["sheets"])
    elif path.endswith(".xlsx"):
        write_xlsx(path, description["sheets"])
    elif path.endswith(".ods"):
        write_ods(path, description["sheets"])
    else:
        sys.exit("make_spreadsheet.py: the output must end in .xlsx or .ods")
    if description.get("stored"):
        store_uncompressed(path)


if __name__ == "__main__":
    main()
