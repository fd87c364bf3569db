#!/usr/bin/env python3
"""Writes a workbook for the spreadsheet reader's tests with a real writer, chosen by the
output's extension: XlsxWriter for .xlsx (it writes shared strings and formula results, as
Excel does), openpyxl for .xlsx when the description asks for it, odfpy for .ods.

Usage: make_spreadsheet.py OUTPUT JSON
JSON: {"writer": "openpyxl" (optional), "stored": true (optional), "sheets": [{"name": "...",
       "hidden": true, "hide_rows": [3], "hide_columns": ["C"], "merge": ["A1:B1"], "cells": {"B2": 1,
       "C2": "text", "D2": true, "E2": {"formula": "=B2*2", "value": 2},
       "F2": {"date": "2024-01-02", "format": "yyyy\"年\"", "shown": "2024年"},
       "G2": {"value": 1, "repeat": 5}, "H2": {"value": 1234, "format": "#,##0"},
       "I2": {"rich": ["a", "b"]}}}],
       "patch": [["xl/worksheets/sheet1.xml", "from", "to"]] (optional)}
openpyxl cannot store a formula's result: it writes the formula alone. A repeated cell (.ods
only) stands for that many equal cells across its row; "shown" is an .ods date's text. "stored"
rewrites the archive without compression, and "patch" replaces texts in its parts, so that a
file can hold what no writer writes.
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
    if isinstance(value, dict) and "value" in value:
        return value["value"]
    if isinstance(value, dict) and "rich" in value:
        return "".join(value["rich"])
    return value


def write_xlsx(path, sheets):
    import xlsxwriter

    book = xlsxwriter.Workbook(path)
    for sheet in sheets:
        table = book.add_worksheet(sheet["name"])
        for ref, value in sheet["cells"].items():
            style = book.add_format({"num_format": value.get("format", "yyyy-mm-dd")}) \
                if isinstance(value, dict) else None
            if isinstance(value, dict) and "formula" in value:
                table.write_formula(ref, value["formula"], None, value["value"])
            elif isinstance(value, dict) and "rich" in value:
                table.write_rich_string(ref, value["rich"][0], book.add_format({"bold": True}),
                                        *value["rich"][1:])
            elif isinstance(value, dict) and "date" in value:
                table.write_datetime(ref, cell_value(value), style)
            elif isinstance(value, dict):
                table.write(ref, value["value"], style)
            else:
                table.write(ref, value)
        for row in sheet.get("hide_rows", []):
            table.set_row(row - 1, None, None, {"hidden": True})
        for column in sheet.get("hide_columns", []):
            table.set_column(f"{column}:{column}", None, None, {"hidden": True})
        for merged in sheet.get("merge", []):
            table.merge_range(merged, sheet["cells"].get(merged.split(":")[0], ""))
        if sheet.get("hidden"):
            table.hide()
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
            if isinstance(value, dict) and "format" in value:
                table[ref].number_format = value["format"]
        for row in sheet.get("hide_rows", []):
            table.row_dimensions[row].hidden = True
        for column in sheet.get("hide_columns", []):
            table.column_dimensions[column].hidden = True
        for merged in sheet.get("merge", []):
            table.merge_cells(merged)
        if sheet.get("hidden"):
            table.sheet_state = "hidden"
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
    if isinstance(value, dict) and "rich" in value:
        from odf.text import S, Span
        cell, paragraph = TableCell(valuetype="string"), P(text=value["rich"][0])
        for part in value["rich"][1:]:  # leading spaces as text:s, as writers write them
            if part.startswith(" "):
                paragraph.addElement(S(c=len(part) - len(part.lstrip(" "))))
            paragraph.addElement(Span(text=part.lstrip(" ")))
        cell.addElement(paragraph)
        return cell
    if isinstance(value, dict) and "value" in value:
        return ods_cell(value["value"])
    if isinstance(value, dict):
        cell = TableCell(valuetype="date", datevalue=value["date"])
        text = value.get("shown", value["date"])
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

    from odf.style import Style, TableProperties
    from odf.table import CoveredTableCell, TableColumn

    book = OpenDocumentSpreadsheet()
    hidden = Style(name="hiddentable", family="table")
    hidden.addElement(TableProperties(display=False))
    book.automaticstyles.addElement(hidden)
    for sheet in sheets:
        table = Table(name=sheet["name"])
        if sheet.get("hidden"):
            table.setAttribute("stylename", hidden)
        cells = {position(ref): value for ref, value in sheet["cells"].items()}
        rows = max((r for r, _ in cells), default=-1) + 1
        columns = max((c for _, c in cells), default=-1) + 1
        hidden_columns = {position(c + "1")[1] for c in sheet.get("hide_columns", [])}
        for c in range(columns):
            table.addElement(TableColumn(visibility="collapse" if c in hidden_columns else "visible"))
        spans = {}
        for merged in sheet.get("merge", []):
            (top, left), (bottom, right) = (position(ref) for ref in merged.split(":"))
            spans[(top, left)] = (bottom - top + 1, right - left + 1)
            spans.update({(r, c): None for r in range(top, bottom + 1)
                          for c in range(left, right + 1) if (r, c) != (top, left)})
        for r in range(rows):
            row = TableRow()
            if r + 1 in sheet.get("hide_rows", []):
                row.setAttribute("visibility", "filter" if r % 2 else "collapse")
            for c in range(columns):
                if spans.get((r, c), 0) is None:
                    row.addElement(CoveredTableCell())
                    continue
                cell = ods_cell(cells.get((r, c)))
                if (r, c) in spans:
                    cell.setAttribute("numberrowsspanned", str(spans[(r, c)][0]))
                    cell.setAttribute("numbercolumnsspanned", str(spans[(r, c)][1]))
                row.addElement(cell)
            table.addElement(row)
        book.spreadsheet.addElement(table)
    book.save(path)


def store_uncompressed(path):
    with zipfile.ZipFile(path) as archive:
        entries = [(item.filename, archive.read(item)) for item in archive.infolist()]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_STORED) as archive:
        for name, data in entries:
            archive.writestr(name, data)


def patch(path, changes):
    with zipfile.ZipFile(path) as archive:
        entries = [(item.filename, archive.read(item)) for item in archive.infolist()]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in entries:
            for part, old, new in changes:
                if part == name:
                    data = data.replace(old.encode(), new.encode())
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
    if description.get("patch"):
        patch(path, description["patch"])
    if description.get("stored"):
        store_uncompressed(path)


if __name__ == "__main__":
    main()
