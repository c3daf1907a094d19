// Reading numbers and the key filter, as tables of texts, keys and what the user is told.
#include "entry/keyfilter.h"
#include "entry/numeric_value.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <map>
#include <tuple>

namespace {

// Box, text, selection start and length, key; what the user is told: "M" for the box's range
// message and "B" for a beep, in order. A key the user is told about is refused, others pass.
using Key = std::tuple<const char*, const char*, int, int, int, const char*>;
const std::map<QString, std::pair<entry::EntryBounds, QString>> kBoxes = {
    {"Hz", {{true, false, 1, 100000}, " 1 and  100000"}},
    {"g", {{true, false, 1E-08, 10000}, " 1E-08 and  10000"}},
    {"dB", {{true, true, -60, 200}, "-60 and  200"}},
    {"int", {{false, false, 0, 100}, " 0 and  100"}}};

} // namespace

class TestEntry : public QObject {
    Q_OBJECT

private slots:
    void numericValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const std::pair<const char*, double> rows[] = {
            // clang-format off
            {"", 0}, {" ", 0}, {"-", 0}, {"+", 0}, {".", 0}, {"-.", 0}, {"E5", 0}, {"--5", 0},
            {"abc1", 0}, {"-0", 0}, {"0e999999", 0}, {" - 1 2.\t5\r\ne 1\n", -125}, {"1.2.3", 1.2},
            {"1,5", 1}, {"12abc", 12}, {"+5E+2", 500}, {"-.5e-1", -0.05}, {"5E", 5}, {"5e-x", 5},
            {"1e2e3", 100}, {"9007199254740993", 9007199254740992.0}, // a tie: to even
            {"9007199254740993.000000000000000000001", 9007199254740994.0}, {"1e-999999999999", 0},
            {"1.7976931348623157e308", DBL_MAX}, {"1.7976931348623159e308", DBL_MAX},
            {"-1e999999999999", -DBL_MAX}, {"9194344.306190379", 9194344.306190379}};
        // clang-format on
        for (const auto& [text, value] : rows)
            QTest::newRow(text) << text << value;
        const QString zeros(100000, u'0'), nines(100000, u'9');
        QTest::newRow("100k fraction zeros") << "0." + zeros + "25e100001" << 2.5;
        QTest::newRow("100k exponent digits") << "-1e" + nines << -DBL_MAX;
    }
    void numericValue() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const double actual = entry::numericValue(text.toStdString());
        QVERIFY2(actual == value && !std::signbit(actual * value),
                 qPrintable(QString::number(actual, 'g', 17)));
    }

    // BACKSPACE; ENTER needs the lower bound only; a digit or minus sign keeps the number in
    // range, but 0 and 0.0 begin a small fraction; one point; one leading minus sign; the key
    // replaces the selection, which is kept within the text.
    void keyfilter_data() {
        QTest::addColumn<Key>("k");
        // clang-format off
        const Key rows[] = {
            {"Hz", "", 0, 0, 8, ""}, {"g", "", 0, 0, 13, "M"}, {"g", "0.0", 3, 0, 13, "M"},
            {"Hz", "12.5", 4, 0, 13, ""}, {"Hz", "9999999", 0, 0, 13, ""},
            {"dB", "-6", 2, 0, '0', ""}, {"dB", "-60", 0, 0, 13, ""}, {"Hz", "", 0, 0, '0', "M"},
            {"Hz", "", 0, 0, '.', ""}, {"Hz", ".", 1, 0, '5', "M"}, {"Hz", "99999", 0, 5, '5', ""},
            {"g", "", 0, 0, '0', ""}, {"Hz", "99999", 5, 0, '5', "M"},
            {"Hz", "10000", 5, 0, '0', ""}, {"Hz", "", 0, 0, '-', "MB"}, {"g", "0.", 2, 0, '0', ""},
            {"g", "0.0", 3, 0, '5', ""}, {"g", "", 0, 0, '-', "B"}, {"g", "1.5", 3, 0, '.', "B"},
            {"g", "1.5", 0, 3, '.', "B"}, {"int", "1", 1, 0, '.', "B"}, {"dB", "12", 0, 2, '-', ""},
            {"dB", "-7", 0, 2, '-', "B"}, {"dB", "-7", 0, 0, '-', "B"}, {"dB", "7", 1, 0, '-', "B"},
            {"dB", "70", 0, 0, '-', "M"}, {"dB", "-7", 2, 0, '0', "M"}, {"dB", "20", 2, 0, '0', ""},
            {"dB", "20", 2, 0, '1', "M"}, {"Hz", "12", 40, 3, '3', ""},
            {"Hz", "99999", 1, 99, '0', ""}, {"g", "0.0000000", 9, 0, '1', ""},
            {"g", "0.00000000", 10, 0, '9', "M"}, {"g", "999", 3, 0, '9', ""},
            {"g", "1000", 4, 0, '1', "M"}, {"g", "1000", 0, 0, '9', "M"}, {"Hz", "0.", 2, 0, '5', "M"},
            {"Hz", "1000.5", 4, 0, '0', ""}, {"dB", "19.", 0, 0, '9', "M"}};
        // clang-format on
        for (const auto& [box, text, start, length, key, told] : rows)
            QTest::addRow("%s '%s' [%d,+%d] key %d", box, text, start, length, key)
                << Key{box, text, start, length, key, told};
        for (int key : {97, 32, 43, 44, 101, 0, 27, 3, 22, -1, 0x12D}) // a, space, +, comma, e...
            QTest::addRow("key %d", key) << Key{"dB", "1", 0, 1, key, "B"};
    }
    void keyfilter() {
        QFETCH(Key, k);
        const auto [box, text, start, length, key, expected] = k;
        const auto& [bounds, range] = kBoxes.at(box);
        const QString message = "Entry out of range.  Value must be between " + range;
        const auto key16 = static_cast<char16_t>(key);
        const entry::KeyVerdict verdict = entry::judgeKey(
            entry::Key::typing(key16), text, {std::size_t(start), std::size_t(length)}, bounds);
        entry::Notices notices;
        entry::tellVerdict(verdict, bounds, notices);
        QString told;
        for (const entry::Notice& n : notices) {
            const bool ours = n.title == "Input Error" && QString::fromStdString(n.text) == message;
            told += n.kind == entry::Notice::Kind::Beep ? "B" : ours ? "M" : "?";
        }
        QCOMPARE(told, QString(expected));
        QCOMPARE(verdict.refused(), *expected != 0);
    }
};

QTEST_APPLESS_MAIN(TestEntry)
#include "test_entry.moc"
