// The pictures compiled into the program: they load, have their sizes, and leave room for the
// text the windows place over them.
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void loadAtTheirSizes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("application icon") << "amplora" << QSize(32, 32);
        QTest::newRow("maker's logo") << "logo" << QSize(255, 86);
        QTest::newRow("relationships") << "relationships" << QSize(353, 241);
        QTest::newRow("About logo") << "about_logo" << QSize(237, 27);
        QTest::newRow("contact banner") << "contact_banner" << QSize(325, 98);
    }
    void loadAtTheirSizes() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QSvgRenderer renderer(QStringLiteral(":/images/%1.svg").arg(name));
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);
    }

    // The converter window lays five labels over this corner of the drawing.
    void relationshipsLeaveTheLowerLeftEmpty() {
        QSvgRenderer renderer(QStringLiteral(":/images/relationships.svg"));
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += qAlpha(image.pixel(x, y)) > 0;
        QVERIFY(drawn > 1000);
        for (int y = 128; y < 241; ++y)
            for (int x = 24; x <= 217; ++x)
                QVERIFY2(qAlpha(image.pixel(x, y)) == 0,
                         qPrintable(QString("%1,%2").arg(x).arg(y)));
    }

    void iconRendersAtDesktopSizes_data() {
        QTest::addColumn<int>("side");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
        QTest::newRow("48") << 48;
    }
    void iconRendersAtDesktopSizes() {
        QFETCH(int, side);
        const QImage image =
            QIcon(QStringLiteral(":/images/amplora.svg")).pixmap(side, side).toImage();
        QCOMPARE(image.size(), QSize(side, side));
        // Opaque throughout but for the rounded corners.
        QCOMPARE(qAlpha(image.pixel(side / 2, side / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(side / 2, 1)), 255);
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
