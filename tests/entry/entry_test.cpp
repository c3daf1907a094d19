#include "entry/highlight.h"
#include "entry/keyfilter.h"
#include "entry/numeric_value.h"
#include "toolkit/prompter.h"
#include "toolkit/textbox.h"

#include <QTest>

#include <clocale>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <map>

namespace {

constexpr double kMax = std::numeric_limits<double>::max();

const std::map<QString, entry::EntryBounds> kBounds = {{"HZ", {true, false, 1, 100000}},
                                                       {"amp", {true, false, 1E-08, 10000}},
                                                       {"dB", {true, true, -60, 200}},
                                                       {"int", {false, false, 0, 100}}};

// "M" for the range message of the given bounds, "B" for a beep, "?" for any other box.
struct Recorder : toolkit::Prompter {
    explicit Recorder(entry::EntryBounds b) : bounds(b) {}
    void MsgBox(const std::string& text, const std::string& title) override {
        const bool range =
            title == "Input Error" && text == entry::rangeMessage(bounds.minval, bounds.maxval);
        events += range ? 'M' : '?';
    }
    void Beep() override { events += 'B'; }
    entry::EntryBounds bounds;
    QString events;
};

// Reports any selection it is given, even one outside its text; logs what changes it.
struct RawBox : toolkit::TextBox {
    std::string text;
    int start = 0, length = 0;
    QStringList calls;
    std::string Text() const override { return text; }
    void SetText(const std::string&) override { calls << "SetText"; }
    int SelStart() const override { return start; }
    void SetSelStart(int p) override { calls << QString("SetSelStart %1").arg(start = p); }
    int SelLength() const override { return length; }
    void SetSelLength(int n) override { calls << QString("SetSelLength %1").arg(length = n); }
    bool Enabled() const override { return true; }
    void SetEnabled(bool) override { calls << "SetEnabled"; }
    void SetFocus() override { calls << "SetFocus"; }
};

} // namespace

class EntryTest : public QObject {
    Q_OBJECT

private slots:
    void numericValue_data();
    void numericValue();
    void numericValueIgnoresLocale();
    void keyfilter_data();
    void keyfilter();
    void boundText_data();
    void boundText();
    void highlight();
};

void EntryTest::numericValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    const QString zeros(100000, u'0');
    for (const char* none : {"", "-", ".", "-.", "E5", "--5", "abc1", "-0", "0e99999999999"})
        QTest::newRow(none) << none << 0.0;
    QTest::newRow("blanks inside") << "\t- 1 2.\r\n5 e 1" << -125.0;
    QTest::newRow("stops at 2nd point, comma, unit") << "1.2.3" << 1.2;
    QTest::newRow("stops at comma") << "1,5" << 1.0;
    QTest::newRow("plus, exponent") << "+5E+2" << 500.0;
    QTest::newRow("E alone ends") << "5E" << 5.0;
    QTest::newRow("E and sign end") << "5e-x" << 5.0;
    QTest::newRow("2nd exponent ends") << "1e2e3" << 100.0;
    QTest::newRow("tie to even") << "9007199254740993" << 9007199254740992.0;
    QTest::newRow("above the tie") << "9007199254740993.00000000000000000001" << 9007199254740994.0;
    QTest::newRow("beyond range") << "1.8e308" << kMax;
    QTest::newRow("huge exponent") << "-1e999999999999" << -kMax;
    QTest::newRow("tiny") << "1e-999999999999" << 0.0;
    QTest::newRow("100k digits") << "1" + zeros << kMax;
    QTest::newRow("100k digits scaled") << "1" + zeros + "e-100000" << 1.0;
    QTest::newRow("100k fraction zeros") << "0." + zeros + "25e100001" << 2.5;
    QTest::newRow("100k exponent digits") << "1e" + QString(100000, u'9') << kMax;
}

void EntryTest::numericValue() {
    QFETCH(QString, text);
    QFETCH(double, value);
    const double actual = entry::numericValue(text.toStdString());
    QVERIFY2(actual == value && !std::signbit(actual * value),
             qPrintable(QString::number(actual, 'g', 17)));
}

void EntryTest::numericValueIgnoresLocale() {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        QSKIP("no locale with a decimal comma installed");
    const double value = entry::numericValue("12.5e1");
    std::setlocale(LC_ALL, saved.c_str());
    QCOMPARE(value, 125.0);
}

