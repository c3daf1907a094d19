// The twelve box columns of the CSV output.
#include "cli/box_columns.h"

#include <algorithm>

namespace cli {

std::string columnOf(const converter::BoxDescription& box) {
    std::string name(box.key);
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

void writeBoxColumns(CsvWriter& out) {
    for (const converter::BoxDescription& d : converter::kBoxes) {
        if (d.box != converter::kBoxes.front().box)
            out.separate();
        out.put(columnOf(d));
    }
    out.put('\n');
}

std::string boxText(const ReadingTypist& typist, converter::Box box, bool decimalComma) {
    std::string text = typist.text(box);
    if (decimalComma)
        std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

void writeBoxTexts(const ReadingTypist& typist, CsvWriter& out, bool decimalComma) {
    for (const converter::BoxDescription& d : converter::kBoxes) {
        if (d.box != converter::kBoxes.front().box)
            out.separate();
        if (decimalComma)
            out.put(boxText(typist, d.box, true));
        else
            out.put(typist.text(d.box)); // without a copy: most runs write millions
    }
    out.put('\n');
}

} // namespace cli
