// A small rules and dictionary file implementation for these tests alone,
// until the core's own reader and writers are linked in: it reads comments,
// the count line and one-line rules "If A op v And ... Then C op v [p];",
// rebuilds the dictionary from the rules, and writes both files.
#include "core/dialogues.h"
#include "core/dictionnaire.h"
#include "core/etat_commandes.h"
#include "core/fichier_regles.h"
#include "core/fichier_texte.h"
#include "core/format_nombre.h"
#include "core/proposition.h"

namespace veridane {

namespace {

bool LitProposition(const std::string& texte, std::size_t& pos, TProposition& p) {
    SauteBlancs(texte, pos);
    p = TProposition{};
    p.Attribut = TrouveAttribut(texte, pos);
    SauteBlancs(texte, pos);
    p.Operateur = TrouveOperateur(texte, pos);
    if (p.Attribut.empty() || p.Operateur == OpAucun) return false;
    GereModalite(texte, pos, p.Operateur, p);
    p.Certitude = p.Precision = DegreCertain;
    SauteBlancs(texte, pos);
    return true;
}

bool LitRegle(TBaseConnaissances& base, const std::string& texte) {
    std::size_t pos = texte.find("IF");
    if (pos == std::string::npos) return false;
    pos += 2;
    TRegle regle;
    for (;;) {
        TProposition p;
        if (!LitProposition(texte, pos, p)) return false;
        regle.Premisses.push_back(p);
        if (texte.compare(pos, 3, "AND") == 0) {
            pos += 3;
            continue;
        }
        if (texte.compare(pos, 4, "THEN") != 0) return false;
        pos += 4;
        break;
    }
    if (!LitProposition(texte, pos, regle.Conclusion) || pos >= texte.size() || texte[pos] != '[') return false;
    ++pos;
    SauteBlancs(texte, pos);
    regle.Priorite = TrouveReel(texte, pos);
    regle.NbPremissesRestantes = static_cast<int>(regle.Premisses.size());
    base.Regles.insert(base.Regles.begin() + TrouveRegle(base, regle.Priorite), regle);
    return true;
}

std::string TexteProp(const TProposition& p, int chiffres) {
    std::string valeur = ValeurEnChaine(p, chiffres, '.');
    return p.Attribut + " " + TransformeOperateur(p.Operateur) + " " + valeur + (p.TypeValeur == TypeEnsemble ? "" : " ");
}

bool Ecrit(const std::string& texte, const std::string& chemin, IDialogues& dialogues) {
    TEcrivainTexte ecrivain;
    ecrivain.Contenu = texte;
    if (auto raison = ecrivain.Enregistre(chemin)) {
        dialogues.Avertit(MessageEcritureImpossible(chemin, *raison));
        return false;
    }
    return true;
}

}  // namespace

bool OuvrirFR(TBaseConnaissances& base, const std::string& chemin, TEtatCommandes& commandes, IDialogues& dialogues,
              IProgression&) {
    TLecteurTexte lecteur;
    base.Regles.clear();
    base.NbRegles = 0;
    base.Dictionnaire.clear();
    base.DicoCree = true;
    bool ouvert = lecteur.Ouvre(chemin);
    if (!ouvert) {
        dialogues.Avertit("File of rules not found");
    } else {
        base.CommentairesRegles.clear();
        base.BaseReglesOuverte = true;
        std::string ligne, tampon;
        bool corps = false;
        while (lecteur.LitLigne(ligne)) {
            std::size_t diese = ligne.find('#');
            if (!corps) {
                if (diese != std::string::npos) base.CommentairesRegles.push_back({ligne.substr(diese + 1)});
                else if (!ligne.empty()) corps = true;
                continue;
            }
            if (diese != std::string::npos) continue;
            tampon += " " + Majuscules(ligne);
            if (tampon.find(';') == std::string::npos) continue;
            if (!LitRegle(base, tampon)) break;
            tampon.clear();
        }
        base.NbRegles = static_cast<int>(base.Regles.size());
    }
    base.BaseReglesOuverte = base.NbRegles > 0;
    if (base.BaseReglesOuverte) commandes.ReglesLues();
    else if (ouvert) commandes.SansRegles();
    for (const TRegle& r : base.Regles) {
        for (const TProposition& p : r.Premisses) AjouteAuDico(base, p);
        AjouteAuDico(base, r.Conclusion);
    }
    if (!base.Dictionnaire.empty()) commandes.DicoNonVide();
    return ouvert;
}

std::string TexteBaseRegles(const TBaseConnaissances& base) {
    TEcrivainTexte texte;
    for (const TModalite& c : base.CommentairesRegles) texte.Ligne("#" + c.Nom);
    texte.Ligne("");
    texte.Ligne("Number of rules: " + std::to_string(base.Regles.size()) + ";");
    texte.Ligne("");
    int numero = 0;
    for (const TRegle& r : base.Regles) {
        texte.Ligne("# Rule " + std::to_string(++numero));
        for (std::size_t i = 0; i < r.Premisses.size(); ++i)
            texte.Ligne((i ? "And " : "If ") + TexteProp(r.Premisses[i], 4));
        texte.Ligne("Then " + TexteProp(r.Conclusion, 7) + "[" + FormatGeneral(r.Priorite, 7) + "];");
        texte.Ligne("");
    }
    return texte.Contenu;
}

bool SauveBaseRegles(TBaseConnaissances& base, const std::string& chemin, IDialogues& dialogues, IProgression&) {
    if (!base.BaseReglesOuverte) return true;
    if (!Ecrit(TexteBaseRegles(base), chemin, dialogues)) return false;
    base.ReglesModifiees = false;
    return true;
}

bool SauveDico(TBaseConnaissances& base, const std::string& chemin, IDialogues& dialogues, IProgression&) {
    if (!base.DicoCree) return true;
    TEcrivainTexte texte;
    texte.Ligne("");
    for (const TProposition& p : base.Dictionnaire) texte.Ligne(TexteProp(p, 7) + ";");
    if (!Ecrit(texte.Contenu, chemin, dialogues)) return false;
    base.DicoModifie = false;
    return true;
}

}  // namespace veridane
