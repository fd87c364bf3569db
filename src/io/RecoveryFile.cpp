#include "io/RecoveryFile.h"

#include "graph/SizeName.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int Format = 1;

template <class Texts> QJsonArray textArray(const Texts& texts) {
    QJsonArray array;
    for (const QString& text : texts)
        array.append(text);
    return array;
}

// The texts of an array of exactly `count` strings.
std::optional<std::vector<QString>> texts(const QJsonValue& value, std::size_t count) {
    const QJsonArray array = value.toArray();
    if (!value.isArray() || static_cast<std::size_t>(array.size()) != count)
        return std::nullopt;
    std::vector<QString> read;
    for (const QJsonValue& item : array) {
        if (!item.isString())
            return std::nullopt;
        read.push_back(item.toString());
    }
    return read;
}

QJsonValue cellValue(const Cell& cell) {
    if (const QString* text = std::get_if<QString>(&cell))
        return *text;
    if (const double* number = std::get_if<double>(&cell))
        return *number;
    return QJsonValue::Null;
}

std::optional<Cell> cellOf(const QJsonValue& value) {
    if (value.isNull())
        return Cell{};
    if (value.isString())
        return Cell{value.toString()};
    if (value.isDouble())
        return Cell{value.toDouble()};
    return std::nullopt;
}

// The cells no box shows: nothing where the file has none, as files written before them have.
std::optional<UnshownCells> unshownOf(const QJsonValue& value) {
    UnshownCells cells;
    if (value.isUndefined())
        return cells;
    const QJsonArray array = value.toArray();
    if (array.size() != UnshownCellCount)
        return std::nullopt;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::optional<Cell> cell = cellOf(array[static_cast<qsizetype>(i)]);
        if (!cell)
            return std::nullopt;
        cells[i] = *cell;
    }
    return cells;
}

} // namespace

QByteArray encodeRecovery(const TableContents& contents) {
    QJsonArray grid;
    for (const std::vector<QString>& row : contents.grid)
        grid.append(textArray(row));
    QJsonObject root{{QStringLiteral("format"), Format},
                     {QStringLiteral("grid"), grid},
                     {QStringLiteral("descriptions"), textArray(contents.descriptions)},
                     {QStringLiteral("size"), sizeName(contents.size)}};
    if (contents.unshown != UnshownCells{}) {
        QJsonArray unshown;
        for (const Cell& cell : contents.unshown)
            unshown.append(cellValue(cell));
        root.insert(QStringLiteral("unshown"), unshown);
    }
    if (!contents.file.isEmpty())
        root.insert(QStringLiteral("file"), contents.file);
    return QJsonDocument(root).toJson();
}

std::optional<TableContents> decodeRecovery(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(bytes, &error).object();
    if (error.error != QJsonParseError::NoError ||
        root.value(QStringLiteral("format")).toInt(-1) != Format)
        return std::nullopt;

    TableContents contents;
    const QJsonArray rows = root.value(QStringLiteral("grid")).toArray();
    if (rows.size() != GridRows)
        return std::nullopt;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        std::optional<std::vector<QString>> cells = texts(rows[r], GridColumns);
        if (!cells)
            return std::nullopt;
        contents.grid[static_cast<std::size_t>(r)] = std::move(*cells);
    }
    const std::optional<std::vector<QString>> descriptions =
        texts(root.value(QStringLiteral("descriptions")), contents.descriptions.size());
    if (!descriptions)
        return std::nullopt;
    std::ranges::copy(*descriptions, contents.descriptions.begin());

    const std::optional<GraphSize> size = sizeNamed(root.value(QStringLiteral("size")).toString());
    const std::optional<UnshownCells> unshown = unshownOf(root.value(QStringLiteral("unshown")));
    const QJsonValue file = root.value(QStringLiteral("file"));
    if (!size || !unshown || !(file.isUndefined() || file.isString()))
        return std::nullopt;
    contents.size = *size;
    contents.unshown = *unshown;
    contents.file = file.toString();
    return contents;
}
