// One datum of a data base.
//
// Input: the text of one datum, mutated token by token with the grammar of
// the format (mutateur.h). It is read as a data base file after a valid
// head ("Number of data: 1;"): the input on one line, and when it holds no
// ";", a line ";" after it. The reader gathers lines, each after a blank, up
// to the first ";", so the datum text is the input followed by " ;": a datum
// cut after its operator or inside its set meets the ";" and then the end
// of the text.
//
// Invariants: those of fuzz_base_faits; one statement is parsed; it is held
// with no message, or rejected with one message naming data 1.
#include "lectures.h"
#include "mutateur.h"

using namespace veridane;
using namespace veridane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::string ligne = UneLigne(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    const std::string texte = "Number of data: 1;\r\n" + ligne + (ligne.find(';') == std::string::npos ? "\r\n;" : "");
    TDialoguesJournal journal;
    TEtatVeridane lu = VerifieBaseFaits(texte, journal);

    const auto messages = journal.Textes();
    Verifie(lu.Faits.NumFait == 1 && lu.Faits.NbFaits == 1, "the statement was not parsed as one datum", texte);
    Verifie(messages.size() == (lu.Faits.CompteFaits() == 1 ? 0u : 1u), "a datum neither held nor rejected", texte);
    if (!messages.empty())
        Verifie(Commence(messages.front(), "Error in data 1: "), "a message that is not about data 1",
                messages.front());
    return 0;
}

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* donnees, std::size_t taille, std::size_t tailleMax,
                                               unsigned graine) {
    return MuteJetons(donnees, taille, tailleMax, graine, BaseFaitsJetons);
}
