// FileConverter: files of readings converted to CSV, bytes in and bytes out, with no file,
// terminal or process of its own, for amplora-convert and for the web page alike.
//
//     FileConverter converter({Reference::US, ';', /*skipBad*/ true, /*decimalComma*/ true});
//     converter.startInput("route.csv");          // the name messages give the file
//     while (more input && converter.feed(chunk)) // false: no more of this input is wanted
//         write(converter.takeOutput()), show(converter.takeMessages());
//     converter.finish();                         // the end of that input
//     write(converter.takeOutput()), show(converter.takeMessages());
//     return converter.status();                  // 0, or 65 when anything was refused
//
// Chunks may be cut anywhere, inside a record, a quoted field or a UTF-8 character. After a
// feed, takeOutput() holds every row the input has completed so far (the header line before
// the first), and takeMessages() one line ("file:line: column: reason\n") for each bad row or
// header. Several inputs make one output: startInput() again after finish(). Memory stays
// within the longest record and what has not been taken.
#pragma once

#include "cli/csv_reader.h"
#include "cli/csv_writer.h"
#include "cli/reading.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

// What the command line's options set for files of readings.
struct ConvertSettings {
    engine::Reference reference = engine::Reference::US;
    char separator = ',';      // between fields, in the input and the output
    bool skipBad = false;      // bad rows are reported and skipped, instead of ending the run
    bool decimalComma = false; // numbers in and out are written with a decimal comma
};

// Why settings cannot be used, in the words of the command line's options: a separator that
// is no printable character or TAB, or that numbers, units or quotes hold; a decimal comma
// with the comma as the separator. Nothing when they can.
std::optional<std::string> settingsProblem(const ConvertSettings& settings);

class FileConverter {
public:
    // Settings that settingsProblem() refuses end the run at once, with its message and the
    // usage status 64.
    explicit FileConverter(const ConvertSettings& settings);
    FileConverter(const FileConverter&) = delete;
    FileConverter& operator=(const FileConverter&) = delete;

    // The next input begins; `name` stands for it in messages ("stdin", "route.csv").
    void startInput(std::string_view name);
    // Converts what `chunk` completes; false when no more of this input is wanted: a bad row
    // or header has ended the run, or (with skipBad) the input's header was refused.
    bool feed(std::string_view chunk);
    // The current input has ended (or is given up); false when the run has ended, so that no
    // further input is to be started.
    bool finish();

    // The CSV written since the last call.
    std::string takeOutput() { return out_.take(); }
    // The same into `into`, whose room the converter keeps for the next lines in turn.
    void takeOutputInto(std::string& into) { out_.take(into); }
    // How much CSV there is to take.
    std::size_t outputSize() const { return out_.size(); }
    // The message lines since the last call, each ended by a line break.
    std::string takeMessages() { return std::exchange(messages_, {}); }
    // The exit status so far: 0, or 65 once a row or header was refused (64 for settings
    // that cannot be used).
    int status() const;
    bool ended() const { return ended_; }
    // The rows written to the output so far, of every input.
    std::size_t rowsConverted() const { return rowsConverted_; }

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

    bool readRecords();
    bool take();
    bool takeHeader();
    std::optional<std::string> readHeader();
    std::optional<std::string> missingColumn(bool frequency, bool level, bool unit) const;
    void writeHeader();
    std::optional<std::string> passedNamesDiffer() const;
    bool convertRow();
    std::string columnName(std::size_t field) const;
    bool refuse(std::size_t line, std::string_view column, std::string_view what);

    ConvertSettings settings_;
    CsvWriter out_;
    std::string messages_;
    std::optional<CsvReader> reader_;
    std::string name_;        // the current input's
    bool headerRead_ = false; // of the current input
    bool inputDone_ = true;   // no input is started, or the rest of it is not wanted
    bool anyBad_ = false;
    bool unusable_ = false; // the settings
    bool ended_ = false;
    bool headerWritten_ = false;
    std::size_t rowsConverted_ = 0;
    std::string firstName_;                // the first file's, in messages
    std::vector<std::string> passedNames_; // of the first file: every file must agree
    Layout layout_;
    std::vector<std::string> header_; // the names as they stand
    const Record* record_ = nullptr;  // the one being taken
    ReadingTypist typist_;
};

} // namespace cli
