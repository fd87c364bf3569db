#pragma once

#include "data/TableContents.h"

#include <QObject>
#include <QUndoStack>

#include <optional>
#include <utility>

// The table behind the entry window. Every change is a step of its history, which undo and redo
// walk, restoring the whole contents; the boxes show it and send what is typed to it, and
// drawing, saving, recovery and the clipboard read it.
class TableDocument : public QObject {
    Q_OBJECT

public:
    explicit TableDocument(TableContents start = {}, QObject* parent = nullptr);

    const TableContents& contents() const { return contents_; }

    // What the user typed into the box at (row, column) of the dataset: all that is typed into
    // one box is one step "入力", until another box is typed into, another step comes or
    // endTyping() is called.
    void type(int row, int column, const QString& text);
    // Ends the typing step, so that the next typing starts another.
    void endTyping();
    // The whole contents replaced as one step named `name`; nothing changes, no step.
    void replace(const QString& name, const TableContents& contents);
    void setSize(GraphSize size);
    // The file the table was last saved to or loaded from. Saving changes no box, so this is no
    // step of the history.
    void setFile(const QString& file);

    void undo();
    void redo();
    const QUndoStack& history() const { return history_; }

signals:
    void boxChanged(int row, int column, const QString& text);
    void sizeChanged(GraphSize size);
    void fileChanged(const QString& file);
    // Anything at all changed.
    void changed();

private:
    friend class TableStep;
    // Brings the contents to `contents`, telling each change.
    void set(const TableContents& contents);

    TableContents contents_;
    QUndoStack history_;
    int typingRun_ = 0; // typing merges only within one run
};
