#pragma once

#include <string_view>

// Whether every XML part of a zip archive (each entry that ends in .xml or .rels or begins
// with '<') is well-formed XML without a document type declaration, by Qt's XML reader.
// liborcus 0.17's XML parser stops the program on an assertion for some malformed parts
// (a NUL byte inside a name, say), which no exception can catch; a file whose parts pass this
// check is one that parser reads or refuses by throwing. An archive that liborcus cannot open
// passes: its own reading refuses it.
bool xmlPartsWellFormed(std::string_view archive);
