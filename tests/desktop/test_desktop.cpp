// The window program as a desktop meets it: its command line with no display; under light and
// dark palettes, opened so or switched to, each text in a colour of its own reads (WCAG AA: 4.5:1
// against what lies behind it in the rendered window); switched back, the window is as before.
// Under a theme's own application font every caption still fits its label; on a screen too small
// for a window (run again on small screens at large scales), every control can be brought into
// view, and where the window fits it keeps its designed size.
#include "converter/converter_window.h"
#include "dark_palette.h"
#include "info/about_dialog.h"
#include "info/contact_window.h"
#include "info/help_window.h"
#include "info/tutorial_window.h"
#include "recording_services.h"
#include "temperature/temperature_window.h"
#include "toolkit/form_zoom.h"
#include "toolkit/layout_metrics.h"
#include "toolkit/screen_fit.h"
#include "toolkit/theme_colours.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace {

template <typename W> auto make = [](RecordingServices& s) -> QWidget* { return new W(s); };
struct Window {
    QWidget* (*make)(RecordingServices&);
    QString texts, pictures; // what must read; pictures drawn for the light window keep its colour
};
const QHash<QString, Window> kWindows{
    {"converter",
     {make<converter::ConverterWindow>, "Label18 Label19 Label20 Label21 Label22 Label23",
      "Picture1"}},
    {"tutorial", {make<info::TutorialWindow>, "Label1 Label2 Label3", ""}},
    {"about", {make<info::AboutDialog>, "", "Picture1"}},
    {"contact", {make<info::ContactWindow>, "Label8", ""}},
    {"help", {make<info::HelpWindow>, "", ""}},
    {"temperature", {make<temperature::TemperatureWindow>, "Picture1", ""}}};

// In `area`: the ground is the commonest colour, the ink the one farthest from it.
std::pair<QColor, QColor> inkAndGround(const QImage& image, const QRect& area) {
    QHash<QRgb, int> count;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++count[image.pixel(x, y)];
    const QRgb ground = std::max_element(count.cbegin(), count.cend()).key();
    const auto nearer = [&](QRgb a, QRgb b) {
        return toolkit::contrastRatio(a, ground) < toolkit::contrastRatio(b, ground);
    };
    return {*std::max_element(count.keyBegin(), count.keyEnd(), nearer), ground};
}

// What does not read in the window as it is drawn now: "" when every text reads (WCAG AA,
// 4.5:1, whatever the program takes for it) and every picture keeps the light ground.
QString unreadable(QWidget& win, const Window& in, const QColor& lightWindow) {
    const QImage image = win.grab().toImage();
    for (const QString& name : (in.texts + ' ' + in.pictures).split(' ', Qt::SkipEmptyParts)) {
        const auto* w = win.findChild<QWidget*>(name);
        if (!w)
            return "no " + name;
        const QRect area = w->visibleRegion().boundingRect().translated(w->mapTo(&win, QPoint()));
        const auto [ink, ground] = inkAndGround(image, area);
        const double ratio = toolkit::contrastRatio(ink, ground);
        const bool picture = in.pictures.contains(name);
        if (picture ? ground != lightWindow : ratio < 4.5)
            return QString("%1 %2 on %3: %4").arg(name, ink.name(), ground.name()).arg(ratio);
    }
    return {};
}

// The label's text, drawn in its font, is no wider than the label; wrapped, the last line stands
// inside it (its descenders may touch the edge, as in the designed forms).
bool captionFits(const QLabel& label) {
    const QRect room = label.contentsRect();
    const int wrap = label.wordWrap() ? Qt::TextWordWrap : 0;
    const QRect text = label.fontMetrics().boundingRect(room, wrap, label.text());
    const int lastBaseline = text.height() - label.fontMetrics().descent();
    return text.width() <= room.width() && (!wrap || lastBaseline <= room.height());
}

// Each widget's font as the form designs it: family, pixel size, weight, slant.
QStringList fontsOf(const QWidget& window) {
    QStringList fonts;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const QFont f = w->font();
        fonts << QStringLiteral("%1: %2 %3px %4 %5")
                     .arg(w->objectName(), f.family())
                     .arg(f.pixelSize())
                     .arg(f.weight())
                     .arg(f.italic());
    }
    return fonts;
}

