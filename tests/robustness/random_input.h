#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <random>

// One thing the user does: a key, a focus move, a click, a paste, Clear.
struct InputAction {
    enum class Kind { Char, Key, Focus, Click, ClipboardPaste, MouseInsert, SetText, Clear };
    Kind kind;
    char ch = 0;
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString target{}; // focus, click and paste targets
    QString text{};   // pasted text

    bool isKey() const { return kind == Kind::Char || kind == Kind::Key; }
    bool enter() const;
    // The key produces a character code, so the box's key-press handler sees it.
    bool reachesKeyPress() const;
    // For the report; `at` names the widget that has the focus.
    QString describe(const QString& at) const;

    static InputAction character(char c);
    static InputAction pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static InputAction at(Kind kind, const QString& target, const QString& text = {});
};

// The seeded source of keys and of the texts that get pasted.
class RandomInput {
public:
    explicit RandomInput(std::uint32_t seed) : rng(seed) {}

    int pick(int n) { return static_cast<int>(rng() % static_cast<std::uint32_t>(n)); }
    // Any key: characters, editing and movement keys, shortcuts.
    InputAction key();
    // Numbers and junk: signs, exponents, blanks, letters, extremes, characters beyond ASCII.
    QString text();

private:
    std::mt19937 rng;
};

// Sends a key action to the widget as real key press and release events.
void sendKey(QWidget& widget, const InputAction& action);
