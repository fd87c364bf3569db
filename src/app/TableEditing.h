#pragma once

#include "app/TypingSteps.h"
#include "data/BoxesSnapshot.h"
#include "data/EntryGrid.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QUndoStack>

#include <functional>

class Dialogs;
class EntryBoxes;
class QLineEdit;
class QMenu;
class QWidget;

// Editing the entry window's boxes as one table: a block pasted from a spreadsheet spreads over
// the grid, the whole table goes to the clipboard, and actions on many boxes and typing can be
// undone and redone step by step. The box being typed into keeps its own undo, which Ctrl+Z takes
// first.
class TableEditing : public QObject {
    Q_OBJECT

public:
    TableEditing(EntryBoxes& boxes, Dialogs& dialogs, QWidget* window);

    // Watches `box` for typing, paste, undo, redo and its context menu. Boxes of the grid give
    // their place in it; the description boxes give none.
    void addBox(QLineEdit* box, std::optional<QPoint> gridCell);

    // Runs an action that changes many boxes as one step that undo takes back, after the typing
    // before it. An action that changes nothing leaves no step.
    void record(const QString& name, const std::function<void()>& action);

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
    // Tells of the value boxes among the cells that hold a text that reads as no number.
    void tellUnreadable(const std::vector<GridCell>& cells);

    EntryBoxes& boxes_;
    Dialogs& dialogs_;
    QWidget* window_;
    QUndoStack history_;
    TypingSteps typing_{history_};
    QHash<QLineEdit*, std::optional<QPoint>> gridCells_; // x the column, y the row
};
