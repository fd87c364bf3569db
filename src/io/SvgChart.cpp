#include "io/SvgChart.h"

#include "graph/CanvasShapes.h"
#include "graph/Fonts.h"
#include "graph/ImageCanvas.h"
#include "graph/XmlText.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetrics>
#include <QXmlStreamWriter>

namespace {

// A vector device of 1440 dots per inch: positions stay exact, one unit a twip.
constexpr DeviceUnits Twips{TwipsPerInch, TwipsPerInch, false};
constexpr double MillimetresPerTwip = 25.4 / TwipsPerInch;

QString number(double value) {
    return QString::number(value, 'g', 10);
}

QString colourName(QRgb colour) {
    return QColor::fromRgb(colour).name();
}

QString rectPath(const QRectF& r) {
    return QStringLiteral("M%1 %2H%3V%4H%1Z")
        .arg(number(r.left()), number(r.top()), number(r.right()), number(r.bottom()));
}

class SvgWriter {
public:
    SvgWriter(const ImageCanvas& canvas, QIODevice& device)
        : canvas_(canvas)
        , xml_(&device)
        , fontFamily_(QStringLiteral("%1, '%2', sans-serif")
                          .arg(QFontInfo(canvas.font()).family(), canvas.font().family()))
        , fontSize_(number(canvas.font().pixelSize() * Twips.pixelHeight()))
        , ascent_(canvas.ascent()) {}

    void write(const QString& title) {
        const QSize size = canvas_.sizeTwips();
        xml_.setAutoFormatting(true);
        xml_.writeStartDocument();
        xml_.writeStartElement(QStringLiteral("svg"));
        xml_.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
        xml_.writeNamespace(QStringLiteral("http://www.w3.org/1999/xlink"),
                            QStringLiteral("xlink"));
        xml_.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
        xml_.writeAttribute(QStringLiteral("width"),
                            number(size.width() * MillimetresPerTwip) + QStringLiteral("mm"));
        xml_.writeAttribute(QStringLiteral("height"),
                            number(size.height() * MillimetresPerTwip) + QStringLiteral("mm"));
        xml_.writeAttribute(QStringLiteral("viewBox"),
                            QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));
        xml_.writeTextElement(QStringLiteral("title"), xmlText(title));
        background(size);
        canvas_.record().visit(
            [this](const CanvasOperation& op, std::optional<int> height) { draw(op, height); });
        endCut();
        xml_.writeEndDocument();
    }

private:
    void background(QSize size) {
        fill(QRectF(QPointF(0, 0), size), canvas_.backColor());
        const QImage& picture = canvas_.backgroundPicture();
        if (picture.isNull())
            return;
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        picture.save(&png, "PNG");
        xml_.writeEmptyElement(QStringLiteral("image"));
        xml_.writeAttribute(QStringLiteral("width"), number(picture.width() * Twips.pixelWidth()));
        xml_.writeAttribute(QStringLiteral("height"),
                            number(picture.height() * Twips.pixelHeight()));
        xml_.writeAttribute(QStringLiteral("preserveAspectRatio"), QStringLiteral("none"));
        xml_.writeAttribute(QStringLiteral("xlink:href"),
                            QStringLiteral("data:image/png;base64,") +
                                QString::fromLatin1(png.data().toBase64()));
    }

    // Operations drawn before the canvas was once less tall show down to that height only.
    void cutTo(std::optional<int> height) {
        if (height == cut_)
            return;
        endCut();
        cut_ = height;
        if (!height)
            return;
        const QString id = clip(QRectF(0, 0, canvas_.sizeTwips().width(), *height));
        xml_.writeStartElement(QStringLiteral("g"));
        xml_.writeAttribute(QStringLiteral("clip-path"), QStringLiteral("url(#%1)").arg(id));
    }

    void endCut() {
        if (cut_)
            xml_.writeEndElement();
        cut_.reset();
    }

    // A clip path of the rectangle; its id.
    QString clip(const QRectF& rect) {
        const QString id = QStringLiteral("clip%1").arg(++clips_);
        xml_.writeStartElement(QStringLiteral("clipPath"));
        xml_.writeAttribute(QStringLiteral("id"), id);
        xml_.writeEmptyElement(QStringLiteral("path"));
        xml_.writeAttribute(QStringLiteral("d"), rectPath(rect));
        xml_.writeEndElement();
        return id;
    }

    void draw(const CanvasOperation& op, std::optional<int> height) {
        cutTo(height);
        switch (op.kind) {
        case CanvasOperation::Kind::Text:
            text(op);
            break;
        case CanvasOperation::Kind::Line:
            line(op);
            break;
        case CanvasOperation::Kind::Box: {
            const QRectF box = boxArea(op, Twips);
            if (op.fillStyle == FillStyle::Solid)
                fill(box, op.colour);
            else if (op.fillStyle != FillStyle::Transparent)
                hatch(box, op.fillStyle, op.colour);
            outline(box, op.drawWidth, qRgb(0, 0, 0));
            break;
        }
        case CanvasOperation::Kind::FilledBox: {
            const QRectF box = boxArea(op, Twips);
            fill(box, op.colour);
            outline(box, op.drawWidth, op.colour);
            break;
        }
        }
    }

