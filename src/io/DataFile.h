#pragma once

#include <QString>

#include <utility>
#include <vector>

class DataTable;

// Saving and loading the data text file on disk.

struct SaveOutcome {
    QString error; // why the file could not be written; empty on success
    // Cells whose text lost characters that code page 932 cannot hold.
    std::vector<std::pair<int, int>> lossyCells;
};

// Writes the table through a temporary file that replaces `path` only once it is complete, so a
// failed save leaves the old file as it was; where the folder takes no new file, an existing
// writable file is written in place.
SaveOutcome saveDataFile(const QString& path, const DataTable& table);

struct LoadOutcome {
    QString error;  // why the file could not be read; empty when it could
    int fields = 0; // fields the file held, at most 156

    bool complete() const;
};

// Reads the file into the table; the table changes only when the file holds all 156 fields.
LoadOutcome loadDataFile(const QString& path, DataTable& table);

// What to tell the user after a save or a load: why it failed, why nothing was loaded, or which
// boxes lost characters. Empty when there is nothing to say.
QString saveMessage(const QString& path, const SaveOutcome& outcome);
QString loadMessage(const QString& path, const LoadOutcome& outcome);
