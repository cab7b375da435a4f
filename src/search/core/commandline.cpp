#include "search/core/commandline.h"

#include "search/core/asciicase.h"

#include <QDir>
#include <QFileInfo>

namespace search {

namespace {

CommandLine failure(const QString &message)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = message;
    return line;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine line;
    SearchRequest &request = line.request;
    request.extension = QStringLiteral("PAS");
    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        // A lone "-" is an ordinary word, as in grep.
        if (optionsEnded || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
            positional.append(arg);
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--help")) {
            line.action = Action::Help;
            return line;
        } else if (arg == QLatin1String("--version")) {
            line.action = Action::Version;
            return line;
        } else if (arg == QLatin1String("--case")) {
            request.caseSensitive = true;
        } else if (arg == QLatin1String("--all")) {
            request.firstOccurrence = false;
        } else if (arg == QLatin1String("--subdirs")) {
            request.walkMode = WalkMode::WithSubfolders;
        } else if (arg == QLatin1String("--ext") || arg.startsWith(QLatin1String("--ext="))) {
            QString value;
            if (arg.startsWith(QLatin1String("--ext="))) {
                value = arg.mid(6);
            } else if (++i < arguments.size()) {
                value = arguments[i];
            } else {
                return failure(QStringLiteral("l'option --ext demande une extension"));
            }
            const QString code = asciiUpper(value).left(3);
            if (code.isEmpty())
                return failure(QStringLiteral("l'extension est vide"));
            request.extension = code == QLatin1String("*") ? AllFilesCode : code;
        } else {
            return failure(QStringLiteral("option inconnue : %1 (voir --help)").arg(arg));
        }
    }
    if (positional.size() != 2)
        return failure(QStringLiteral("il faut un dossier et une chaîne (voir --help)"));
    const QFileInfo folder(positional[0]);
    if (!folder.isDir())
        return failure(QStringLiteral("dossier introuvable : %1").arg(positional[0]));
    if (positional[1].isEmpty())
        return failure(QStringLiteral("la chaîne cherchée est vide"));

    QString start = QDir::cleanPath(folder.absoluteFilePath());
    // The root is the empty start folder: its files are then named "/name", not "//name".
    if (start == QLatin1String("/"))
        start.clear();
    request.folder = start;
    request.text = positional[1];
    line.action = Action::Search;
    return line;
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "usage : vorlane-search [OPTIONS] [--] DOSSIER CHAÎNE\n"
        "Liste les fichiers de DOSSIER qui contiennent CHAÎNE, avec leurs lignes trouvées,\n"
        "comme la liste des résultats de Vorlane (lignes terminées par CR LF).\n"
        "\n"
        "  --case       respecter majuscules et minuscules\n"
        "  --all        toutes les lignes trouvées, pas seulement la première de chaque fichier\n"
        "  --subdirs    parcourir aussi les sous-dossiers\n"
        "  --ext EXT    extension des fichiers lus (3 lettres au plus, * pour tous ; PAS par défaut)\n"
        "  --help       afficher cette aide\n"
        "  --version    afficher la version\n"
        "  --           fin des options\n"
        "\n"
        "Code de retour : 0 si un fichier contient la chaîne, 1 si aucun, 2 en cas d'erreur.\n");
}

QString CommandLine::versionText()
{
    return QStringLiteral("vorlane-search 2.02\n");
}

} // namespace search
