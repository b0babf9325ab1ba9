// One dictionary entry.
//
// Input: the text of one entry, mutated token by token with the grammar of
// the format (mutateur.h). It is read as a dictionary file after a valid
// head (a comment line): the input on one line, and when it holds no ";",
// a line ";" after it. The dictionary reader gathers lines up to the first
// ";" and parses them without a blank between them, so the entry text is the
// input followed at once by ";": an entry cut after its operator or inside
// its set meets the ";" and then the end of the text.
//
// Invariants: those of fuzz_dico; the entry is held (or was one already
// held) with no message, or rejected with one message naming data 1.
#include "lectures.h"
#include "mutateur.h"

using namespace veridane;
using namespace veridane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::string ligne = UneLigne(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    const std::string texte = "#one entry\r\n" + ligne + (ligne.find(';') == std::string::npos ? "\r\n;" : "");
    TDialoguesJournal journal;
    TBaseConnaissances lue = VerifieDico(texte, journal);

    const auto messages = journal.Textes();
    Verifie(lue.NbFaitsDico <= 1, "one entry gave more than one", texte);
    Verifie(messages.size() == (lue.NbFaitsDico == 1 ? 0u : 1u), "an entry neither held nor rejected", texte);
    if (!messages.empty())
        Verifie(Commence(messages.front(), "Error in data 1 of the dictionary: "), "a message that is not about data 1",
                messages.front());
    return 0;
}

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* donnees, std::size_t taille, std::size_t tailleMax,
                                               unsigned graine) {
    return MuteJetons(donnees, taille, tailleMax, graine, DicoJetons);
}
