#include "Printers.h"

#include "data/TableDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A data file's load: a table, its title and a cell that no box shows.
TableContents loadedFile() {
    TableContents loaded;
    loaded.setValue(1, 1, QStringLiteral("30"));
    loaded.setDescription(Description::Title, QStringLiteral("題"));
    loaded.unshown[0] = QStringLiteral("hidden");
    loaded.file = QStringLiteral("/tmp/in.txt");
    return loaded;
}

TEST(TableDocument, UndoAndRedoRestoreTheWholeContents) {
    using Step = std::function<void(TableDocument&)>;
    const auto type = [](int r, int c, const char* text) {
        return [=](TableDocument& d) { d.type(r, c, QString::fromUtf8(text)); };
    };
    const Step undo = &TableDocument::undo;
    const Step redo = &TableDocument::redo;
    const Step endTyping = &TableDocument::endTyping;
    const Step load = [](TableDocument& d) {
        d.replace(QStringLiteral("データの読込"), loadedFile());
    };
    const Step clear = [](TableDocument& d) { d.replace(QStringLiteral("全てを消す"), {}); };
    const Step wide = [](TableDocument& d) { d.setSize(GraphSize::Wide); };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        const char* a1; // the box 1A after the steps
        const char* title;
        bool hidden;   // the data file's cell that no box shows is there
        int stepsLeft; // to undo
    };
    const Case cases[] = {
        {"typing into one box is one step",
         {type(1, 1, "1"), type(1, 1, "12"), undo},
         "",
         "",
         false,
         0},
        {"another box ends the step",
         {type(1, 1, "1"), type(1, 2, "2"), type(1, 1, "13"), undo},
         "1",
         "",
         false,
         2},
        {"ended typing starts a new step",
         {type(1, 1, "1"), endTyping, type(1, 1, "12"), undo},
         "1",
         "",
         false,
         1},
        {"typed back as it was, no step", {type(1, 1, "1"), type(1, 1, "")}, "", "", false, 0},
        {"a description is a box", {type(11, 1, "T"), type(1, 1, "5"), undo}, "", "T", false, 1},
        {"undoing a load takes its hidden cells", {type(1, 1, "9"), load, undo}, "9", "", false, 1},
        {"redoing a load brings them back", {load, undo, redo}, "30", "題", true, 1},
        {"typing after a load keeps them", {load, type(1, 1, "31")}, "31", "題", true, 2},
        {"clearing keeps nothing, its undo everything", {load, clear, undo}, "30", "題", true, 1},
        {"typing after an undo is a new step",
         {type(1, 1, "1"), wide, undo, type(1, 1, "12"), undo},
         "1",
         "",
         false,
         1},
        {"the size is a step", {wide, type(1, 1, "1"), undo, undo, redo}, "", "", false, 1},
    };
    for (const Case& c : cases) {
        TableDocument document;
        for (const Step& step : c.steps)
            step(document);
        const TableContents& now = document.contents();
        EXPECT_EQ(now.value(1, 1), QString::fromUtf8(c.a1)) << c.name;
        EXPECT_EQ(now.description(Description::Title), QString::fromUtf8(c.title)) << c.name;
        EXPECT_EQ(now.unshown[0] == Cell(QStringLiteral("hidden")), c.hidden) << c.name;
        EXPECT_EQ(now.file.isEmpty(), !c.hidden) << c.name << ": the file goes with its load";
        EXPECT_EQ(document.history().index(), c.stepsLeft) << c.name;
    }
}

} // namespace
