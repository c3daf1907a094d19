// One reading from the command line: the table of twelve boxes, or its CSV.
#include "cli/one_reading.h"

#include "cli/box_columns.h"
#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/reading.h"

#include <algorithm>

namespace cli {
namespace {

using converter::Box;

// Characters, not bytes: the ISO captions hold a superscript two.
std::size_t displayWidth(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void writeTable(const ReadingTypist& typist, const Options& options, CsvWriter& out) {
    const engine::Reference reference = options.reference;
    constexpr std::size_t kGap = 2;
    std::size_t width = 0;
    for (const converter::BoxDescription& d : converter::kBoxes)
        width = std::max(width, displayWidth(converter::reportCaption(d.box, reference)));
    for (const converter::BoxDescription& d : converter::kBoxes) {
        const std::string_view caption = converter::reportCaption(d.box, reference);
        out.put(caption);
        out.put(std::string(width + kGap - displayWidth(caption), ' '));
        out.put(boxText(typist, d.box, options.decimalComma));
        out.put('\n');
    }
}

} // namespace

int convertOneReading(const Options& options, CsvWriter& out) {
    const Reading reading{options.reference, *options.frequencyBox, options.frequency,
                          *options.levelBox, options.level,         options.decimalComma};
    ReadingTypist typist;
    if (const auto refusal = typist.type(reading)) {
        const Box box = refusal->inFrequency ? reading.frequencyBox : reading.levelBox;
        complainAsProgram("--" + std::string(converter::describe(box).key) + ": " +
                          refusal->message);
        return kExitBadData;
    }
    if (!options.csv) {
        writeTable(typist, options, out);
        return kExitOk;
    }
    writeBoxColumns(out);
    writeBoxTexts(typist, out, options.decimalComma);
    return kExitOk;
}

} // namespace cli
