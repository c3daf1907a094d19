// The converter and temperature models as the web page sees them, bound with embind.
#include "converter/boxes.h"
#include "converter/converter_model.h"
#include "converter/results_text.h"
#include "converter/spoken_text.h"
#include "entry/field_set.h"
#include "temperature/spoken_text.h"
#include "temperature/temperature_model.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <bitset>
#include <cstddef>
#include <string>

using emscripten::val;

namespace {

val toJs(const entry::Notices& notices) {
    val out = val::array();
    for (const entry::Notice& n : notices) {
        val notice = val::object();
        notice.set("beep", n.kind == entry::Notice::Kind::Beep);
        notice.set("text", n.text);
        notice.set("title", n.title);
        out.call<void>("push", notice);
    }
    return out;
}

const char* outcomeName(entry::KeyOutcome outcome) {
    switch (outcome) {
    case entry::KeyOutcome::Taken:
        return "taken";
    case entry::KeyOutcome::Refused:
        return "refused";
    case entry::KeyOutcome::Converted:
        break;
    }
    return "converted";
}

// A page's key arrives as a UTF-16 code unit and a selection in bytes of the UTF-8 text.
entry::Key keyOf(int code) {
    return entry::Key::typing(static_cast<char16_t>(code));
}
entry::Selection selectionOf(std::size_t start, std::size_t length) {
    return {start, length};
}

// What the page needs after a key: its outcome, the notices in order and which boxes the
// model wrote (a bit per box, in the table's order).
template <std::size_t N> val answerOf(const entry::KeyAnswer& answer, std::bitset<N> written) {
    val out = val::object();
    out.set("outcome", std::string(outcomeName(answer.outcome)));
    out.set("notices", toJs(answer.notices));
    out.set("written", static_cast<unsigned>(written.to_ulong()));
    return out;
}

// The converter window's model with the texts its window derives from it.
class ConverterPage {
public:
    void selectReference(bool iso) {
        model_.selectReference(iso ? engine::Reference::ISO : engine::Reference::US);
    }
    val editKeyDown(int box) {
        val out = val::object();
        out.set("notices", toJs(model_.editKeyDown(boxOf(box))));
        out.set("written", static_cast<unsigned>(model_.takeWritten().to_ulong()));
        return out;
    }
    val keyPress(int box, int code, std::size_t start, std::size_t length) {
        const entry::KeyAnswer answer =
            model_.keyPress(boxOf(box), keyOf(code), selectionOf(start, length));
        const std::bitset<converter::kBoxCount> written = model_.takeWritten();
        val out = answerOf(answer, written);
        if (const auto said = converter::conversionAnnouncement(model_, written))
            out.set("announcement", *said);
        return out;
    }
    void edited(int box, const std::string& text) { model_.edited(boxOf(box), text); }

    std::string text(int box) const { return model_.text(boxOf(box)); }
    bool enabled(int box) const { return model_.enabled(boxOf(box)); }
    bool iso() const { return model_.reference() == engine::Reference::ISO; }
    bool referenceLocked() const { return model_.referenceLocked(); }
    std::string resultsText() const { return converter::resultsText(model_); }
    std::string copiedAnnouncement() const { return converter::copiedAnnouncement(model_); }
    std::string spokenName(int box, const std::string& referenceName) const {
        return converter::spokenName(boxOf(box), model_.reference(), referenceName);
    }

private:
    static converter::Box boxOf(int box) { return converter::kBoxes.at(box).box; }
    converter::ConverterModel model_;
};

// The temperature window's model: Fahrenheit is box 0, Celsius box 1.
class TemperaturePage {
public:
    val keyPress(int box, int code, std::size_t start, std::size_t length) {
        const entry::KeyAnswer answer =
            model_.keyPress(scaleOf(box), keyOf(code), selectionOf(start, length));
        val out = answerOf(answer, model_.takeWritten());
        if (answer.outcome == entry::KeyOutcome::Converted)
            out.set("announcement", temperature::conversionAnnouncement(model_));
        return out;
    }
    val leave(int box) {
        val out = val::object();
        out.set("notices", toJs(model_.leave(scaleOf(box))));
        out.set("written", static_cast<unsigned>(model_.takeWritten().to_ulong()));
        return out;
    }
    void edited(int box, const std::string& text) { model_.edited(scaleOf(box), text); }
    std::string text(int box) const { return model_.text(scaleOf(box)); }

private:
    static temperature::Scale scaleOf(int box) {
        return box == 0 ? temperature::Scale::Fahrenheit : temperature::Scale::Celsius;
    }
    temperature::TemperatureModel model_;
};

// The converter's boxes as the page lays them out: names, captions and what they take.
val boxTable() {
    val out = val::array();
    for (const converter::BoxDescription& d : converter::kBoxes) {
        val box = val::object();
        box.set("id", std::string(d.objectName));
        box.set("name", std::string(d.accessibleName));
        box.set("captionLabel", std::string(d.captionLabel));
        box.set("caption", std::string(d.caption));
        box.set("isoCaptionLabel", std::string(d.isoCaptionLabel));
        box.set("isoCaption", std::string(d.isoCaption));
        box.set("level", d.unit.has_value());
        box.set("negative", d.bounds.negativeOk);
        out.call<void>("push", box);
    }
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(amplora) {
    using emscripten::class_;
    emscripten::function("boxTable", &boxTable);
    emscripten::function("toFahrenheit", &temperature::toFahrenheit);
    emscripten::constant("longestText", static_cast<unsigned>(entry::kLongestText));
    emscripten::constant("clearedAnnouncement", std::string(converter::kClearedAnnouncement));
    class_<ConverterPage>("ConverterPage")
        .constructor<>()
        .function("selectReference", &ConverterPage::selectReference)
        .function("editKeyDown", &ConverterPage::editKeyDown)
        .function("keyPress", &ConverterPage::keyPress)
        .function("edited", &ConverterPage::edited)
        .function("text", &ConverterPage::text)
        .function("enabled", &ConverterPage::enabled)
        .function("iso", &ConverterPage::iso)
        .function("referenceLocked", &ConverterPage::referenceLocked)
        .function("resultsText", &ConverterPage::resultsText)
        .function("copiedAnnouncement", &ConverterPage::copiedAnnouncement)
        .function("spokenName", &ConverterPage::spokenName);
    class_<TemperaturePage>("TemperaturePage")
        .constructor<>()
        .function("keyPress", &TemperaturePage::keyPress)
        .function("leave", &TemperaturePage::leave)
        .function("edited", &TemperaturePage::edited)
        .function("text", &TemperaturePage::text);
}
