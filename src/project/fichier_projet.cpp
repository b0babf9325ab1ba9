#include "fichier_projet.h"

#include <algorithm>

#include "core/dialogues.h"
#include "core/fichier_texte.h"
#include "core/position_texte.h"
#include "core/proposition.h"

namespace veridane {

namespace {

// The word after the first ":" of a line, blanks skipped, up to the next
// blank or the end of the line.
std::string NomApresDeuxPoints(const std::string& ligne) {
    std::size_t pos = ligne.find(':');
    if (pos == std::string::npos) return {};
    Avance(ligne, pos);
    SauteBlancs(ligne, pos);
    return Extrait(ligne, pos, std::min(ligne.find(' ', pos), ligne.size()));
}

}  // namespace

TContenuProjet DecortiqueProjet(const std::vector<std::string>& lignes) {
    TContenuProjet contenu;
    for (const std::string& ligne : lignes) {
        std::size_t diese = ligne.find('#');
        if (diese != std::string::npos) {
            contenu.Commentaires.push_back({Reste(ligne, diese + 1)});
            continue;
        }
        std::string majuscules = Majuscules(ligne);
        std::string nom = NomApresDeuxPoints(majuscules);
        // A line without a name names nothing, so it cannot hide a good one.
        if (nom.empty()) continue;
        if (majuscules.find("RULES FILE") != std::string::npos)
            contenu.FichierRegles = nom;
        else if (majuscules.find("DATA BASE") != std::string::npos)
            contenu.FichierBase = nom;
    }
    return contenu;
}

std::optional<TContenuProjet> LitProjet(const std::string& chemin) {
    TLecteurTexte lecteur;
    if (!lecteur.Ouvre(chemin)) return std::nullopt;
    std::vector<std::string> lignes;
    std::string ligne;
    while (lecteur.LitLigne(ligne)) lignes.push_back(ligne);
    return DecortiqueProjet(lignes);
}

bool NomFichierSimple(const std::string& nom) {
    // "." names the directory itself, and a control byte (a NUL above all,
    // which ends the name the system sees) makes the file opened differ
    // from the file named.
    bool controle = std::any_of(nom.begin(), nom.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return !nom.empty() && nom != "." && !controle && nom.find_first_of("/\\:") == std::string::npos &&
           nom.find("..") == std::string::npos;
}

std::string TexteProjet(const TProjet& projet) {
    TEcrivainTexte texte;
    if (projet.CommentairesProjet)
        for (const TModalite& commentaire : *projet.CommentairesProjet) texte.Ligne("#" + commentaire.Nom);
    texte.Ligne("");
    if (projet.FichRulNomme) texte.Ligne("Rules file: " + projet.NomFichRul);
    if (projet.FichDatNomme) texte.Ligne("Data base: " + projet.NomFichDat);
    return texte.Contenu;
}

std::string CheminFichier(const TProjet& projet, const std::string& nom) {
    return projet.RepertoireProjet + Minuscules(nom);
}

std::string NomPortable(std::string nom) {
    for (std::size_t i = 0; i < nom.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(nom[i]);
        const bool deuxiemePoint = c == '.' && i > 0 && nom[i - 1] == '.';
        if (c == ' ' || c == '#' || c == ':' || c == '/' || c == '\\' || c < 0x20 || deuxiemePoint) nom[i] = '_';
    }
    return nom;
}

std::string ChangeExtension(const std::string& nom, const std::string& extension) {
    std::size_t point = nom.find_last_of('.');
    return (point == std::string::npos ? nom : nom.substr(0, point)) + extension;
}

void FormeNomProjet(TEtatVeridane& etat, const std::string& chemin) {
    etat.Projet.RepertoireProjet = RepertoireDe(chemin);
    etat.Projet.NomProjet = ChangeExtension(NomDe(chemin), ".EXP");
    etat.Commandes.Titre = "Veridane - " + etat.Projet.NomProjet;
}

void FormeNomFichRul(TProjet& projet, const std::string& chemin) {
    projet.NomFichRul = NomDe(chemin);
    projet.FichRulNomme = true;
}

void FormeNomFichDat(TProjet& projet, const std::string& chemin) {
    projet.NomFichDat = NomDe(chemin);
    projet.FichDatNomme = true;
}

bool EcritProjet(const TProjet& projet, IDialogues& dialogues, const TSystemeFichiers& systeme) {
    TEcrivainTexte ecrivain;
    ecrivain.Contenu = TexteProjet(projet);
    std::string chemin = CheminFichier(projet, projet.NomProjet);
    if (auto raison = ecrivain.Enregistre(chemin, systeme)) {
        dialogues.Avertit(MessageEcritureImpossible(chemin, *raison));
        return false;
    }
    return true;
}

}  // namespace veridane
