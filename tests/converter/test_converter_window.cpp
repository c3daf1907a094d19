// The converter window through real key and mouse events on the offscreen platform.
#include "converter/converter_window.h"
#include "dark_palette.h"
#include "recording_services.h"
#include "toolkit/entry_box.h"
#include "toolkit/layout_metrics.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace converter;

namespace {

const QString kHzRangeMessage =
    "Input Error|Entry out of range.  Value must be between  1 and  100000";

struct Window {
    RecordingServices services;
    ConverterWindow window{services};

    Window() {
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the converter window never became active");
    }
    template <class T = toolkit::EntryBox> T* find(const char* name) const {
        return window.findChild<T*>(QLatin1String(name));
    }
    QStringList texts() const {
        QStringList out;
        for (const BoxDescription& d : kBoxes)
            out << find(d.objectName.data())->text();
        return out;
    }
    // 1 g peak at 50 Hz, typed, the focus left in the g rms box with its text selected.
    void convert() {
        QTest::keyClicks(find("txtHZ"), "50");
        QTest::keyClick(find("txtHZ"), Qt::Key_Return);
        QTest::keyClick(find("txtHZ"), Qt::Key_Tab);
        QTest::keyClick(find("txtCPM"), Qt::Key_Tab);
        QTest::keyClick(find("txtAccGrms"), Qt::Key_Tab);
        QTest::keyClicks(find("txtAccGpk"), "1");
        QTest::keyClick(find("txtAccGpk"), Qt::Key_Return);
        QTest::keyClick(find("txtAccGpk"), Qt::Key_Backtab, Qt::ShiftModifier);
    }
};

} // namespace

class TestConverterWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { toolkit::useLayoutFont(); }

    void roadOfOneConversion() {
        Window w;
        toolkit::EntryBox* closed = w.find("txtAccGrms"); // greyed like the window, in any palette
        closed->setPalette(darkPalette());
        QCOMPARE(closed->palette().color(QPalette::Disabled, QPalette::Base),
                 darkPalette().color(QPalette::Window));
        w.convert();
        QCOMPARE(w.texts(), QStringList({"50.0", "3000.0", "0.707", "1.0", "0.869", "1.23", "22.1",
                                         "31.2", "7.83", "0.199", "117.0", "126.9"}));
        for (const BoxDescription& d : kBoxes)
            QVERIFY(w.find(d.objectName.data())->isEnabled());
        QVERIFY(!w.find<QGroupBox>("Frame1")->isEnabled());
        QCOMPARE(w.services.events, QStringList());
    }

    // Moving the caret, selecting, copying and ALT keys change no text and keep every result.
    void keysThatChangeNoTextKeepTheResults_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("copied");
        QTest::newRow("SHIFT alone") << int(Qt::Key_Shift) << "" << int(Qt::NoModifier) << "";
        QTest::newRow("arrow") << int(Qt::Key_Left) << "" << int(Qt::NoModifier) << "";
        QTest::newRow("END") << int(Qt::Key_End) << "" << int(Qt::NoModifier) << "";
        QTest::newRow("selecting") << int(Qt::Key_Left) << "" << int(Qt::ShiftModifier) << "";
        QTest::newRow("CTRL+C") << int(Qt::Key_C) << "" << int(Qt::ControlModifier) << "0.707";
        QTest::newRow("CTRL+INSERT")
            << int(Qt::Key_Insert) << "" << int(Qt::ControlModifier) << "0.707";
        QTest::newRow("ALT+digit") << int(Qt::Key_1) << "1" << int(Qt::AltModifier) << "";
        QTest::newRow("ALT+letter") << int(Qt::Key_A) << "a" << int(Qt::AltModifier) << "";
    }
    void keysThatChangeNoTextKeepTheResults() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(QString, copied);
        Window w;
        w.convert();
        QApplication::clipboard()->clear();
        const QStringList before = w.texts();
        QTest::sendKeyEvent(QTest::Click, w.find("txtAccGrms"), Qt::Key(key), text,
                            Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.texts(), before);
        QVERIFY(w.find("txtHZ")->isEnabled());
        QCOMPARE(QApplication::clipboard()->text(), copied);
        QCOMPARE(w.services.events, QStringList());
    }

    // DELETE takes the selected text and SHIFT+INSERT pastes: each empties the other results.
    // A key the box refuses (a letter, CTRL+V) edits nothing and changes nothing.
    void editingKeysStartANewEntry() {
        for (const auto& [keys, left] : {std::pair{QKeyCombination(Qt::Key_Delete), ""},
                                         {Qt::SHIFT | Qt::Key_Insert, "2"},
                                         {Qt::CTRL | Qt::Key_V, ""},
                                         {QKeyCombination(Qt::Key_X), ""}}) {
            Window w;
            w.convert();
            const QStringList before = w.texts();
            QApplication::clipboard()->setText(QStringLiteral("2"));
            QTest::keyClick(w.find("txtAccGrms"), keys.key(), keys.keyboardModifiers());
            const bool refused = *left == 0 && keys.key() != Qt::Key_Delete;
            QCOMPARE(w.services.events, refused ? QStringList{"beep"} : QStringList());
            QCOMPARE(w.texts().mid(2).join(' ').simplified(),
                     refused ? before.mid(2).join(' ') : left);
            QCOMPARE(w.find("txtHZ")->isEnabled(), refused);
        }
    }

    void dropsChangeNothing() {
        Window w;
        QMimeData data;
        data.setText(QStringLiteral("100"));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.find("txtHZ"), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.find("txtHZ"), &drop);
        QCOMPARE(w.find("txtHZ")->text(), QString());
    }

    // TAB enters the reference group (named for screen readers) at its selected button; the
    // captions name the reference the decibel boxes use, whichever way it was chosen.
    void referenceGroupAndCaptions() {
        Window w;
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w.find<QRadioButton>("OptdBUS"));
        QCOMPARE(QApplication::focusWidget()->parentWidget()->accessibleName(),
                 QStringLiteral("Decibel reference"));
        QVERIFY(w.find<QLabel>("Label5")->isVisible() && !w.find<QLabel>("Label13")->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(w.find<QRadioButton>("OptdBISO")->isChecked());
        QVERIFY(w.find<QLabel>("Label13")->isVisible() && w.find<QLabel>("Label14")->isVisible());
        QVERIFY(!w.find<QLabel>("Label5")->isVisible());
        QCOMPARE(w.find<QLabel>("Label13")->text(), QStringLiteral("AdB re 10E-6 m/sec², rms"));
    }

    // Under either reference TAB and SHIFT+TAB stop at the selected button and pass the other.
    void referenceTabStops() {
        for (const QString chosen : {"OptdBUS", "OptdBISO"}) {
            Window w;
            QTest::mouseClick(w.find<QRadioButton>(qPrintable(chosen)), Qt::LeftButton);
            w.find<QWidget>("Command1")->setFocus();
            for (const auto& [key, stop] : {std::pair{Qt::Key_Tab, chosen},
                                            {Qt::Key_Tab, "Picture1"},
                                            {Qt::Key_Backtab, chosen},
                                            {Qt::Key_Backtab, "Command1"}}) {
                QTest::keyClick(QApplication::focusWidget(), key);
                QCOMPARE(QApplication::focusWidget()->objectName(), stop);
            }
        }
    }

    // TAB selects a box's whole text; a click puts the caret where it lands; a box the model
    // wrote has its caret at the start, where typing goes in; a message box shows over the
    // boxes as the model has them once the key is handled, and when the focus comes back from
    // it, the box's text is selected as before, so that the next key replaces it.
    void focusCaretsAndMessages() {
        Window w;
        w.convert();
        QTest::keyClick(w.find("txtAccGrms"), Qt::Key_Tab);
        QTRY_COMPARE(w.find("txtAccGpk")->selectedText(), QStringLiteral("1.0"));
        QTest::mouseClick(w.find("txtVelIPSrms"), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(w.find("txtVelIPSrms")->selectedText(), QString());
        QVERIFY(w.find("txtVelIPSrms")->cursorPosition() > 0);
        QStringList shown;
        w.services.onMessage = [&] {
            shown = w.texts();
            QMessageBox box(QMessageBox::Warning, "", "", QMessageBox::Ok, &w.window);
            QTimer::singleShot(0, &box, [&box] {
                if (QTest::qWaitForWindowActive(&box))
                    box.accept();
            });
            box.exec(); // it takes the focus, and the desktop gives it back
            QApplication::setActiveWindow(&w.window);
        };
        QTest::keyClick(w.find("txtVelIPSrms"), Qt::Key_Tab);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w.find("txtHZ"));
        QTest::keyClicks(w.find("txtHZ"), "07"); // 0 is below the range; 7 replaces 50.0
        QCOMPARE(w.services.events, QStringList{kHzRangeMessage});
        QCOMPARE(shown.mid(0, 5), QStringList({"50.0", "3000.0", "0.707", "1.0", "0.869"}));
        QTest::keyClick(w.find("txtHZ"), Qt::Key_Return);
        QCOMPARE(w.find("txtHZ")->cursorPosition(), 0);
        QTest::keyClicks(w.find("txtHZ"), "1");
        QCOMPARE(w.find("txtHZ")->text(), QStringLiteral("17.0"));
    }

    void copyAllResults() {
        Window w;
        w.convert();
        QTest::keyClick(w.find("txtAccGrms"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 13); // twelve lines, each ended
        QCOMPARE(lines[2], QStringLiteral("Acceleration, g, rms\t0.707"));
        QCOMPARE(lines[11], QStringLiteral("VdB re 10E-8 m/sec, rms\t126.9"));
        QCOMPARE(w.services.events, QStringList());
    }
};

QTEST_MAIN(TestConverterWindow)
#include "test_converter_window.moc"
