// The rules file (.RUL): reader, rule parser, ordered insertion and writer.
#pragma once

#include <string>
#include <vector>

#include "fichier_texte.h"
#include "knowledge_base.h"

namespace veridane {

class IDialogues;
class IProgression;
struct TEtatCommandes;

// Reads a rules file into base.Regles and base.CommentairesRegles, then
// rebuilds the dictionary (from the file beside it when base.AvecDico is
// set, and from the rules). Every message goes through `dialogues`, the
// progress texts and gauge through `progression`; the command-state rows of
// a rules base read with or without rules (and of a dictionary holding
// entries) are applied to `commandes`. A file that cannot be read leaves no
// rule ("File of rules not found"; the dictionary is still rebuilt from the
// file beside it). Returns whether the rules file could be opened, so the
// caller can name it in the project or mark it missing.
//
// The body of a large file is cut into `tranches` slices at rule ends and
// parsed on as many threads; the rules, messages, numbers and progress are
// those of a reading in one piece. 0 lets the reader choose (one slice per
// core, one for a small file).
bool OuvrirFR(TBaseConnaissances& base, const std::string& chemin, TEtatCommandes& commandes,
              IDialogues& dialogues, IProgression& progression, unsigned tranches = 0);

// The line (from 1) at which each rule of the file begins, in the order in
// which OuvrirFR holds the rules; empty when the file cannot be read.
std::vector<int> LignesDesRegles(const std::string& chemin);

// Decodes one upper-cased line of the head of a rules file: the announced
// count, -1 for a comment, empty or NUL-only line, -2 for an error.
int TrouveNbRegles(const std::string& ligne);

// Parses one upper-cased rule text and inserts the rule by priority; false
// after a warning naming base.NumRegle. A closed rules base keeps no rule:
// the text is still checked, and false is returned.
bool DecortiqueRegle(TBaseConnaissances& base, const std::string& texte, IDialogues& dialogues);

// Index at which a rule of this priority goes (after every rule of the same
// or higher priority); -1 when no rules base is open.
int TrouveRegle(const TBaseConnaissances& base, double priorite);

// The text of the rules file for the base as it stands.
std::string TexteBaseRegles(const TBaseConnaissances& base);

// Writes the rules file at `chemin` (nothing when no rules base is open).
// Clears ReglesModifiees on success; on failure warns with the file and the
// reason, keeps the old file and the flag, and returns false.
bool SauveBaseRegles(TBaseConnaissances& base, const std::string& chemin, IDialogues& dialogues,
                     IProgression& progression, const TSystemeFichiers& systeme = TSystemeFichiers::Reel());

}  // namespace veridane
