#pragma once

class DataTable;
class EntryBoxes;

// Copies the 147 boxes into the dataset: column labels, then row by row the label and the twelve
// numbers, then the five descriptions. A number beyond the 64-bit range throws an overflow
// RuntimeError that names the box; the cells before it already hold their new values and the
// boxes are untouched.
void inputData(const EntryBoxes& boxes, DataTable& table);
