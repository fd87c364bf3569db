#pragma once

#include "data/TableContents.h"

#include <QString>

// The names under which the user knows the boxes, as a screen reader speaks them and messages
// mention them: "1行 A列", "行ラベル 3", "列ラベル A", "タイトル".
QString valueBoxName(int row, int column);
// A value box by what it holds where its row or column has a label, then by its place:
// "東京 食品 (1行 A列)".
QString valueBoxName(const TableContents& contents, int row, int column);
QString rowLabelBoxName(int row);
QString columnLabelBoxName(int column);
QString descriptionBoxName(Description which);

// The box that shows cell (r, c) of the dataset, or "セル (r, c)" for a cell that no box shows.
QString cellBoxName(int r, int c);
