#include "dictionnaire.h"

#include <algorithm>
#include <optional>

#include "constructeur_dico.h"
#include "dialogues.h"
#include "etat_commandes.h"
#include "fichier_texte.h"
#include "format_nombre.h"
#include "proposition.h"

namespace veridane {

namespace {

std::string MessageEntree(int numero, const char* fin) {
    return "Error in data " + std::to_string(numero) + " of the dictionary: " + fin;
}

// Reads one entry text into a proposition; nothing after a warning naming
// entry `numero`.
std::optional<TProposition> AnalyseEntree(const std::string& texte, int numero, IDialogues& dialogues) {
    std::size_t pos = 0;
    TProposition p;
    SauteBlancs(texte, pos);
    p.Attribut = TrouveAttribut(texte, pos);
    if (p.Attribut.empty()) {
        dialogues.Avertit(MessageEntree(numero, "attribute of data not found"));
        return std::nullopt;
    }
    SauteBlancs(texte, pos);
    p.Operateur = TrouveOperateur(texte, pos);
    if (p.Operateur == OpAucun) {
        dialogues.Avertit(MessageEntree(numero, "incorrect operator in data"));
        return std::nullopt;
    }
    GereModalite(texte, pos, p.Operateur, p);
    return p;
}

// One dictionary entry of the file as written: value followed by a blank
// for a number or a word, set closed by " }", then ";".
std::string LigneEntree(const TProposition& p, char separateur) {
    std::string ligne = p.Attribut + " " + TransformeOperateur(p.Operateur) + " " +
                        ValeurEnChaine(p, ChiffresAffichage, separateur);
    if (p.TypeValeur != TypeEnsemble) ligne += ' ';
    ligne += ';';
    return ligne;
}

void EcritDico(const TBaseConnaissances& base, TEcrivainTexte& ecrivain, IProgression* progression) {
    for (const TModalite& commentaire : base.CommentairesRegles) ecrivain.Ligne("#" + commentaire.Nom);
    ecrivain.Ligne("");
    for (const TProposition& entree : base.Dictionnaire) {
        ecrivain.Ligne(LigneEntree(entree, base.SeparateurDecimal));
        ecrivain.Ligne("");
        if (progression) progression->Avance();
    }
}

}  // namespace

void ChargeDicoFaits(TBaseConnaissances& base, const std::string& chemin, TEtatCommandes& commandes,
                     IDialogues& dialogues) {
    TLecteurTexte lecteur;
    if (lecteur.Ouvre(chemin)) ChargeDicoFaits(base, lecteur, commandes, dialogues);
}

void ChargeDicoFaits(TBaseConnaissances& base, TLecteurTexte& lecteur, TEtatCommandes& commandes,
                     IDialogues& dialogues) {
    base.NbFaitsDico = 0;
    commandes.DicoNonVide();

    TConstructeurDico constructeur(std::move(base.Dictionnaire));
    std::string ligne;
    std::string entree;
    while (lecteur.LitLigne(ligne)) {
        // Comment lines are not read back: they come from the rules file.
        if (ligne.find('#') != std::string::npos) continue;
        entree += Majuscules(ligne);
        if (ligne.find(';') == std::string::npos) continue;
        ++base.NbFaitsDico;
        auto p = AnalyseEntree(entree, base.NbFaitsDico, dialogues);
        entree.clear();
        if (!p) break;
        // An entry already held leaves the counter as it is, so a later
        // message names the entries held plus one.
        if (constructeur.Ajoute(*p)) base.NbFaitsDico = static_cast<int>(constructeur.Nombre());
    }
    base.Dictionnaire = constructeur.Termine();
    base.NbFaitsDico = static_cast<int>(base.Dictionnaire.size());
}

bool DecortiqueDico(TBaseConnaissances& base, const std::string& texte, IDialogues& dialogues) {
    auto p = AnalyseEntree(texte, base.NbFaitsDico, dialogues);
    if (!p) return false;
    AjouteAuDico(base, *p);
    return true;
}

void CompileDico(TBaseConnaissances& base) {
    if (!base.DicoCree) {
        base.Dictionnaire.clear();
        base.DicoCree = true;
    }
    TConstructeurDico constructeur(std::move(base.Dictionnaire));
    const std::size_t nombre = std::min(base.Regles.size(), static_cast<std::size_t>(std::max(base.NbRegles, 0)));
    for (std::size_t i = 0; i < nombre; ++i) {
        const TRegle& regle = base.Regles[i];
        for (const TProposition& premisse : regle.Premisses) constructeur.Ajoute(premisse);
        constructeur.Ajoute(regle.Conclusion);
    }
    base.Dictionnaire = constructeur.Termine();
    base.NbFaitsDico = static_cast<int>(base.Dictionnaire.size());
}

std::string TexteDico(const TBaseConnaissances& base) {
    TEcrivainTexte ecrivain;
    EcritDico(base, ecrivain, nullptr);
    return ecrivain.Contenu;
}

bool SauveDico(TBaseConnaissances& base, const std::string& chemin, IDialogues& dialogues, IProgression& progression,
               const TSystemeFichiers& systeme) {
    if (!base.DicoCree) return true;
    TEcrivainTexte ecrivain;
    progression.Montre(static_cast<int>(base.Dictionnaire.size()));
    EcritDico(base, ecrivain, &progression);
    auto erreur = ecrivain.Enregistre(chemin, systeme);
    progression.Cache();
    if (erreur) {
        dialogues.Avertit(MessageEcritureImpossible(chemin, *erreur));
        return false;
    }
    base.DicoModifie = false;
    return true;
}

}  // namespace veridane
