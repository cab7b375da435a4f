#include "search/core/commandline.h"

#include "search/core/asciicase.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace search {

namespace {

CommandLine failure(const QString &message)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = message;
    return line;
}

constexpr int MaxWorkers = 256;

// The value of \a option at arguments[i], written "--option VALUE" (i then moves past it) or
// "--option=VALUE": nothing when arguments[i] is another option; an empty inner optional when
// the value is missing.
std::optional<std::optional<QString>> optionValue(const QStringList &arguments, qsizetype &i, const QString &option)
{
    const QString &arg = arguments[i];
    if (arg.startsWith(option + u'='))
        return std::optional<QString>(arg.mid(option.size() + 1));
    if (arg != option)
        return std::nullopt;
    if (++i < arguments.size())
        return std::optional<QString>(arguments[i]);
    return std::optional<QString>();
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
        } else if (arg == QLatin1String("--utf16")) {
            request.utf16 = true;
        } else if (arg == QLatin1String("--json")) {
            request.lineFormat = LineFormat::JsonLines;
        } else if (const auto name = optionValue(arguments, i, QStringLiteral("--exclude"))) {
            if (!*name || (*name)->isEmpty())
                return failure(QStringLiteral("l'option --exclude demande un nom de dossier"));
            if ((*name)->contains(u'/'))
                return failure(QStringLiteral("--exclude prend un nom de dossier, sans « / » : %1").arg(**name));
            request.excludedFolders.append(**name);
        } else if (const auto extension = optionValue(arguments, i, QStringLiteral("--ext"))) {
            if (!*extension)
                return failure(QStringLiteral("l'option --ext demande une extension"));
            const QString code = asciiUpper(**extension).left(3);
            if (code.isEmpty())
                return failure(QStringLiteral("l'extension est vide"));
            request.extension = code == QLatin1String("*") ? AllFilesCode : code;
        } else if (const auto count = optionValue(arguments, i, QStringLiteral("--threads"))) {
            bool number = false;
            const int threads = *count ? (*count)->toInt(&number) : 0;
            if (!number || threads < 1 || threads > MaxWorkers)
                return failure(QStringLiteral("l'option --threads demande un nombre de 1 à %1").arg(MaxWorkers));
            line.workers = threads;
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
        "  --case         respecter majuscules et minuscules\n"
        "  --all          toutes les lignes trouvées, pas seulement la première de chaque fichier\n"
        "  --subdirs      parcourir aussi les sous-dossiers\n"
        "  --ext EXT      extension des fichiers lus (3 lettres au plus, * pour tous ; PAS par défaut)\n"
        "  --exclude NOM  ne pas entrer dans les dossiers nommés NOM (option répétable)\n"
        "  --utf16        lire comme du texte les fichiers qui commencent par une marque UTF-16\n"
        "  --json         écrire un objet JSON par ligne : un par fichier trouvé, un par ligne trouvée\n"
        "  --threads N    fils de lecture (1 : aucun fil à part ; par défaut, un par processeur)\n"
        "  --help         afficher cette aide\n"
        "  --version      afficher la version\n"
        "  --             fin des options\n"
        "\n"
        "Code de retour : 0 si un fichier contient la chaîne, 1 si aucun, 2 en cas d'erreur.\n");
}

QString CommandLine::versionText()
{
    return QStringLiteral("vorlane-search 2.02\n");
}

} // namespace search
