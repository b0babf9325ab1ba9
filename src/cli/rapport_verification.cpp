#include "cli/rapport_verification.h"

#include <cstdio>

#include "cli/rapport_inference.h"
#include "core/encodage.h"

namespace veridane {
namespace {

std::string Resume(const std::vector<TConstat>& constats) {
    const TBilanConstats bilan = Bilan(constats);
    return "verify: " + std::to_string(bilan.Erreurs) + " errors, " + std::to_string(bilan.Avertissements) +
           " warnings, " + std::to_string(bilan.Notes) + " notes";
}

std::string NombreOuNull(int numero) { return numero > 0 ? std::to_string(numero) : "null"; }

template <typename T, typename F>
std::string TableauJson(const std::vector<T>& valeurs, F texte) {
    std::string json = "[";
    for (std::size_t i = 0; i < valeurs.size(); ++i) json += (i > 0 ? ", " : "") + texte(valeurs[i]);
    return json + "]";
}

std::size_t IndexGenre(const std::string& id) {
    const auto& genres = GenresConstats();
    for (std::size_t i = 0; i < genres.size(); ++i)
        if (id == genres[i].Id) return i;
    return 0;
}

std::string ReglesSarif() {
    std::string json;
    const auto& genres = GenresConstats();
    for (std::size_t i = 0; i < genres.size(); ++i) {
        json += i > 0 ? ",\n" : "\n";
        json += std::string("        {\"id\": \"") + genres[i].Id + "\", \"shortDescription\": {\"text\": " +
                ChaineJson(genres[i].Description) + "}, \"defaultConfiguration\": {\"level\": \"" +
                NomNiveau(genres[i].Niveau) + "\"}}";
    }
    return json;
}

// Where a finding points: the rule's first line in the rules file, the
// dictionary file for an entry, the rules file for the base as a whole.
std::string LieuSarif(const TConstat& c, const TFichiersVerifies& fichiers) {
    const bool entree = c.Entree > 0;
    std::string lieu = "{\"physicalLocation\": {\"artifactLocation\": {\"uri\": " +
                       ChaineJson(UriDeChemin(entree ? fichiers.CheminDico : fichiers.CheminRegles)) + "}";
    const auto index = static_cast<std::size_t>(c.Regle - 1);
    if (c.Regle > 0 && index < fichiers.LignesRegles.size())
        lieu += ", \"region\": {\"startLine\": " + std::to_string(fichiers.LignesRegles[index]) + "}";
    return lieu + "}}";
}

}  // namespace

void EcritTexteConstats(std::ostream& sortie, const std::vector<TConstat>& constats,
                        const TFichiersVerifies& fichiers) {
    std::string ligne;
    for (const TConstat& c : constats) {
        if (c.Entree > 0) ligne = fichiers.NomDico + ": entry " + std::to_string(c.Entree) + ": ";
        else if (c.Regle > 0) ligne = fichiers.NomRegles + ": rule " + std::to_string(c.Regle) + ": ";
        else ligne = fichiers.NomRegles + ": ";
        ligne += std::string(NomNiveau(c.Niveau)) + " [" + c.Id + "] " + Utf8DepuisWindows1252(c.Message) + "\n";
        sortie << ligne;
    }
    sortie << Resume(constats) << "\n";
}

void EcritJsonConstats(std::ostream& sortie, const std::vector<TConstat>& constats) {
    sortie << "[";
    for (std::size_t i = 0; i < constats.size(); ++i) {
        const TConstat& c = constats[i];
        sortie << (i > 0 ? ",\n  " : "\n  ")
               << "{\"id\": \"" + c.Id + "\", \"level\": \"" + NomNiveau(c.Niveau) + "\", \"rule\": " +
                      NombreOuNull(c.Regle) + ", \"entry\": " + NombreOuNull(c.Entree) + ", \"related_rules\": " +
                      TableauJson(c.ReglesLiees, [](int r) { return std::to_string(r); }) + ", \"attributes\": " +
                      TableauJson(c.Attributs, [](const std::string& a) { return ChaineJson(a); }) +
                      ", \"message\": " + ChaineJson(c.Message) + "}";
    }
    sortie << (constats.empty() ? "]\n" : "\n]\n");
}

void EcritSarifConstats(std::ostream& sortie, const std::vector<TConstat>& constats,
                        const TFichiersVerifies& fichiers) {
    sortie << "{\n  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n  \"version\": \"2.1.0\",\n"
              "  \"runs\": [{\n    \"tool\": {\"driver\": {\"name\": \"veridane-cli\", \"version\": \"1.0\", \"rules\": ["
           << ReglesSarif() << "\n    ]}},\n    \"results\": [";
    for (std::size_t i = 0; i < constats.size(); ++i) {
        const TConstat& c = constats[i];
        sortie << (i > 0 ? ",\n" : "\n")
               << "      {\"ruleId\": \"" + c.Id + "\", \"ruleIndex\": " + std::to_string(IndexGenre(c.Id)) +
                      ", \"level\": \"" + NomNiveau(c.Niveau) + "\", \"message\": {\"text\": " + ChaineJson(c.Message) +
                      "}, \"locations\": [" + LieuSarif(c, fichiers) + "]}";
    }
    sortie << (constats.empty() ? "]\n  }]\n}\n" : "\n    ]\n  }]\n}\n");
}

std::string UriDeChemin(const std::string& chemin) {
    std::string uri = !chemin.empty() && chemin.front() == '/' ? "file://" : "";
    for (unsigned char c : chemin) {
        const bool libre = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (libre) {
            uri += static_cast<char>(c);
        } else {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", c);
            uri += code;
        }
    }
    return uri;
}

}  // namespace veridane
