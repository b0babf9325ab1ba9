// The commands of veridane-cli. Each command is one entry of a table (verb,
// file extension, function, usage line); a new command is written in its own
// file and listed in TableCommandes.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace veridane {

// Exit statuses shared by every command.
inline constexpr int SortieSucces = 0;        // nothing to report
inline constexpr int SortieAvertissement = 1; // at least one warning shown
inline constexpr int SortieUsage = 2;         // the command line was wrong
inline constexpr int SortieFauteInterne = 3;  // the program met a fault of its own

struct TContexteCli {
    std::ostream& Sortie;   // messages and results, UTF-8
    std::ostream& Erreurs;  // usage text
    char SeparateurDecimal; // of the user's number settings
};

// A command receives the arguments after its verb.
using TFonctionCommande = int (*)(const std::vector<std::string>& arguments, TContexteCli& contexte);

struct TCommandeCli {
    const char* Verbe;      // "check"
    const char* Extension;  // upper case with its point (".RUL"); "" for any argument
    TFonctionCommande Fonction;
    const char* Usage;      // "check FILE.RUL"
    const char* Aide = "";  // one sentence for "COMMAND --help" and the manual page
};

const std::vector<TCommandeCli>& TableCommandes();

// The commands themselves.
int VerifieRegles(const std::vector<std::string>& arguments, TContexteCli& contexte);
int VerifieBaseFaits(const std::vector<std::string>& arguments, TContexteCli& contexte);
int VerifieProjet(const std::vector<std::string>& arguments, TContexteCli& contexte);
int EnregistreProjet(const std::vector<std::string>& arguments, TContexteCli& contexte);
int LanceInference(const std::vector<std::string>& arguments, TContexteCli& contexte);
int Explique(const std::vector<std::string>& arguments, TContexteCli& contexte);
int ExpliquePourquoiPas(const std::vector<std::string>& arguments, TContexteCli& contexte);
int VerifieCoherence(const std::vector<std::string>& arguments, TContexteCli& contexte);
int TesteCas(const std::vector<std::string>& arguments, TContexteCli& contexte);
int LanceBalayage(const std::vector<std::string>& arguments, TContexteCli& contexte);
int LanceQueSi(const std::vector<std::string>& arguments, TContexteCli& contexte);

// Runs one command so that no exception escapes it: an exception is a fault
// of the program, reported on the error stream as "error: internal fault:
// WHAT while reading FILE" (FILE the command's first argument), with
// SortieFauteInterne.
int LanceCommandeGardee(const TCommandeCli& commande, const std::vector<std::string>& arguments,
                        TContexteCli& contexte);

// Prints the usage of every command on the error stream; returns SortieUsage.
int UsageCli(TContexteCli& contexte);

// "veridane-cli --help": the usage of every command and what it does, on the
// output stream.
void AideCli(std::ostream& sortie);
// "veridane-cli COMMAND --help": the usage of that command's forms.
void AideCommande(const std::string& verbe, std::ostream& sortie);

// Runs the command named by arguments[0] (the program name excluded);
// returns the exit status.
int ExecuteCli(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs,
               char separateurDecimal = '.');

// The decimal separator of the user's number settings (LC_NUMERIC). The
// process stays in the "C" numeric locale, which the file readers and the
// number format rely on.
char SeparateurDecimalDuSysteme();

// Upper-cased extension of a path with its point; "" when it has none.
std::string ExtensionDe(const std::string& chemin);

}  // namespace veridane