void EntryTest::keyfilter_data() {
    QTest::addColumn<QString>("bounds");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<QString>("events");
    const auto row = [](const char* name, const char* bounds, const char* text, int start,
                        int length, int key, bool passes, const char* events) {
        QTest::newRow(name) << bounds << text << start << length << key << passes << events;
    };
    for (int key : std::initializer_list<int>{'a', ' ', '+', ',', 27, 3, 22, 24, -1, 0xB2, 0x12D})
        row(qPrintable(QString("refused %1").arg(key)), "dB", "1", 0, 1, key, false, "B");
    row("backspace in empty box", "HZ", "", 0, 0, 8, true, "");
    row("ENTER on empty amp", "amp", "", 0, 0, 13, false, "M");
    row("ENTER on 0.0 amp", "amp", "0.0", 3, 0, 13, false, "M");
    row("ENTER on 12.5 HZ", "HZ", "12.5", 4, 0, 13, true, "");
    row("ENTER ignores upper bound", "HZ", "9999999", 0, 0, 13, true, "");
    row("HZ first 0", "HZ", "", 0, 0, '0', false, "M");
    row("HZ first point", "HZ", "", 0, 0, '.', true, "");
    row("HZ 5 after point", "HZ", ".", 1, 0, '5', false, "M");
    row("HZ digit replaces selection", "HZ", "99999", 0, 5, '5', true, "");
    row("HZ digit appended", "HZ", "99999", 5, 0, '5', false, "M");
    row("HZ minus: message, then beep", "HZ", "", 0, 0, '-', false, "MB");
    row("amp first 0", "amp", "", 0, 0, '0', true, "");
    row("amp 0.0 counts as lower bound", "amp", "0.", 2, 0, '0', true, "");
    row("amp 0.05", "amp", "0.0", 3, 0, '5', true, "");
    row("amp minus beeps only", "amp", "", 0, 0, '-', false, "B");
    row("point over selected point", "amp", "1.5", 0, 3, '.', false, "B");
    row("no decimals allowed", "int", "1", 1, 0, '.', false, "B");
    row("dB minus replaces text", "dB", "12", 0, 2, '-', true, "");
    row("dB minus over selected minus", "dB", "-7", 0, 2, '-', false, "B");
    row("dB minus after a digit", "dB", "7", 1, 0, '-', false, "B");
    row("dB minus making -70", "dB", "70", 0, 0, '-', false, "M");
    row("dB -70", "dB", "-7", 2, 0, '0', false, "M");
    row("dB 201", "dB", "20", 2, 0, '1', false, "M");
    row("dB 200", "dB", "20", 2, 0, '0', true, "");
    row("start beyond text", "HZ", "12", 40, 3, '3', true, "");
    row("negative start", "HZ", "99999", -5, 0, '9', false, "M");
    row("length beyond text", "HZ", "99999", 1, 99, '0', true, "");
    row("negative length", "HZ", "99999", 5, -3, '9', false, "M");
}

void EntryTest::keyfilter() {
    QFETCH(QString, bounds);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, key);
    QFETCH(bool, passes);
    QFETCH(QString, events);
    RawBox box;
    box.text = text.toStdString();
    box.start = start;
    box.length = length;
    Recorder prompter(kBounds.at(bounds));
    auto code = static_cast<std::int16_t>(key);
    entry::keyfilter(code, box, kBounds.at(bounds), prompter);
    QCOMPARE(code, passes ? static_cast<std::int16_t>(key) : 0);
    QCOMPARE(prompter.events, events);
    QCOMPARE(box.calls, QStringList());
}

void EntryTest::boundText_data() {
    QTest::addColumn<double>("bound");
    QTest::addColumn<QString>("text");
    for (const char* text : {" 1E-08", " 10000", " 1000000", "-60", " 200", " 1", " 100000",
                             " 6000000", "-100000", " 0", " 12.5", " 1E+15"})
        QTest::newRow(text) << entry::numericValue(text) << text;
    QTest::newRow("15 digits") << 0.1 + 0.2 << " 0.3";
}

void EntryTest::boundText() {
    QFETCH(double, bound);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(entry::boundText(bound)), text);
    QCOMPARE(entry::rangeMessage(-60, 1E-08),
             "Entry out of range.  Value must be between -60 and  1E-08");
}

void EntryTest::highlight() {
    RawBox box;
    box.text = "25\u00B0"; // four bytes
    box.start = 2;
    entry::highlight(box);
    QCOMPARE(box.calls, QStringList({"SetSelStart 0", "SetSelLength 4", "SetFocus"}));
}

QTEST_APPLESS_MAIN(EntryTest)
#include "entry_test.moc"
