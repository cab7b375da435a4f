#include "search/core/editorcommand.h"

#include <QFileInfo>
#include <QProcess>

namespace search {

namespace {

struct KnownEditor {
    const char *name;
    LineSyntax syntax;
    bool needsTerminal;
};

// Editors by the name of their program.
constexpr KnownEditor KnownEditors[] = {
    {"vi", LineSyntax::Plus, true},          {"vim", LineSyntax::Plus, true},
    {"nvim", LineSyntax::Plus, true},        {"view", LineSyntax::Plus, true},
    {"vim.basic", LineSyntax::Plus, true},   {"vim.tiny", LineSyntax::Plus, true},
    {"nano", LineSyntax::Plus, true},        {"pico", LineSyntax::Plus, true},
    {"joe", LineSyntax::Plus, true},         {"mcedit", LineSyntax::Plus, true},
    {"micro", LineSyntax::Plus, true},       {"ne", LineSyntax::Plus, true},
    {"emacs", LineSyntax::Plus, false},      {"emacsclient", LineSyntax::Plus, false},
    {"gvim", LineSyntax::Plus, false},       {"gedit", LineSyntax::Plus, false},
    {"pluma", LineSyntax::Plus, false},      {"xed", LineSyntax::Plus, false},
    {"kate", LineSyntax::DashL, false},      {"kwrite", LineSyntax::DashL, false},
    {"code", LineSyntax::Goto, false},       {"code-insiders", LineSyntax::Goto, false},
    {"codium", LineSyntax::Goto, false},     {"subl", LineSyntax::FileColon, false},
};

// Terminals tried, in order, for a text-mode editor.
constexpr const char *Terminals[] = {"x-terminal-emulator", "xterm"};

void addFileAtLine(QStringList &arguments, LineSyntax syntax, const QString &file, qint64 line)
{
    const QString number = QString::number(line);
    if (line <= 0)
        syntax = LineSyntax::None;
    switch (syntax) {
    case LineSyntax::None:
        arguments << file;
        break;
    case LineSyntax::Plus:
        arguments << QLatin1Char('+') + number << file;
        break;
    case LineSyntax::DashL:
        arguments << QStringLiteral("-l") << number << file;
        break;
    case LineSyntax::Goto:
        arguments << QStringLiteral("--goto") << file + QLatin1Char(':') + number;
        break;
    case LineSyntax::FileColon:
        arguments << file + QLatin1Char(':') + number;
        break;
    }
}

} // namespace

EditorProfile editorProfile(const QString &program)
{
    const QString name = QFileInfo(program).fileName();
    for (const KnownEditor &known : KnownEditors)
        if (name == QLatin1String(known.name))
            return {known.syntax, known.needsTerminal};
    return {};
}

std::optional<EditorLaunch> editorLaunch(const EditorChoice &choice, const QString &file, qint64 line,
                                         const ProgramFinder &find)
{
    QString command = choice.configured.trimmed();
    if (command.isEmpty())
        command = choice.visual.trimmed();
    if (command.isEmpty())
        command = choice.editor.trimmed();
    if (command.isEmpty())
        return EditorLaunch{QString(), {file}, true};
    QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty())
        return std::nullopt;
    EditorLaunch launch;
    launch.program = words.takeFirst();
    if (command.contains(QLatin1String("%f"))) {
        const QString number = QString::number(std::max<qint64>(line, 1));
        for (QString &word : words)
            word.replace(QLatin1String("%f"), file).replace(QLatin1String("%l"), number);
        launch.arguments = words;
        return launch;
    }
    const EditorProfile profile = editorProfile(launch.program);
    launch.arguments = words;
    addFileAtLine(launch.arguments, profile.syntax, file, line);
    if (!profile.needsTerminal)
        return launch;
    for (const char *terminal : Terminals) {
        const QString found = find(QLatin1String(terminal));
        if (found.isEmpty())
            continue;
        launch.arguments.prepend(launch.program);
        launch.arguments.prepend(QStringLiteral("-e"));
        launch.program = found;
        return launch;
    }
    return std::nullopt;
}

} // namespace search
