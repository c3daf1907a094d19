// Replays typed sessions on the converter model as the desktop types them, for the browser's
// differential test: one session a line in, the boxes, their states and messages out.
#include "converter/converter_model.h"
#include "entry/typist.h"

#include <iostream>
#include <sstream>
#include <string>

// A line: "us|iso" then steps "<box index>:<keys>", keys as typed with E for ENTER and B for
// BACKSPACE. Out: the twelve texts, the enabled states as 0/1 and the messages, TAB-separated.
int main() {
    using namespace converter;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string reference, step, messages;
        in >> reference;
        ConverterModel model;
        model.selectReference(reference == "iso" ? engine::Reference::ISO : engine::Reference::US);
        entry::Typist typist(model);
        while (in >> step) {
            std::string keys = step.substr(step.find(':') + 1);
            for (char& c : keys)
                c = c == 'E' ? '\n' : c == 'B' ? '\b' : c;
            for (const entry::Notice& n : typist.type(kBoxes.at(std::stoul(step)).box, keys))
                if (n.kind == entry::Notice::Kind::Message)
                    messages += n.text + "|";
        }
        std::string enabled;
        for (const BoxDescription& d : kBoxes) {
            std::cout << model.text(d.box) << '\t';
            enabled += model.enabled(d.box) ? '1' : '0';
        }
        std::cout << enabled << '\t' << messages << '\n';
    }
}
