#include "cli/rapport_inference.h"

#include <cstdio>

#include "core/encodage.h"
#include "core/proposition.h"
#include "inference/textes_inference.h"

namespace veridane {
namespace {

// The levels shown in the tree: all but the empty one that ended the run.
std::size_t NiveauxMontres(const std::vector<TRaisonnement>& raisonnement) {
    if (!raisonnement.empty() && raisonnement.back().ReglesDeclenchees.empty()) return raisonnement.size() - 1;
    return raisonnement.size();
}

void AjouteListeJson(std::string& json, const std::vector<TProposition>& faits, char separateur) {
    json += '[';
    for (std::size_t i = 0; i < faits.size(); ++i) {
        if (i > 0) json += ',';
        json += ChaineJson(PropEnChaine(faits[i], separateur));
    }
    json += ']';
}

void AjouteNiveauxJson(std::string& json, const std::vector<TRaisonnement>& raisonnement,
                       const std::vector<TRegle>& regles, char separateur) {
    json += '[';
    for (std::size_t l = 0; l < NiveauxMontres(raisonnement); ++l) {
        if (l > 0) json += ',';
        json += "{\"level\":" + std::to_string(l + 1) + ",\"rules\":[";
        const auto& records = raisonnement[l].ReglesDeclenchees;
        for (std::size_t k = 0; k < records.size(); ++k) {
            if (k > 0) json += ',';
            const auto& conclusion = regles.at(static_cast<std::size_t>(records[k].Numero - 1)).Conclusion;
            json += "{\"rule\":" + std::to_string(records[k].Numero) +
                    ",\"conclusion\":" + ChaineJson(PropEnChaine(conclusion, separateur)) + '}';
        }
        json += "]}";
    }
    json += ']';
}

}  // namespace

std::vector<std::string> LignesInference(const TMoteur& moteur, const std::vector<TRegle>& regles,
                                         bool baseFaitsOuverte, char separateur) {
    std::vector<std::string> lignes{"Observation " + std::to_string(moteur.NumObservationInference() + 1)};
    for (auto& ligne : LignesNiveauZero(moteur.ObservationInference(), baseFaitsOuverte, separateur))
        lignes.push_back(std::move(ligne));
    for (auto& ligne : LignesNiveaux(moteur.Raisonnement(), regles, separateur)) lignes.push_back(std::move(ligne));
    // The final counts, bare: a script reads the number at the end of the line.
    lignes.push_back("Triggered rules: " + std::to_string(moteur.NbReglesDeclenchees()));
    lignes.push_back("Deduced data: " + std::to_string(moteur.NbFaitsDeduits()));
    for (const auto& fait : moteur.FaitsDeduits()) {
        std::string& ligne = lignes.emplace_back(1, ' ');
        ligne += PropEnChaine(fait, separateur);
    }
    return lignes;
}

std::string JsonInference(const TMoteur& moteur, const std::vector<TRegle>& regles, bool baseFaitsOuverte,
                          char separateur) {
    std::string json = "{\"observation\":" + std::to_string(moteur.NumObservationInference() + 1);
    json += ",\"initial_data\":";
    static const std::vector<TProposition> aucun;
    AjouteListeJson(json, baseFaitsOuverte ? moteur.ObservationInference() : aucun, separateur);
    json += ",\"levels\":";
    AjouteNiveauxJson(json, moteur.Raisonnement(), regles, separateur);
    json += ",\"deduced_data\":";
    AjouteListeJson(json, moteur.FaitsDeduits(), separateur);
    json += ",\"rules\":" + std::to_string(moteur.NbRegles());
    json += ",\"triggered_rules\":" + std::to_string(moteur.NbReglesDeclenchees());
    json += ",\"initial_count\":" + std::to_string(moteur.NbFaitsInitiaux());
    json += ",\"deduced_count\":" + std::to_string(moteur.NbFaitsDeduits());
    json += '}';
    return json;
}

std::string ChaineJson(const std::string& texte) {
    std::string json = "\"";
    for (char c : Utf8DepuisWindows1252(texte)) {
        const auto octet = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (octet < 0x20) {
            char echappe[8];
            std::snprintf(echappe, sizeof echappe, "\\u%04x", octet);
            json += echappe;
        } else {
            json += c;
        }
    }
    return json + '"';
}

}  // namespace veridane
