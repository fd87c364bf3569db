#pragma once

#include "data/Result.h"
#include "io/FileFormats.h"
#include "io/PictureSettings.h"
#include "io/SaveFile.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class ImageCanvas;

// The canvas's picture as the bytes of a picture file, one function a format. PNG holds the
// pixels of image(); SVG and PDF redraw the canvas as vector shapes and texts at its physical
// size, one user unit (SVG) or device pixel (PDF) a twip, titled with the chart's title. Where
// SOURCE_DATE_EPOCH is set, the PDF is dated by it, so the same chart gives the same bytes.
QByteArray chartPng(const ImageCanvas& canvas, int dpi = PictureSettings::ScreenDpi);
QByteArray chartSvg(const ImageCanvas& canvas);
// A PDF's page is the canvas's size, or the paper of `page` with the chart placed on it by
// placeChart.
QByteArray chartPdf(const ImageCanvas& canvas, const PageSetup& page = {});
// The canvas's picture drawn again at `dpi`, its texts and lines drawn for that resolution and
// the resolution recorded; at the screen's resolution, image() itself.
QImage chartImage(const ImageCanvas& canvas, int dpi);
// The picture file's bytes in `format`, PNG and BMP at the settings' resolution, PDF on their
// page; a bitmap as savePicture writes it.
QByteArray chartBytes(const ImageCanvas& canvas, PictureFormat format,
                      const PictureSettings& settings = {});

// Writes the canvas's picture in `format` under exactly the name given, through a temporary
// file that replaces `path` only when complete (in place where the folder takes no new file).
// A bitmap is written as the save has always written it. A batch may write new files unsynced
// (see saveBytes).
Result<void> saveChart(const ImageCanvas& canvas, const QString& path, PictureFormat format,
                       NewFile newFile = NewFile::Synced, const PictureSettings& settings = {});
