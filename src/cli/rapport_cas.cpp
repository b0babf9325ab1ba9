#include "cli/rapport_cas.h"

#include "cli/rapport_inference.h"
#include "core/encodage.h"

namespace veridane {

namespace {

std::string MessageEchecs(const std::vector<TEchecClause>& echecs) {
    std::string message;
    for (const TEchecClause& echec : echecs) {
        if (!message.empty()) message += "; ";
        message += echec.Texte;
    }
    return message;
}

std::string DetailEchecs(const std::vector<TEchecClause>& echecs) {
    std::string detail;
    for (const TEchecClause& echec : echecs) {
        detail += echec.Texte + "\n";
        if (echec.Explication) detail += "  " + *echec.Explication + "\n";
    }
    return detail;
}

}  // namespace

std::string TexteXml(const std::string& texte) {
    std::string propre;
    for (char c : texte) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet < 0x20 && c != '\t' && c != '\n' && c != '\r') continue;
        switch (c) {
            case '&': propre += "&amp;"; break;
            case '<': propre += "&lt;"; break;
            case '>': propre += "&gt;"; break;
            case '"': propre += "&quot;"; break;
            case '\'': propre += "&apos;"; break;
            default: propre += c;
        }
    }
    return Utf8DepuisWindows1252(propre);
}

std::string JUnitCas(const std::string& nomProjet, const std::string& nomFichierCas, const TFichierCas& fichier,
                     const TBilanCas& bilan, const TEchecsParCas& echecs) {
    const auto lignes = fichier.LignesDeCas();
    const std::string suite = TexteXml(nomProjet);
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites>\n";
    xml += "  <testsuite name=\"" + suite + "\" tests=\"" + std::to_string(lignes.size()) + "\" failures=\"" +
           std::to_string(bilan.NbEchoues()) + "\" errors=\"0\" skipped=\"0\">\n";
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const TLigneCas& ligne = *lignes[i];
        xml += "    <testcase classname=\"" + suite + "\" name=\"Observation " +
               std::to_string(ligne.Cas->Observation) + "\" file=\"" + TexteXml(nomFichierCas) + "\" line=\"" + std::to_string(ligne.Numero) + "\"";
        if (bilan.Resultats[i].Reussi()) {
            xml += "/>\n";
            continue;
        }
        xml += ">\n      <failure message=\"" + TexteXml(MessageEchecs(echecs[i])) + "\" type=\"expectation\">" +
               TexteXml(DetailEchecs(echecs[i])) + "</failure>\n    </testcase>\n";
    }
    xml += "  </testsuite>\n</testsuites>\n";
    return xml;
}

std::string JsonCas(const std::string& nomProjet, const TFichierCas& fichier, const TBilanCas& bilan,
                    const TEchecsParCas& echecs) {
    const auto lignes = fichier.LignesDeCas();
    std::string json = "{\"project\":" + ChaineJson(nomProjet) + ",\"cases\":[";
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const TCas& cas = *lignes[i]->Cas;
        if (i > 0) json += ',';
        json += "{\"observation\":" + std::to_string(cas.Observation) +
                ",\"line\":" + std::to_string(lignes[i]->Numero) +
                ",\"status\":" + (bilan.Resultats[i].Reussi() ? "\"pass\"" : "\"fail\"") + ",\"failures\":[";
        for (std::size_t k = 0; k < echecs[i].size(); ++k) {
            if (k > 0) json += ',';
            json += "{\"message\":" + ChaineJson(echecs[i][k].Texte);
            if (echecs[i][k].Explication) json += ",\"explanation\":" + ChaineJson(*echecs[i][k].Explication);
            json += '}';
        }
        json += "]}";
    }
    const auto& couverture = bilan.Couverture;
    json += "],\"rules\":" + std::to_string(couverture.Declenchees.size()) +
            ",\"fired\":" + std::to_string(couverture.NbDeclenchees()) + ",\"never_fired\":[";
    const auto jamais = couverture.JamaisDeclenchees();
    for (std::size_t k = 0; k < jamais.size(); ++k) json += (k > 0 ? "," : "") + std::to_string(jamais[k]);
    json += "],\"passed\":" + std::to_string(bilan.NbReussis()) + ",\"failed\":" + std::to_string(bilan.NbEchoues()) +
            '}';
    return json;
}

}  // namespace veridane
