// The data base reader.
//
// Input: a data base file.
//
// Invariant: whatever observations and comments the reader accepts, the
// writer's text read again gives them back with no message: the same
// comments, the same observations in the same order, the same data (numbers
// rounded to the writers' 7 significant digits) and the same count. It is
// required where the format can carry the values (see Representable) and
// the head of the file was read (a wrong head leaves no observation, which
// a save writes as one empty observation), under both decimal separators.
#include <cstddef>
#include <cstdint>

#include "core/journal.h"
#include "outils_fuzz.h"
#include "project/base_faits.h"

using namespace veridane;
using namespace veridane::fuzz;

namespace {

TEtatVeridane Lit(const std::string& nom, TDialoguesJournal& journal) {
    TEtatVeridane etat;
    TProgressionMuette progression;
    OuvrirFF(etat, (Dossier() / nom).string(), journal, progression);
    return etat;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::string_view entree(reinterpret_cast<const char*>(donnees), taille);
    Ecrit("lu.dta", entree);
    TDialoguesJournal journal;
    TEtatVeridane lu = Lit("lu.dta", journal);
    const TBaseFaits& faits = lu.Faits;

    Verifie(faits.NumObservation == 0, "the first observation is not selected");
    Verifie(faits.BaseFaitsOuverte == (faits.NbFaits > 0), "open flag does not follow the data read");
    Verifie(faits.CompteFaits() <= faits.NbFaits, "more data held than statements read");
    Verifie(journal.NbAvertissements() <= 2, "more than one error and the count message");
    if (faits.Observations.empty()) return 0;
    for (const TObservation& observation : faits.Observations)
        for (const TProposition& p : observation) {
            Verifie(!p.Attribut.empty() && p.Operateur < OpAucun && p.Certitude == DegreCertain &&
                        p.Precision == DegreCertain,
                    "a datum is malformed", Decrit(p));
            if (!Representable(p)) return 0;
        }

    for (char separateur : {'.', ','}) {
        Ecrit("relu.dta", TexteBaseFaits(faits, separateur));
        TDialoguesJournal relecture;
        TEtatVeridane relu = Lit("relu.dta", relecture);
        Verifie(relecture.Messages.empty(), "the written data base reads with a message",
                relecture.Messages.empty() ? "" : relecture.Messages.front().Texte);
        Verifie(relu.Faits.CommentairesBase == faits.CommentairesBase, "data base comments differ");
        Verifie(relu.Faits.Observations.size() == faits.Observations.size(), "number of observations differs");
        Verifie(relu.Faits.NbFaits == faits.CompteFaits(), "count of data differs");
        for (std::size_t i = 0; i < faits.Observations.size(); ++i) {
            TObservation attendue = faits.Observations[i];
            for (TProposition& p : attendue) Arrondit(p);
            Verifie(Identiques(relu.Faits.Observations[i], attendue), "an observation differs",
                    "observation " + std::to_string(i + 1) + " separator " + std::string(1, separateur));
        }
    }
    return 0;
}
