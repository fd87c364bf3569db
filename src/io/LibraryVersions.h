#pragma once

#include <QStringList>

// The libraries the program reads and draws with, each as "name version" as it runs, for the
// version information: the ones linked at run time, not the headers it was built against.
QStringList libraryVersions();
