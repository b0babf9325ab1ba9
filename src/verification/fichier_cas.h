// The cases file (NAME.tst beside the project file): for observations of the
// data base, what a run must conclude and what it must not.
//
//   # a comment
//   Observation 3 critical 0.5: expect DIAGNOSIS = FLAT; reject ACTION = TOW
//
// Each clause holds a proposition in the syntax of the rules file. A line
// that cannot be read is reported with its number and skipped; it is kept
// as it was when the file is written again, so nothing typed is lost.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/fichier_texte.h"
#include "core/knowledge_base.h"
#include "project/etat.h"

namespace veridane {

class IDialogues;

struct TClause {
    bool Attendue = true;  // "expect"; false for "reject"
    TProposition Proposition;
};

struct TCas {
    int Observation = 1;            // 1-based
    std::optional<double> Critique;  // the project's critical value when absent
    std::vector<TClause> Clauses;
};

// One line of the file: a case, or a line kept as it is (comment, empty
// line, line that could not be read).
struct TLigneCas {
    std::optional<TCas> Cas;
    std::string Texte;  // the line as read, for the lines without a case
    int Numero = 0;     // 1-based line number in the file read; 0 for a new line
};

struct TFichierCas {
    std::vector<TLigneCas> Lignes;
    // The lines holding a case, in file order.
    std::vector<TLigneCas*> LignesDeCas();
    std::vector<const TLigneCas*> LignesDeCas() const;
};

// Reads one line that is not a comment; nothing after one warning naming
// the line number ("Error in line 4 of the cases file: ...").
std::optional<TCas> DecortiqueCas(const std::string& ligne, int numero, IDialogues& dialogues);

// Reads the lines of a cases file: "#" lines and empty lines are kept,
// every other line is read as a case.
TFichierCas DecortiqueFichierCas(const std::vector<std::string>& lignes, IDialogues& dialogues);

// Reads the file at `chemin`; nothing (and no message) when it cannot be
// opened.
std::optional<TFichierCas> LitCas(const std::string& chemin, IDialogues& dialogues);

// The text of a case line and of a whole file (lines ended by CR LF).
// Numbers take as many digits as they need to read back the same.
std::string LigneCas(const TCas& cas, char separateur);
std::string TexteClause(const TClause& clause, char separateur);
std::string TexteFichierCas(const TFichierCas& fichier, char separateur);

// Writes the file atomically. When a file is already there, it is first
// kept as `chemin`.bak. On failure warns with the file and the reason and
// returns false; the old file is then untouched.
bool SauveCas(const TFichierCas& fichier, const std::string& chemin, char separateur, IDialogues& dialogues,
              const TSystemeFichiers& systeme = TSystemeFichiers::Reel());

// Where the cases file of a project lives: its name after the project's,
// with the extension ".tst", in lower case, in the project directory.
std::string CheminCas(const TProjet& projet);

}  // namespace veridane
