// The window program's command line: --help, --version, Qt's own options, usage errors.
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace app {
namespace {

// The options QGuiApplication and QApplication take for themselves, and whether each takes a
// value. They stay out of --help: the manual page lists them.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {{"platform", true},        {"platformpluginpath", true},
                                   {"platformtheme", true},   {"plugin", true},
                                   {"qwindowgeometry", true}, {"geometry", true},
                                   {"qwindowtitle", true},    {"title", true},
                                   {"qwindowicon", true},     {"icon", true},
                                   {"display", true},         {"name", true},
                                   {"session", true},         {"style", true},
                                   {"stylesheet", true},      {"dialogs", true},
                                   {"qmljsdebugger", true},   {"reverse", false},
                                   {"nograb", false},         {"dograb", false},
                                   {"sync", false},           {"testability", false},
                                   {"widgetcount", false},    {"qdevel", false},
                                   {"qdebug", false}};

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// What is wrong with the command line, as the user typed it.
QString problem(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("unexpected argument '%1'")
            .arg(parser.positionalArguments().constFirst());
    QString error = parser.errorText();
    if (error.endsWith(QLatin1Char('.')))
        error.chop(1);
    if (parser.unknownOptionNames().isEmpty())
        return error;
    const QString name = parser.unknownOptionNames().constFirst();
    for (const QString& argument : arguments.mid(1)) {
        QString bare = argument.section(QLatin1Char('='), 0, 0);
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == name)
            return QStringLiteral("unknown option '%1'").arg(argument);
    }
    return error;
}

} // namespace

Verdict readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options are single-dash words: -style, not -s -t -y -l -e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Converts one machine-vibration level, at the frequency of its peak, into\n"
                       "every other common unit. Qt's own options (-style NAME, -platform NAME,\n"
                       "-stylesheet FILE, -reverse, ...) are accepted as well."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& o : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(o.name));
        if (o.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = QStringLiteral("amplora");
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        print(stderr, program + QStringLiteral(": ") + problem(parser, arguments) +
                          QStringLiteral("; try '") + program + QStringLiteral(" --help'.\n"));
        return {false, kUsageError};
    }
    if (parser.isSet(help)) {
        // Qt names the program in the usage line only when an application object exists.
        const QString options = parser.helpText().section(QLatin1Char('\n'), 1);
        print(stdout,
              QStringLiteral("Usage: ") + program + QStringLiteral(" [options]\n") + options);
        return {false, 0};
    }
    if (parser.isSet(version)) {
        print(stdout, program + QStringLiteral(" " AMPLORA_VERSION "\n"));
        return {false, 0};
    }
    return {true, 0};
}

} // namespace app
