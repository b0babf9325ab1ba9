#include "moteur.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include "correspondance.h"

namespace veridane {
namespace {

void AjouteTexte(std::string& cle, const std::string& texte) {
    const std::uint64_t longueur = texte.size();
    cle.append(reinterpret_cast<const char*>(&longueur), sizeof longueur);
    cle += texte;
}

// A key equal for two propositions exactly when Equivalence holds. A NaN
// number is equivalent to nothing, so it has no key.
std::optional<std::string> CleFait(const TProposition& p) {
    std::string cle;
    AjouteTexte(cle, p.Attribut);
    cle += static_cast<char>(p.Operateur);
    cle += static_cast<char>(p.TypeValeur);
    switch (p.TypeValeur) {
        case TypeNumerique: {
            if (std::isnan(p.Reel)) return std::nullopt;
            const double valeur = p.Reel == 0.0 ? 0.0 : p.Reel;  // -0 equals 0
            cle.append(reinterpret_cast<const char*>(&valeur), sizeof valeur);
            break;
        }
        case TypeSymbolique: AjouteTexte(cle, p.Modalite); break;
        default:
            for (const auto& mot : p.Liste) AjouteTexte(cle, mot.Nom);
            break;
    }
    return cle;
}

// The datum a fired rule adds: its conclusion, certain and unsatisfied, with
// a value list only for a set.
TProposition FaitDeduitDe(const TProposition& conclusion) {
    TProposition fait = conclusion;
    fait.Certitude = DegreCertain;
    fait.Precision = DegreCertain;
    fait.Validee = false;
    if (fait.TypeValeur != TypeEnsemble) fait.Liste.clear();
    return fait;
}

}  // namespace

// A datum can only bear on a premise of the same attribute (any other gives
// SansRapport), so a level visits only the open rules with a premise on an
// attribute of the working data, and each premise scans only the working
// data of its attribute. Orders are those of the rules base and of the data.
struct TMoteur::TIndex {
    std::unordered_map<std::string, std::size_t> Attributs;    // premise attribute -> id
    std::vector<std::vector<std::size_t>> AttributPremisse;    // rule -> premise -> id
    std::vector<std::vector<std::size_t>> ReglesParAttribut;   // id -> rules, ascending
    std::vector<std::vector<std::size_t>> FaitsParAttribut;    // id -> working data of the level
    std::vector<std::size_t> AttributsPresents;                // ids with working data

    explicit TIndex(const std::vector<TRegle>& regles) : AttributPremisse(regles.size()) {
        for (std::size_t i = 0; i < regles.size(); ++i) {
            for (const auto& premisse : regles[i].Premisses) {
                auto [it, nouveau] = Attributs.try_emplace(premisse.Attribut, Attributs.size());
                if (nouveau) ReglesParAttribut.emplace_back();
                auto& liste = ReglesParAttribut[it->second];
                if (liste.empty() || liste.back() != i) liste.push_back(i);
                AttributPremisse[i].push_back(it->second);
            }
        }
        FaitsParAttribut.resize(Attributs.size());
    }

    // Groups the working data by attribute, in working-data order.
    void RangeFaits(const std::vector<TProposition>& faits) {
        for (auto id : AttributsPresents) FaitsParAttribut[id].clear();
        AttributsPresents.clear();
        for (std::size_t k = 0; k < faits.size(); ++k) {
            auto it = Attributs.find(faits[k].Attribut);
            if (it == Attributs.end()) continue;
            auto& liste = FaitsParAttribut[it->second];
            if (liste.empty()) AttributsPresents.push_back(it->second);
            liste.push_back(k);
        }
    }

