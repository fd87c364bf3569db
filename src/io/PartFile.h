#pragma once

#include <QByteArray>
#include <QString>

// A temporary file through which a new file is written whole or not at all: created in the
// folder of the file it becomes, named `.tallyfold-<random>.part` so that it is known for ours,
// and renamed into place only when complete. Its writer holds a lock (flock) on it until then,
// so a part file that nobody holds locked was left by a writer that was killed, while those of
// runs still going (another shard writing into the same folder) stay locked.
class PartFile {
public:
    // Creates and locks a part file beside `path`; error() tells why when it could not.
    explicit PartFile(const QString& path);
    // Removes the part file unless it was moved into place.
    ~PartFile();
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // The errno of the call that failed, 0 while none has; EEXIST from moveIntoPlace when
    // another file took the name meanwhile.
    int error() const { return error_; }

    bool write(const QByteArray& bytes);
    // Renames the part file to the path, never over a file of that name, and closes it (the
    // close checked, for a file system that reports a full disk only then).
    bool moveIntoPlace();

private:
    bool fail();

    QByteArray target_;
    QByteArray part_;
    int descriptor_ = -1;
    int error_ = 0;
    bool moved_ = false;
};

// Removes the part files in `folder` that no writer holds any longer: what runs that were killed
// left there.
void removeAbandonedPartFiles(const QString& folder);
