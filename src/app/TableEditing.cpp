#include "app/TableEditing.h"

#include "app/Dialogs.h"
#include "data/DisplayNumber.h"
#include "data/EntryGrid.h"
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

// One step of the window's history: every box before and after an action.
class BoxesCommand : public QUndoCommand {
public:
    BoxesCommand(EntryBoxes& boxes, BoxesSnapshot before, BoxesSnapshot after, const QString& name)
        : QUndoCommand(name)
        , boxes_(boxes)
        , before_(std::move(before))
        , after_(std::move(after)) {}

    // Only the boxes the action changed go back and forth: what was typed since into others stays.
    void undo() override { before_.restoreChanged(boxes_, after_); }
    void redo() override {
        // The action itself already brought the boxes here when the step was pushed.
        if (!done_)
            after_.restoreChanged(boxes_, before_);
        done_ = false;
    }

private:
    EntryBoxes& boxes_;
    BoxesSnapshot before_;
    BoxesSnapshot after_;
    bool done_ = true;
};

// The standard menu's paste item. Qt 6.4 gives the items of QLineEdit's standard menu no object
// names (every objectName() is empty there), so its text tells it: translated in QLineEdit's
// context as Qt translates it, with or without the shortcut that follows a tab. Later versions
// name it "edit-paste", which is looked for first.
QAction* pasteItem(const QMenu* menu) {
    if (auto* named =
            menu->findChild<QAction*>(QStringLiteral("edit-paste"), Qt::FindDirectChildrenOnly))
        return named;
    const QString paste = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions())
        if (action->text().section(u'\t', 0, 0) == paste)
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

TableEditing::TableEditing(EntryBoxes& boxes, Dialogs& dialogs, QWidget* window)
    : QObject(window)
    , boxes_(boxes)
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

void TableEditing::addBox(QLineEdit* box, std::optional<QPoint> gridCell) {
    gridCells_.insert(box, gridCell);
    box->installEventFilter(this);
    typing_.watch(box);
}

void TableEditing::record(const QString& name, const std::function<void()>& action) {
    typing_.commit();
    BoxesSnapshot before = BoxesSnapshot::take(boxes_);
    action();
    BoxesSnapshot after = BoxesSnapshot::take(boxes_);
    if (after != before)
        history_.push(new BoxesCommand(boxes_, std::move(before), std::move(after), name));
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
    const Placement placement = placeBlock(block, place.y(), place.x());
    record(QStringLiteral("貼り付け"), [&] {
        for (const GridCell& cell : placement.cells)
            setGridText(boxes_, cell.row, cell.column, cell.text);
    });
    if (placement.leftOut > 0)
        dialogs_.warn(window_,
                      QStringLiteral("入力欄の外にはみ出した %1 個のセルは貼り付けませんでした。")
                          .arg(placement.leftOut));
    tellUnreadable(placement.cells);
}

void TableEditing::tellUnreadable(const std::vector<GridCell>& cells) {
    if (const QString message = unreadableValuesMessage(cells); !message.isEmpty())
        dialogs_.warn(window_, message);
}

void TableEditing::copyTable() {
    QApplication::clipboard()->setMimeData(tableMimeData(readGrid(boxes_)));
}

void TableEditing::undo() {
    typing_.commit();
    history_.undo();
}

// Typing not yet a step becomes one now, and so leaves nothing to redo over it.
void TableEditing::redo() {
    typing_.commit();
    history_.redo();
}

QMenu* TableEditing::contextMenu(QLineEdit* box) {
    QMenu* menu = box->createStandardContextMenu();
    if (QAction* pasteAction = pasteItem(menu)) {
        pasteAction->setObjectName(QStringLiteral("paste"));
        disconnect(pasteAction, &QAction::triggered, nullptr, nullptr);
        connect(pasteAction, &QAction::triggered, this, [this, box] { paste(box); });
    }
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
    if (key->matches(QKeySequence::Undo) && !box->isUndoAvailable()) {
        undo();
        return true;
    }
    const QKeySequence pressed(key->keyCombination());
    if (redoKeys().contains(pressed) && !box->isRedoAvailable()) {
        redo();
        return true;
    }
    if (pressed == CopyTableKey) {
        copyTable();
        return true;
    }
    return false;
}
