// What the abstracts window shows and keeps: the names of the project's
// files, the commentary lines of the project or of the data base, and the
// comment list made from the lines the user typed.
#pragma once

#include <string>
#include <vector>

#include "project/etat.h"

namespace veridane {

// Window titles.
inline constexpr const char* TitreResumeProjet = "Abstract of the project";
inline constexpr const char* TitreCommentaireBase = "Change commentary of the data base";
inline constexpr const char* TitreCommentaireProjet = "Change commentary of the project";

// The four name labels: the project name or "noname.exp", the directory or
// "current directory", each file name or "(none)".
struct TEtiquettesResume {
    std::string NomProjet;
    std::string Repertoire;
    std::string FichierRegles;
    std::string FichierBase;
    bool operator==(const TEtiquettesResume&) const = default;
};
TEtiquettesResume EtiquettesResume(const TProjet& projet);

// True when the project has no commentary of its own (no list, or an empty
// one); the rules file's comments then stand in for it.
bool SansCommentaireProjet(const TProjet& projet);

// The lines shown read-only after a project is opened: the project's
// commentary, or the rules file's comments when the project has none.
std::vector<std::string> LignesMontreProjet(const TEtatVeridane& etat);

// The lines offered for editing: the data base's commentary (base true) or
// the project's.
std::vector<std::string> LignesChangeComment(const TEtatVeridane& etat, bool base);

// One comment per line, in order, empty lines included.
std::vector<TModalite> CommentairesDepuisLignes(const std::vector<std::string>& lignes);

// The text of a multi-line box cut into lines at "\n" (a "\r" before it is
// dropped); an empty text holds no line.
std::vector<std::string> DecoupeLignes(const std::string& texte);

// "OK" after an edit: the lines replace the data base's commentary (base
// true) or the project's.
void OKAbstractClick(TEtatVeridane& etat, bool base, const std::vector<std::string>& lignes);

}  // namespace veridane
