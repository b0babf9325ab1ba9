#include "execution_cas.h"

#include <algorithm>

#include "core/dialogues.h"
#include "core/proposition.h"
#include "inference/correspondance.h"

namespace veridane {

bool TResultatCas::Reussi() const {
    return ObservationPresente &&
           std::all_of(Clauses.begin(), Clauses.end(), [](const TResultatClause& c) { return c.Reussie; });
}

int TCouverture::NbDeclenchees() const {
    return static_cast<int>(std::count(Declenchees.begin(), Declenchees.end(), true));
}

std::vector<int> TCouverture::JamaisDeclenchees() const {
    std::vector<int> numeros;
    for (std::size_t i = 0; i < Declenchees.size(); ++i)
        if (!Declenchees[i]) numeros.push_back(static_cast<int>(i) + 1);
    return numeros;
}

void TCouverture::Ajoute(const TResultatCas& resultat) {
    for (int numero : resultat.ReglesDeclenchees)
        if (numero >= 1 && static_cast<std::size_t>(numero) <= Declenchees.size())
            Declenchees[static_cast<std::size_t>(numero) - 1] = true;
}

std::optional<TProvenance> EtablieDans(const TMoteur& moteur, const TProposition& proposition) {
    const auto& initiales = moteur.ObservationInference();
    for (std::size_t k = 0; k < initiales.size(); ++k)
        if (Correspondance(initiales[k], proposition) == Satisfaite)
            return TProvenance{static_cast<int>(k) + 1, 0, 0};
    // The deduced data follow the records of the levels one for one.
    const auto& deduites = moteur.FaitsDeduits();
    std::size_t k = 0;
    int niveau = 0;
    for (const TRaisonnement& etage : moteur.Raisonnement()) {
        ++niveau;
        for (const TNumeroDeRegle& record : etage.ReglesDeclenchees) {
            if (k < deduites.size() && Correspondance(deduites[k], proposition) == Satisfaite)
                return TProvenance{0, record.Numero, niveau};
            ++k;
        }
    }
    return std::nullopt;
}

TResultatCas ExecuteCas(const TCas& cas, const TEtatVeridane& etat, std::vector<TRegle>& regles, TMoteur& moteur) {
    TResultatCas resultat;
    const auto& observations = etat.Faits.Observations;
    if (cas.Observation < 1 || static_cast<std::size_t>(cas.Observation) > observations.size()) {
        resultat.Clauses.resize(cas.Clauses.size());
        return resultat;
    }
    resultat.ObservationPresente = true;
    const int indice = cas.Observation - 1;
    moteur.ChoisitObservation(observations[static_cast<std::size_t>(indice)], indice);
    moteur.InitialiseCompteurs(regles);
    moteur.InitialiseRegles(regles, cas.Critique.value_or(etat.ValeurCritique));
    TNotificationsMuettes muettes;
    moteur.Strategie(regles, muettes);

    for (const TClause& clause : cas.Clauses) {
        TResultatClause r;
        r.Origine = EtablieDans(moteur, clause.Proposition);
        r.Reussie = clause.Attendue == r.Origine.has_value();
        resultat.Clauses.push_back(r);
    }
    resultat.FaitsDeduits = moteur.FaitsDeduits();
    for (const TRaisonnement& etage : moteur.Raisonnement())
        for (const TNumeroDeRegle& record : etage.ReglesDeclenchees) resultat.ReglesDeclenchees.push_back(record.Numero);
    return resultat;
}

int TBilanCas::NbReussis() const {
    return static_cast<int>(
        std::count_if(Resultats.begin(), Resultats.end(), [](const TResultatCas& r) { return r.Reussi(); }));
}

int TBilanCas::NbEchoues() const { return static_cast<int>(Resultats.size()) - NbReussis(); }

TBilanCas ExecuteTousLesCas(const TFichierCas& fichier, const TEtatVeridane& etat, IProgression& progression) {
    TBilanCas bilan;
    bilan.Couverture.Declenchees.assign(etat.Base.Regles.size(), false);
    // One working copy for all the runs: each run prepares it again.
    std::vector<TRegle> regles = etat.Base.Regles;
    TMoteur moteur;
    const auto lignes = fichier.LignesDeCas();
    progression.Montre(static_cast<int>(lignes.size()));
    for (const TLigneCas* ligne : lignes) {
        bilan.Resultats.push_back(ExecuteCas(*ligne->Cas, etat, regles, moteur));
        bilan.Couverture.Ajoute(bilan.Resultats.back());
        progression.Avance();
        progression.Rafraichit();
    }
    progression.Cache();
    return bilan;
}

TCas CasDesResultats(const TCas& cas, const TResultatCas& resultat) {
    TCas nouveau;
    nouveau.Observation = cas.Observation;
    nouveau.Critique = cas.Critique;
    for (const TProposition& fait : resultat.FaitsDeduits) {
        const bool deja = std::any_of(nouveau.Clauses.begin(), nouveau.Clauses.end(),
                                      [&](const TClause& c) { return Equivalence(c.Proposition, fait); });
        if (deja) continue;
        TClause clause;
        clause.Proposition = fait;
        clause.Proposition.Validee = false;
        nouveau.Clauses.push_back(std::move(clause));
    }
    for (std::size_t i = 0; i < cas.Clauses.size() && i < resultat.Clauses.size(); ++i)
        if (!cas.Clauses[i].Attendue && resultat.Clauses[i].Reussie) nouveau.Clauses.push_back(cas.Clauses[i]);
    return nouveau;
}

TFichierCas EnregistreResultats(const TFichierCas& fichier, const TEtatVeridane& etat) {
    const std::size_t nbObservations = etat.Faits.Observations.size();
    std::vector<TRegle> regles = etat.Base.Regles;
    TMoteur moteur;
    std::vector<bool> couvertes(nbObservations, false);
    TFichierCas nouveau;
    for (const TLigneCas& ligne : fichier.Lignes) {
        if (!ligne.Cas) {
            nouveau.Lignes.push_back(ligne);
            continue;
        }
        const TCas& cas = *ligne.Cas;
        if (cas.Observation < 1 || static_cast<std::size_t>(cas.Observation) > nbObservations) continue;
        couvertes[static_cast<std::size_t>(cas.Observation) - 1] = true;
        TLigneCas enregistree = ligne;
        enregistree.Cas = CasDesResultats(cas, ExecuteCas(cas, etat, regles, moteur));
        nouveau.Lignes.push_back(std::move(enregistree));
    }
    for (std::size_t k = 0; k < nbObservations; ++k) {
        if (couvertes[k]) continue;
        TCas cas;
        cas.Observation = static_cast<int>(k) + 1;
        TLigneCas ligne;
        ligne.Cas = CasDesResultats(cas, ExecuteCas(cas, etat, regles, moteur));
        nouveau.Lignes.push_back(std::move(ligne));
    }
    return nouveau;
}

}  // namespace veridane
