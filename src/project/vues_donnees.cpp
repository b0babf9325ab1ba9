#include "project/vues_donnees.h"

#include "core/format_nombre.h"
#include "core/proposition.h"

namespace veridane {

TVueDonnee VueDonnee(const TProposition& p, int position, int chiffres, char separateur) {
    TVueDonnee vue;
    vue.Position = "Data " + std::to_string(position) + ":";
    vue.Attribut = p.Attribut;
    vue.Operateur = TransformeOperateur(p.Operateur);
    switch (p.TypeValeur) {
        case TypeNumerique: vue.Valeurs.push_back(FormatGeneral(p.Reel, chiffres, separateur)); break;
        case TypeSymbolique: vue.Valeurs.push_back(p.Modalite.str()); break;
        default:
            for (const auto& valeur : p.Liste) vue.Valeurs.push_back(valeur.Nom);
    }
    return vue;
}

int NombreVueDico(const TBaseConnaissances& base) {
    const int nombre = static_cast<int>(base.Dictionnaire.size());
    return nombre < 1 ? 1 : nombre;
}

std::string TitreVueDico(const TBaseConnaissances& base) {
    if (base.Dictionnaire.empty()) return "Dictionary Viewer: no data (dictionary is empty)";
    return "Dictionary Viewer: " + std::to_string(base.Dictionnaire.size()) + " data";
}

const TObservation* ObservationVue(const TBaseFaits& faits) {
    if (faits.NumObservation < 0 || faits.NumObservation >= static_cast<int>(faits.Observations.size())) return nullptr;
    return &faits.ObservationCourante();
}

namespace {

std::string NumeroVu(const TBaseFaits& faits) { return std::to_string(faits.NumObservation + 1); }

}  // namespace

std::string TitreVueBase(const TBaseFaits& faits) {
    const TObservation* observation = ObservationVue(faits);
    if (observation == nullptr || observation->empty())
        return "Data base Viewer of observation " + NumeroVu(faits) + ": no data";
    const std::string nombre = std::to_string(observation->size());
    if (faits.Observations.size() < 2) return "Data base Viewer: " + nombre + " data";
    return "Data base Viewer of observation " + NumeroVu(faits) + ": " + nombre + " data";
}

std::string TexteObservationSansDonnees(const TBaseFaits& faits) {
    return "Observation " + NumeroVu(faits) + " contains no data";
}

std::string TitreObservationVide(const TBaseFaits& faits) { return "Observation " + NumeroVu(faits) + " is empty"; }

std::string CompteVueGlobale(const TBaseConnaissances& base) {
    return std::to_string(base.Dictionnaire.size()) + " data";
}

std::string LigneVueGlobale(const TBaseConnaissances& base, std::size_t k) {
    return PropEnChaine(base.Dictionnaire[k], base.SeparateurDecimal);
}

std::vector<std::string> LignesVueGlobale(const TBaseConnaissances& base) {
    std::vector<std::string> lignes;
    for (std::size_t k = 0; k < base.Dictionnaire.size(); ++k) lignes.push_back(LigneVueGlobale(base, k));
    return lignes;
}

}  // namespace veridane
