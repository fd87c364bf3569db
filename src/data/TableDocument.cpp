#include "data/TableDocument.h"

// One step of the history: the contents before and after it. A step of typing keeps the box it
// was typed into, so that typing on into the same box merges into it.
class TableStep : public QUndoCommand {
public:
    static constexpr int TypingId = 1;

    TableStep(TableDocument& document, const QString& name, TableContents after,
              std::optional<std::pair<int, int>> typedBox = std::nullopt)
        : QUndoCommand(name)
        , document_(document)
        , before_(document.contents())
        , after_(std::move(after))
        , typedBox_(typedBox)
        , typingRun_(document.typingRun_) {}

    int id() const override { return typedBox_ ? TypingId : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* typing = static_cast<const TableStep*>(other);
        if (typing->typedBox_ != typedBox_ || typing->typingRun_ != typingRun_)
            return false;
        after_ = typing->after_;
        // Typed back to what it was: the step is no change, and leaves the history.
        setObsolete(after_ == before_);
        return true;
    }
    void undo() override { document_.set(before_); }
    void redo() override { document_.set(after_); }

private:
    TableDocument& document_;
    TableContents before_;
    TableContents after_;
    std::optional<std::pair<int, int>> typedBox_;
    int typingRun_ = 0;
};

TableDocument::TableDocument(TableContents start, QObject* parent)
    : QObject(parent)
    , contents_(std::move(start)) {}

void TableDocument::type(int row, int column, const QString& text) {
    if (!isBox(row, column) || contents_.boxText(row, column) == text)
        return;
    TableContents after = contents_;
    after.setBoxText(row, column, text);
    history_.push(
        new TableStep(*this, QStringLiteral("入力"), std::move(after), std::pair{row, column}));
}

void TableDocument::endTyping() {
    ++typingRun_;
}

void TableDocument::replace(const QString& name, const TableContents& contents) {
    endTyping();
    if (contents != contents_)
        history_.push(new TableStep(*this, name, contents));
}

void TableDocument::setSize(GraphSize size) {
    TableContents after = contents_;
    after.size = size;
    replace(QStringLiteral("グラフのサイズ"), after);
}

void TableDocument::setFile(const QString& file) {
    if (file == contents_.file)
        return;
    contents_.file = file;
    emit fileChanged(file);
    emit changed();
}

void TableDocument::undo() {
    endTyping();
    history_.undo();
}

void TableDocument::redo() {
    endTyping();
    history_.redo();
}

void TableDocument::set(const TableContents& contents) {
    const TableContents before = std::exchange(contents_, contents);
    for (int r = 0; r <= GridRows; ++r)
        for (int c = 0; c < GridColumns; ++c)
            if (isBox(r, c) && before.boxText(r, c) != contents_.boxText(r, c))
                emit boxChanged(r, c, contents_.boxText(r, c));
    if (before.size != contents_.size)
        emit sizeChanged(contents_.size);
    if (before.file != contents_.file)
        emit fileChanged(contents_.file);
    if (before != contents_)
        emit changed();
}
