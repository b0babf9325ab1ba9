#include "textes_cas.h"

#include "core/proposition.h"

namespace veridane {

namespace {

std::string Provenance(const TProvenance& origine) {
    if (origine.DonneeObservee > 0) return "observed, datum " + std::to_string(origine.DonneeObservee);
    return "established by rule " + std::to_string(origine.Regle) + " at level " + std::to_string(origine.Niveau);
}

std::string PremiereLigne(const std::string& texte) {
    return texte.substr(0, texte.find_first_of("\r\n"));
}

}  // namespace

std::vector<TEchecClause> EchecsDuCas(const TCas& cas, const TResultatCas& resultat, char separateur,
                                      const TExpliqueAbsence& pourquoiPas) {
    std::vector<TEchecClause> echecs;
    if (!resultat.ObservationPresente) {
        echecs.push_back({"observation " + std::to_string(cas.Observation) + " is not in the data base", {}});
        return echecs;
    }
    for (std::size_t i = 0; i < cas.Clauses.size() && i < resultat.Clauses.size(); ++i) {
        const TClause& clause = cas.Clauses[i];
        const TResultatClause& r = resultat.Clauses[i];
        if (r.Reussie) continue;
        const std::string texte = PropEnChaine(clause.Proposition, separateur);
        TEchecClause echec;
        if (clause.Attendue) {
            echec.Texte = "expected " + texte + ": not established";
            if (pourquoiPas) {
                auto explication = pourquoiPas(clause.Proposition);
                if (explication && !PremiereLigne(*explication).empty()) echec.Explication = PremiereLigne(*explication);
            }
        } else {
            echec.Texte = "rejected " + texte + ": " + Provenance(*r.Origine);
        }
        echecs.push_back(std::move(echec));
    }
    return echecs;
}

std::string LigneStatutCas(const TCas& cas, const TResultatCas& resultat) {
    return std::string(resultat.Reussi() ? "PASS" : "FAIL") + " Observation " + std::to_string(cas.Observation);
}

std::vector<std::string> LignesRapportCas(const TCas& cas, const TResultatCas& resultat, char separateur,
                                          const TExpliqueAbsence& pourquoiPas) {
    std::vector<std::string> lignes{LigneStatutCas(cas, resultat)};
    for (const TEchecClause& echec : EchecsDuCas(cas, resultat, separateur, pourquoiPas)) {
        lignes.push_back("  " + echec.Texte);
        if (echec.Explication) lignes.push_back("    " + *echec.Explication);
    }
    return lignes;
}

std::string LigneCouverture(const TCouverture& couverture) {
    std::string ligne = "Rules fired: " + std::to_string(couverture.NbDeclenchees()) + " of " +
                        std::to_string(couverture.Declenchees.size()) + "; never fired: ";
    const auto jamais = couverture.JamaisDeclenchees();
    if (jamais.empty()) return ligne + "none";
    for (std::size_t i = 0; i < jamais.size(); ++i) ligne += (i == 0 ? "" : ", ") + std::to_string(jamais[i]);
    return ligne;
}

std::string LigneBilan(int reussis, int echoues) {
    return std::to_string(reussis) + " passed, " + std::to_string(echoues) + " failed";
}

}  // namespace veridane
