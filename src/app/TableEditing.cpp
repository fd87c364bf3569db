#include "app/TableEditing.h"

#include "app/Dialogs.h"
#include "data/DisplayNumber.h"
#include "data/EntryGrid.h"
#include "data/TableDocument.h"
#include "data/TableFinder.h"
#include "io/TableClipboard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>

namespace {

// An item of the standard menu. Qt 6.4 gives the items of QLineEdit's standard menu no object
// names (every objectName() is empty there), so its text tells it: translated in QLineEdit's
// context as Qt translates it, with or without the shortcut that follows a tab. Later versions
// name them ("edit-paste"), which is looked for first.
QAction* standardItem(const QMenu* menu, const QString& name, const char* text) {
    if (auto* named = menu->findChild<QAction*>(name, Qt::FindDirectChildrenOnly))
        return named;
    const QString translated = QLineEdit::tr(text);
    for (QAction* action : menu->actions())
        if (action->text().section(u'\t', 0, 0) == translated)
            return action;
    return nullptr;
}

const QKeySequence CopyTableKey(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

// The platform's redo keys, and Ctrl+Y as well, which spreadsheet users expect.
QList<QKeySequence> redoKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!keys.contains(ctrlY))
        keys << ctrlY;
    return keys;
}

// Cells and rows alike joined by a space, as one line.
QString joinedCells(const TextGrid& block) {
    QStringList cells;
    for (const std::vector<QString>& row : block)
        for (const QString& cell : row)
            cells << cell;
    return cells.join(u' ');
}

} // namespace

TableEditing::TableEditing(TableDocument& document, Dialogs& dialogs, QWidget* window)
    : QObject(window)
    , document_(document)
    , dialogs_(dialogs)
    , window_(window) {
    // Anywhere else in the window (a button has the focus after a click); inside a box the
    // event filter answers, as the box claims these keys for itself.
    const auto addShortcut = [this](const QList<QKeySequence>& keys,
                                    void (TableEditing::*action)()) {
        auto* shortcut = new QShortcut(window_);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    addShortcut(QKeySequence::keyBindings(QKeySequence::Undo), &TableEditing::undo);
    addShortcut(redoKeys(), &TableEditing::redo);
    addShortcut({CopyTableKey}, &TableEditing::copyTable);
}

void TableEditing::addBox(QLineEdit* box, int row, int column) {
    gridCells_.insert(box, row < GridRows ? std::optional(QPoint(column, row)) : std::nullopt);
    box->installEventFilter(this);
}

void TableEditing::paste(QLineEdit* box) {
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    const std::optional<QPoint> place = gridCells_.value(box);
    if (const std::optional<TextGrid> block = clipboardBlock(clipboard)) {
        if (place)
            pasteBlock(*block, *place);
        else
            box->insert(joinedCells(*block)); // a single-line box takes the block as one line
        return;
    }
    QString text = clipboardCell(clipboard);
    const bool valueBox = place && place->x() > 0 && place->y() > 0;
    if (valueBox)
        text = plainNumber(text).value_or(text);
    box->insert(text);
    if (valueBox)
        tellUnreadable({{place->y(), place->x(), box->text()}});
}

void TableEditing::pasteBlock(const TextGrid& block, QPoint place) {
    const FoundTable found = findTable(block);
    const Placement placement = placeBlock(found.block, place.y(), place.x());
    TableContents pasted = document_.contents();
    for (const GridCell& cell : placement.cells)
        pasted.setBoxText(cell.row, cell.column, cell.text);
    // What the lines around the table describe fills only the boxes the user left empty.
    for (std::size_t i = 0; i < pasted.descriptions.size(); ++i)
        if (pasted.descriptionUntouched(i) && !found.descriptions[i].isEmpty())
            pasted.descriptions[i] = found.descriptions[i];
    document_.replace(QStringLiteral("貼り付け"), pasted);
    if (placement.leftOut > 0)
        dialogs_.warn(window_,
                      QStringLiteral("入力欄の外にはみ出した %1 個のセルは貼り付けませんでした。")
                          .arg(placement.leftOut));
    tellUnreadable(placement.cells, leftOutTotalsMessage(found));
}

void TableEditing::tellUnreadable(const std::vector<GridCell>& cells, const QString& leftOut) {
    if (const QString told = joinedMessages({unreadableValuesMessage(cells), leftOut});
        !told.isEmpty())
        dialogs_.warn(window_, told);
}

void TableEditing::copyTable() {
    QApplication::clipboard()->setMimeData(tableMimeData(document_.contents().grid));
}

void TableEditing::undo() {
    document_.undo();
}

void TableEditing::redo() {
    document_.redo();
}

QMenu* TableEditing::contextMenu(QLineEdit* box) {
    QMenu* menu = box->createStandardContextMenu();
    // Paste spreads blocks; undo and redo walk the document's history, not the box's own.
    const auto reroute = [&](const QString& name, const char* text, auto action) {
        QAction* item = standardItem(menu, name, text);
        if (item) {
            disconnect(item, &QAction::triggered, nullptr, nullptr);
            connect(item, &QAction::triggered, this, action);
        }
        return item;
    };
    if (QAction* item =
            reroute(QStringLiteral("edit-paste"), "&Paste", [this, box] { paste(box); }))
        item->setObjectName(QStringLiteral("paste"));
    if (QAction* item = reroute(QStringLiteral("edit-undo"), "&Undo", [this] { undo(); }))
        item->setEnabled(document_.history().canUndo());
    if (QAction* item = reroute(QStringLiteral("edit-redo"), "&Redo", [this] { redo(); }))
        item->setEnabled(document_.history().canRedo());
    menu->addSeparator();
    QAction* copy = menu->addAction(QStringLiteral("表をコピー"), this, &TableEditing::copyTable);
    copy->setObjectName(QStringLiteral("copy-table"));
    copy->setShortcut(CopyTableKey);
    return menu;
}

bool TableEditing::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        QMenu* menu = contextMenu(box);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
        paste(box);
        return true;
    }
    if (key->matches(QKeySequence::Undo)) {
        undo();
        return true;
    }
    const QKeySequence pressed(key->keyCombination());
    if (redoKeys().contains(pressed)) {
        redo();
        return true;
    }
    if (pressed == CopyTableKey) {
        copyTable();
        return true;
    }
    return false;
}
