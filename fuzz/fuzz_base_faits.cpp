// The data base reader.
//
// Input: a data base file, mutated token by token with the grammar of the
// format (mutateur.h).
//
// Invariant: whatever observations and comments the reader accepts, the
// writer's text read again gives them back with no message: the same
// comments, the same observations in the same order, the same data (numbers
// rounded to the writers' 7 significant digits) and the same count. It is
// required where the format can carry the values (see Representable) and
// the head of the file was read (a wrong head leaves no observation, which
// a save writes as one empty observation), under both decimal separators.
#include "lectures.h"
#include "mutateur.h"

using namespace veridane;
using namespace veridane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    TDialoguesJournal journal;
    VerifieBaseFaits(std::string_view(reinterpret_cast<const char*>(donnees), taille), journal);
    return 0;
}

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* donnees, std::size_t taille, std::size_t tailleMax,
                                               unsigned graine) {
    return MuteJetons(donnees, taille, tailleMax, graine, BaseFaitsJetons);
}
