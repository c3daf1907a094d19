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

void writeBoxTexts(const BoxTexts& texts, Output& out) {
    out.put(texts.front());
    for (std::size_t i = 1; i < texts.size(); ++i) {
        out.put(',');
        out.put(texts[i]);
    }
    out.put('\n');
}

} // namespace cli