    void fill(const QRectF& rect, QRgb colour) {
        xml_.writeEmptyElement(QStringLiteral("path"));
        xml_.writeAttribute(QStringLiteral("fill"), colourName(colour));
        xml_.writeAttribute(QStringLiteral("d"), rectPath(rect));
    }

    void outline(const QRectF& box, int drawWidth, QRgb colour) {
        QString path;
        for (const QRectF& band : outlineBands(box, drawWidth, Twips))
            path += rectPath(band);
        xml_.writeEmptyElement(QStringLiteral("path"));
        xml_.writeAttribute(QStringLiteral("fill"), colourName(colour));
        xml_.writeAttribute(QStringLiteral("d"), path);
    }

    void line(const CanvasOperation& op) {
        xml_.writeEmptyElement(QStringLiteral("path"));
        xml_.writeAttribute(QStringLiteral("stroke"), colourName(op.colour));
        xml_.writeAttribute(QStringLiteral("stroke-width"),
                            number(op.drawWidth * Twips.pixelWidth()));
        xml_.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("square"));
        xml_.writeAttribute(QStringLiteral("d"),
                            QStringLiteral("M%1 %2L%3 %4")
                                .arg(number(Twips.x(op.x1)), number(Twips.y(op.y1)),
                                     number(Twips.x(op.x2)), number(Twips.y(op.y2))));
    }

    // The hatch lines a screen pixel wide, cut to the box by a clip path of their own.
    void hatch(const QRectF& box, FillStyle style, QRgb colour) {
        const QRectF area = hatchArea(box, Twips) & QRectF(QPointF(0, 0), canvas_.sizeTwips());
        if (area.isEmpty())
            return;
        const double pw = Twips.pixelWidth();
        const double ph = Twips.pixelHeight();
        QString path;
        for (const QLineF& l : hatchLines(
                 QRectF(area.left() / pw, area.top() / ph, area.width() / pw, area.height() / ph),
                 style))
            path += QStringLiteral("M%1 %2L%3 %4")
                        .arg(number(l.x1() * pw), number(l.y1() * ph), number(l.x2() * pw),
                             number(l.y2() * ph));
        const QString id = clip(area);
        xml_.writeEmptyElement(QStringLiteral("path"));
        xml_.writeAttribute(QStringLiteral("clip-path"), QStringLiteral("url(#%1)").arg(id));
        xml_.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        xml_.writeAttribute(QStringLiteral("stroke"), colourName(colour));
        xml_.writeAttribute(QStringLiteral("stroke-width"), number(pw));
        xml_.writeAttribute(QStringLiteral("d"), path);
    }

    // The text's top-left corner at its position, its baseline the font's ascent below.
    void text(const CanvasOperation& op) {
        const QString text = xmlText(op.text);
        if (text.isEmpty())
            return;
        useFontSize(op.fontSize);
        xml_.writeStartElement(QStringLiteral("text"));
        xml_.writeAttribute(QStringLiteral("x"), number(Twips.x(op.x1)));
        xml_.writeAttribute(QStringLiteral("y"),
                            number(Twips.y(op.y1) + ascent_ * Twips.pixelHeight()));
        xml_.writeAttribute(QStringLiteral("font-family"), fontFamily_);
        xml_.writeAttribute(QStringLiteral("font-size"), fontSize_);
        // Black is the default fill of a text; naming it only where it differs keeps the files
        // of black texts as they were.
        if (qRgb(0, 0, 0) != (op.colour | 0xFF000000u))
            xml_.writeAttribute(QStringLiteral("fill"), colourName(op.colour));
        xml_.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        xml_.writeCharacters(text);
        xml_.writeEndElement();
    }

    // The size of the texts from now on, with its ascent in screen pixels as the canvas has it.
    void useFontSize(int size) {
        if (size == size_)
            return;
        size_ = size;
        const QFont font = chartFont(size);
        fontSize_ = number(font.pixelSize() * Twips.pixelHeight());
        ascent_ = QFontMetrics(font).ascent();
    }

    const ImageCanvas& canvas_;
    QXmlStreamWriter xml_;
    const QString fontFamily_;
    int size_ = CanvasFontSize;
    QString fontSize_;
    int ascent_ = 0;
    std::optional<int> cut_;
    int clips_ = 0;
};

} // namespace

QByteArray svgChart(const ImageCanvas& canvas, const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SvgWriter(canvas, buffer).write(title);
    return buffer.data();
}
