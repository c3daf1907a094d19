// The twelve box columns of the CSV output.
#include "cli/box_columns.h"

#include <algorithm>

namespace cli {

std::string columnOf(const converter::BoxDescription& box) {
    std::string name(box.key);
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

void writeBoxColumns(Output& out) {
    for (const converter::BoxDescription& d : converter::kBoxes) {
        if (d.box != converter::kBoxes.front().box)
            out.separate();
        out.put(columnOf(d));
    }
    out.put('\n');
}

void writeBoxTexts(const ReadingTypist& typist, Output& out) {
    for (const converter::BoxDescription& d : converter::kBoxes) {
        if (d.box != converter::kBoxes.front().box)
            out.separate();
        out.put(typist.text(d.box));
    }
    out.put('\n');
}

} // namespace cli
