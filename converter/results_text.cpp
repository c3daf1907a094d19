// Every box of the converter as two columns of text, for Copy All Results.
#include "converter/results_text.h"

namespace converter {

std::string resultsText(const ConverterModel& model) {
    std::string out;
    for (const BoxDescription& d : kBoxes) {
        out += reportCaption(d.box, model.reference());
        out += '\t';
        out += model.text(d.box);
        out += '\n';
    }
    return out;
}

} // namespace converter
