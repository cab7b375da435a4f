// Every section and key of the program's settings, each declared once with its type and its
// default. Windows read and write their settings through these, never through literal names.
#pragma once

#include <QString>

namespace settings {

struct StringKey {
    const char *section;
    const char *name;
    const char *defaultValue;
};

struct IntegerKey {
    const char *section;
    const char *name;
    int defaultValue;
};

struct BooleanKey {
    const char *section;
    const char *name;
    bool defaultValue;
};

/// A folder path; by default the user's home folder.
struct FolderKey {
    const char *section;
    const char *name;
};

/// The root path of a volume, standing for a drive; by default the volume of the home folder.
struct DriveKey {
    const char *section;
    const char *name;
};

/// The folder a window starts in when nothing is stored: the user's home folder.
QString defaultFolder();
/// The drive a window starts on when nothing is stored: the root of the home folder's volume.
QString defaultDrive();

namespace section {
inline constexpr char Window[] = "WINDOW";
inline constexpr char FontMdi[] = "FONTMDI";
inline constexpr char Chemin[] = "CHEMIN";
inline constexpr char Preference[] = "PREFERENCE";
inline constexpr char SearchHistory[] = "HISTORIQUE RECHERCHE";
inline constexpr char Child[] = "CHILD";
inline constexpr char Ftp[] = "FTP";
inline constexpr char Html[] = "HTML";
inline constexpr char IconPath[] = "CHEMIN ICONE";
inline constexpr char PlayerPath[] = "CHEMIN PLAYER";
} // namespace section

/// Placement of the main frame: the fields of its window placement record.
namespace window {
inline constexpr IntegerKey PlaceFlags{section::Window, "PlaceFlags", 0};
inline constexpr IntegerKey PlaceShowCmd{section::Window, "PlaceShowCmd", 1};
inline constexpr IntegerKey PlaceMinPosX{section::Window, "PlaceMinPosX", 0};
inline constexpr IntegerKey PlaceMinPosY{section::Window, "PlaceMinPosY", 0};
inline constexpr IntegerKey PlaceMaxPosX{section::Window, "PlaceMaxPosX", 0};
inline constexpr IntegerKey PlaceMaxPosY{section::Window, "PlaceMaxPosY", 0};
inline constexpr IntegerKey PlaceNormPosL{section::Window, "PlaceNormPosL", 0};
inline constexpr IntegerKey PlaceNormPosT{section::Window, "PlaceNormPosT", 0};
inline constexpr IntegerKey PlaceNormPosR{section::Window, "PlaceNormPosR", 0};
inline constexpr IntegerKey PlaceNormPosB{section::Window, "PlaceNormPosB", 0};
} // namespace window

/// Font of the results list.
namespace fontmdi {
inline constexpr IntegerKey Size{section::FontMdi, "taille", 9};
inline constexpr StringKey Name{section::FontMdi, "nom", "arial"};
} // namespace fontmdi

/// Where the search dialog starts.
namespace chemin {
inline constexpr DriveKey Drive{section::Chemin, "lecteur"};
inline constexpr FolderKey Folder{section::Chemin, "repertoire"};
} // namespace chemin

/// Options of the search dialog.
namespace preference {
inline constexpr IntegerKey Extension{section::Preference, "extention", 0};
/// 0 "Rep Seul", 1 "Sous rep".
inline constexpr IntegerKey WalkMode{section::Preference, "repertoire", 0};
inline constexpr BooleanKey RespectCase{section::Preference, "respectmaj", false};
inline constexpr BooleanKey FirstOccurrence{section::Preference, "premiereoccurence", true};
inline constexpr BooleanKey ImagePreview{section::Preference, "visubmp", false};
} // namespace preference

/// Search history: one string per key, the keys numbered from 0.
namespace history {
inline constexpr char KeyPrefix[] = "Histo ";
/// The key of entry \a number ("Histo 0", "Histo 1", ...).
QString key(int number);
} // namespace history

/// Colours and font of the editor windows.
namespace child {
inline constexpr IntegerKey Ink{section::Child, "encre", 0};
inline constexpr IntegerKey Background{section::Child, "fond", 8421376};
inline constexpr IntegerKey FontSize{section::Child, "fontsize", 9};
inline constexpr StringKey FontName{section::Child, "nom", "arial"};
} // namespace child

/// FTP connection; the user name and the password are kept scrambled (see scramble.h).
namespace ftp {
inline constexpr StringKey Server{section::Ftp, "serveur", ""};
inline constexpr StringKey UserId{section::Ftp, "userid", ""};
inline constexpr StringKey Password{section::Ftp, "password", ""};
inline constexpr StringKey Account{section::Ftp, "useraccount", ""};
} // namespace ftp

/// Where the HTML viewer starts, and its address box.
namespace html {
inline constexpr DriveKey Drive{section::Html, "lecteur"};
inline constexpr FolderKey Folder{section::Html, "repertoire"};
inline constexpr StringKey Page{section::Html, "pagehtml", ""};
} // namespace html

/// Where the icon window starts.
namespace iconpath {
inline constexpr DriveKey Drive{section::IconPath, "lecteur"};
inline constexpr FolderKey Folder{section::IconPath, "repertoire"};
} // namespace iconpath

/// Where the media window starts.
namespace playerpath {
inline constexpr DriveKey Drive{section::PlayerPath, "lecteur"};
inline constexpr FolderKey Folder{section::PlayerPath, "repertoire"};
} // namespace playerpath

/// Search options beyond the program's own, off at first, each in a section of its own.
namespace section {
inline constexpr char Exclusions[] = "EXCLUSIONS";
inline constexpr char Utf16[] = "UTF16";
inline constexpr char Highlight[] = "SURLIGNAGE";
inline constexpr char ContextPreview[] = "APERCU CONTEXTE";
inline constexpr char ExternalEditor[] = "EDITEUR EXTERNE";
} // namespace section

/// Folders the search leaves out: whether it does, and their names separated by "/", which no
/// folder name can hold.
namespace exclusions {
inline constexpr BooleanKey Enabled{section::Exclusions, "actif", false};
inline constexpr StringKey Names{section::Exclusions, "dossiers", ".git/.svn/.hg/node_modules/__pycache__/build"};
} // namespace exclusions

/// Files with a UTF-16 byte-order mark searched as text.
namespace utf16 {
inline constexpr BooleanKey Enabled{section::Utf16, "actif", false};
} // namespace utf16

/// The search string drawn highlighted in the match lines of the results list.
namespace surlignage {
inline constexpr BooleanKey Active{section::Highlight, "actif", true};
} // namespace surlignage

/// The pane under the results list showing the lines around the caret's match line.
namespace apercucontexte {
inline constexpr BooleanKey Visible{section::ContextPreview, "visible", false};
} // namespace apercucontexte

/// The popup item opening a result in the user's editor, and the command it runs (empty: the
/// editor of $VISUAL, else of $EDITOR, else the desktop's default program).
namespace editeurexterne {
inline constexpr BooleanKey Active{section::ExternalEditor, "actif", false};
inline constexpr StringKey Command{section::ExternalEditor, "commande", ""};
} // namespace editeurexterne

} // namespace settings
