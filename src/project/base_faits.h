// The data base file (.DTA): reader, datum parser and writer.
#pragma once

#include <string>

#include "core/fichier_texte.h"
#include "project/etat.h"

namespace veridane {

class IDialogues;
class IProgression;

// Decodes one upper-cased line read before the count line: the count, -1 for
// a comment or empty line, -2 for an error.
int TrouveNbFaits(const std::string& ligne);

// Parses one upper-cased datum statement and appends it to the observation
// being read (the last of faits.Observations); false after a warning naming
// faits.NumFait.
bool DecortiqueFait(TBaseFaits& faits, const std::string& texte, IDialogues& dialogues);

// Reads the data base file at `chemin` into etat.Faits, names it, applies the
// command-state rows and refreshes the data base display. False when the file
// could not be opened ("File of data base not found" was shown).
bool OuvrirFF(TEtatVeridane& etat, const std::string& chemin, IDialogues& dialogues, IProgression& progression);

// The text of the data base file; the gauge advances once per observation.
std::string TexteBaseFaits(const TBaseFaits& faits, char separateur);
std::string TexteBaseFaits(const TBaseFaits& faits, char separateur, IProgression& progression);

// Writes the data base file at `chemin` whatever its flags say (the naming
// and the choice of what to save belong to TCycleProjet::SauveBaseFaits).
// Clears BaseFaitsModifiee on success; on failure warns with the file and the
// reason, keeps the old file and the flag, and returns false.
bool EcritBaseFaits(TBaseFaits& faits, const std::string& chemin, char separateur, IDialogues& dialogues,
                    IProgression& progression, const TSystemeFichiers& systeme = TSystemeFichiers::Reel());

}  // namespace veridane
