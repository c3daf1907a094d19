// amplora-convert run as a program: the texts of a table of readings against the window's when
// they are typed into it with real keys; hand-worked texts at the bounds; what the command does
// with bad input, separators, options and output; live output through a pipe.
#include "converter/converter_window.h"
#include "recording_services.h"
#include "toolkit/entry_box.h"

#include <QApplication>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace converter;

namespace {

struct Result {
    int status;
    QString out, err;
};

// Files of readings for the commands to name, in their working folder.
QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// outFile "|": the output is a pipe that its reader has closed.
Result run(const QStringList& args, const QByteArray& input = {}, const QString& outFile = {}) {
    QProcess process, reader; // the reader of a closed pipe ends before anything is written
    process.setWorkingDirectory(folder().path());
    if (outFile == "|")
        process.setStandardOutputProcess(&reader);
    else if (!outFile.isEmpty())
        process.setStandardOutputFile(outFile);
    process.start(AMPLORA_CONVERT, args);
    if (outFile == "|") {
        reader.start("true", {});
        reader.waitForFinished();
    }
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// One reading typed into a new window, into `result`: its twelve texts, or "column: " and its
// first notice. False when the window never became active (its boxes would take no focus).
bool typeIntoWindow(bool iso, const QString& column, const QString& frequency, const QString& unit,
                    const QString& level, QString& result) {
    RecordingServices services;
    ConverterWindow window(services);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        return false;
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
        if (!services.events.isEmpty()) {
            result = name + ": " + services.events.front().section('|', -1);
            return true;
        }
    }
    QStringList texts;
    for (const BoxDescription& d : kBoxes)
        texts << window.findChild<toolkit::EntryBox*>(d.objectName.data())->text();
    result = texts.join(',');
    return true;
}

const QString kColumns =
    "hz,cpm,g_rms,g_pk,in_s_rms,in_s_pk,mm_s_rms,mm_s_pk,mils_pp,mm_pp,adb,vdb\n";
const QString kFiftyHzOneGPeak =
    "50.0,3000.0,0.707,1.0,0.869,1.23,22.1,31.2,7.83,0.199,117.0,126.9\n";

} // namespace

