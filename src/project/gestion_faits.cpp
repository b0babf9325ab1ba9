#include "project/gestion_faits.h"

#include <algorithm>

#include "core/format_nombre.h"
#include "core/proposition.h"

namespace veridane {

std::string LigneFait(const TProposition& p, char separateur) {
    return p.Attribut + " " + TransformeOperateur(p.Operateur) + " " + ValeurEnChaine(p, ChiffresAffichage, separateur);
}

std::string LegendeDictionnaire(const TBaseConnaissances& base) {
    if (!base.DicoCree) return "Data dictionary: no data";
    return "Data dictionary: " + std::to_string(base.Dictionnaire.size()) + " data";
}

bool ObservationMontrable(const TBaseFaits& faits) {
    return faits.BaseFaitsOuverte && faits.NumObservation >= 0 &&
           faits.NumObservation < static_cast<int>(faits.Observations.size());
}

std::string LegendeObservation(const TBaseFaits& faits) {
    if (!ObservationMontrable(faits)) return "Data base: no data";
    const std::string nombre = std::to_string(faits.ObservationCourante().size());
    if (faits.Observations.size() < 2) return "Data base: " + nombre + " data";
    return "Data base of observation " + std::to_string(faits.NumObservation + 1) + ": " + nombre + " data";
}

std::vector<std::string> LignesDictionnaire(const TBaseConnaissances& base) {
    std::vector<std::string> lignes;
    if (!base.DicoCree) return lignes;
    for (const auto& entree : base.Dictionnaire) lignes.push_back(LigneFait(entree, base.SeparateurDecimal));
    return lignes;
}

std::vector<std::string> LignesObservation(const TBaseFaits& faits, char separateur) {
    std::vector<std::string> lignes;
    if (!ObservationMontrable(faits)) return lignes;
    for (const auto& fait : faits.ObservationCourante()) lignes.push_back(LigneFait(fait, separateur));
    return lignes;
}

TProposition NouveauFait(const TProposition& entree) {
    TProposition fait;
    fait.Attribut = entree.Attribut;
    fait.Operateur = entree.Operateur;
    fait.TypeValeur = entree.TypeValeur;
    fait.Reel = entree.Reel;
    fait.Modalite = entree.Modalite;
    fait.Liste = entree.Liste;
    fait.Certitude = DegreCertain;
    fait.Precision = DegreCertain;
    fait.Validee = false;
    return fait;
}

void PrepareObservationCourante(TBaseFaits& faits) {
    if (faits.Observations.empty()) faits.Observations.emplace_back();
    const int dernier = static_cast<int>(faits.Observations.size()) - 1;
    if (faits.NumObservation < 0 || faits.NumObservation > dernier) faits.NumObservation = 0;
}

void AjouteFait(TBaseFaits& faits, const TProposition& entree) {
    PrepareObservationCourante(faits);
    faits.ObservationCourante().push_back(NouveauFait(entree));
    faits.NbFaits += 1;
    faits.BaseFaitsOuverte = true;
    faits.BaseFaitsModifiee = true;
}

bool RetireFait(TBaseFaits& faits, int index) {
    if (faits.NumObservation < 0 || faits.NumObservation >= static_cast<int>(faits.Observations.size())) return false;
    auto& observation = faits.ObservationCourante();
    if (index < 0 || index >= static_cast<int>(observation.size())) return false;
    observation.erase(observation.begin() + index);
    faits.NbFaits -= 1;
    faits.BaseFaitsModifiee = true;
    return true;
}

bool MemesDonnees(const std::vector<TProposition>& a, const std::vector<TProposition>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TProposition& x, const TProposition& y) {
        return Equivalence(x, y) && x.Certitude == y.Certitude && x.Precision == y.Precision;
    });
}

void RemplaceObservationCourante(TBaseFaits& faits, const std::vector<TProposition>& donnees) {
    PrepareObservationCourante(faits);
    auto& observation = faits.ObservationCourante();
    if (MemesDonnees(observation, donnees)) return;
    faits.NbFaits += static_cast<int>(donnees.size()) - static_cast<int>(observation.size());
    observation = donnees;
    faits.BaseFaitsOuverte = faits.BaseFaitsOuverte || !donnees.empty();
    faits.BaseFaitsModifiee = true;
}

void FermeGereFaits(TEtatVeridane& etat) {
    // The count is taken again from the observations: the one read from a
    // file also counts statements that failed to parse.
    etat.Faits.NbFaits = etat.Faits.CompteFaits();
    if (etat.Faits.NbFaits == 0) {
        etat.Commandes.MenuInference = false;
        return;
    }
    if (!etat.Base.Regles.empty()) etat.Commandes.MenuInference = true;
    etat.Commandes.VoirDonneesBase = true;
    etat.Commandes.BoutonBaseFaits = true;
}

}  // namespace veridane
