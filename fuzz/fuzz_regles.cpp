// The rules reader with its dictionary file.
//
// Input: a rules file, optionally followed by the line "%%DIC%%" and the
// dictionary file that travels beside it. Mutated token by token with the
// grammar of the rules file (mutateur.h).
//
// Invariant: whatever the reader accepts (rules, comments, dictionary)
// written by the writers and read again gives, with no message at all, the
// same comments, the same rules in the same order and the same dictionary,
// where every number is the value rounded to the writers' 7 significant
// digits (a priority degree that would round to -1 takes more digits) and
// dictionary entries that this rounding made equal are held once.
// It is required of every base whose values the format can carry (see
// Representable), under both decimal separators.
#include "lectures.h"
#include "mutateur.h"

using namespace veridane;
using namespace veridane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::string_view entree(reinterpret_cast<const char*>(donnees), taille);
    auto [regles, dico] = Coupe(entree, "\n%%DIC%%\n");
    TDialoguesJournal journal;
    VerifieRegles(regles, dico, journal);
    return 0;
}

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* donnees, std::size_t taille, std::size_t tailleMax,
                                               unsigned graine) {
    return MuteJetons(donnees, taille, tailleMax, graine, ReglesJetons);
}
