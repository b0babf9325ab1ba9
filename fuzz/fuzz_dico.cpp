// The dictionary reader alone.
//
// Input: a dictionary file, mutated token by token with the grammar of the
// format (mutateur.h).
//
// Invariant: the entries the reader accepts, written by the dictionary
// writer and read again, come back with no message, in the same order, with
// numbers rounded to the writers' 7 significant digits and entries that this
// rounding made equal held once; where the format can carry the values
// (see Representable), under both decimal separators.
#include "lectures.h"
#include "mutateur.h"

using namespace veridane;
using namespace veridane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    TDialoguesJournal journal;
    VerifieDico(std::string_view(reinterpret_cast<const char*>(donnees), taille), journal);
    return 0;
}

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* donnees, std::size_t taille, std::size_t tailleMax,
                                               unsigned graine) {
    return MuteJetons(donnees, taille, tailleMax, graine, DicoJetons);
}
