#include "explication.h"

#include <algorithm>

#include "core/proposition.h"
#include "correspondance.h"

namespace veridane {
namespace {

// The datum a rule adds when it fires (as the engine builds it): only a set
// keeps its value list.
TProposition FaitDeduitDe(const TProposition& conclusion) {
    TProposition fait = conclusion;
    fait.Certitude = DegreCertain;
    fait.Precision = DegreCertain;
    fait.Validee = false;
    if (fait.TypeValeur != TypeEnsemble) fait.Liste.clear();
    return fait;
}

bool SurLeChemin(const std::vector<TProposition>& chemin, const TProposition& fait) {
    return std::any_of(chemin.begin(), chemin.end(),
                       [&](const TProposition& autre) { return Equivalence(autre, fait); });
}

}  // namespace

std::optional<TProposition> LitProposition(const std::string& texte) {
    const std::string majuscules = Majuscules(texte);
    std::size_t pos = 0;
    TProposition p;
    p.Certitude = DegreCertain;
    p.Precision = DegreCertain;
    SauteBlancs(majuscules, pos);
    p.Attribut = TrouveAttribut(majuscules, pos);
    if (p.Attribut.empty()) return std::nullopt;
    SauteBlancs(majuscules, pos);
    p.Operateur = TrouveOperateur(majuscules, pos);
    if (p.Operateur == OpAucun) return std::nullopt;
    SauteBlancs(majuscules, pos);
    const std::size_t debutValeur = pos;
    GereModalite(majuscules, pos, p.Operateur, p);
    // A set must be closed: the scanner stops after its "}".
    if (p.TypeValeur == TypeEnsemble && (pos == 0 || majuscules[pos - 1] != '}')) return std::nullopt;
    // A person asking about "X >" or "X > ABC" made a typing error: the
    // rules reader's -1 for a number it cannot read would answer another
    // question.
    const std::string valeur = majuscules.substr(debutValeur, pos - debutValeur);
    if (p.TypeValeur == TypeNumerique && !LitNombre(valeur)) return std::nullopt;
    if (p.TypeValeur == TypeSymbolique && p.Modalite.empty()) return std::nullopt;
    SauteBlancs(majuscules, pos);
    if (pos < majuscules.size()) return std::nullopt;
    return p;
}

TExplication::TExplication(const TMoteur& moteur, const std::vector<TRegle>& regles,
                           const TEnregistreur& enregistreur)
    : Moteur_(moteur), Regles_(regles), Enregistreur_(enregistreur) {
    DebutsNiveaux_.push_back(0);  // unused: levels count from 1
    std::size_t debut = 0;
    for (const auto& niveau : Moteur_.Raisonnement()) {
        DebutsNiveaux_.push_back(debut);
        debut += niveau.ReglesDeclenchees.size();
    }
}

TOrigine TExplication::OrigineDeduite(int niveau, int record) const {
    const auto& records = Moteur_.Raisonnement()[static_cast<std::size_t>(niveau - 1)].ReglesDeclenchees;
    return {false, 0, niveau, records[static_cast<std::size_t>(record)].Numero, record};
}

std::optional<TOrigine> TExplication::ConnuAvant(const TProposition& fait, int niveau) const {
    const auto& observation = Moteur_.ObservationInference();
    for (std::size_t k = 0; k < observation.size(); ++k)
        if (Equivalence(observation[k], fait)) return TOrigine{true, static_cast<int>(k) + 1, 0, 0, 0};
    const auto& raisonnement = Moteur_.Raisonnement();
    for (int l = 1; l < niveau && static_cast<std::size_t>(l) <= raisonnement.size(); ++l) {
        const auto nb = raisonnement[static_cast<std::size_t>(l - 1)].ReglesDeclenchees.size();
        for (std::size_t r = 0; r < nb; ++r)
            if (Equivalence(Moteur_.FaitsDeduits()[DebutsNiveaux_[static_cast<std::size_t>(l)] + r], fait))
                return OrigineDeduite(l, static_cast<int>(r));
    }
    return std::nullopt;
}

std::optional<TOrigine> TExplication::Trouve(const TProposition& fait) const {
    return ConnuAvant(fait, static_cast<int>(Moteur_.Raisonnement().size()) + 1);
}

const TProposition& TExplication::Fait(const TOrigine& origine) const {
    if (origine.Observee) return Moteur_.ObservationInference()[static_cast<std::size_t>(origine.Position - 1)];
    return Moteur_.FaitsDeduits()[DebutsNiveaux_[static_cast<std::size_t>(origine.Niveau)] +
                                  static_cast<std::size_t>(origine.Record)];
}

TOrigine TExplication::Origine(TRepere repere) const {
    // Level 1 tests the observation; level L tests what level L - 1 deduced.
    if (repere.Niveau == 1) return {true, repere.Indice + 1, 0, 0, 0};
    return OrigineDeduite(repere.Niveau - 1, repere.Indice);
}

TNoeudPourquoi TExplication::Pourquoi(const TOrigine& origine) const {
    std::set<std::pair<int, int>> vus;
    return Noeud(origine, vus);
}

TNoeudPourquoi TExplication::Noeud(const TOrigine& origine, std::set<std::pair<int, int>>& vus) const {
    TNoeudPourquoi noeud;
    noeud.Fait = Fait(origine);
    noeud.Origine = origine;
    if (origine.Observee) return noeud;
    const auto i = static_cast<std::size_t>(origine.Regle - 1);
    const TRegle& regle = Regles_[i];
    noeud.Priorite = regle.Priorite;
    if (!vus.insert({origine.Niveau, origine.Record}).second) {
        noeud.Renvoi = true;
        return noeud;
    }
    for (std::size_t j = 0; j < regle.Premisses.size(); ++j) {
        const TRepere repere = Enregistreur_.SatisfaitePar(i, j);
        if (!repere) continue;  // a fired rule has every premise satisfied
        TNoeudPourquoi appui = Noeud(Origine(repere), vus);
        appui.Premisse = regle.Premisses[j];
        appui.NumeroPremisse = static_cast<int>(j) + 1;
        noeud.Appuis.push_back(std::move(appui));
    }
    return noeud;
}

TPourquoiPas TExplication::PourquoiPas(const TProposition& fait, int profondeur,
                                       const std::vector<TProposition>& dictionnaire) const {
    std::vector<TProposition> chemin;
    return PourquoiPas(fait, profondeur, dictionnaire, chemin);
}

TPourquoiPas TExplication::PourquoiPas(const TProposition& fait, int profondeur,
                                       const std::vector<TProposition>& dictionnaire,
                                       std::vector<TProposition>& chemin) const {
    TPourquoiPas explication;
    explication.Fait = fait;
    explication.Etabli = Trouve(fait);
    if (explication.Etabli) return explication;
    chemin.push_back(fait);
    for (std::size_t i = 0; i < Regles_.size(); ++i)
        if (Correspondance(FaitDeduitDe(Regles_[i].Conclusion), fait) == Satisfaite)
            explication.Candidats.push_back(Candidat(i, profondeur, dictionnaire, chemin));
    chemin.pop_back();
    if (!explication.Candidats.empty()) return explication;
    explication.AuDictionnaire = std::any_of(dictionnaire.begin(), dictionnaire.end(),
                                             [&](const TProposition& entree) { return entree.Attribut == fait.Attribut; });
    const auto& observation = Moteur_.ObservationInference();
    for (std::size_t k = 0; k < observation.size(); ++k)
        if (observation[k].Attribut == fait.Attribut)
            explication.DonneesAttribut.emplace_back(static_cast<int>(k) + 1, observation[k]);
    return explication;
}

TCandidat TExplication::Candidat(std::size_t i, int profondeur, const std::vector<TProposition>& dictionnaire,
                                 std::vector<TProposition>& chemin) const {
    const TRegle& regle = Regles_[i];
    TCandidat candidat;
    candidat.Regle = static_cast<int>(i) + 1;
    candidat.Priorite = regle.Priorite;
    candidat.Conclusion = regle.Conclusion;
    candidat.Statut = Enregistreur_.Statut(i);
    candidat.Niveau = Enregistreur_.NiveauStatut(i);
    switch (candidat.Statut) {
        case TStatutRegle::Exclue: break;
        case TStatutRegle::Abandonnee: {
            const auto j = static_cast<std::size_t>(Enregistreur_.PremisseAbandon(i));
            candidat.Premisse = static_cast<int>(j) + 1;
            candidat.PremisseContredite = regle.Premisses[j];
            candidat.OrigineContraire = Origine(Enregistreur_.ContreditePar(i, j));
            candidat.Contraire = Fait(candidat.OrigineContraire);
            break;
        }
        case TStatutRegle::Declenchee: {
            const auto& records = Moteur_.Raisonnement()[static_cast<std::size_t>(candidat.Niveau - 1)].ReglesDeclenchees;
            const auto it = std::find_if(records.begin(), records.end(),
                                         [&](const TNumeroDeRegle& r) { return r.Numero == candidat.Regle; });
            candidat.Resultat = OrigineDeduite(candidat.Niveau, static_cast<int>(it - records.begin()));
            break;
        }
        case TStatutRegle::DejaConnue:
            if (auto connu = ConnuAvant(regle.Conclusion, candidat.Niveau)) candidat.Resultat = *connu;
            break;
        case TStatutRegle::Ouverte:
        case TStatutRegle::Arretee:
            for (std::size_t j = 0; j < regle.Premisses.size(); ++j) {
                if (Enregistreur_.SatisfaitePar(i, j)) continue;
                TPremisseNonSatisfaite premisse;
                premisse.Numero = static_cast<int>(j) + 1;
                premisse.Premisse = regle.Premisses[j];
                if (profondeur <= 0) premisse.Coupure = TCoupure::Profondeur;
                else if (SurLeChemin(chemin, premisse.Premisse)) premisse.Coupure = TCoupure::Cycle;
                else premisse.Suite.push_back(PourquoiPas(premisse.Premisse, profondeur - 1, dictionnaire, chemin));
                candidat.NonSatisfaites.push_back(std::move(premisse));
            }
            break;
    }
    return candidat;
}

std::optional<TOrigine> OrigineDuRecord(const TMoteur& moteur, std::size_t k) {
    const auto& raisonnement = moteur.Raisonnement();
    for (std::size_t l = 0; l < raisonnement.size(); ++l) {
        const auto& records = raisonnement[l].ReglesDeclenchees;
        if (k < records.size())
            return TOrigine{false, 0, static_cast<int>(l) + 1, records[k].Numero, static_cast<int>(k)};
        k -= records.size();
    }
    return std::nullopt;
}

std::optional<std::pair<int, double>> RegleLaPlusFaible(const TNoeudPourquoi& noeud) {
    if (noeud.Origine.Observee) return std::nullopt;
    std::pair<int, double> faible{noeud.Origine.Regle, noeud.Priorite};
    for (const auto& appui : noeud.Appuis)
        if (auto autre = RegleLaPlusFaible(appui); autre && autre->second < faible.second) faible = *autre;
    return faible;
}

}  // namespace veridane
