// CSV fields quoted where they need it.
#include "cli/csv_writer.h"

#include <algorithm>

namespace cli {

void CsvWriter::field(std::string_view text) {
    const char separator = separator_;
    if (std::none_of(text.begin(), text.end(), [separator](char c) {
            return c == separator || c == '"' || c == '\r' || c == '\n';
        })) {
        put(text);
        return;
    }
    put('"');
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('"', start);
        put(text.substr(start, quote == std::string_view::npos ? quote : quote + 1 - start));
        if (quote == std::string_view::npos)
            break;
        put('"'); // a quote inside a quoted field is doubled
        start = quote + 1;
    }
    put('"');
}

} // namespace cli
