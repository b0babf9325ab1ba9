// One rule statement.
//
// Input: the text of one rule, mutated token by token with the grammar of
// the rules file (mutateur.h). It is read as one line of a rules file after
// a valid head: "Number of rules: 1;", then a line made of ";" and the
// input. The ";" ends the rule text at once, so every input is parsed as a
// rule whose text ends where the input ends: a premise or a conclusion cut
// after its operator, a set left open, a bracket with no number. A
// whole-file target reaches these ends only by two edits at once (cut the
// rule and keep a ";" after the cut), which random mutation rarely makes.
//
// Invariants: those of fuzz_regles; one rule text is parsed; the rule is
// held with no message, or rejected with messages that name rule 1 followed
// by "0 rules extracted, 1 expected rules".
#include "lectures.h"
#include "mutateur.h"

using namespace veridane;
using namespace veridane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte =
        "Number of rules: 1;\r\n;" + UneLigne(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    TDialoguesJournal journal;
    TBaseConnaissances lue = VerifieRegles(texte, std::nullopt, journal);

    Verifie(lue.NumRegle == 1, "the statement was not parsed as one rule text", texte);
    const auto messages = journal.Textes();
    if (lue.NbRegles == 1) {
        Verifie(messages.empty(), "a rule held with a message", messages.empty() ? "" : messages.front());
        return 0;
    }
    Verifie(messages.size() >= 2 && messages.back() == "0 rules extracted, 1 expected rules",
            "a rejected rule without its count message", texte);
    for (std::size_t i = 0; i + 1 < messages.size(); ++i)
        Verifie(Commence(messages[i], "Error in rule 1: ") || messages[i] == "Error in the rule 1: THEN not found",
                "a message that is not about rule 1", messages[i]);
    return 0;
}

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* donnees, std::size_t taille, std::size_t tailleMax,
                                               unsigned graine) {
    return MuteJetons(donnees, taille, tailleMax, graine, ReglesJetons);
}
