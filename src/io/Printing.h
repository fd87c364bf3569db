#pragma once

#include <QString>

#include <optional>

class QImage;
class QPrinter;

// Prints the picture on one page, its top-left corner at the top-left corner of the printable
// area, at its physical size: 96 pixels to the inch, so 1440 twips make an inch on paper.
// Returns why printing failed, or nothing.
std::optional<QString> printPicture(QPrinter& printer, const QImage& picture);

// Prepares the printer for the print dialog: the document's name, and where no printer is
// installed a PDF file named after it in the home folder.
void preparePrinter(QPrinter& printer);

QString printMessage(const QString& error);
