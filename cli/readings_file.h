// Files of readings in, one CSV table of converted readings out.
#pragma once

#include "cli/csv_reader.h"
#include "cli/output.h"
#include "cli/reading.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Converts CSV files of readings into one CSV output: for every row, the columns it passes
// through followed by the twelve box texts. Bad rows go to standard error as
// "file:line: column: what"; the first one ends the run unless bad rows are to be skipped.
class ReadingsConverter {
public:
    ReadingsConverter(Output& out, engine::Reference reference, char separator, bool skipBad,
                      bool decimalComma)
        : out_(out), reference_(reference), separator_(separator), skipBad_(skipBad),
          decimalComma_(decimalComma) {}

    // Converts one input, `name` standing for it in messages; false when a bad row or header
    // ends the run. What is converted is written out before the input is waited for. Throws
    // InputError and OutputError.
    bool convert(int fd, std::string_view name);

    // Whether any row or file was refused.
    bool anyBad() const { return anyBad_; }

private:
    // Where the columns of a file stand.
    struct Layout {
        std::size_t fields = 0;
        std::size_t frequency = 0;
        converter::Box frequencyBox = converter::Box::Hz;
        std::size_t level = 0;
        std::size_t unit = 0;
        std::vector<std::size_t> passed; // the columns passed through, in their order
    };

    bool nextRecord(CsvReader& reader);
    std::optional<std::string> readHeader();
    std::optional<std::string> missingColumn(bool frequency, bool level, bool unit) const;
    void writeHeader();
    std::optional<std::string> passedNamesDiffer() const;
    bool convertRow(std::string_view name);
    std::string columnName(std::size_t field) const;
    bool refuse(std::string_view name, std::size_t line, std::string_view column,
                std::string_view what);

    Output& out_;
    engine::Reference reference_;
    char separator_;
    bool skipBad_;
    bool decimalComma_;
    bool anyBad_ = false;
    bool headerWritten_ = false;
    std::string firstName_;                // the first file's, in messages
    std::vector<std::string> passedNames_; // of the first file: every file must agree
    Layout layout_;
    std::vector<std::string> header_; // the names as they stand
    Record record_;
    ReadingTypist typist_;
};

} // namespace cli
