// Why an expected conclusion of a case was not established: the case is run
// again with the run recorder, and the why-not explanation of the
// proposition gives its first reason.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "inference/enregistreur.h"
#include "inference/moteur.h"
#include "project/etat.h"
#include "verification/fichier_cas.h"
#include "verification/textes_cas.h"

namespace veridane {

class TExplicationCas {
public:
    // `etat` must outlive the explanation and stay unchanged.
    TExplicationCas(const TCas& cas, const TEtatVeridane& etat);
    TExplicationCas(const TExplicationCas&) = delete;
    TExplicationCas& operator=(const TExplicationCas&) = delete;

    // The first line under "P was not established in observation K." of
    // the why-not explanation (a rule that could have concluded P and what
    // became of it, or why no rule can); nothing when the observation is not
    // in the data base or the explanation says nothing more.
    std::optional<std::string> PremiereRaison(const TProposition& proposition) const;

    // The same, for EchecsDuCas and LignesRapportCas.
    TExpliqueAbsence Fonction() const {
        return [this](const TProposition& p) { return PremiereRaison(p); };
    }

private:
    const TEtatVeridane& Etat;
    TCas Cas;
    bool Executee = false;
    std::vector<TRegle> Regles;
    TMoteur Moteur;
    TEnregistreur Enregistreur;
};

}  // namespace veridane
