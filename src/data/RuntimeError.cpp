#include "data/RuntimeError.h"

#include <cmath>

RuntimeError::RuntimeError(int number, const QString& description)
    : number_(number)
    , description_(description)
    , what_(message().toStdString()) {}

RuntimeError RuntimeError::overflow() {
    return {6, QStringLiteral("オーバーフローしました。")};
}

RuntimeError RuntimeError::divisionByZero() {
    return {11, QStringLiteral("0 で除算しました。")};
}

QString RuntimeError::message() const {
    return QStringLiteral("実行時エラー '%1':\n\n%2").arg(number_).arg(description_);
}

float toSingle(double value) {
    const auto single = static_cast<float>(value);
    if (!std::isfinite(single))
        throw RuntimeError::overflow();
    return single;
}
