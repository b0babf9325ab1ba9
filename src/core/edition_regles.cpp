#include "edition_regles.h"

#include <algorithm>

#include "dialogues.h"
#include "fichier_regles.h"
#include "format_nombre.h"
#include "proposition.h"

namespace veridane {

namespace {

// A rule's proposition copied from a dictionary entry: its own set list, the
// given degree codes, not satisfied.
TProposition Copie(const TProposition& entree, std::int32_t certitude, std::int32_t precision) {
    TProposition p = entree;
    p.Certitude = certitude;
    p.Precision = precision;
    p.Validee = false;
    if (p.TypeValeur != TypeEnsemble) p.Liste.clear();
    return p;
}

bool RefuseDejaUtilise(int position, const std::string& verbe, IDialogues& dialogues) {
    if (position == -1) {
        dialogues.Informe("Antecedent already " + verbe + " in conclusion");
        return true;
    }
    if (position >= 0) {
        dialogues.Informe("Antecedent already " + verbe + " in premise " + std::to_string(position + 1));
        return true;
    }
    return false;
}

}  // namespace

int TRegleEnCours::ChercheAntecedent(int index) const {
    for (std::size_t i = 0; i < Premisses.size(); ++i)
        if (Premisses[i].Index == index) return static_cast<int>(i);
    if (Conclusion && Conclusion->Index == index) return -1;
    return -2;
}

bool TRegleEnCours::AjoutePremisse(int index, IDialogues& dialogues) {
    if (RefuseDejaUtilise(ChercheAntecedent(index), "use", dialogues)) return false;
    Premisses.push_back(TPropSpe{DegreCertain, DegreCertain, index});
    return true;
}

bool TRegleEnCours::AjouteConclusion(int index, IDialogues& dialogues) {
    if (Conclusion) return false;
    if (RefuseDejaUtilise(ChercheAntecedent(index), "use", dialogues)) return false;
    Conclusion = TPropSpe{DegreCertain, DegreCertain, index};
    return true;
}

void TRegleEnCours::RetireLigne(int ligne, IDialogues& dialogues) {
    // The display has one line per premise ("If ?" when none), then the
    // conclusion line.
    const int derniere = std::max<int>(1, static_cast<int>(Premisses.size()));
    if (ligne < 0 || ligne > derniere) return;
    if (ligne < derniere) {
        if (ligne >= static_cast<int>(Premisses.size())) return;
        Premisses.erase(Premisses.begin() + ligne);
        dialogues.Informe("Premise " + std::to_string(ligne + 1) + " removed");
    } else if (Conclusion) {
        Conclusion.reset();
        dialogues.Informe("Conclusion removed");
    }
}

std::vector<std::string> TRegleEnCours::Lignes(const std::vector<TProposition>& dictionnaire,
                                               char separateur) const {
    auto entree = [&](const TPropSpe& s) -> const TProposition& {
        return dictionnaire.at(static_cast<std::size_t>(s.Index));
    };
    std::vector<std::string> lignes;
    for (std::size_t i = 0; i < Premisses.size(); ++i)
        lignes.push_back(LigneProposition(i == 0 ? "If " : "And ", entree(Premisses[i]), separateur));
    if (lignes.empty()) lignes.push_back("If ?");
    lignes.push_back(Conclusion ? LigneProposition("Then ", entree(*Conclusion), separateur) : "Then ?");
    return lignes;
}

TRegle TRegleEnCours::Construit(const std::vector<TProposition>& dictionnaire, double priorite) const {
    TRegle regle;
    for (const TPropSpe& s : Premisses)
        regle.Premisses.push_back(Copie(dictionnaire.at(static_cast<std::size_t>(s.Index)), s.Certitude, s.Precision));
    const TPropSpe& c = Conclusion.value();
    regle.Conclusion = Copie(dictionnaire.at(static_cast<std::size_t>(c.Index)), c.Certitude, c.Precision);
    regle.NbPremissesRestantes = static_cast<std::int32_t>(regle.Premisses.size());
    regle.Declenchee = false;
    regle.Priorite = priorite;
    return regle;
}

void AjouteRegle(TBaseConnaissances& base, TRegle regle) {
    int index = TrouveRegle(base, regle.Priorite);
    if (!base.BaseReglesOuverte) {
        // A project without a rules base gets one holding this rule.
        base.Regles.clear();
        base.Regles.push_back(std::move(regle));
        base.BaseReglesOuverte = true;
    } else {
        base.Regles.insert(base.Regles.begin() + index, std::move(regle));
    }
    base.NbRegles = static_cast<int>(base.Regles.size());
    base.ReglesModifiees = true;
}

std::string LigneProposition(const std::string& debut, const TProposition& p, char separateur) {
    return debut + PropEnChaine(p, separateur);
}

std::string Pourcentage(double degre, char separateur) {
    return FormatGeneral(degre * 100, ChiffresAffichage, separateur) + "%";
}

std::vector<std::string> TexteRegle(const TBaseConnaissances& base, int index, const std::string& motDegre) {
    const TRegle& regle = base.Regles.at(static_cast<std::size_t>(index));
    const char sep = base.SeparateurDecimal;
    std::vector<std::string> lignes;
    lignes.push_back("Rule number " + std::to_string(index + 1) + ":" + " " + motDegre + " = " +
                     Pourcentage(regle.Priorite, sep));
    for (std::size_t i = 0; i < regle.Premisses.size(); ++i)
        lignes.push_back(LigneProposition(i == 0 ? "If " : "And ", regle.Premisses[i], sep));
    lignes.push_back(LigneProposition("Then ", regle.Conclusion, sep));
    return lignes;
}

std::string TitreAvecNombre(const std::string& prefixe, int nombre) {
    return prefixe + std::to_string(nombre) + (nombre < 2 ? " rule" : " rules");
}

int Presence(const TRegle& regle, const TProposition& entree) {
    int resultat = Equivalence(regle.Conclusion, entree) ? -1 : -2;
    for (std::size_t i = 0; i < regle.Premisses.size(); ++i)
        if (Equivalence(regle.Premisses[i], entree)) resultat = static_cast<int>(i);
    return resultat;
}

bool AjoutePremisseModif(TRegle& regle, const TProposition& entree, IDialogues& dialogues) {
    if (RefuseDejaUtilise(Presence(regle, entree), "used", dialogues)) return false;
    regle.Premisses.push_back(Copie(entree, DegreCertain, DegreCertain));
    regle.NbPremissesRestantes += 1;
    return true;
}

bool RetirePremisseModif(TRegle& regle, std::size_t position) {
    if (regle.Premisses.size() <= 1 || position >= regle.Premisses.size()) return false;
    regle.Premisses.erase(regle.Premisses.begin() + static_cast<std::ptrdiff_t>(position));
    regle.NbPremissesRestantes -= 1;
    return true;
}

bool ChangeDegre(TRegle& regle, const std::string& texte) {
    auto degre = LitNombre(texte);
    if (!degre || *degre < 0.0 || *degre > 1.0) return false;
    regle.Priorite = *degre;
    return true;
}

void RetireRegle(TBaseConnaissances& base, std::size_t index) {
    if (index >= base.Regles.size()) return;
    base.Regles.erase(base.Regles.begin() + static_cast<std::ptrdiff_t>(index));
    base.NbRegles = static_cast<int>(base.Regles.size());
    base.ReglesModifiees = true;
}

}  // namespace veridane
