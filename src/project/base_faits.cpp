#include "base_faits.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/dialogues.h"
#include "core/fichier_texte.h"
#include "core/format_nombre.h"
#include "core/journal.h"
#include "core/position_texte.h"
#include "core/proposition.h"
#include "project/affichage_base.h"
#include "project/fichier_projet.h"

namespace veridane {

namespace {

constexpr int CompteAbsent = -1;
constexpr int CompteErrone = -2;

bool Contient(const std::string& texte, const char* morceau) { return texte.find(morceau) != std::string::npos; }

// The count after the first ":" of a count line: blanks, then digits ended
// by a blank, a ";" or the end of the line.
int LitCompte(const std::string& ligne) {
    std::size_t pos = ligne.find(':');
    if (pos == std::string::npos) return CompteErrone;
    Avance(ligne, pos);
    SauteBlancs(ligne, pos);
    std::string chiffres;
    for (int c = Caractere(ligne, pos); c != FinTexte && c != ' ' && c != ';';
         Avance(ligne, pos), c = Caractere(ligne, pos)) {
        if (c < '0' || c > '9') return CompteErrone;
        chiffres += static_cast<char>(c);
    }
    if (chiffres.empty()) return CompteErrone;
    errno = 0;
    long long valeur = std::strtoll(chiffres.c_str(), nullptr, 10);
    if (errno == ERANGE || valeur > INT_MAX) return CompteErrone;
    return static_cast<int>(valeur);
}

// The value part of a datum line: a number or a word followed by a blank, or
// a set "{ A, B }".
std::string ValeurDuFait(const TProposition& p, char separateur) {
    if (p.TypeValeur != TypeEnsemble) return ValeurEnChaine(p, ChiffresAffichage, separateur) + " ";
    std::string texte = "{ ";
    for (std::size_t i = 0; i < p.Liste.size(); ++i) texte += (i ? ", " : "") + p.Liste[i].Nom;
    return texte + " }";
}

void VideBase(TBaseFaits& faits) {
    faits.Observations.clear();
    faits.NumObservation = 0;
    faits.NbFaits = 0;
    faits.BaseFaitsOuverte = false;
}

// The head of the file: comments up to the count line. Returns the count,
// CompteAbsent at the end of the file, CompteErrone on a bad line.
int LitEntete(TLecteurTexte& lecteur, TBaseFaits& faits) {
    std::string ligne;
    while (lecteur.LitLigne(ligne)) {
        std::size_t diese = ligne.find('#');
        if (diese != std::string::npos) faits.CommentairesBase.push_back({Reste(ligne, diese + 1)});
        int compte = TrouveNbFaits(Majuscules(ligne));
        if (compte != CompteAbsent) return compte;
    }
    return CompteAbsent;
}

// The data: "*" lines separate observations, "#" lines carry no meaning,
// every other line adds to the statement until it holds a ";".
void LitDonnees(TLecteurTexte& lecteur, TBaseFaits& faits, IDialogues& dialogues, IProgression& progression) {
    faits.Observations.assign(1, TObservation{});
    faits.NumFait = 0;
    std::string ligne, tampon;
    bool correct = true;
    while (correct && lecteur.LitLigne(ligne)) {
        bool diese = Contient(ligne, "#");
        if (diese) continue;
        if (Contient(ligne, "*")) {
            faits.Observations.emplace_back();
            continue;
        }
        tampon += " " + Majuscules(ligne);
        if (!Contient(tampon, ";")) continue;
        ++faits.NumFait;
        correct = DecortiqueFait(faits, tampon, dialogues);
        tampon.clear();
        ++faits.NbFaits;
        progression.Avance();
    }
    faits.NumObservation = 0;
}

}  // namespace

int TrouveNbFaits(const std::string& ligne) {
    // A "#" line is a comment even when it reads like a count line, so an
    // abstract may say anything.
    if (Contient(ligne, "#") || ligne.empty()) return CompteAbsent;
    bool entete = Contient(ligne, "NUMBER") && Contient(ligne, "OF") && Contient(ligne, "DATA") && Contient(ligne, ":");
    return entete ? LitCompte(ligne) : CompteErrone;
}

bool DecortiqueFait(TBaseFaits& faits, const std::string& texte, IDialogues& dialogues) {
    std::size_t pos = 0;
    SauteBlancs(texte, pos);
    TProposition p;
    p.Attribut = TrouveAttribut(texte, pos);
    if (p.Attribut.empty()) {
        dialogues.Avertit("Error in data " + std::to_string(faits.NumFait) + ": attribute of data not found");
        return false;
    }
    SauteBlancs(texte, pos);
    p.Operateur = TrouveOperateur(texte, pos);
    if (p.Operateur == OpAucun) {
        dialogues.Avertit("Error in data " + std::to_string(faits.NumFait) + ": incorrect operator in data");
        return false;
    }
    GereModalite(texte, pos, p.Operateur, p);
    p.Certitude = p.Precision = DegreCertain;
    if (faits.Observations.empty()) faits.Observations.emplace_back();
    faits.Observations.back().push_back(std::move(p));
    return true;
}

bool OuvrirFF(TEtatVeridane& etat, const std::string& chemin, IDialogues& dialogues, IProgression& progression) {
    TBaseFaits& faits = etat.Faits;
    TLecteurTexte lecteur;
    faits.CommentairesBase.clear();
    faits.BaseFaitsModifiee = false;
    faits.BaseFaitsSansNom = false;
    // The name stays even when the file is missing: the next save writes the
    // data base where the project file expects it.
    FormeNomFichDat(etat.Projet, chemin);
    etat.ValeurCritique = 0.0;
    if (!lecteur.Ouvre(chemin)) {
        dialogues.Avertit("File of data base not found");
        VideBase(faits);
        if (etat.Projet.ReglesIntrouvables) etat.Demarrage();
        else AfficheEtatBase(etat);
        return false;
    }
    VideBase(faits);
    int attendus = LitEntete(lecteur, faits);
    if (attendus == CompteErrone) {
        dialogues.Avertit("Error: not number of data in the file ");
    } else {
        progression.Montre(attendus < 0 ? 0 : attendus);
        LitDonnees(lecteur, faits, dialogues, progression);
        if (faits.NbFaits != attendus)
            dialogues.Avertit(std::to_string(faits.NbFaits) + " data extracted, " + std::to_string(attendus) +
                              " expected data");
        progression.Cache();
        faits.BaseFaitsOuverte = faits.NbFaits > 0;
        if (faits.BaseFaitsOuverte) etat.Commandes.BaseLue();
    }
    AfficheEtatBase(etat);
    return true;
}

std::string TexteBaseFaits(const TBaseFaits& faits, char separateur) {
    TProgressionMuette muette;
    return TexteBaseFaits(faits, separateur, muette);
}

std::string TexteBaseFaits(const TBaseFaits& faits, char separateur, IProgression& progression) {
    TEcrivainTexte texte;
    for (const TModalite& commentaire : faits.CommentairesBase) texte.Ligne("#" + commentaire.Nom);
    texte.Ligne("");
    texte.Ligne("Number of data: " + std::to_string(faits.CompteFaits()) + ";");
    texte.Ligne("");
    int numero = 0;
    for (std::size_t i = 0; i < faits.Observations.size(); ++i) {
        if (i > 0) {
            texte.Ligne("");
            texte.Ligne("* ");
            texte.Ligne("");
        }
        texte.Ligne("# Observation " + std::to_string(i + 1));
        texte.Ligne("");
        for (const TProposition& p : faits.Observations[i]) {
            texte.Ligne("# Data " + std::to_string(++numero));
            texte.Ligne(p.Attribut + " " + TransformeOperateur(p.Operateur) + " " + ValeurDuFait(p, separateur) + " ;");
        }
        progression.Avance();
    }
    return texte.Contenu;
}

bool EcritBaseFaits(TBaseFaits& faits, const std::string& chemin, char separateur, IDialogues& dialogues,
                    IProgression& progression, const TSystemeFichiers& systeme) {
    TEcrivainTexte ecrivain;
    progression.Montre(static_cast<int>(faits.Observations.size()));
    ecrivain.Contenu = TexteBaseFaits(faits, separateur, progression);
    progression.Cache();
    faits.NbFaits = faits.CompteFaits();
    if (auto raison = ecrivain.Enregistre(chemin, systeme)) {
        dialogues.Avertit(MessageEcritureImpossible(chemin, *raison));
        return false;
    }
    faits.BaseFaitsModifiee = false;
    return true;
}

}  // namespace veridane
