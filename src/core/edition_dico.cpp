#include "edition_dico.h"

#include <algorithm>

#include "dialogues.h"
#include "format_nombre.h"
#include "normalisation.h"
#include "proposition.h"

namespace veridane {

void TFaitEnCours::ChangeAttribut(const std::string& texte) {
    Attribut = FaitChaine(texte);
    AttributValide = !Attribut.empty();
}

bool TFaitEnCours::ChoisitOperateur(std::uint8_t code) {
    Operateur = code;
    OperateurValide = code != OpAucun;
    if (!OperateurValide) return false;
    if (code == OpDans || code == OpHorsDe) {
        // The set typed so far is kept: the person may come back to "in".
        ValeurValide = true;
        TypeValeur = TypeEnsemble;
        return true;
    }
    if (code != OpEgal) TypeValeur = TypeNumerique;
    ValeurValide = false;
    return false;
}

void TFaitEnCours::ChangeValeur(const std::string& brut) {
    if (!OperateurValide) return;
    std::string texte = brut;
    std::replace(texte.begin(), texte.end(), ',', '.');
    if (Operateur == OpDans || Operateur == OpHorsDe) return;
    auto nombre = LitNombre(texte);
    if (nombre) {
        Reel = *nombre;
        TypeValeur = TypeNumerique;
        ValeurValide = true;
    } else if (Operateur == OpEgal) {
        Modalite = FaitChaine(texte);
        TypeValeur = TypeSymbolique;
        ValeurValide = !Modalite.empty();
    }
    // Other operators keep the last number accepted.
}

std::string TFaitEnCours::AjouteValeur(const std::string& texte) {
    std::string mot = FaitChaine(texte);
    if (!mot.empty()) Liste.push_back(TModalite{mot});
    return mot;
}

bool TFaitEnCours::RetireValeur(std::size_t position) {
    if (position >= Liste.size()) return false;
    Liste.erase(Liste.begin() + static_cast<std::ptrdiff_t>(position));
    return true;
}

void TFaitEnCours::Reinitialise() { *this = TFaitEnCours{}; }

std::string TFaitEnCours::AffFait(char separateur) const {
    std::string ligne = AttributValide ? Attribut : "[Attribute]";
    if (OperateurValide && Operateur != OpAucun)
        ligne += " " + TransformeOperateur(Operateur);
    else
        ligne += "  [Operator]";
    if (!ValeurValide) return ligne + " [Value(s)]";
    switch (TypeValeur) {
        case TypeNumerique: return ligne + " " + FormatGeneral(Reel, ChiffresAffichage, separateur);
        case TypeSymbolique: return ligne + " " + Modalite;
        default: {
            ligne += " { ";
            for (std::size_t i = 0; i < Liste.size(); ++i) ligne += (i ? ", " : "") + Liste[i].Nom;
            return ligne + " }";
        }
    }
}

TProposition TFaitEnCours::Proposition() const {
    TProposition p;
    p.Certitude = DegreNul;
    p.Precision = DegreNul;
    p.Attribut = Attribut;
    p.Operateur = Operateur;
    p.TypeValeur = TypeValeur;
    p.Reel = Reel;
    p.Modalite = Modalite;
    // Only a set value owns a list of words.
    if (TypeValeur == TypeEnsemble) p.Liste = Liste;
    p.Validee = false;
    return p;
}

TControleAjout ControleAjout(const TFaitEnCours& fait, const std::vector<TProposition>& dictionnaire,
                             IDialogues& dialogues) {
    if (fait.AttributValide && fait.OperateurValide && fait.ValeurValide) {
        if (fait.TypeValeur == TypeEnsemble && fait.Liste.empty()) {
            dialogues.Informe("Adding impossible: list of values is empty.");
            return {TVerdictAjout::Refuse, 0};
        }
        TRecherche recherche = FaitPresent(dictionnaire, fait.Proposition());
        if (recherche.Trouve) {
            dialogues.Informe("Adding impossible: data already in dictionary.");
            return {TVerdictAjout::Doublon, 0};
        }
        return {TVerdictAjout::Accepte, recherche.Index};
    }
    if (!fait.AttributValide)
        dialogues.Informe("Adding impossible: attribute incorrect.");
    else if (!fait.OperateurValide)
        dialogues.Informe("Adding impossible: operateur incorrect.");
    else
        dialogues.Informe("Adding impossible: value incorrect.");
    return {TVerdictAjout::Refuse, 0};
}

int FaitUtilise(const TBaseConnaissances& base, const TProposition& entree) {
    if (!base.BaseReglesOuverte) return 0;
    for (std::size_t i = 0; i < base.Regles.size(); ++i) {
        const TRegle& regle = base.Regles[i];
        bool utilise = Equivalence(regle.Conclusion, entree) ||
                       std::any_of(regle.Premisses.begin(), regle.Premisses.end(),
                                   [&](const TProposition& p) { return Equivalence(p, entree); });
        if (utilise) return static_cast<int>(i) + 1;
    }
    return 0;
}

bool ControleRetrait(const TBaseConnaissances& base, const TProposition& entree, IDialogues& dialogues) {
    if (base.NbRegles == 0) return true;
    int regle = FaitUtilise(base, entree);
    if (regle < 1) return true;
    dialogues.Informe("Removal impossible: data used in rule " + std::to_string(regle));
    return false;
}

void InsereAuDico(TBaseConnaissances& base, TProposition entree, std::size_t index) {
    index = std::min(index, base.Dictionnaire.size());
    base.Dictionnaire.insert(base.Dictionnaire.begin() + static_cast<std::ptrdiff_t>(index), std::move(entree));
    base.NbFaitsDico = static_cast<int>(base.Dictionnaire.size());
    base.DicoModifie = true;
    base.DicoCree = true;
}

void RetireDuDico(TBaseConnaissances& base, std::size_t index) {
    if (index >= base.Dictionnaire.size()) return;
    base.Dictionnaire.erase(base.Dictionnaire.begin() + static_cast<std::ptrdiff_t>(index));
    base.NbFaitsDico = static_cast<int>(base.Dictionnaire.size());
    base.DicoModifie = true;
}

std::vector<std::string> TrouveLesAttributs(const TBaseConnaissances& base) {
    if (base.NbFaitsDico < 1 || base.Dictionnaire.empty()) return {AttributsDicoVide};
    std::vector<std::string> attributs;
    for (const TProposition& p : base.Dictionnaire)
        if (attributs.empty() || attributs.back() != p.Attribut) attributs.push_back(p.Attribut.str());
    return attributs;
}

std::string TitreDico(int nbFaitsDico) {
    if (nbFaitsDico < 1) return "Data Dictionary: no data";
    return "Data Dictionary: " + std::to_string(nbFaitsDico) + " data";
}

}  // namespace veridane
