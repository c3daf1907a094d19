// The texts and enabled states of a model's boxes, and which of them the model wrote.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

namespace entry {

// The longest text an entry box holds (Qt's line edits hold no more); typing in a box is
// linear in its length per key, so nothing longer is ever typed.
inline constexpr std::size_t kLongestText = 32767;

// The texts and enabled states of a window's entry boxes as its model keeps them. Every text
// the model writes is marked, so that the window puts exactly those into its boxes (writing a
// box also moves its caret to the start, even when the text stays the same).
template <std::size_t N> class FieldSet {
public:
    const std::string& text(std::size_t i) const { return texts_[i]; }
    bool enabled(std::size_t i) const { return enabled_[i]; }

    void write(std::size_t i, std::string text) {
        texts_[i] = std::move(text);
        written_.set(i);
    }
    // The box's text to be written over in place (its room reused), marked as written.
    std::string& rewrite(std::size_t i) {
        written_.set(i);
        return texts_[i];
    }
    // Empties a box; one already empty needs no writing.
    void clear(std::size_t i) {
        if (texts_[i].empty())
            return;
        texts_[i].clear();
        written_.set(i);
    }
    // The user changed the box's text by editing it: nothing to write back.
    void edited(std::size_t i, std::string_view text) { texts_[i].assign(text); }
    void setEnabled(std::size_t i, bool enabled) { enabled_[i] = enabled; }

    // The boxes written since the last call.
    std::bitset<N> takeWritten() {
        const std::bitset<N> written = written_;
        written_.reset();
        return written;
    }

private:
    std::array<std::string, N> texts_{};
    std::array<bool, N> enabled_ = filled(true);
    std::bitset<N> written_{};

    static constexpr std::array<bool, N> filled(bool value) {
        std::array<bool, N> out{};
        out.fill(value);
        return out;
    }
};

} // namespace entry
