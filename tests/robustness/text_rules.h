#pragma once

#include "entry/numeric_value.h"

#include <QRegularExpression>
#include <QString>

#include <map>

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

// Who last changed each box: text the user pasted is under no rule until the program writes
// the box again; what the program wrote must have the program's shape (`ownShape`), and what
// typing adds to it the shape the key filter lets through.
struct BoxAuthors {
    std::map<QString, bool> pasted;
    std::map<QString, QString> written; // what the program last wrote, while nobody edited it

    void clear() {
        pasted.clear();
        written.clear();
    }

    // Records a box's text after a step; returns what is wrong with it, or nothing.
    QString record(const QString& name, const QString& text, const QString& before, bool byUser,
                   bool paste, bool (*ownShape)(const QString&)) {
        if (byUser) {
            if (paste && text != before)
                pasted[name] = true;
            if (text != before)
                written.erase(name);
        } else if (text != before) {
            pasted[name] = false;
            written[name] = text;
            if (!text.isEmpty() && !ownShape(text))
                return QStringLiteral("the program wrote %1 into %2").arg(quoted(text), name);
        }
        if (!pasted[name] && !typedShape(text))
            return QStringLiteral("%1 shows %2 although nothing was pasted there")
                .arg(name, quoted(text));
        return {};
    }
};
