// The data dictionary file (.DIC) and the dictionary's rebuilding from the
// rules (compilation).
#pragma once

#include <string>

#include "fichier_texte.h"
#include "knowledge_base.h"

namespace veridane {

class IDialogues;
class IProgression;
struct TEtatCommandes;

// Reads the dictionary file into base.Dictionnaire (entries added in order,
// duplicates skipped); stops at the first rejected entry.
// Nothing happens when the file cannot be opened. Enables the dictionary
// commands once the file is open; NbFaitsDico ends as the number of entries.
void ChargeDicoFaits(TBaseConnaissances& base, const std::string& chemin, TEtatCommandes& commandes,
                     IDialogues& dialogues);
// The same, from a file already opened.
void ChargeDicoFaits(TBaseConnaissances& base, TLecteurTexte& lecteur, TEtatCommandes& commandes,
                     IDialogues& dialogues);

// Parses one upper-cased entry text; false after a warning naming
// base.NbFaitsDico.
bool DecortiqueDico(TBaseConnaissances& base, const std::string& texte, IDialogues& dialogues);

// Adds every premise and conclusion of the first NbRegles rules that the
// dictionary does not hold yet. A large base is compiled on `parts` threads
// (0: the program chooses), with the same result.
void CompileDico(TBaseConnaissances& base, unsigned parts = 0);

// Inserts an entry (degree codes 0) where FaitPresent says, unless an
// equivalent one is there; true when it was added.
bool AjouteAuDico(TBaseConnaissances& base, const TProposition& p);

// The text of the dictionary file.
std::string TexteDico(const TBaseConnaissances& base);

// Writes the dictionary file at `chemin` (nothing when no dictionary was
// created). Clears DicoModifie on success; on failure warns with the file and
// the reason, keeps the old file and the flag, and returns false.
bool SauveDico(TBaseConnaissances& base, const std::string& chemin, IDialogues& dialogues, IProgression& progression, const TSystemeFichiers& systeme = TSystemeFichiers::Reel());

}  // namespace veridane
