// The converter's names and announcements for screen readers.
#include "converter/spoken_text.h"

namespace converter {

std::string spokenName(Box box, engine::Reference reference, std::string_view referenceName) {
    const BoxDescription& d = describe(box);
    std::string name(d.accessibleName);
    if (d.isoCaption.empty())
        return name;
    // The caption's first word is the name's short form ("AdB"): the rest is the reference.
    const std::string_view caption = captionFor(box, reference);
    name += caption.substr(caption.find(' '));
    name += " (";
    name += referenceName;
    name += ')';
    return name;
}

std::optional<std::string> conversionAnnouncement(const ConverterModel& model,
                                                  std::bitset<kBoxCount> written) {
    bool converted = false;
    for (const BoxDescription& d : kBoxes)
        converted = converted || (written.test(indexOf(d.box)) && !model.text(d.box).empty());
    if (!converted)
        return std::nullopt;
    std::string said = "Converted: ";
    const char* separator = "";
    for (const BoxDescription& d : kBoxes) {
        if (model.text(d.box).empty())
            continue;
        said += separator;
        said += reportCaption(d.box, model.reference());
        said += ' ';
        said += model.text(d.box);
        separator = "; ";
    }
    return said;
}

std::string copiedAnnouncement(const ConverterModel& model) {
    int copied = 0;
    for (const BoxDescription& d : kBoxes)
        copied += !model.text(d.box).empty();
    return "Copied " + std::to_string(copied) + (copied == 1 ? " result" : " results");
}

} // namespace converter
