#include "data/BoxNames.h"

#include "data/DataTable.h"

#include <QStringList>

namespace {
QString columnLetter(int column) {
    return QString(QChar(u'A' + column - 1));
}
} // namespace

QString valueBoxName(int row, int column) {
    return QStringLiteral("%1行 %2列").arg(row).arg(columnLetter(column));
}

QString valueBoxName(const TableContents& contents, int row, int column) {
    QStringList meaning;
    for (const QString& label : {contents.rowLabel(row), contents.columnLabel(column)})
        if (!label.trimmed().isEmpty())
            meaning << label.trimmed();
    const QString place = valueBoxName(row, column);
    return meaning.isEmpty() ? place
                             : meaning.join(QLatin1Char(' ')) + QStringLiteral(" (%1)").arg(place);
}

QString rowLabelBoxName(int row) {
    return QStringLiteral("行ラベル %1").arg(row);
}

QString columnLabelBoxName(int column) {
    return QStringLiteral("列ラベル %1").arg(columnLetter(column));
}

QString descriptionBoxName(Description which) {
    switch (which) {
    case Description::Title:
        return QStringLiteral("タイトル");
    case Description::Unit:
        return QStringLiteral("単位");
    case Description::Source:
        return QStringLiteral("資料出典");
    case Description::Note:
        return QStringLiteral("注");
    case Description::Author:
        break;
    }
    return QStringLiteral("作成者");
}

QString cellBoxName(int r, int c) {
    const bool dataRow = r >= 1 && r <= DataTable::DataRows;
    const bool dataColumn = c >= 1 && c <= DataTable::DataColumns;
    if (r == 0 && dataColumn)
        return columnLabelBoxName(c);
    if (dataRow && c == 0)
        return rowLabelBoxName(r);
    if (dataRow && dataColumn)
        return valueBoxName(r, c);
    if (r == DataTable::DescriptionRow && c >= 1 && c <= 5)
        return descriptionBoxName(static_cast<Description>(c));
    return QStringLiteral("セル (%1, %2)").arg(r).arg(c);
}
