#include "cli/rapport_explication.h"

#include "cli/rapport_inference.h"
#include "core/format_nombre.h"
#include "core/proposition.h"

namespace veridane {
namespace {

std::string NombreJson(double valeur) { return FormatGeneral(valeur, ChiffresAffichage, '.'); }

std::string Texte(const TProposition& p, char separateur) { return ChaineJson(PropEnChaine(p, separateur)); }

// "origin" and where: position, or level and rule.
std::string OrigineJson(const TOrigine& origine) {
    if (origine.Observee) return "\"origin\":\"observed\",\"position\":" + std::to_string(origine.Position);
    return "\"origin\":\"deduced\",\"level\":" + std::to_string(origine.Niveau) +
           ",\"rule\":" + std::to_string(origine.Regle);
}

std::string FaitSitueJson(const TProposition& fait, const TOrigine& origine, char separateur) {
    return "{\"datum\":" + Texte(fait, separateur) + "," + OrigineJson(origine) + "}";
}

const char* NomStatut(TStatutRegle statut) {
    switch (statut) {
        case TStatutRegle::Exclue: return "excluded";
        case TStatutRegle::Abandonnee: return "abandoned";
        case TStatutRegle::Declenchee: return "fired";
        case TStatutRegle::DejaConnue: return "already_known";
        case TStatutRegle::Ouverte: return "open";
        case TStatutRegle::Arretee: return "stopped";
    }
    return "";
}

std::string CandidatJson(const TCandidat& c, double valeurCritique, char separateur);

std::string ExplicationJson(const TPourquoiPas& explication, double valeurCritique, char separateur) {
    std::string json = "{\"datum\":" + Texte(explication.Fait, separateur);
    if (explication.Etabli) return json + ",\"established\":true," + OrigineJson(*explication.Etabli) + "}";
    json += ",\"established\":false,\"candidates\":[";
    for (std::size_t k = 0; k < explication.Candidats.size(); ++k)
        json += (k ? "," : "") + CandidatJson(explication.Candidats[k], valeurCritique, separateur);
    json += "]";
    if (explication.Candidats.empty()) {
        json += ",\"in_dictionary\":";
        json += explication.AuDictionnaire ? "true" : "false";
        json += ",\"observation_data\":[";
        for (std::size_t k = 0; k < explication.DonneesAttribut.size(); ++k) {
            const auto& [position, fait] = explication.DonneesAttribut[k];
            json += (k ? "," : "") + std::string("{\"datum\":") + Texte(fait, separateur) +
                    ",\"position\":" + std::to_string(position) + "}";
        }
        json += "]";
    }
    return json + "}";
}

std::string CandidatJson(const TCandidat& c, double valeurCritique, char separateur) {
    std::string json = "{\"rule\":" + std::to_string(c.Regle) + ",\"priority\":" + NombreJson(c.Priorite) +
                       ",\"conclusion\":" + Texte(c.Conclusion, separateur) + ",\"status\":\"" + NomStatut(c.Statut) +
                       "\"";
    switch (c.Statut) {
        case TStatutRegle::Exclue: json += ",\"critical\":" + NombreJson(valeurCritique); break;
        case TStatutRegle::Abandonnee:
            json += ",\"level\":" + std::to_string(c.Niveau) + ",\"premise\":" + std::to_string(c.Premisse) +
                    ",\"premise_text\":" + Texte(c.PremisseContredite, separateur) +
                    ",\"contradicted_by\":" + FaitSitueJson(c.Contraire, c.OrigineContraire, separateur);
            break;
        case TStatutRegle::Declenchee: json += ",\"level\":" + std::to_string(c.Niveau); break;
        case TStatutRegle::DejaConnue:
            json += ",\"level\":" + std::to_string(c.Niveau) +
                    ",\"known_as\":" + FaitSitueJson(c.Conclusion, c.Resultat, separateur);
            break;
        case TStatutRegle::Ouverte:
        case TStatutRegle::Arretee:
            json += ",\"unsatisfied\":[";
            for (std::size_t k = 0; k < c.NonSatisfaites.size(); ++k) {
                const auto& p = c.NonSatisfaites[k];
                json += (k ? "," : "") + std::string("{\"premise\":") + std::to_string(p.Numero) +
                        ",\"premise_text\":" + Texte(p.Premisse, separateur);
                if (p.Coupure == TCoupure::Profondeur) json += ",\"cut\":\"depth\"";
                if (p.Coupure == TCoupure::Cycle) json += ",\"cut\":\"cycle\"";
                for (const auto& suite : p.Suite) json += ",\"whynot\":" + ExplicationJson(suite, valeurCritique, separateur);
                json += "}";
            }
            json += "]";
            break;
    }
    return json + "}";
}

}  // namespace

std::string JsonPourquoi(const TNoeudPourquoi& noeud, char separateur) {
    std::string json = "{\"datum\":" + Texte(noeud.Fait, separateur) + "," + OrigineJson(noeud.Origine);
    if (noeud.Origine.Observee) return json + "}";
    json += ",\"priority\":" + NombreJson(noeud.Priorite);
    if (noeud.Renvoi) json += ",\"explained_above\":true";
    json += ",\"premises\":[";
    for (std::size_t k = 0; k < noeud.Appuis.size(); ++k) {
        const auto& appui = noeud.Appuis[k];
        json += (k ? "," : "") + std::string("{\"premise\":") + Texte(appui.Premisse, separateur) +
                ",\"satisfied_by\":" + JsonPourquoi(appui, separateur) + "}";
    }
    return json + "]}";
}

std::string JsonPourquoiPas(const TPourquoiPas& explication, double valeurCritique, char separateur) {
    return ExplicationJson(explication, valeurCritique, separateur);
}

}  // namespace veridane
