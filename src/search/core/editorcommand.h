// The command that opens a file in the user's own editor at a given line: the editor set in
// the options, else $VISUAL, else $EDITOR, else the desktop's default program for the file.
// Editors the program knows get the line in their own syntax ("+12 file" for vi, nano, emacs,
// gedit; "-l 12 file" for kate; "--goto file:12" for VS Code); editors that need a terminal
// run in one. A command holding %f (the file) and %l (the line) is taken as it is written.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace search {

/// How an editor is told the line to show.
enum class LineSyntax { None, Plus, DashL, Goto, FileColon };

struct EditorProfile {
    LineSyntax syntax = LineSyntax::None;
    bool needsTerminal = false; ///< a text-mode editor
};

/// What the program knows of the editor run by \a program (a name or a path).
EditorProfile editorProfile(const QString &program);

/// A program to start, or the desktop's default program when desktopDefault.
struct EditorLaunch {
    QString program;
    QStringList arguments;
    bool desktopDefault = false;
    friend bool operator==(const EditorLaunch &, const EditorLaunch &) = default;
};

/// Where the editor's command comes from.
struct EditorChoice {
    QString configured; ///< the options' command, may be empty
    QString visual;     ///< $VISUAL
    QString editor;     ///< $EDITOR
};

/// Finds a program on the path: its full path, or empty.
using ProgramFinder = std::function<QString(const QString &name)>;

/// How to open \a file at line \a line (0: no particular line). Nothing when the command cannot
/// be read (an unbalanced quote) or a text-mode editor finds no terminal.
std::optional<EditorLaunch> editorLaunch(const EditorChoice &choice, const QString &file, qint64 line,
                                         const ProgramFinder &find);

} // namespace search