void addWindowRows() {
    QTest::addColumn<QString>("window");
    for (const QString& window : kWindows.keys())
        QTest::newRow(qPrintable(window)) << window;
}

} // namespace

class Desktop : public QObject {
    Q_OBJECT
    QPalette light_;
    RecordingServices services_;

private slots:
    void commandLine() {
        QProcess program;
        program.setProcessEnvironment({}); // no display, no platform chosen
        // The exit status, and what the answer on stdout, or else the one-line hint, names.
        for (const auto& [arguments, status, told] :
             std::initializer_list<std::tuple<QStringList, int, QString>>{
                 {{"--version"}, 0, AMPLORA_VERSION},
                 {{"--help"}, 0, "--version"},
                 {{"-style", "Fusion", "-reverse", "-stylesheet=a.qss", "-v"}, 0, AMPLORA_VERSION},
                 {{"--frobnicate"}, 64, "--frobnicate"},
                 {{"readings.csv"}, 64, "readings.csv"},
                 {{"-style"}, 64, "-style"}}) {
            program.start(AMPLORA_PROGRAM, arguments);
            QVERIFY(program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit);
            const QString out = program.readAllStandardOutput();
            const QString err = program.readAllStandardError();
            const QByteArray what = (arguments.join(' ') + ": " + out + err).toLocal8Bit();
            QVERIFY2(program.exitCode() == status && (status ? err : out).contains(told), what);
            QVERIFY2(!status || (out.isEmpty() && err.count('\n') == 1), what);
        }
    }
    void initTestCase() {
        QApplication::setStyle("Fusion");
        QApplication::setCursorFlashTime(0); // a blinking caret would make grabs differ
        light_ = QApplication::palette();
        // Published WCAG values: pure blue on white; the lightest grey on white that fails AA.
        for (auto [a, b, r] : {std::tuple{0x0000ff, 0xffffff, 8.59}, {0x777777, 0xffffff, 4.48}})
            QCOMPARE(qRound(toolkit::contrastRatio(QColor(a), QColor(b)) * 100) / 100.0, r);
    }
    void designedFonts_data() { addWindowRows(); }
    void designedFonts() {
        QFETCH(QString, window);
        toolkit::useLayoutFont();
        const std::unique_ptr<QWidget> w(kWindows[window].make(services_));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QStringList designed = fontsOf(*w);
        // A theme's font arrives once the program runs, and again when the user picks another.
        for (const int size : {14, 20}) {
            QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), size, QFont::Bold, true));
            QTRY_COMPARE(QApplication::font(), toolkit::layoutFont());
            QTRY_COMPARE(fontsOf(*w), designed);
            for (const QLabel* label : w->findChildren<QLabel*>())
                QVERIFY2(captionFits(*label), qPrintable(label->objectName()));
        }
    }
    // With the desktop's text at 20 pt, twice the standard, each form is drawn twice as large as
    // designed, every caption whole, in a window that keeps to the screen; back at the standard
    // size it is drawn as designed, to the pixel. The converter's View menu zooms in steps, kept
    // between runs, and back.
    void largeText_data() { addWindowRows(); }
    void largeText() {
        QFETCH(QString, window);
        QStandardPaths::setTestModeEnabled(true); // the user's own zoom stays out
        QSettings(QStringLiteral("amplora"), QStringLiteral("amplora")).clear();
        toolkit::useLayoutFont();
        toolkit::followDesktopText(QFont(QStringLiteral("Sans Serif"), 9)); // whatever the theme's
        toolkit::zoomForms();
        toolkit::fitWindowsToScreens(); // a form larger than the screen scrolls
        const std::unique_ptr<QWidget> w(kWindows[window].make(services_));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QImage designed = toolkit::formOf(*w).grab().toImage();
        QHash<QWidget*, std::pair<QRect, int>> parts;
        for (QWidget* part : toolkit::formOf(*w).findChildren<QWidget*>())
            parts[part] = {part->geometry(), QFontInfo(part->font()).pixelSize()};
        for (const auto& [points, zoom] : {std::pair{20, 2.0}, {9, 1.0}}) {
            QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), points));
            QTRY_COMPARE(toolkit::formOf(*w).width(), qRound(designed.width() * zoom));
            QTRY_VERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
            for (auto [part, design] : parts.asKeyValueRange()) {
                const QRect r = design.first;
                QCOMPARE(part->geometry(), QRect(r.topLeft() * zoom, r.size() * zoom));
                QCOMPARE(QFontInfo(part->font()).pixelSize(), int(design.second * zoom));
                if (auto* label = qobject_cast<QLabel*>(part))
                    QVERIFY2(captionFits(*label), qPrintable(label->objectName()));
            }
        }
        QCOMPARE(toolkit::formOf(*w).grab().toImage(), designed);
        if (window != "converter")
            return;
        for (const auto& [key, zoom] : {std::pair{Qt::Key_Plus, 1.1}, {Qt::Key_0, 1.0}}) {
            QTest::keyClick(w.get(), key, Qt::ControlModifier);
            QTRY_COMPARE(toolkit::formOf(*w).width(), qRound(designed.width() * zoom));
            QMessageBox message(QMessageBox::Warning, "Input Error", "Entry out of range.");
            message.show(); // laid out by Qt, in the zoomed font
            QCOMPARE(QFontInfo(message.font()).pixelSize(),
                     int(QFontInfo(QMessageBox().font()).pixelSize() * zoom));
            static_cast<converter::ConverterWindow*>(w.get())->clearAll(); // a new form, zoomed
            QTRY_VERIFY(toolkit::formOf(*w).findChild<QWidget*>("txtHZ")->isVisible());
            QTRY_COMPARE(toolkit::formOf(*w).width(), qRound(designed.width() * zoom));
            QCOMPARE(QSettings(QStringLiteral("amplora"), QStringLiteral("amplora"))
                         .value(QStringLiteral("zoomStep"))
                         .toInt(),
                     zoom > 1 ? 6 : 5);
        }
    }
    void fitsScreen_data() { addWindowRows(); }
    void fitsScreen() {
        QFETCH(QString, window);
        toolkit::fitWindowsToScreens();
        const std::unique_ptr<QWidget> w(kWindows[window].make(services_));
        w->adjustSize();
        const QSize designed = w->size();
        const QRect screen = w->screen()->availableGeometry();
        w->move(screen.topLeft()); // where the user put it: on the screen, off its centre
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QSize frame = w->frameGeometry().size() - w->size();
        QVERIFY(screen.contains(w->frameGeometry()));
        QCOMPARE(w->pos(), screen.topLeft()); // fitted, it is left there
        auto* area = w->findChild<QScrollArea*>();
        if (!area) {
            QCOMPARE(w->size(), designed);
            return;
        }
        QVERIFY(!screen.contains(QRect(screen.topLeft(), designed + frame)));
        for (QWidget* control : toolkit::formOf(*w).findChildren<QWidget*>()) {
            const QSize size = control->size();
            if (!control->isVisibleTo(w.get()) || size.width() > area->viewport()->width() ||
                size.height() > area->viewport()->height())
                continue;
            const QPoint centre = control->mapTo(area->widget(), control->rect().center());
            area->ensureVisible(centre.x(), centre.y(), size.width() / 2 + 1,
                                size.height() / 2 + 1);
            const QRect shown(control->mapTo(area->viewport(), QPoint()), size);
            QVERIFY2(area->viewport()->rect().contains(shown), qPrintable(control->objectName()));
        }
    }
    void readable_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPalette>("palette");
        for (const QString& window : kWindows.keys())
            for (const auto& [name, p] : {std::pair{"light", light_}, {"dark", darkPalette()}})
                QTest::addRow("%s %s", qPrintable(window), name) << window << p;
    }
    void readable() {
        QFETCH(QString, window);
        QFETCH(QPalette, palette);
        for (const bool switching : {false, true}) {
            QApplication::setPalette(switching ? light_ : palette);
            const std::unique_ptr<QWidget> w(kWindows[window].make(services_));
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            const QImage before = w->grab().toImage();
            // The window takes its colours once every widget has the palette: wait for them.
            QApplication::setPalette(palette);
            QTRY_COMPARE(unreadable(*w, kWindows[window], light_.color(QPalette::Window)), "");
            QApplication::setPalette(light_);
            if (switching)
                QTRY_VERIFY(w->grab().toImage() == before);
        }
    }
};

QTEST_MAIN(Desktop)
#include "test_desktop.moc"
