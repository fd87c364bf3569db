#pragma once

#include "app/Dialogs.h"

// `CommonDialog1`: the file dialog that the data and picture actions share. It takes its filter
// as "description|pattern" pairs ("text|*.txt|CSV|*.csv") and keeps the last chosen full path,
// which it offers again the next time it opens, and the filter chosen with it. A kept name of
// the other kind of file (a table's name offered for a picture) comes with this filter's first
// extension, so that one Enter cannot replace a table with a picture or the other way round.
class CommonDialog {
public:
    explicit CommonDialog(Dialogs& dialogs)
        : dialogs_(dialogs) {}

    std::optional<QString> showSave(QWidget* parent, const QString& filter);
    std::optional<QString> showOpen(QWidget* parent, const QString& filter);

    // The filter selected when the last name was chosen, from 1.
    int filterIndex() const { return filterIndex_; }

    // "text|*.txt" as Qt writes it: "text (*.txt)".
    static QString qtFilter(const QString& filter);
    // The name to offer under `filter` when `kept` was chosen last.
    static QString offeredName(const QString& kept, const QString& filter);

private:
    std::optional<QString> show(QWidget* parent, FileDialogKind kind, const QString& filter);

    Dialogs& dialogs_;
    QString fileName_;
    int filterIndex_ = 1;
};

inline const QString DataFilter = QStringLiteral("text|*.txt|CSV|*.csv");
// Tables are read from spreadsheets' workbooks and tab-separated text too, in the order of
// DataFormat and then TsvFilterIndex.
inline const QString DataOpenFilter =
    DataFilter + QStringLiteral("|Excel ブック|*.xlsx|OpenDocument スプレッドシート|*.ods"
                                "|タブ区切りテキスト|*.tsv");
inline const QString BitmapFilter = QStringLiteral("bitmap|*.bmp");
// The chart's save offers the bitmap first, then the formats in the order of PictureFormat.
inline const QString PictureSaveFilter =
    QStringLiteral("bitmap|*.bmp|PNG|*.png|SVG|*.svg|PDF|*.pdf");
