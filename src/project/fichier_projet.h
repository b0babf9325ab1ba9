// The project file (.EXP): its reader, its writer and the naming of the
// project's files. A project file holds the project abstract as "#" lines,
// then the names of the rules file and of the data base file; every file of
// a project lives in the project directory.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/fichier_texte.h"
#include "project/etat.h"

namespace veridane {

class IDialogues;

// What a project file says.
struct TContenuProjet {
    std::vector<TModalite> Commentaires;
    std::optional<std::string> FichierRegles;  // as read: upper case
    std::optional<std::string> FichierBase;
    bool operator==(const TContenuProjet&) const = default;
};

// Reads the lines of a project file. A line holding "#" is a comment (the
// text after its first "#"); otherwise, upper-cased, a line holding
// "RULES FILE" or "DATA BASE" names that file: the word after the first ":"
// (blanks skipped, up to the next blank). A later line of a kind replaces an
// earlier one; other lines are ignored.
TContenuProjet DecortiqueProjet(const std::vector<std::string>& lignes);

// Reads the project file at `chemin`; nothing when it cannot be opened.
std::optional<TContenuProjet> LitProjet(const std::string& chemin);

// A plain file name: not empty, not ".", no "/" or "\", no drive (":"), no
// "..", no control byte.
// Only such names are taken from a project file, so that no save can write
// outside the project directory.
bool NomFichierSimple(const std::string& nom);

// The text of the project file: "#" + comment per line, an empty line, then
// "Rules file: " and "Data base: " lines for the files that are named.
std::string TexteProjet(const TProjet& projet);

// Where the writers put a file of the project: the project directory as it
// is, then the file name in lower case.
std::string CheminFichier(const TProjet& projet, const std::string& nom);

// Names the project after a path: its directory becomes the project
// directory, its name (extension replaced by ".EXP") the project name, and
// the window title follows.
void FormeNomProjet(TEtatVeridane& etat, const std::string& chemin);
void FormeNomFichRul(TProjet& projet, const std::string& chemin);
void FormeNomFichDat(TProjet& projet, const std::string& chemin);

// A file name as a project file can carry it back: the reader ends a name at
// a blank, takes a line holding "#" for a comment and refuses a name that is
// not plain (NomFichierSimple), so blanks, "#", ":", "/", "\", control bytes
// and the second "." of ".." become "_".
std::string NomPortable(std::string nom);

// `nom` with its extension (from the last ".") replaced by `extension`, or
// with `extension` added when it has none.
std::string ChangeExtension(const std::string& nom, const std::string& extension);

// Writes the project file. On failure warns with the file and the reason,
// keeps the old file and returns false.
bool EcritProjet(const TProjet& projet, IDialogues& dialogues, const TSystemeFichiers& systeme = TSystemeFichiers::Reel());

}  // namespace veridane
