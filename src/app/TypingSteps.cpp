#include "app/TypingSteps.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QUndoStack>

namespace {

// One box's text before and after the user typed into it.
class TypingCommand : public QUndoCommand {
public:
    TypingCommand(QLineEdit* box, QString before, QString after)
        : QUndoCommand(QStringLiteral("入力"))
        , box_(box)
        , before_(std::move(before))
        , after_(std::move(after)) {}

    // setText is not typing, so a step taken back or done again starts no typing of its own.
    void undo() override { box_->setText(before_); }
    void redo() override {
        // The user's typing already brought the box here when the step was pushed.
        if (!done_)
            box_->setText(after_);
        done_ = false;
    }

private:
    QLineEdit* box_;
    QString before_;
    QString after_;
    bool done_ = true;
};

} // namespace

TypingSteps::TypingSteps(QUndoStack& history)
    : history_(history) {}

void TypingSteps::watch(QLineEdit* box) {
    settled_.insert(box, box->text());
    box->installEventFilter(this);
    // A box emits textEdited before textChanged, so typing has begun by the time its text
    // changes, and only the changes made by the program settle the text.
    connect(box, &QLineEdit::textEdited, this, [this, box] { typed(box); });
    connect(box, &QLineEdit::textChanged, this, [this, box](const QString& text) {
        if (box != typing_)
            settled_[box] = text;
    });
}

void TypingSteps::typed(QLineEdit* box) {
    if (box == typing_)
        return;
    commit();
    typing_ = box;
}

void TypingSteps::commit() {
    if (!typing_)
        return;
    QLineEdit* box = typing_;
    typing_ = nullptr;
    const QString before = settled_.value(box);
    const QString after = box->text();
    settled_[box] = after;
    if (after == before)
        return;
    // The box's own undo keeps only typing not yet a step, so that Ctrl+Z in it never takes
    // this step back twice; setText empties it.
    box->setText(after);
    history_.push(new TypingCommand(box, before, after));
}

bool TypingSteps::eventFilter(QObject* watched, QEvent* event) {
    // The box's own context menu takes the focus while its typing goes on. A box being
    // destroyed is no QLineEdit any longer and has nothing to keep.
    if (event->type() == QEvent::FocusOut && typing_ &&
        qobject_cast<QLineEdit*>(watched) == typing_ &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        commit();
    return false;
}
