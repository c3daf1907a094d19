// amplora-convert run as a program: the texts of a table of readings against the window's when
// they are typed into it with real keys, then what the command does with bad input and output.
#include "converter/converter_window.h"
#include "recording_services.h"
#include "toolkit/entry_box.h"

#include <QApplication>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

using namespace converter;

namespace {

struct Result {
    int status;
    QString out, err;
};

Result run(const QStringList& args, const QByteArray& input = {}, const QString& outFile = {}) {
    QProcess process;
    if (!outFile.isEmpty())
        process.setStandardOutputFile(outFile);
    process.start(AMPLORA_CONVERT, args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// One reading typed into a new window: its twelve texts, or "column: " and its first notice.
QString typeIntoWindow(bool iso, const QString& column, const QString& frequency,
                       const QString& unit, const QString& level) {
    RecordingServices services;
    ConverterWindow window(services);
    window.show();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window); // the boxes get the focus, as when typing
    if (iso)
        window.findChild<QRadioButton*>("OptdBISO")->click();
    for (const auto& [name, keys] : {std::pair{column, frequency}, {QString("level"), level}}) {
        const QString key = name == "level" ? unit : name;
        auto* box = window.findChild<toolkit::EntryBox*>(
            std::find_if(kBoxes.begin(), kBoxes.end(), [&](auto& d) {
                return d.key == key.toStdString();
            })->objectName.data());
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, keys);
        QTest::keyClick(box, Qt::Key_Return);
        if (!services.events.isEmpty())
            return name + ": " + services.events.front().section('|', -1);
    }
    QStringList texts;
    for (const BoxDescription& d : kBoxes)
        texts << window.findChild<toolkit::EntryBox*>(d.objectName.data())->text();
    return texts.join(',');
}

const QString kColumns =
    "hz,cpm,g_rms,g_pk,in_s_rms,in_s_pk,mm_s_rms,mm_s_pk,mils_pp,mm_pp,adb,vdb\n";
const QString kFiftyHzOneGPeak =
    "50.0,3000.0,0.707,1.0,0.869,1.23,22.1,31.2,7.83,0.199,117.0,126.9\n";

} // namespace

class TestConvert : public QObject {
    Q_OBJECT
private slots:
    // Every unit, both references, Hz and CPM, the window's quirks and its refusals: the command
    // writes the window's texts, or refuses the row with the window's own message.
    void sameTextsAsTheWindow() {
        const QStringList units = {"g-rms",   "g-pk",    "in-s-rms", "in-s-pk", "mm-s-rms",
                                   "mm-s-pk", "mils-pp", "mm-pp",    "adb",     "vdb"};
        const QStringList frequencies = {"50", "1", "12.346", "30", "100000", "0.5", "7"};
        const QStringList levels = {"1",       "0.00000001", "10000", "2.675", "-60",  "200",
                                    "1000000", "0.123456",   "10001", "1e3",   "0.0.1"};
        for (int pass = 0; pass < 4; ++pass) {
            const bool iso = pass & 1;
            const QString column = pass & 2 ? "cpm" : "hz";
            QByteArray csv = ("id," + column + ",level,unit\n").toUtf8();
            QString out = "id," + kColumns, err;
            for (int i = 0; i < 44; ++i) {
                const QString f = frequencies[i % frequencies.size()], u = units[i % 10];
                const QString l = levels[(i / 4) % levels.size()];
                csv += QString("%1,%2,%3,%4\n").arg(i).arg(f, l, u.toUpper()).toUtf8();
                const QString texts = typeIntoWindow(iso, column, f, u, l);
                if (texts.contains(": "))
                    err += QString("stdin:%1: %2\n").arg(i + 2).arg(texts);
                else
                    out += QString("%1,%2\n").arg(i).arg(texts);
            }
            const Result r = run({"--skip-bad", "--ref", iso ? "iso" : "us"}, csv);
            QCOMPARE(r.out, out);
            const QStringList got = r.err.split('\n'), want = err.split('\n');
            QCOMPARE(got.size(), want.size());
            for (int i = 0; i < got.size(); ++i) // a beep: the command says why in words
                QVERIFY2(want[i].endsWith(": beep") ? got[i].startsWith(want[i].chopped(4))
                                                    : got[i] == want[i],
                         qPrintable(got[i]));
            QCOMPARE(r.status, err.isEmpty() ? 0 : 65);
        }
    }

    void badInputAndUsage_data() {
        QTest::addColumn<QString>("args"); // ">file": the output goes there
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto add = [](const char* name, QString args, QByteArray input, int status,
                            QString out, QString err) {
            QTest::newRow(name) << args << input << status << out << err;
        };
        const QByteArray rows =
            "id,Hz,level,unit\nA,50,1,g-pk\nB,50,2e4,g-pk\nC,50,,G-PK\nD,50,1,g-pk";
        const QString good = "id," + kColumns + "A," + kFiftyHzOneGPeak;
        const QString b = "stdin:3: level: \"2e4\" is not a number the window accepts\n";
        const QString me = "amplora-convert: ";
        add("stop", "", rows, 65, good, b);
        add("skip", "--skip-bad", rows, 65, good + "D," + kFiftyHzOneGPeak,
            b + "stdin:4: level: no value\n");
        add("quotes", "",
            "\"x,y\",hz,level,unit,\"q\"\"z\"\r\n\"a \"\"b\"\"\",50,1,g-pk,\"1\n2\"\r\n", 0,
            "\"x,y\",\"q\"\"z\"," + kColumns + "\"a \"\"b\"\"\",\"1\n2\"," + kFiftyHzOneGPeak, "");
        add("open quote", "", "hz,level,unit\n\"50,1,g-pk\n", 65, kColumns,
            "stdin:2: hz: a quoted field is not closed before the end of the input\n");
        add("fields", "--skip-bad", "cpm,level,unit\n50,1\n3000,1,g-pk", 65,
            kColumns + kFiftyHzOneGPeak, "stdin:2: 2 fields where the header has 3\n");
        add("header", "", "hz,level\n", 65, "", "stdin:1: no unit column\n");
        add("no file", "/nonexistent.csv", "", 66, "",
            me + "cannot open /nonexistent.csv: No such file or directory\n");
        add("usage", "--cpm", "", 64, "",
            me + "--cpm needs a value (see amplora-convert --help)\n");
        add("one reading", "--cpm=3000 --g-pk 1 --csv", "", 0, kColumns + kFiftyHzOneGPeak, "");
        add("refused", "--hz 50 --adb -61", "", 65, "",
            me + "--adb: Entry out of range.  Value must be between -60 and  200\n");
        const QString full = me + "cannot write the output: No space left on device\n";
        add("full disk: table", "--hz 50 --g-pk 1 >/dev/full", "", 74, "", full);
        add("full disk: CSV", ">/dev/full", "hz,level,unit\n50,1,g-pk\n", 74, "", full);
        add("version", "--version", "", 0, me.chopped(2) + " " AMPLORA_VERSION "\n", "");
    }
    void badInputAndUsage() {
        QFETCH(QString, args);
        QFETCH(QByteArray, input);
        QStringList words = args.split(' ', Qt::SkipEmptyParts);
        const QString outFile =
            !words.empty() && words.back().startsWith('>') ? words.takeLast().mid(1) : "";
        const Result r = run(words, input, outFile);
        QTEST(r.err, "err");
        QTEST(r.out, "out");
        QTEST(r.status, "status");
    }
};

QTEST_MAIN(TestConvert)
#include "test_convert.moc"
