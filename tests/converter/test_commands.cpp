// Buttons, menus and the web link of the converter window.
#include "converter_fixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

QList<Main*> converterWindows() {
    QList<Main*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<Main*>(w); m && m->isVisible())
            found << m;
    return found;
}

QWidget* visibleWindowTitled(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title)
            return w;
    return nullptr;
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        QTest::qWait(20);
    }

    void clearRestoresTheStartState() {
        RecordingServices services;
        QPointer<Main> old = Main::load(services);
        QVERIFY(QTest::qWaitForWindowExposed(old.data()));
        QTest::mouseClick(old->findChild<QWidget*>("OptdBISO"), Qt::LeftButton);
        for (auto [box, keys] : {std::pair{"txtHZ", "50"}, std::pair{"txtAccGrms", "1"}}) {
            auto* b = old->findChild<toolkit::EntryBox*>(box);
            b->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(b, keys);
            QTest::keyClick(b, Qt::Key_Return);
        }
        QCOMPARE(old->findChild<QLineEdit*>("txtAdB")->text(), QStringLiteral("140.0"));

        QTest::mouseClick(old->findChild<QWidget*>("Command2"), Qt::LeftButton);
        QTRY_VERIFY(old.isNull());
        QTRY_COMPARE(converterWindows().size(), 1);
        QTRY_VERIFY(!visibleWindowTitled(QStringLiteral("reset")));
        Main* fresh = converterWindows().first();
        QVERIFY(fresh->findChild<QRadioButton*>("OptdBUS")->isChecked());
        QVERIFY(fresh->findChild<QGroupBox*>("Frame1")->isEnabled());
        QVERIFY(fresh->findChild<QLabel*>("Label5")->isVisible());
        for (const char* name : kEntryBoxes) {
            auto* b = fresh->findChild<QLineEdit*>(name);
            QVERIFY2(b->text().isEmpty(), name);
            QCOMPARE(b->isEnabled(), QByteArray(name) == "txtHZ" || QByteArray(name) == "txtCPM");
        }
        QCOMPARE(fresh->peakHz, 0.0f);
    }

    void menuEntriesOpenTheirWindows_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::newRow("Temperature") << "mnu4"
                                     << "Temperature Conversion";
        QTest::newRow("Operation") << "menu21"
                                   << "Amplora Operation";
        QTest::newRow("Tutorial") << "menu23"
                                  << "Vibration Level Conversion Tutorial";
        QTest::newRow("About") << "menu22"
                               << "About Amplora";
    }
    void menuEntriesOpenTheirWindows() {
        QFETCH(QString, action);
        QFETCH(QString, title);
        ConverterFixture f;
        QString seen;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            QVERIFY(w);
            seen = w->windowTitle();
            modal = w->isModal() && w->parentWidget() == f.window.get();
            w->close();
        });
        f.control<QAction>(qPrintable(action))->trigger(); // returns once the window closed
        QCOMPARE(seen, title);
        QVERIFY(modal);
        QVERIFY(f.window->isVisible());
    }

    void contactOpensOnceWithoutBlocking() {
        ConverterFixture f;
        auto* entry = f.control<QAction>("mnu81");
        entry->trigger();
        QWidget* contact = visibleWindowTitled(QStringLiteral("Orvane - Contact Information"));
        QVERIFY(contact);
        QVERIFY(!contact->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        entry->trigger();
        int open = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            open += w->isVisible() && w->windowTitle() == contact->windowTitle();
        QCOMPARE(open, 1);
        f.type("txtHZ", "50\n"); // the converter stays usable beside it
        QCOMPARE(f.text("txtCPM"), QStringLiteral("3000.0"));
    }

    void exitClosesContactToo() {
        RecordingServices services;
        QPointer<Main> window = Main::load(services);
        window->findChild<QAction*>("mnu81")->trigger();
        QPointer<QWidget> contact =
            visibleWindowTitled(QStringLiteral("Orvane - Contact Information"));
        QVERIFY(contact);
        QTest::mouseClick(window->findChild<QWidget*>("Command1"), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
        QTRY_VERIFY(contact.isNull() || !contact->isVisible());
    }

    void closingTheConverterLeavesContactOpen() {
        RecordingServices services;
        QPointer<Main> window = Main::load(services);
        window->findChild<QAction*>("mnu81")->trigger();
        QPointer<QWidget> contact =
            visibleWindowTitled(QStringLiteral("Orvane - Contact Information"));
        window->close();
        QTRY_VERIFY(window.isNull());
        QVERIFY(contact && contact->isVisible());
    }

    void logoOpensTheWebAddressButTheLabelDoesNot() {
        ConverterFixture f;
        QTest::mouseClick(f.control("Label23"), Qt::LeftButton);
        QCOMPARE(f.services.take(), QStringList());
        QTest::mouseClick(f.control("Picture1"), Qt::LeftButton);
        QCOMPARE(f.services.take(), QStringList{"open:https://www.orvane.example"});
    }

    void printMenuPrintsTheWindow() {
        ConverterFixture f;
        f.control<QAction>("menu12")->trigger();
        QCOMPARE(f.services.take(), QStringList{"print:Main"});
        QVERIFY(f.window->isVisible());
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
