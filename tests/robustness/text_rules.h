#pragma once

#include "entry/numeric_value.h"

#include <QRegularExpression>
#include <QString>

// What the windows write into a box: digits, one point, digits, maybe a sign.
inline bool plainNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+\\.[0-9]+$"));
    return number.match(text).hasMatch();
}

// What typing can leave in a box that the program wrote: the keys the filter passes.
inline bool typedShape(const QString& text) {
    static const QRegularExpression shape(QStringLiteral("^[0-9.-]*$"));
    return shape.match(text).hasMatch() && text.count('.') <= 1 && text.count('-') <= 1;
}

inline double valueOf(const QString& text) {
    return entry::numericValue(text.toStdString());
}

// A text as a report shows it.
inline QString quoted(const QString& text) {
    QString out = text;
    out.replace('\n', "\\n").replace('\t', "\\t");
    return '\'' + out + '\'';
}
