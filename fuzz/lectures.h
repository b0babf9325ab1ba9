// The checks of the rules, dictionary and data base targets, shared by the
// whole-file targets and the one-statement targets. Each reads a text as the
// program reads the file, checks what was built, writes it with the writers
// and reads it again (see each target for the invariants). Nothing here
// catches an exception: an exception is a crash the fuzzer sees.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/dictionnaire.h"
#include "core/etat_commandes.h"
#include "core/fichier_regles.h"
#include "core/journal.h"
#include "outils_fuzz.h"
#include "project/base_faits.h"

namespace veridane::fuzz {

// --- Rules file with its dictionary ---------------------------------------

inline TBaseConnaissances LitRegles(const std::string& nomRegles, TDialoguesJournal& journal) {
    TBaseConnaissances base;
    TEtatCommandes commandes;
    TProgressionMuette progression;
    OuvrirFR(base, (Dossier() / nomRegles).string(), commandes, journal, progression);
    return base;
}

// A degree is rounded to 7 digits, unless that gives -1 (the reader's mark
// of a malformed degree): then it takes the fewest more digits that keep it
// apart from -1.
inline double PrioriteRelue(double priorite) {
    for (int chiffres = ChiffresAffichage; chiffres <= 17; ++chiffres) {
        auto relue = LitNombre(FormatGeneral(priorite, chiffres, '.'));
        Verifie(relue.has_value(), "a priority degree written does not read back");
        if (*relue != -1) return *relue;
    }
    return priorite;
}

inline bool BaseRepresentable(const TBaseConnaissances& base) {
    for (const TRegle& r : base.Regles) {
        for (const TProposition& p : r.Premisses)
            if (!Representable(p)) return false;
        if (!Representable(r.Conclusion)) return false;
    }
    for (const TProposition& p : base.Dictionnaire)
        if (!Representable(p)) return false;
    return true;
}

inline void AllerRetourRegles(TBaseConnaissances lue, char separateur) {
    lue.SeparateurDecimal = separateur;
    Ecrit("relu.rul", TexteBaseRegles(lue));
    Ecrit("relu.dic", TexteDico(lue));
    TDialoguesJournal journal;
    TBaseConnaissances relue = LitRegles("relu.rul", journal);

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

// Reads `regles` (and `dico` beside it), checks the model and its round
// trip; returns what was read, with the messages in `journal`.
inline TBaseConnaissances VerifieRegles(std::string_view regles, std::optional<std::string_view> dico,
                                        TDialoguesJournal& journal) {
    Ecrit("lu.rul", regles);
    if (dico) Ecrit("lu.dic", *dico);
    else Efface("lu.dic");

    TBaseConnaissances lue = LitRegles("lu.rul", journal);

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

    if (!BaseRepresentable(lue)) return lue;
    AllerRetourRegles(lue, '.');
    AllerRetourRegles(lue, ',');
    return lue;
}

// --- Dictionary file --------------------------------------------------------

inline TBaseConnaissances ChargeDico(const std::string& nom, TDialoguesJournal& journal) {
    TBaseConnaissances base;
    base.DicoCree = true;
    TEtatCommandes commandes;
    ChargeDicoFaits(base, (Dossier() / nom).string(), commandes, journal);
    return base;
}

// Reads `entree` as a dictionary file, checks the entries and their round
// trip; returns what was read, with the messages in `journal`.
inline TBaseConnaissances VerifieDico(std::string_view entree, TDialoguesJournal& journal) {
    Ecrit("lu.dic", entree);
    TBaseConnaissances lue = ChargeDico("lu.dic", journal);

    Verifie(journal.NbAvertissements() <= 1, "the reader went on after a rejected entry");
    Verifie(lue.NbFaitsDico == static_cast<int>(lue.Dictionnaire.size()), "NbFaitsDico is not the dictionary size");
    for (std::size_t i = 0; i < lue.Dictionnaire.size(); ++i) {
        const TProposition& p = lue.Dictionnaire[i];
        Verifie(!p.Attribut.empty() && p.Operateur < OpAucun && p.Certitude == DegreNul && p.Precision == DegreNul,
                "a dictionary entry is malformed", Decrit(p));
        if (i > 0) Verifie(lue.Dictionnaire[i - 1].Attribut <= p.Attribut, "dictionary is not ordered");
        for (std::size_t j = i; j-- > 0 && lue.Dictionnaire[j].Attribut == p.Attribut;)
            Verifie(!Equivalence(lue.Dictionnaire[j], p), "the dictionary holds an entry twice", Decrit(p));
        if (!Representable(p)) return lue;
    }

    for (char separateur : {'.', ','}) {
        lue.SeparateurDecimal = separateur;
        Ecrit("relu.dic", TexteDico(lue));
        TDialoguesJournal relecture;
        TBaseConnaissances relue = ChargeDico("relu.dic", relecture);
        Verifie(relecture.Messages.empty(), "the written dictionary reads with a message",
                relecture.Messages.empty() ? "" : relecture.Messages.front().Texte);
        Verifie(Identiques(relue.Dictionnaire, DictionnaireRelu(lue.Dictionnaire)),
                "the dictionary differs after writing and reading", std::string(1, separateur));
    }
    return lue;
}

// --- Data base file ----------------------------------------------------------

inline TEtatVeridane LitBaseFaits(const std::string& nom, TDialoguesJournal& journal) {
    TEtatVeridane etat;
    TProgressionMuette progression;
    OuvrirFF(etat, (Dossier() / nom).string(), journal, progression);
    return etat;
}

// Reads `entree` as a data base file, checks the data and their round trip;
// returns what was read, with the messages in `journal`.
inline TEtatVeridane VerifieBaseFaits(std::string_view entree, TDialoguesJournal& journal) {
    Ecrit("lu.dta", entree);
    TEtatVeridane lu = LitBaseFaits("lu.dta", journal);
    const TBaseFaits& faits = lu.Faits;

    Verifie(faits.NumObservation == 0, "the first observation is not selected");
    Verifie(faits.BaseFaitsOuverte == (faits.NbFaits > 0), "open flag does not follow the data read");
    Verifie(faits.CompteFaits() <= faits.NbFaits, "more data held than statements read");
    Verifie(journal.NbAvertissements() <= 2, "more than one error and the count message");
    if (faits.Observations.empty()) return lu;
    for (const TObservation& observation : faits.Observations)
        for (const TProposition& p : observation) {
            Verifie(!p.Attribut.empty() && p.Operateur < OpAucun && p.Certitude == DegreCertain &&
                        p.Precision == DegreCertain,
                    "a datum is malformed", Decrit(p));
            if (!Representable(p)) return lu;
        }

    for (char separateur : {'.', ','}) {
        Ecrit("relu.dta", TexteBaseFaits(faits, separateur));
        TDialoguesJournal relecture;
        TEtatVeridane relu = LitBaseFaits("relu.dta", relecture);
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
    return lu;
}

}  // namespace veridane::fuzz
