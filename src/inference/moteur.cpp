#include "moteur.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "core/proposition.h"
#include "correspondance.h"

namespace veridane {
namespace {

void AjouteTexte(std::string& cle, std::string_view texte) {
    const std::uint64_t longueur = texte.size();
    cle.append(reinterpret_cast<const char*>(&longueur), sizeof longueur);
    cle += texte;
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

// Working data k of a level, hashed and compared on every field that
// Correspondance reads (the number bit for bit), so that two data found the
// same answer every premise alike.
struct THachageFait {
    const std::vector<TProposition>* Faits;
    std::size_t operator()(std::uint32_t k) const {
        const auto& f = (*Faits)[k];
        std::size_t h = std::hash<TMot>{}(f.Attribut);
        auto mele = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
        mele(std::hash<TMot>{}(f.Modalite));
        mele(std::bit_cast<std::uint64_t>(f.Reel));
        mele(static_cast<std::size_t>(f.Operateur) << 8 | f.TypeValeur);
        for (const auto& m : f.Liste) mele(std::hash<std::string>{}(m.Nom));
        return h;
    }
};

struct TMemeFait {
    const std::vector<TProposition>* Faits;
    bool operator()(std::uint32_t a, std::uint32_t b) const {
        const auto& x = (*Faits)[a];
        const auto& y = (*Faits)[b];
        return x.Attribut == y.Attribut && x.Operateur == y.Operateur && x.TypeValeur == y.TypeValeur &&
               std::bit_cast<std::uint64_t>(x.Reel) == std::bit_cast<std::uint64_t>(y.Reel) &&
               x.Modalite == y.Modalite && x.Liste == y.Liste && x.Certitude == y.Certitude &&
               x.Precision == y.Precision;
    }
};

}  // namespace

std::optional<std::string> CleEquivalence(const TProposition& p) {
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

// A datum can only bear on a premise of the same attribute (any other gives
// SansRapport), so a level visits only the open rules with a premise on an
// attribute of the working data, and each premise scans only the working
// data of its attribute. Orders are those of the rules base and of the data.
// The premise attributes come from the compiled form as ids; the level's
// data are chained by attribute id, and the rules touched are marked in a
// bit per rule, which gives them in rules-base order without a sort.
struct TMoteur::TIndex {
    const TFormeCompilee& Forme;
    std::vector<std::uint32_t> PremierFait;   // attribute id -> first working datum, or Aucun
    std::vector<std::uint32_t> FaitSuivant;   // working datum -> next one of its attribute, or Aucun
    std::vector<std::uint32_t> DernierFait;   // attribute id -> last datum of its chain, while chaining
    std::vector<std::uint32_t> DerniereCopie; // datum of the chain -> its last copy in the level
    std::vector<std::uint32_t> PremierTous;   // the same chains with every copy
    std::vector<std::uint32_t> SuivantTous;
    std::vector<std::uint32_t> DernierTous;
    std::vector<std::uint32_t> Presents;      // attribute ids with working data
    std::vector<std::uint32_t> Premiers;      // open addressing: first datum of its kind + 1, or 0
    std::vector<std::uint32_t> Ids;           // working datum -> its attribute id, or Aucun
    std::vector<std::uint64_t> Touchees;      // one bit per rule

    explicit TIndex(const TFormeCompilee& forme)
        : Forme(forme),
          PremierFait(forme.NbAttributs(), TFormeCompilee::Aucun),
          PremierTous(forme.NbAttributs(), TFormeCompilee::Aucun),
          Touchees((forme.NbRegles() + 63) / 64, 0) {}

    // Chains the working data by attribute, each chain in working-data order,
    // twice: every datum (Tous), and without a datum the same as an earlier
    // one of the level, which would give every premise the same answer (a
    // level of a large base can deduce one datum thousands of times). A
    // recorder names the datum that satisfied a premise, so with one both
    // chains hold every datum.
    void RangeFaits(const std::vector<TProposition>& faits, bool copies) {
        for (auto id : Presents) PremierFait[id] = PremierTous[id] = TFormeCompilee::Aucun;
        Presents.clear();
        FaitSuivant.assign(faits.size(), TFormeCompilee::Aucun);
        SuivantTous.assign(faits.size(), TFormeCompilee::Aucun);
        DerniereCopie.resize(faits.size());
        DernierFait.resize(PremierFait.size());
        DernierTous.resize(PremierFait.size());
        std::size_t taille = 1024;
        while (!copies && taille < 2 * faits.size()) taille *= 2;
        if (!copies) Premiers.assign(taille, 0);
        const THachageFait hacher{&faits};
        const TMemeFait meme{&faits};
        Forme.Attributs(faits, Ids);
        for (std::uint32_t k = 0; k < faits.size(); ++k) {
            const auto id = Ids[k];
            if (id == TFormeCompilee::Aucun) continue;
            Chaine(PremierTous, SuivantTous, DernierTous, id, k);
            DerniereCopie[k] = k;
            if (!copies) {
                std::size_t c = hacher(k) & (taille - 1);
                while (Premiers[c] != 0 && !meme(Premiers[c] - 1, k)) c = (c + 1) & (taille - 1);
                if (Premiers[c] != 0) {
                    DerniereCopie[Premiers[c] - 1] = k;
                    continue;
                }
                Premiers[c] = k + 1;
            }
            if (PremierFait[id] == TFormeCompilee::Aucun) Presents.push_back(id);
            Chaine(PremierFait, FaitSuivant, DernierFait, id, k);
        }
    }

    static void Chaine(std::vector<std::uint32_t>& premier, std::vector<std::uint32_t>& suivant,
                       std::vector<std::uint32_t>& dernier, std::uint32_t id, std::uint32_t k) {
        if (premier[id] == TFormeCompilee::Aucun) premier[id] = k;
        else suivant[dernier[id]] = k;
        dernier[id] = k;
    }

    // The open rules that some working datum may touch, in rules-base order.
    std::vector<std::uint32_t> ReglesTouchees(const std::vector<TRegle>& regles) {
        std::size_t nombre = 0;
        for (auto id : Presents)
            for (auto i : Forme.ReglesDe(id))
                if (!regles[i].Declenchee && !(Touchees[i / 64] >> (i % 64) & 1)) {
                    Touchees[i / 64] |= std::uint64_t{1} << (i % 64);
                    ++nombre;
                }
        std::vector<std::uint32_t> touchees;
        touchees.reserve(nombre);
        for (std::size_t mot = 0; mot < Touchees.size() && touchees.size() < nombre; ++mot) {
            for (std::uint64_t bits = Touchees[mot]; bits != 0; bits &= bits - 1)
                touchees.push_back(static_cast<std::uint32_t>(mot * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
            Touchees[mot] = 0;
        }
        return touchees;
    }
};

void TMoteur::ChoisitObservation(const std::vector<TProposition>& donnees, int numero) {
    OublieConnus();  // they are positions in the observation
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
    if (Connus_.empty()) return false;
    return Connus_[CaseConnue(conclusion, HacheEquivalence(conclusion))].Position != 0;
}

const TProposition& TMoteur::Connu(std::uint32_t position) const {
    return position < ObservationInference_.size() ? ObservationInference_[position]
                                                    : FaitsDeduits_[position - ObservationInference_.size()];
}

std::size_t TMoteur::CaseConnue(const TProposition& p, std::size_t hache) const {
    const std::size_t masque = Connus_.size() - 1;
    for (std::size_t c = hache & masque;; c = (c + 1) & masque) {
        const auto& e = Connus_[c];
        if (e.Position == 0 || (e.Hache == hache && Equivalence(Connu(e.Position - 1), p))) return c;
    }
}

void TMoteur::Connais(std::uint32_t position) {
    if (2 * (NbConnus_ + 1) > Connus_.size()) {
        std::vector<TCaseConnue> anciennes(std::max<std::size_t>(1024, 2 * Connus_.size()));
        anciennes.swap(Connus_);
        Reinsere(Connus_, anciennes);
    }
    const auto& fait = Connu(position);
    const std::size_t hache = HacheEquivalence(fait);
    auto& e = Connus_[CaseConnue(fait, hache)];
    if (e.Position != 0) return;
    e = {hache, position + 1};
    ++NbConnus_;
}

void TMoteur::OublieConnus() {
    if (NbConnus_ != 0) std::fill(Connus_.begin(), Connus_.end(), TCaseConnue{});
    NbConnus_ = 0;
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

void TMoteur::DebutRun() {
    ContinueInference_ = true;
    ArretDemande_ = false;
    NouveauxFaits_.clear();
    Raisonnement_.clear();
    FaitsDeduits_.clear();
    DegresPremisses_.assign(Forme_->NbPremisses(), {});
    OublieConnus();
    for (std::uint32_t k = 0; k < ObservationInference_.size(); ++k) Connais(k);
    FaitsCourants_ = ObservationInference_;
}

void TMoteur::Strategie(std::vector<TRegle>& regles, INotificationsMoteur& notifications) {
    Forme_ = &Compilation_.Pour(regles);
    DebutRun();
    if (Enregistreur_) Enregistreur_->DebutRun(regles);
    TIndex index(*Forme_);
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

    index.RangeFaits(FaitsCourants_, Enregistreur_ != nullptr);
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
    for (std::size_t i : index.ReglesTouchees(regles)) {
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
    // The data deduced in this level are the conclusions it recorded.
    const auto premier = static_cast<std::uint32_t>(ObservationInference_.size() + FaitsDeduits_.size() - declenchees.size());
    for (std::uint32_t k = 0; k < declenchees.size(); ++k) Connais(premier + k);
    FaitsCourants_ = NouveauxFaits_;
    Raisonnement_.push_back({0, std::move(declenchees)});
    notifications.FinNiveau();
}

void TMoteur::TesteRegle(std::vector<TRegle>& regles, std::size_t i, const TIndex& index,
                         std::vector<TNumeroDeRegle>& declenchees, INotificationsMoteur& notifications) {
    auto& regle = regles[i];
    const auto attributs = Forme_->AttributsPremisses(i);
    const std::size_t premiere = Forme_->PremierePremisse(i);
    for (std::size_t j = 0; j < regle.Premisses.size(); ++j) {
        auto& premisse = regle.Premisses[j];
        if (premisse.Validee) continue;
        // The degrees kept are those of the last datum of the level, in its
        // order, that satisfied the premise before any contradicted it.
        std::uint32_t dernier = TFormeCompilee::Aucun;
        for (auto k = index.PremierFait[attributs[j]]; k != TFormeCompilee::Aucun; k = index.FaitSuivant[k]) {
            const auto& fait = FaitsCourants_[k];
            const int resultat = CorrespondanceMemeAttribut(fait, premisse);
            if (resultat == Contredite) {
                regle.Declenchee = true;  // abandoned for the rest of the run
                if (Enregistreur_) Enregistreur_->Contredite(i, j, Repere(k));
                // A copy of a datum seen before may come after this one.
                if (dernier != TFormeCompilee::Aucun && dernier > k)
                    dernier = DernierSatisfaisantAvant(index, premisse, attributs[j], k);
                break;
            }
            if (resultat == Satisfaite) {
                if (Enregistreur_) Enregistreur_->Satisfaite(i, j, Repere(k));
                const auto copie = index.DerniereCopie[k];
                if (dernier == TFormeCompilee::Aucun || copie > dernier) dernier = copie;
                if (!premisse.Validee) {
                    premisse.Validee = true;
                    --regle.NbPremissesRestantes;
                }
            }
        }
        if (dernier != TFormeCompilee::Aucun)
            DegresPremisses_[premiere + j] = {FaitsCourants_[dernier].Certitude, FaitsCourants_[dernier].Precision};
        // Only the counter decides: a rule abandoned by an earlier premise
        // of this pass still fires when its last premises are satisfied.
        if (regle.NbPremissesRestantes == 0) Declenche(regles, i, declenchees, notifications);
    }
}

std::uint32_t TMoteur::DernierSatisfaisantAvant(const TIndex& index, const TProposition& premisse,
                                                std::uint32_t attribut, std::uint32_t limite) const {
    std::uint32_t dernier = TFormeCompilee::Aucun;
    for (auto k = index.PremierTous[attribut]; k < limite; k = index.SuivantTous[k])
        if (CorrespondanceMemeAttribut(FaitsCourants_[k], premisse) == Satisfaite) dernier = k;
    return dernier;
}

std::vector<std::vector<TNumeroDeRegle>> TMoteur::EtatPremisses() const {
    std::vector<std::vector<TNumeroDeRegle>> etat(Forme_ ? Forme_->NbRegles() : 0);
    for (std::size_t i = 0; i < etat.size(); ++i) {
        const std::size_t nombre = Forme_->AttributsPremisses(i).size();
        for (std::size_t j = 0; j < nombre; ++j) etat[i].push_back(EtatPremisse(i, j));
    }
    return etat;
}

TNumeroDeRegle TMoteur::EtatPremisse(std::size_t i, std::size_t j) const {
    const auto& degres = DegresPremisses_[Forme_->PremierePremisse(i) + j];
    return {static_cast<std::int32_t>(j), degres.Certitude, degres.Precision};
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
