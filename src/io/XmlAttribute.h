#pragma once

#include <QStringView>
#include <QXmlStreamReader>

// The value of the current element's attribute by its local name, whatever its prefix: writers
// of workbooks differ in the prefixes they give the same namespaces. Empty when it has none.
inline QStringView xmlAttribute(const QXmlStreamReader& xml, QStringView localName) {
    for (const QXmlStreamAttribute& attribute : xml.attributes())
        if (attribute.name() == localName)
            return attribute.value();
    return {};
}

// The attribute as a whole number; `fallback` when it is missing or no number.
inline qint64 xmlNumber(const QXmlStreamReader& xml, QStringView localName, qint64 fallback) {
    bool ok = false;
    const qint64 value = xmlAttribute(xml, localName).toLongLong(&ok);
    return ok ? value : fallback;
}