class TestConvert : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        const auto write = [](const char* name, const char* text) {
            QFile file(folder().filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
        };
        write("a.csv", "point,hz,level,unit\nP1,50,1,g-pk\n");
        write("b.csv", "point,site,hz,level,unit\nP2,S,50,1,g-pk\n");
        write("c.csv", "POINT,hz,level,unit\nP3,50,1,g-pk\n");
    }

    // Every unit, both references, Hz and CPM, the window's quirks and its refusals: the command
    // writes the window's texts, or refuses the row with the window's own message.
    // A number in exponent notation is typed into the window as the plain decimal after "|".
    void sameTextsAsTheWindow() {
        const QStringList units = {"g-rms",   "g-pk",    "in-s-rms", "in-s-pk", "mm-s-rms",
                                   "mm-s-pk", "mils-pp", "mm-pp",    "adb",     "vdb"};
        const QStringList frequencies =
            QString("50 1 1.2346E1|12.346 30 1E+05|100000 0.5 7 0.5E1|5").split(' ');
        const QStringList levels =
            QString("1 1E-08|0.00000001 10000 2.675 -6.0E+01|-60 200 "
                    "1000000 0.123456 10001 5.0e-7|0.00000050 1e3|1000 0.0.1 0.0012E3|1.2")
                .split(' ');
        for (int pass = 0; pass < 4; ++pass) {
            const bool iso = pass & 1;
            const QString column = pass & 2 ? "cpm" : "hz";
            QByteArray csv = ("id," + column + ",level,unit\n").toUtf8();
            QString out = "id," + kColumns, err;
            for (int i = 0; i < 4 * levels.size(); ++i) {
                const QString f = frequencies[i % frequencies.size()], u = units[i % 10];
                const QString l = levels[(i / 4) % levels.size()];
                csv += QString("%1,%2,%3,%4\n")
                           .arg(i)
                           .arg(f.section('|', 0, 0), l.section('|', 0, 0), u.toUpper())
                           .toUtf8();
                QString texts;
                QVERIFY(
                    typeIntoWindow(iso, column, f.section('|', -1), u, l.section('|', -1), texts));
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
        const QString b =
            "stdin:3: level: Entry out of range.  Value must be between  1E-08 and  10000\n";
        const QString me = "amplora-convert: ", nan = " is not a number the window accepts";
        const QString hint = " (see amplora-convert --help)\n";
        const QString splits = ": numbers, units, quotes or line breaks hold it" + hint;
        add("stop", "", rows, 65, good, b);
        add("skip", "--skip-bad", rows, 65, good + "D," + kFiftyHzOneGPeak,
            b + "stdin:4: level: no value\n");
        add("quotes", "",
            "\"x\ny\",hz,level,unit,\"q\"\"z\"\r\n\"a \"\"b\"\"\",50,1,g-pk,\"1\r2\"\r\n", 0,
            "\"x\ny\",\"q\"\"z\"," + kColumns + "\"a \"\"b\"\"\",\"1\r2\"," + kFiftyHzOneGPeak, "");
        add("open quote", "", "hz,level,unit\n\"50,1,g-pk\n", 65, kColumns,
            "stdin:2: hz: a quoted field is not closed before the end of the input\n");
        add("fields", "--skip-bad", "cpm,level,unit\n50,1\n3000,1,g-pk", 65,
            kColumns + kFiftyHzOneGPeak, "stdin:2: 2 fields where the header has 3\n");
        add("extra field", "", "hz,level,unit\n50,1,g-pk,\"x\"y\n", 65, kColumns,
            "stdin:2: column 4: text after the closing quote of a field\n");
        add("CR lines", "", "hz,level,unit\r50,1,g-pk\r\r50,x,g-pk\r", 65,
            kColumns + kFiftyHzOneGPeak, "stdin:4: level: \"x\"" + nan + "\n");
        add("escaped", "", "\"a\nb\",hz,level,\"x\x1b[2J\"\n", 65, "",
            "stdin:1: no unit column among \"a\\nb\", \"hz\", \"level\", \"x\\x1b[2J\"\n");
        add("escaped column", "", "\"x\ty\",hz,level,unit\nq\"q,50,1,g-pk\n", 65,
            "x\ty," + kColumns,
            "stdin:2: x\\ty: a quote inside a field that does not start with one\n");
        add("clash", "", "id,hz,level,unit,ADB\n", 65, "",
            "stdin:1: ADB: the output has a column of this name; rename it\n");
        add("clash, no option", "", "id,hz,level,unit,In_S_Pk\n", 65, "",
            "stdin:1: In_S_Pk: the output has a column of this name; rename it\n");
        add("; hint", "", "hz;level;unit\n", 65, "",
            "stdin:1: the columns are separated by ';': give --delimiter ';'\n");
        add("tab hint", "", "hz\tlevel\tunit\n", 65, "",
            "stdin:1: the columns are separated by TABs: give --delimiter tab\n");
        add("; files", "--delimiter ; --skip-bad",
            "\"x;y\"; hz ;Level ;unit\n\"a;b\";50;1;g-pk\nB;50;1,5;g-pk\n", 65,
            QString("\"x;y\";" + kColumns + "\"a;b\";" + kFiftyHzOneGPeak).replace(',', ';'),
            "stdin:3: Level: \"1,5\"" + nan + ": the decimal point must be \".\"\n");
        add("tab files", "--delimiter tab", "hz\tlevel\tunit\n50\t1\tg-pk\n", 0,
            QString(kColumns + kFiftyHzOneGPeak).replace(',', '\t'), "");
        add("why not", "--skip-bad",
            "hz,level,unit\n50,1 ,g-pk\n50,\"1,234.5\",g-pk\n50,1.2.3,g-pk\n"
            "50,\"1.234,5\",g-pk\n50,1\xC3,g-pk\n",
            65, kColumns,
            "stdin:2: level: \"1 \"" + nan + ": it ends with a blank\nstdin:3: level: \"1,234.5\"" +
                nan + ": thousands take no separator\nstdin:4: level: \"1.2.3\"" + nan +
                ": a number has one decimal point at most\nstdin:5: level: \"1.234,5\"" + nan +
                ": the decimal point must be \".\" and thousands take no separator\nstdin:6: "
                "level: \"1\\xc3\"" +
                nan + "\n");
        add("spreadsheets' looks", "--skip-bad",
            "id,hz,level,unit\n,,,\n , ,\t,\nA,50,1, G-PK \nB,50,\u22126.0E\u22121,vdb\n"
            "C,50,\"2\u00a0167\",g-pk\nD,50,1\u202e,g-pk\n",
            65,
            "id," + kColumns + "A," + kFiftyHzOneGPeak +
                "B,50.0,3000.0,0.000000299,0.000000423,0.000000368,0.00000052,0.00000934,0.0000132,"
                "0.00000331,0.00000008413,-10.5,-0.6\n",
            "stdin:6: level: \"2\u00a0167\"" + nan +
                ": thousands take no separator\nstdin:7: level: \"1\\u{202e}\"" + nan + "\n");
        add("UTF-16", "", "\xFF\xFEh", 65, "", "stdin:1: the file is UTF-16: save it as UTF-8\n");
        const QByteArray mib = "hz,level,unit,x\n50,1,g-pk," + QByteArray(1048576 - 10, 'a') + "\n";
        add("1 MiB", "", mib + "50,1,g-pk," + QByteArray(1048576 - 9, 'a'), 65,
            "x," + kColumns + mib.mid(26, 1048566) + "," + kFiftyHzOneGPeak,
            "stdin:3: x: the record is longer than 1 MiB\n");
        add("32767 characters", "", "hz,level,unit\n50,1." + QByteArray(32765, '0') + ",g-pk\n", 0,
            kColumns + kFiftyHzOneGPeak, "");
        // Halfway between 10000 and the next double, which reads as 10000; a digit far past
        // what a double resolves makes it more. A long value is typed shortened: that digit
        // still counts.
        const QByteArray tie =
            "10000.0000000000009094947017729282379150390625" + QByteArray(900, '0');
        add("tie at the bound", "--skip-bad",
            "hz,level,unit\n50,1,g-pk\n50," + tie + "1,g-pk\n50," + tie + ",g-pk\n", 65,
            kColumns + kFiftyHzOneGPeak +
                "50.0,3000.0,7072.1,10000.0,8690.2,12288.0,220732.1,312115.2,78280.0,1988.3,197.0,"
                "206.9\n",
            b);
        add("decimal comma", "--decimal-comma --delimiter ; --skip-bad",
            "hz;level;unit\n50;1,0E0;g-pk\n50;1.800;g-pk\n", 65,
            QString(kColumns + kFiftyHzOneGPeak).replace(',', ';').replace('.', ','),
            "stdin:3: level: \"1.800\"" + nan +
                ": the decimal point must be \",\" and thousands take no separator\n");
        const QString e40(40, u'é');
        add("cut at 40", "--skip-bad",
            ("hz,level,unit\n50," + e40 + ",g-pk\n50,é" + e40 + ",g-pk\n").toUtf8(), 65, kColumns,
            "stdin:2: level: \"" + e40 + "\"" + nan + "\nstdin:3: level: \"é" + e40.chopped(1) +
                "...\"" + nan + "\n");
        add("no file", "/nonexistent.csv", "", 66, "",
            me + "cannot open /nonexistent.csv: No such file or directory\n");
        add("two files", "a.csv b.csv", "", 65, "point," + kColumns + "P1," + kFiftyHzOneGPeak,
            "b.csv:1: the columns passed through must be those of a.csv: \"site\" is not in "
            "a.csv\n");
        add("usage", "--cpm", "", 64, "", me + "--cpm needs a value" + hint);
        add("case", "a.csv c.csv", "", 0,
            "point," + kColumns + "P1," + kFiftyHzOneGPeak + "P3," + kFiftyHzOneGPeak, "");
        add("comma and comma", "--decimal-comma", "", 64, "",
            me + "--decimal-comma needs another separator: --delimiter ';' or tab" + hint);
        add("delimiter ESC", "--delimiter \x1b", "", 64, "",
            me + "--delimiter takes one printable character or tab, not \"\\x1b\"" + hint);
        add("delimiter +", "--delimiter +", "", 64, "",
            me + "--delimiter cannot be \"+\"" + splits);
        add("delimiter .", "--delimiter .", "", 64, "",
            me + "--delimiter cannot be \".\"" + splits);
        add("csv with files", "--csv a.csv", "", 64, "",
            me + "--csv is for one reading given with --hz or --cpm" + hint);
        add("reading and files", "--hz 50 --g-pk 1 a.csv", "", 64, "",
            me + "convert either one reading or files of readings, not both" + hint);
        add("skip-bad with one", "--skip-bad --hz 50 --g-pk 1", "", 64, "",
            me + "--skip-bad is for files of readings" + hint);
        add("delimiter with table", "--delimiter ; --hz 50 --g-pk 1", "", 64, "",
            me + "--delimiter is for CSV: files of readings, or --csv" + hint);
        add("one reading", "--cpm=3000 --g-pk 1 --csv", "", 0, kColumns + kFiftyHzOneGPeak, "");
        // Hand-worked from the published factors, the frequency read back from the Hz box.
        add("largest hz", "--hz 100000 --g-pk 1E0 --csv", "", 0,
            kColumns + "100000.0,6000000.0,0.707,1.0,0.000435,0.000614,0.011,0.0156,0.00000196,"
                       "0.00000004971,117.0,60.9\n",
            "");
        add("cpm over a tenth", "--cpm 720000 --in-s-rms 1 --csv", "", 0,
            kColumns +
                "12000.0,720000.0,195.3,276.2,1.0,1.41,25.4,35.9,0.0375,0.000953,165.8,128.1\n",
            "");
        add("cpm range", "--cpm 6000001 --g-pk 1", "", 65, "",
            me + "--cpm: Entry out of range.  Value must be between  1 and  6000000\n");
        add("mm-pp range", "--hz 50 --mm-pp 1000001", "", 65, "",
            me + "--mm-pp: Entry out of range.  Value must be between  1E-08 and  1000000\n");
        QString isoTable; // aligned by characters: the ISO caption's superscript is two bytes
        const QStringList captions =
            QString("Frequency, Hz|Frequency, CPM|Acceleration, g, rms|Acceleration, g, pk|"
                    "Velocity, in/sec, rms|Velocity, in/sec, peak|Velocity, mm/sec, rms|"
                    "Velocity, mm/sec, peak|Displacement, mils, pk - pk|Displacement, mm, pk - pk|"
                    "AdB re 10E-6 m/sec², rms|VdB re 10E-9 m/sec, rms")
                .split('|');
        const QStringList isoTexts =
            QString(kFiftyHzOneGPeak).replace("117.0,126.9", "137.0,146.9").split(',');
        for (int i = 0; i < 12; ++i)
            isoTable += captions[i].leftJustified(29) + isoTexts[i].trimmed() + "\n";
        add("iso table", "--ref iso --hz 50 --g-pk 1", "", 0, isoTable, "");
        const QString full = me + "cannot write the output: No space left on device\n";
        add("full disk: table", "--hz 50 --g-pk 1 >/dev/full", "", 74, "", full);
        add("full disk: CSV", ">/dev/full", "hz,level,unit\n50,1,g-pk\n", 74, "", full);
        add("closed pipe", ">|", "hz,level,unit\n50,1,g-pk\n", 74, "",
            me + "cannot write the output: Broken pipe\n");
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
        static const QString help = run({"--help"}).out;
        QVERIFY(help.contains(QRegularExpression(QString("\\b%1 [a-z]").arg(r.status))));
    }

    // tail -f readings.csv | amplora-convert: each row shows while the input stays open, and a
    // byte order mark that arrives split is still skipped.
    void liveThroughAPipe() {
        QProcess process;
        process.start(AMPLORA_CONVERT, {});
        process.write("\xEF");
        QVERIFY(process.waitForBytesWritten());
        QTest::qWait(200); // the rest of the mark comes in another read
        process.write("\xBB\xBFhz,level,unit\n50,1,g-pk\n");
        const QString want = kColumns + kFiftyHzOneGPeak;
        QByteArray got;
        while (got.size() < want.size() && process.waitForReadyRead(10000))
            got += process.readAllStandardOutput();
        QCOMPARE(QString(got), want);
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 0);
    }
};

QTEST_MAIN(TestConvert)
#include "test_convert.moc"
