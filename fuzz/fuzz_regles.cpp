// The rules reader with its dictionary file.
//
// Input: a rules file, optionally followed by the line "%%DIC%%" and the
// dictionary file that travels beside it.
//
// Invariant: whatever the reader accepts (rules, comments, dictionary)
// written by the writers and read again gives, with no message at all, the
// same comments, the same rules in the same order and the same dictionary,
// where every number is the value rounded to the writers' 7 significant
// digits (a priority degree that would round to -1 takes more digits) and
// dictionary entries that this rounding made equal are held once.
// It is required of every base whose values the format can carry (see
// Representable), under both decimal separators.
#include <cstddef>
#include <cstdint>

#include "core/dictionnaire.h"
#include "core/etat_commandes.h"
#include "core/fichier_regles.h"
#include "core/journal.h"
#include "outils_fuzz.h"

using namespace veridane;
using namespace veridane::fuzz;

namespace {

TBaseConnaissances Lit(const std::string& nomRegles, TDialoguesJournal& journal) {
    TBaseConnaissances base;
    TEtatCommandes commandes;
    TProgressionMuette progression;
    OuvrirFR(base, (Dossier() / nomRegles).string(), commandes, journal, progression);
    return base;
}

// A degree is rounded to 7 digits, unless that gives -1 (the reader's mark
// of a malformed degree): then it takes the fewest more digits that keep it
// apart from -1.
double PrioriteRelue(double priorite) {
    for (int chiffres = ChiffresAffichage; chiffres <= 17; ++chiffres) {
        auto relue = LitNombre(FormatGeneral(priorite, chiffres, '.'));
        Verifie(relue.has_value(), "a priority degree written does not read back");
        if (*relue != -1) return *relue;
    }
    return priorite;
}

bool BaseRepresentable(const TBaseConnaissances& base) {
    for (const TRegle& r : base.Regles) {
        for (const TProposition& p : r.Premisses)
            if (!Representable(p)) return false;
        if (!Representable(r.Conclusion)) return false;
    }
    for (const TProposition& p : base.Dictionnaire)
        if (!Representable(p)) return false;
    return true;
}

void AllerRetour(TBaseConnaissances lue, char separateur) {
    lue.SeparateurDecimal = separateur;
    Ecrit("relu.rul", TexteBaseRegles(lue));
    Ecrit("relu.dic", TexteDico(lue));
    TDialoguesJournal journal;
    TBaseConnaissances relue = Lit("relu.rul", journal);

    std::string sep(1, separateur);
    Verifie(journal.Messages.empty(), "the written rules file reads with a message",
            journal.Messages.empty() ? "" : journal.Messages.front().Texte + " (separator " + sep + ")");
    Verifie(relue.CommentairesRegles == lue.CommentairesRegles, "rules comments differ");
    Verifie(relue.Regles.size() == lue.Regles.size(), "number of rules differs");
    Verifie(relue.NbRegles == lue.NbRegles, "NbRegles differs");
    for (std::size_t i = 0; i < lue.Regles.size(); ++i) {
        TRegle attendue = lue.Regles[i];
        for (TProposition& p : attendue.Premisses) Arrondit(p);
        Arrondit(attendue.Conclusion);
        attendue.Priorite = PrioriteRelue(attendue.Priorite);
        Verifie(Identiques(relue.Regles[i], attendue), "a rule differs after writing and reading",
                "rule " + std::to_string(i + 1) + " separator " + sep);
    }
    auto attendu = DictionnaireRelu(lue.Dictionnaire);
    Verifie(Identiques(relue.Dictionnaire, attendu), "the dictionary differs after writing and reading",
            std::to_string(relue.Dictionnaire.size()) + " entries read back, " + std::to_string(attendu.size()) +
                " expected");
    Verifie(relue.NbFaitsDico == static_cast<int>(attendu.size()), "NbFaitsDico differs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::string_view entree(reinterpret_cast<const char*>(donnees), taille);
    auto [regles, dico] = Coupe(entree, "\n%%DIC%%\n");
    Ecrit("lu.rul", regles);
    if (dico) Ecrit("lu.dic", *dico);
    else Efface("lu.dic");

    TDialoguesJournal journal;
    TBaseConnaissances lue = Lit("lu.rul", journal);

    // What the reader built holds together whatever the file said.
    Verifie(lue.NbRegles == static_cast<int>(lue.Regles.size()), "NbRegles is not the number of rules");
    Verifie(lue.NbFaitsDico == static_cast<int>(lue.Dictionnaire.size()), "NbFaitsDico is not the dictionary size");
    for (std::size_t i = 1; i < lue.Regles.size(); ++i)
        Verifie(lue.Regles[i - 1].Priorite >= lue.Regles[i].Priorite, "rules are not ordered by priority");
    for (std::size_t i = 1; i < lue.Dictionnaire.size(); ++i)
        Verifie(lue.Dictionnaire[i - 1].Attribut <= lue.Dictionnaire[i].Attribut, "dictionary is not ordered");
    for (const TRegle& r : lue.Regles)
        Verifie(r.NbPremissesRestantes == static_cast<int>(r.Premisses.size()) && !r.Premisses.empty(),
                "a rule's premise count is wrong");

    if (!BaseRepresentable(lue)) return 0;
    AllerRetour(lue, '.');
    AllerRetour(lue, ',');
    return 0;
}
