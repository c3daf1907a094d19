#include "cli/box_columns.h"

#include <algorithm>

namespace cli {

void writeBoxColumns(Output& out) {
    for (const converter::BoxDescription& d : converter::kBoxes) {
        if (d.box != converter::kBoxes.front().box)
            out.put(',');
        std::string name(d.key);
        std::replace(name.begin(), name.end(), '-', '_');
        out.put(name);
    }
    out.put('\n');
}

void writeBoxTexts(const ReadingTypist& typist, Output& out) {
    for (const converter::BoxDescription& d : converter::kBoxes) {
        if (d.box != converter::kBoxes.front().box)
            out.put(',');
        out.put(typist.text(d.box));
    }
    out.put('\n');
}

} // namespace cli
