// The start-up floor for bench/startup: a Qt Widgets program that shows one empty window.
// No Qt Widgets program can open its first window faster or in less memory than this.
// With --text the window shows one line of text: the floor of any window that has a caption,
// which pays for the font set-up the empty window never needs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(692, 524);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QStringLiteral("Frequency"), &window);
    window.show();
    return QApplication::exec();
}
