#include "graph/RecordingCanvas.h"

namespace {
QString num(float value) {
    return QString::number(value, 'g', 9);
}
QString colour(QRgb rgb) {
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}
} // namespace

void RecordingCanvas::cls() {
    x_ = y_ = 0;
    ops << QStringLiteral("cls()");
}

void RecordingCanvas::setBackColor(QRgb c) {
    x_ = y_ = 0;
    ops << QStringLiteral("setBackColor(%1)").arg(colour(c));
}

void RecordingCanvas::setDrawWidth(int pixels) {
    ops << QStringLiteral("setDrawWidth(%1)").arg(pixels);
}

void RecordingCanvas::setFillStyle(FillStyle style) {
    ops << QStringLiteral("setFillStyle(%1)").arg(static_cast<int>(style));
}

void RecordingCanvas::setFillColor(QRgb c) {
    ops << QStringLiteral("setFillColor(%1)").arg(colour(c));
}

void RecordingCanvas::setForeColor(QRgb c) {
    ops << QStringLiteral("setForeColor(%1)").arg(colour(c));
}

void RecordingCanvas::setFontSize(int twips) {
    ops << QStringLiteral("setFontSize(%1)").arg(twips);
}

void RecordingCanvas::setCurrentX(float x) {
    x_ = x;
    ops << QStringLiteral("setCurrentX(%1)").arg(num(x));
}

void RecordingCanvas::setCurrentY(float y) {
    y_ = y;
    ops << QStringLiteral("setCurrentY(%1)").arg(num(y));
}

void RecordingCanvas::print(const QString& text) {
    ops << QStringLiteral("print(%1, %2, %3)").arg(num(x_), num(y_), text);
    x_ = 0;
    y_ += 180;
}

void RecordingCanvas::line(LineForm form, float x1, float y1, float x2, float y2, QRgb c) {
    QString op = QStringLiteral("line(%1, %2, %3, %4, %5")
                     .arg(static_cast<int>(form))
                     .arg(num(x1), num(y1), num(x2), num(y2));
    if (form == LineForm::FilledBox || (form == LineForm::Line && (c & 0xFFFFFF) != 0))
        op += QStringLiteral(", ") + colour(c);
    ops << op + QLatin1Char(')');
}

void RecordingCanvas::setHeight(float twips) {
    ops << QStringLiteral("setHeight(%1)").arg(num(twips));
}

QStringList RecordingCanvas::only(const QString& prefix) const {
    QStringList matching;
    for (const QString& op : ops)
        if (op.startsWith(prefix))
            matching << op;
    return matching;
}

QStringList RecordingCanvas::texts() const {
    return only(QStringLiteral("print("));
}

void RecordingSurface::setWindowHeight(int twips) {
    pic.ops << QStringLiteral("setWindowHeight(%1)").arg(twips);
}
