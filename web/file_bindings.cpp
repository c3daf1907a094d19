// The command line's conversion of files of readings as the page's worker sees it, bound
// with embind: the file's bytes go in through a view of the module's memory, the CSV comes
// back the same way, so no chunk is copied more than once on either side.
#include "cli/convert_core.h"
#include "cli/escaping.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

using emscripten::val;

namespace {

// One file converted as `amplora-convert [--ref iso] [--delimiter C] [--skip-bad]
// [--decimal-comma] FILE` converts it; `name` stands for the file in messages.
class FileConversion {
public:
    FileConversion(bool iso, int separator, bool skipBad, bool decimalComma,
                   const std::string& name)
        : converter_({iso ? engine::Reference::ISO : engine::Reference::US,
                      static_cast<char>(separator), skipBad, decimalComma}) {
        converter_.startInput(name);
    }

    // Room for the next chunk of the file, valid until the next call into the module.
    val chunk(std::size_t size) {
        input_.resize(size);
        return val(emscripten::typed_memory_view(input_.size(), input_.data()));
    }
    // Converts the first `size` bytes of the chunk; false when no more of the file is wanted.
    bool feed(std::size_t size) { return converter_.feed({input_.data(), size}); }
    // The file has ended; false when the run ended before it.
    bool finish() { return converter_.finish(); }

    // The CSV written since the last call, valid until the next call into the module.
    val output() {
        converter_.takeOutputInto(output_);
        return val(emscripten::typed_memory_view(output_.size(), output_.data()));
    }
    double outputSize() const { return static_cast<double>(converter_.outputSize()); }
    std::string messages() { return converter_.takeMessages(); }
    int status() const { return converter_.status(); }
    double rows() const { return static_cast<double>(converter_.rowsConverted()); }

private:
    cli::FileConverter converter_;
    std::string input_;
    std::string output_;
};

// A file's name as messages give it.
std::string escapedName(const std::string& name) {
    return cli::escaped(name);
}

} // namespace

EMSCRIPTEN_BINDINGS(amplora_convert) {
    emscripten::function("escapedName", &escapedName);
    emscripten::class_<FileConversion>("FileConversion")
        .constructor<bool, int, bool, bool, std::string>()
        .function("chunk", &FileConversion::chunk)
        .function("feed", &FileConversion::feed)
        .function("finish", &FileConversion::finish)
        .function("output", &FileConversion::output)
        .function("outputSize", &FileConversion::outputSize)
        .function("messages", &FileConversion::messages)
        .function("status", &FileConversion::status)
        .function("rows", &FileConversion::rows);
}
