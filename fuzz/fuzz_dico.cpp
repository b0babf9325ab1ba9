// The dictionary reader alone.
//
// Input: a dictionary file.
//
// Invariant: the entries the reader accepts, written by the dictionary
// writer and read again, come back with no message, in the same order, with
// numbers rounded to the writers' 7 significant digits and entries that this
// rounding made equal held once; where the format can carry the values
// (see Representable), under both decimal separators.
#include <cstddef>
#include <cstdint>

#include "core/dictionnaire.h"
#include "core/etat_commandes.h"
#include "core/journal.h"
#include "outils_fuzz.h"

using namespace veridane;
using namespace veridane::fuzz;

namespace {

TBaseConnaissances Charge(const std::string& nom, TDialoguesJournal& journal) {
    TBaseConnaissances base;
    base.DicoCree = true;
    TEtatCommandes commandes;
    ChargeDicoFaits(base, (Dossier() / nom).string(), commandes, journal);
    return base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::string_view entree(reinterpret_cast<const char*>(donnees), taille);
    Ecrit("lu.dic", entree);
    TDialoguesJournal journal;
    TBaseConnaissances lue = Charge("lu.dic", journal);

    Verifie(journal.NbAvertissements() <= 1, "the reader went on after a rejected entry");
    Verifie(lue.NbFaitsDico == static_cast<int>(lue.Dictionnaire.size()), "NbFaitsDico is not the dictionary size");
    for (std::size_t i = 0; i < lue.Dictionnaire.size(); ++i) {
        const TProposition& p = lue.Dictionnaire[i];
        Verifie(!p.Attribut.empty() && p.Operateur < OpAucun && p.Certitude == DegreNul && p.Precision == DegreNul,
                "a dictionary entry is malformed", Decrit(p));
        if (i > 0) Verifie(lue.Dictionnaire[i - 1].Attribut <= p.Attribut, "dictionary is not ordered");
        for (std::size_t j = i; j-- > 0 && lue.Dictionnaire[j].Attribut == p.Attribut;)
            Verifie(!Equivalence(lue.Dictionnaire[j], p), "the dictionary holds an entry twice", Decrit(p));
        if (!Representable(p)) return 0;
    }

    for (char separateur : {'.', ','}) {
        lue.SeparateurDecimal = separateur;
        Ecrit("relu.dic", TexteDico(lue));
        TDialoguesJournal relecture;
        TBaseConnaissances relue = Charge("relu.dic", relecture);
        Verifie(relecture.Messages.empty(), "the written dictionary reads with a message",
                relecture.Messages.empty() ? "" : relecture.Messages.front().Texte);
        Verifie(Identiques(relue.Dictionnaire, DictionnaireRelu(lue.Dictionnaire)),
                "the dictionary differs after writing and reading", std::string(1, separateur));
    }
    return 0;
}
