#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QUndoStack;

// Turns what the user types into the entry boxes into steps of the table's history: all that is
// typed into one box until it loses the focus, or until another step comes, is one step "入力".
class TypingSteps : public QObject {
    Q_OBJECT

public:
    explicit TypingSteps(QUndoStack& history);

    void watch(QLineEdit* box);
    // Pushes the typing not yet in the history as a step of its own, before another step comes.
    void commit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typed(QLineEdit* box);

    QUndoStack& history_;
    QHash<QLineEdit*, QString> settled_; // each box's text before the typing not yet a step
    QPointer<QLineEdit> typing_;         // the box with typing not yet a step
};
