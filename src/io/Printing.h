#pragma once

#include "data/Result.h"

class ImageCanvas;
class QPrinter;

// Prints the canvas's picture on one page, its top-left corner at the top-left corner of the
// printable area, at its physical size (1440 twips to the inch) and the printer's resolution.
// A printer that writes into a file names it in the failure.
Result<void> printPicture(QPrinter& printer, const ImageCanvas& canvas);

// Prepares the printer for the print dialog: the document's name, and where no printer is
// installed a PDF file named after it in the home folder.
void preparePrinter(QPrinter& printer);
