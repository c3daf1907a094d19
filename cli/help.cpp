// The text of amplora-convert --help; the units, ranges and the example's digits come from the
// table of boxes and the model, so that they cannot disagree with what the command does.
#include "cli/help.h"

#include "cli/box_columns.h"
#include "cli/reading.h"

#include <array>
#include <charconv>

namespace cli {
namespace {

using converter::Box;

// A bound as the window's range message writes it: "1E-08", "10000", "-60".
std::string boundText(double bound) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), bound,
                                   std::chars_format::general, 15)
                         .ptr;
    std::string text(buffer.data(), end);
    for (char& c : text)
        c = c == 'e' ? 'E' : c;
    return text;
}

std::string range(Box box) {
    const entry::EntryBounds& bounds = converter::describe(box).bounds;
    return boundText(bounds.minValue) + " to " + boundText(bounds.maxValue);
}

std::string padded(std::string_view text, std::size_t width) {
    return std::string(text) + std::string(text.size() < width ? width - text.size() : 1, ' ');
}

} // namespace

void writeHelp(CsvWriter& out) {
    out.put("Usage: amplora-convert [--ref us|iso] (--hz F | --cpm F) --UNIT LEVEL\n"
            "                       [--csv [--delimiter C]] [--decimal-comma]\n"
            "       amplora-convert [--ref us|iso] [--delimiter C] [--skip-bad]\n"
            "                       [--decimal-comma] [FILE...]\n"
            "\n"
            "Converts vibration readings with the digits of Amplora's converter window.\n"
            "With --hz or --cpm, converts one reading and prints the twelve boxes (as a\n"
            "header line and one row with --csv). Otherwise reads CSV files of readings\n"
            "(standard input when none or -) with a header naming the columns hz or cpm,\n"
            "level and unit, and writes CSV to standard output: every other column first,\n"
            "then the twelve boxes. The unit column takes the UNIT names of the options.\n"
            "Numbers may be written as 1.2E-04; the decimal point is \".\" (\",\" with\n"
            "--decimal-comma). For example,\n"
            "  point,hz,level,unit\n  P1,50,1,g-pk\ngives\n  point");
    out.separate();
    writeBoxColumns(out);
    ReadingTypist typist;
    out.put("  P1");
    out.separate();
    if (!typist.type({engine::Reference::US, Box::Hz, "50", Box::GPeak, "1"}))
        writeBoxTexts(typist, out);
    out.put("\n  --ref us|iso   decibel references (default us)\n"
            "  --hz F         the frequency in Hz, " +
            range(Box::Hz) +
            "\n"
            "  --cpm F        the frequency in cycles per minute, " +
            range(Box::Cpm) +
            "\n"
            "  --UNIT LEVEL   the level in UNIT, one of\n");
    for (const converter::BoxDescription& d : converter::kBoxes)
        if (d.unit)
            out.put("    " + padded(d.key, 10) + padded(d.accessibleName, 29) + range(d.box) +
                    "\n");
    out.put("  --csv          print one reading as CSV\n"
            "  --delimiter C  the CSV field separator: one printable character, or tab\n"
            "                 (default ,)\n"
            "  --skip-bad     report bad rows and convert the rest\n"
            "  --decimal-comma  numbers in and out have \",\" for the decimal point, as\n"
            "                 spreadsheets write them in German or French; with CSV it\n"
            "                 needs --delimiter ';' or tab\n"
            "  -h, --help     show this help\n"
            "  -v, --version  show the version\n"
            "\n"
            "Exit status: 0 done, 64 usage error, 65 bad reading or file of readings,\n"
            "66 an input cannot be opened or read, 74 the output cannot be written.\n");
}

} // namespace cli