    // The open rules that some working datum may touch, in rules-base order.
    std::vector<std::size_t> ReglesTouchees(const std::vector<TRegle>& regles) const {
        std::vector<std::size_t> touchees;
        for (auto id : AttributsPresents)
            for (auto i : ReglesParAttribut[id])
                if (!regles[i].Declenchee) touchees.push_back(i);
        std::sort(touchees.begin(), touchees.end());
        touchees.erase(std::unique(touchees.begin(), touchees.end()), touchees.end());
        return touchees;
    }
};

void TMoteur::ChoisitObservation(const std::vector<TProposition>& donnees, int numero) {
    ObservationInference_ = donnees;
    NumObservationInference_ = numero;
}

void TMoteur::InitialiseCompteurs(const std::vector<TRegle>& regles) {
    NbRegles_ = static_cast<int>(regles.size());
    NbReglesDeclenchees_ = 0;
    NbFaitsInitiaux_ = static_cast<int>(ObservationInference_.size());
    NbFaitsDeduits_ = 0;
}

void TMoteur::InitialiseRegles(std::vector<TRegle>& regles, double valeurCritique) const {
    for (auto& regle : regles) {
        if (regle.Priorite < valeurCritique) {
            regle.Declenchee = true;
            continue;
        }
        regle.Declenchee = false;
        regle.NbPremissesRestantes = static_cast<std::int32_t>(regle.Premisses.size());
        for (auto& premisse : regle.Premisses) premisse.Validee = false;
    }
}

void TMoteur::StopClick() {
    ContinueInference_ = false;
    ArretDemande_ = true;
}

bool TMoteur::FaitPresent(const TProposition& conclusion) const {
    auto cle = CleFait(conclusion);
    return cle && Connus_.contains(*cle);
}

void TMoteur::Connais(const TProposition& fait) {
    if (auto cle = CleFait(fait)) Connus_.insert(std::move(*cle));
}

void TMoteur::AjouteFait(TProposition fait, INotificationsMoteur& notifications) {
    ++NbFaitsDeduits_;
    FaitsDeduits_.push_back(std::move(fait));
    notifications.FaitDeduit(FaitsDeduits_.back(), NbFaitsDeduits_, NbFaitsInitiaux_ + NbFaitsDeduits_);
}

std::optional<int> TMoteur::NumeroRegleDuRecord(std::size_t k) const {
    for (const auto& niveau : Raisonnement_) {
        if (k < niveau.ReglesDeclenchees.size()) return niveau.ReglesDeclenchees[k].Numero;
        k -= niveau.ReglesDeclenchees.size();
    }
    return std::nullopt;
}

void TMoteur::DebutRun(const std::vector<TRegle>& regles) {
    ContinueInference_ = true;
    ArretDemande_ = false;
    NouveauxFaits_.clear();
    Raisonnement_.clear();
    FaitsDeduits_.clear();
    EtatPremisses_.assign(regles.size(), {});
    for (std::size_t i = 0; i < regles.size(); ++i)
        for (std::size_t j = 0; j < regles[i].Premisses.size(); ++j)
            EtatPremisses_[i].push_back({static_cast<std::int32_t>(j), 0, 0});
    Connus_.clear();
    for (const auto& fait : ObservationInference_) Connais(fait);
    FaitsCourants_ = ObservationInference_;
}

void TMoteur::Strategie(std::vector<TRegle>& regles, INotificationsMoteur& notifications) {
    DebutRun(regles);
    if (Enregistreur_) Enregistreur_->DebutRun(regles);
    TIndex index(regles);
    while (ContinueInference_) Niveau(regles, index, notifications);
    // A stop cut the run short when the last level was not scanned to its
    // end or deduced data that no level tested.
    if (Enregistreur_) Enregistreur_->FinRun(ArretDemande_ && (NiveauCoupe_ || !NouveauxFaits_.empty()));
    notifications.FinInference();
    notifications.PompeEvenements();
}

void TMoteur::Niveau(std::vector<TRegle>& regles, TIndex& index, INotificationsMoteur& notifications) {
    notifications.DebutNiveau(static_cast<int>(Raisonnement_.size()) + 1);
    notifications.PompeEvenements();
    NouveauxFaits_.clear();
    std::vector<TNumeroDeRegle> declenchees;
    notifications.PompeEvenements();

    index.RangeFaits(FaitsCourants_);
    const int nbRegles = static_cast<int>(regles.size());
    // Rules no datum touches are passed over, but the person still gets a
    // chance to act at least every PasPompe rules.
    long long dernierePompe = -1;
    NiveauCoupe_ = false;
    auto pompeJusqua = [&](long long limite) {
        for (long long g = dernierePompe + static_cast<long long>(PasPompe); g < limite && ContinueInference_;
             g += static_cast<long long>(PasPompe)) {
            notifications.PompeEvenements();
            notifications.ProgressionRegle(static_cast<int>(g), nbRegles);
            notifications.ProgressionRegle(static_cast<int>(g), nbRegles);
            dernierePompe = g;
        }
    };
    for (auto i : index.ReglesTouchees(regles)) {
        pompeJusqua(static_cast<long long>(i));
        if (!ContinueInference_) {
            NiveauCoupe_ = true;
            break;
        }
        notifications.PompeEvenements();
        notifications.ProgressionRegle(static_cast<int>(i), nbRegles);
        TesteRegle(regles, i, index, declenchees, notifications);
        notifications.ProgressionRegle(static_cast<int>(i), nbRegles);
        dernierePompe = static_cast<long long>(i);
    }
    pompeJusqua(nbRegles);

    // A stop request ends the run here; otherwise it goes on while data come.
    ContinueInference_ = !NouveauxFaits_.empty() && !ArretDemande_;
    for (const auto& record : declenchees) Connais(regles[static_cast<std::size_t>(record.Numero - 1)].Conclusion);
    FaitsCourants_ = NouveauxFaits_;
    Raisonnement_.push_back({0, std::move(declenchees)});
    notifications.FinNiveau();
}

void TMoteur::TesteRegle(std::vector<TRegle>& regles, std::size_t i, const TIndex& index,
                         std::vector<TNumeroDeRegle>& declenchees, INotificationsMoteur& notifications) {
    auto& regle = regles[i];
    for (std::size_t j = 0; j < regle.Premisses.size(); ++j) {
        auto& premisse = regle.Premisses[j];
        if (premisse.Validee) continue;
        for (auto k : index.FaitsParAttribut[index.AttributPremisse[i][j]]) {
            const auto& fait = FaitsCourants_[k];
            const int resultat = Correspondance(fait, premisse);
            if (resultat == Contredite) {
                regle.Declenchee = true;  // abandoned for the rest of the run
                if (Enregistreur_) Enregistreur_->Contredite(i, j, Repere(k));
                break;
            }
            if (resultat == Satisfaite) {
                if (Enregistreur_) Enregistreur_->Satisfaite(i, j, Repere(k));
                EtatPremisses_[i][j].Certitude = fait.Certitude;
                EtatPremisses_[i][j].Precision = fait.Precision;
                if (!premisse.Validee) {
                    premisse.Validee = true;
                    --regle.NbPremissesRestantes;
                }
            }
        }
        // Only the counter decides: a rule abandoned by an earlier premise
        // of this pass still fires when its last premises are satisfied.
        if (regle.NbPremissesRestantes == 0) Declenche(regles, i, declenchees, notifications);
    }
}

TRepere TMoteur::Repere(std::size_t k) const {
    return {static_cast<std::int32_t>(Raisonnement_.size()) + 1, static_cast<std::int32_t>(k)};
}

void TMoteur::Declenche(std::vector<TRegle>& regles, std::size_t i, std::vector<TNumeroDeRegle>& declenchees,
                        INotificationsMoteur& notifications) {
    auto& regle = regles[i];
    regle.Declenchee = true;
    const bool connue = FaitPresent(regle.Conclusion);
    if (Enregistreur_) Enregistreur_->Declenchee(i, static_cast<int>(Raisonnement_.size()) + 1, connue);
    if (connue) return;
    const int numero = static_cast<int>(i) + 1;
    declenchees.push_back({numero, DegreCertain, DegreCertain});
    ++NbReglesDeclenchees_;
    notifications.RegleDeclenchee(numero, NbReglesDeclenchees_);
    NouveauxFaits_.push_back(FaitDeduitDe(regle.Conclusion));
    AjouteFait(NouveauxFaits_.back(), notifications);
}

}  // namespace veridane
