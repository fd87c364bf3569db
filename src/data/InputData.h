#pragma once

class DataTable;
struct TableContents;

// Copies the 147 boxes into the dataset: column labels, then row by row the label and the twelve
// numbers (a value in a form spreadsheets show, 1,234 or ▲5, as that number; any other text by
// its leading number), then the five descriptions; the cells no box shows are left as they are. A
// number beyond the 64-bit range throws an overflow RuntimeError that names the box; the cells
// before it already hold their new values.
void inputData(const TableContents& boxes, DataTable& table);
