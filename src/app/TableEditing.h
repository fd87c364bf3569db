#pragma once

#include "data/EntryGrid.h"

#include <QHash>
#include <QObject>
#include <QPoint>

class Dialogs;
class TableDocument;
class QLineEdit;
class QMenu;
class QWidget;

// Editing the entry window's boxes as one table: a block pasted from a spreadsheet spreads over
// the grid as one step of the document, the whole table goes to the clipboard, and the keys and
// menus of undo and redo walk the document's history, in a box as anywhere in the window.
class TableEditing : public QObject {
    Q_OBJECT

public:
    TableEditing(TableDocument& document, Dialogs& dialogs, QWidget* window);

    // Watches `box`, the box at (row, column) of the dataset, for paste, undo, redo and its
    // context menu.
    void addBox(QLineEdit* box, int row, int column);

    // Pastes the clipboard into `box`: a block of several cells over the grid (into a single-line
    // box as one line), a single cell into the box without its line end. A number in a display
    // form comes into a value box as the plain number.
    void paste(QLineEdit* box);
    void copyTable();
    void undo();
    void redo();

    // The box's context menu: the standard one, its paste ("paste") spreading blocks, and
    // "表をコピー" ("copy-table").
    QMenu* contextMenu(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pasteBlock(const TextGrid& block, QPoint place);
    // Tells of the value boxes among the cells that hold a text that reads as no number, and of
    // the totals left out, in one message.
    void tellUnreadable(const std::vector<GridCell>& cells, const QString& leftOut = {});

    TableDocument& document_;
    Dialogs& dialogs_;
    QWidget* window_;
    // The place of each box of the grid, x the column and y the row; descriptions have none.
    QHash<QLineEdit*, std::optional<QPoint>> gridCells_;
};
