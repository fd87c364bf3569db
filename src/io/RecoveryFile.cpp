#include "io/RecoveryFile.h"

#include "data/EntryGrid.h"
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

} // namespace

QByteArray encodeRecovery(const EntryState& state) {
    QJsonArray grid;
    for (const std::vector<QString>& row : state.boxes.grid)
        grid.append(textArray(row));
    return QJsonDocument(
               QJsonObject{{QStringLiteral("format"), Format},
                           {QStringLiteral("grid"), grid},
                           {QStringLiteral("descriptions"), textArray(state.boxes.descriptions)},
                           {QStringLiteral("size"), sizeName(state.size)}})
        .toJson();
}

std::optional<EntryState> decodeRecovery(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(bytes, &error).object();
    if (error.error != QJsonParseError::NoError ||
        root.value(QStringLiteral("format")).toInt(-1) != Format)
        return std::nullopt;

    EntryState state;
    const QJsonArray rows = root.value(QStringLiteral("grid")).toArray();
    if (rows.size() != GridRows)
        return std::nullopt;
    for (const QJsonValue& row : rows) {
        std::optional<std::vector<QString>> cells = texts(row, GridColumns);
        if (!cells)
            return std::nullopt;
        state.boxes.grid.push_back(std::move(*cells));
    }
    const std::optional<std::vector<QString>> descriptions =
        texts(root.value(QStringLiteral("descriptions")), state.boxes.descriptions.size());
    if (!descriptions)
        return std::nullopt;
    std::ranges::copy(*descriptions, state.boxes.descriptions.begin());

    const QString size = root.value(QStringLiteral("size")).toString();
    const std::optional<GraphSize> named = sizeNamed(size);
    if (!named)
        return std::nullopt;
    state.size = *named;
    return state;
}
