#pragma once

#include "data/Result.h"
#include "io/PageSetup.h"

class ImageCanvas;
class QPrinter;

// Prints the canvas's picture on one page at the printer's resolution. Without a paper in
// `page`, its top-left corner at the top-left corner of the printable area, at its physical size
// (1440 twips to the inch); with one, where placeChart puts it on the printer's page. A printer
// that writes into a file names it in the failure.
Result<void> printPicture(QPrinter& printer, const ImageCanvas& canvas, const PageSetup& page = {});

// Prepares the printer for the print dialog: the document's name, where no printer is
// installed a PDF file named after it in the home folder, and the paper and orientation of
// `page` when it has a paper.
void preparePrinter(QPrinter& printer, const PageSetup& page = {});
