#include "fichier_regles.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "dialogues.h"
#include "dictionnaire.h"
#include "etat_commandes.h"
#include "fichier_texte.h"
#include "format_nombre.h"
#include "journal.h"
#include "position_texte.h"
#include "proposition.h"

namespace veridane {

namespace {

std::string MessageRegle(int numero, const char* fin) {
    return "Error in rule " + std::to_string(numero) + ": " + fin;
}

// Attribute, operator and value of one premise or of the conclusion; nothing
// after the warning for a missing attribute or an unknown operator.
std::optional<TProposition> LitProposition(const std::string& texte, std::size_t& pos, int numero,
                                           const char* sansAttribut, const char* sansOperateur,
                                           IDialogues& dialogues) {
    TProposition p;
    p.Certitude = DegreCertain;
    p.Precision = DegreCertain;
    SauteBlancs(texte, pos);
    p.Attribut = TrouveAttribut(texte, pos);
    if (p.Attribut.empty()) {
        dialogues.Avertit(MessageRegle(numero, sansAttribut));
        return std::nullopt;
    }
    SauteBlancs(texte, pos);
    p.Operateur = TrouveOperateur(texte, pos);
    if (p.Operateur == OpAucun) {
        dialogues.Avertit(MessageRegle(numero, sansOperateur));
        return std::nullopt;
    }
    GereModalite(texte, pos, p.Operateur, p);
    return p;
}

// The premises up to and past "THEN"; nothing after a warning.
std::optional<std::vector<TProposition>> LitPremisses(const std::string& texte, std::size_t& pos, int numero,
                                                      IDialogues& dialogues) {
    std::vector<TProposition> premisses;
    for (;;) {
        auto premisse = LitProposition(texte, pos, numero, "attribute of antecedent not found",
                                       "incorrect operator in antecedent", dialogues);
        if (premisse) premisses.push_back(std::move(*premisse));
        // The keyword is looked for even after a faulty premise, which may
        // add its own message.
        SauteBlancs(texte, pos);
        if (Commence(texte, pos, "AND")) {
            Avance(texte, pos, 3);
            if (!premisse) return std::nullopt;
        } else if (Commence(texte, pos, "THEN")) {
            Avance(texte, pos, 4);
            if (!premisse) return std::nullopt;
            // A large base holds millions of premise lists: no spare room.
            premisses.shrink_to_fit();
            return premisses;
        } else {
            dialogues.Avertit("Error in the rule " + std::to_string(numero) + ": THEN not found");
            return std::nullopt;
        }
    }
}

// Parses one upper-cased rule text without inserting it.
std::optional<TRegle> AnalyseRegle(const std::string& texte, int numero, IDialogues& dialogues) {
    std::size_t pos = texte.find("IF");
    if (pos == std::string::npos) {
        dialogues.Avertit(MessageRegle(numero, "IF not found"));
        return std::nullopt;
    }
    Avance(texte, pos, 2);
    auto premisses = LitPremisses(texte, pos, numero, dialogues);
    if (!premisses) return std::nullopt;
    auto conclusion = LitProposition(texte, pos, numero, "attribute of conclusion not found",
                                     "operateur of conclusion not found", dialogues);
    if (!conclusion) return std::nullopt;
    SauteBlancs(texte, pos);
    if (Caractere(texte, pos) != '[') {
        dialogues.Avertit(MessageRegle(numero, "'[' not found "));
        return std::nullopt;
    }
    Avance(texte, pos);
    SauteBlancs(texte, pos);
    double priorite = TrouveReel(texte, pos);
    if (priorite == -1) {
        dialogues.Avertit(MessageRegle(numero, "priority degree incorrect"));
        return std::nullopt;
    }
    TRegle regle;
    regle.NbPremissesRestantes = static_cast<std::int32_t>(premisses->size());
    regle.Premisses = std::move(*premisses);
    regle.Conclusion = std::move(*conclusion);
    regle.Declenchee = false;
    regle.Priorite = priorite;
    return regle;
}

bool LigneDeNuls(const std::string& ligne) {
    return std::all_of(ligne.begin(), ligne.end(), [](char c) { return c == '\0'; });
}

// The head of the file: comments up to the count line. Returns the count,
// or nothing when the file ends or a line is wrong before it.
std::optional<int> LitEntete(TLecteurTexte& lecteur, std::vector<TModalite>& commentaires) {
    std::string ligne;
    while (lecteur.LitLigne(ligne)) {
        std::size_t diese = ligne.find('#');
        if (diese != std::string::npos) commentaires.push_back({Reste(ligne, diese + 1)});
        int nombre = TrouveNbRegles(Majuscules(ligne));
        if (nombre == -2) return std::nullopt;
        if (nombre >= 0) return nombre;
    }
    return std::nullopt;
}

// The body: every line without "#" gathered, one blank before each, into
// rule texts ended by ";". Rules are collected in file order and stop at the
// first one rejected. When asked, the line where each rule's text begins
// (its first line that is not blank) is noted beside it.
std::vector<TRegle> LitCorps(TLecteurTexte& lecteur, TBaseConnaissances& base, IDialogues& dialogues,
                             IProgression& progression, std::vector<int>* lignes = nullptr) {
    std::vector<TRegle> regles;
    std::string ligne;
    std::string texte;
    int debut = 0;
    while (lecteur.LitLigne(ligne)) {
        if (ligne.find('#') != std::string::npos) continue;
        if (debut == 0 && ligne.find_first_not_of(' ') != std::string::npos) debut = lecteur.Ligne;
        texte += ' ';
        texte += Majuscules(ligne);
        if (ligne.find(';') == std::string::npos) continue;
        ++base.NumRegle;
        auto regle = AnalyseRegle(texte, base.NumRegle, dialogues);
        texte.clear();
        progression.Avance();
        if (!regle) break;
        regles.push_back(std::move(*regle));
        if (lignes) lignes->push_back(debut);
        debut = 0;
    }
    return regles;
}

// Orders rules read in file order as inserting them one by one with
// TrouveRegle would: highest priority first, equal priorities in file order.
// (priority, position) pairs are sorted rather than the rules themselves, so
// each rule is moved once; the position breaks ties, which keeps file order.
void OrdonneParPriorite(std::vector<TRegle>& regles, std::vector<int>* lignes = nullptr) {
    // A file written by the program is already in order: nothing to move,
    // and no second copy of the rules while reading.
    if (std::is_sorted(regles.begin(), regles.end(),
                       [](const TRegle& a, const TRegle& b) { return a.Priorite > b.Priorite; }))
        return;
    std::vector<std::pair<double, std::size_t>> ordre;
    ordre.reserve(regles.size());
    for (std::size_t i = 0; i < regles.size(); ++i) ordre.emplace_back(regles[i].Priorite, i);
    std::sort(ordre.begin(), ordre.end(), [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    });
    std::vector<TRegle> ordonnees;
    ordonnees.reserve(regles.size());
    for (const auto& [priorite, i] : ordre) ordonnees.push_back(std::move(regles[i]));
    regles = std::move(ordonnees);
    if (!lignes) return;
    std::vector<int> dansLOrdre;
    dansLOrdre.reserve(ordre.size());
    for (const auto& [priorite, i] : ordre) dansLOrdre.push_back((*lignes)[i]);
    *lignes = std::move(dansLOrdre);
}

// Reads the rules proper from an opened file; the dialogs say what went wrong.
void LitRegles(TBaseConnaissances& base, TLecteurTexte& lecteur, IDialogues& dialogues, IProgression& progression) {
    base.CommentairesRegles.clear();
    base.Regles.clear();
    base.NbRegles = 0;
    auto annonce = LitEntete(lecteur, base.CommentairesRegles);
    if (!annonce) {
        progression.Texte("");
        dialogues.Avertit("Error: not number of rules in the file ");
        return;
    }
    progression.Montre(*annonce);
    base.BaseReglesOuverte = true;
    base.NumRegle = 0;
    base.Regles = LitCorps(lecteur, base, dialogues, progression);
    OrdonneParPriorite(base.Regles);
    base.NbRegles = static_cast<int>(base.Regles.size());
    progression.Texte("");
    if (base.NbRegles != *annonce)
        dialogues.Avertit(std::to_string(base.NbRegles) + " rules extracted, " + std::to_string(*annonce) +
                          " expected rules");
}

// The value of a premise or conclusion as the rules file writes it: a number
// or a word is followed by a blank, a set is not.
std::string ValeurRegle(const TProposition& p, char separateur) {
    std::string valeur = ValeurEnChaine(p, ChiffresAffichage, separateur);
    if (p.TypeValeur != TypeEnsemble) valeur += ' ';
    return valeur;
}

std::string LignePremisse(const char* debut, const TProposition& p, char separateur) {
    return debut + p.Attribut + " " + TransformeOperateur(p.Operateur) + " " + ValeurRegle(p, separateur);
}

// The priority degree as the conclusion line ends with it. The reader takes
// a degree of -1 for a malformed one and rejects the rule, so a degree that
// 7 digits would round to -1 (-0.99999999) is written with the fewest more
// digits that keep it apart from -1, and the rule survives the save.
std::string TextePriorite(double priorite, char separateur) {
    std::string texte = FormatGeneral(priorite, ChiffresAffichage, separateur);
    for (int chiffres = ChiffresAffichage + 1; priorite != -1 && LitNombre(texte) == -1.0 && chiffres <= 17; ++chiffres)
        texte = FormatGeneral(priorite, chiffres, separateur);
    return texte;
}

void EcritRegles(const TBaseConnaissances& base, TEcrivainTexte& ecrivain, IProgression* progression) {
    const char sep = base.SeparateurDecimal;
    for (const TModalite& commentaire : base.CommentairesRegles) ecrivain.Ligne("#" + commentaire.Nom);
    ecrivain.Ligne("");
    ecrivain.Ligne("Number of rules: " + std::to_string(base.Regles.size()) + ";");
    ecrivain.Ligne("");
    std::size_t numero = 0;
    for (const TRegle& regle : base.Regles) {
        ecrivain.Ligne("# Rule " + std::to_string(++numero));
        for (std::size_t i = 0; i < regle.Premisses.size(); ++i)
            ecrivain.Ligne(LignePremisse(i == 0 ? "If " : "And ", regle.Premisses[i], sep));
        ecrivain.Ligne(LignePremisse("Then ", regle.Conclusion, sep) + "[" +
                       TextePriorite(regle.Priorite, sep) + "];");
        ecrivain.Ligne("");
        if (progression) progression->Avance();
    }
}

}  // namespace

int TrouveNbRegles(const std::string& ligne) {
    if (ligne.find('#') != std::string::npos || LigneDeNuls(ligne)) return -1;
    bool ligneDeCompte = ligne.find("NUMBER") != std::string::npos && ligne.find("OF") != std::string::npos &&
                         ligne.find("RULE") != std::string::npos;
    std::size_t deuxPoints = ligne.find(':');
    if (!ligneDeCompte || deuxPoints == std::string::npos) return -2;
    std::size_t pos = deuxPoints;
    Avance(ligne, pos);
    SauteBlancs(ligne, pos);
    std::int64_t nombre = 0;
    bool chiffres = false;
    for (int c = Caractere(ligne, pos); c != FinTexte && c != ' ' && c != ';';
         Avance(ligne, pos), c = Caractere(ligne, pos)) {
        if (c < '0' || c > '9') return -2;
        nombre = nombre * 10 + (c - '0');
        if (nombre > INT32_MAX) return -2;
        chiffres = true;
    }
    return chiffres ? static_cast<int>(nombre) : -2;
}

bool DecortiqueRegle(TBaseConnaissances& base, const std::string& texte, IDialogues& dialogues) {
    auto regle = AnalyseRegle(texte, base.NumRegle, dialogues);
    if (!regle) return false;
    int index = TrouveRegle(base, regle->Priorite);
    // A closed rules base holds no rule: the text was read but is not kept.
    if (index < 0) return false;
    base.Regles.insert(base.Regles.begin() + index, std::move(*regle));
    base.NbRegles = static_cast<int>(base.Regles.size());
    return true;
}

std::vector<int> LignesDesRegles(const std::string& chemin) {
    std::vector<int> lignes;
    TLecteurTexte lecteur;
    if (!lecteur.Ouvre(chemin)) return lignes;
    TBaseConnaissances base;
    TDialoguesJournal silencieux;
    TProgressionMuette progression;
    std::vector<TModalite> commentaires;
    if (!LitEntete(lecteur, commentaires)) return lignes;
    std::vector<TRegle> regles = LitCorps(lecteur, base, silencieux, progression, &lignes);
    OrdonneParPriorite(regles, &lignes);
    return lignes;
}

bool OuvrirFR(TBaseConnaissances& base, const std::string& chemin, TEtatCommandes& commandes,
              IDialogues& dialogues, IProgression& progression) {
    TLecteurTexte dico;
    bool dicoLisible = false;
    if (base.AvecDico) {
        dicoLisible = dico.Ouvre(FaitNomDico(chemin));
        base.DicoACompiler = !dicoLisible;
    }

    TLecteurTexte lecteur;
    const bool ouvert = lecteur.Ouvre(chemin);
    if (ouvert) {
        progression.Texte(base.DicoACompiler ? "Compilation of the rules dictionary..."
                                             : "Loading the rules dictionary...");
        progression.Rafraichit();
        LitRegles(base, lecteur, dialogues, progression);
    } else {
        dialogues.Avertit("File of rules not found");
        base.Regles.clear();
        base.NbRegles = 0;
    }
    progression.Cache();

    if (!base.BaseReglesOuverte || base.NbRegles < 1) {
        base.BaseReglesOuverte = false;
        base.Regles.clear();
        base.NbRegles = 0;
        commandes.SansRegles();
    } else {
        commandes.ReglesLues();
    }

    // The dictionary is rebuilt even when the rules file is missing.
    base.Dictionnaire.clear();
    base.NbFaitsDico = 0;
    base.DicoCree = true;
    if (base.AvecDico && dicoLisible) ChargeDicoFaits(base, dico, commandes, dialogues);
    CompileDico(base);
    if (!base.Dictionnaire.empty()) commandes.DicoNonVide();
    return ouvert;
}

std::string TexteBaseRegles(const TBaseConnaissances& base) {
    TEcrivainTexte ecrivain;
    EcritRegles(base, ecrivain, nullptr);
    return ecrivain.Contenu;
}

bool SauveBaseRegles(TBaseConnaissances& base, const std::string& chemin, IDialogues& dialogues,
                     IProgression& progression, const TSystemeFichiers& systeme) {
    if (!base.BaseReglesOuverte) return true;
    TEcrivainTexte ecrivain;
    progression.Montre(static_cast<int>(base.Regles.size()));
    EcritRegles(base, ecrivain, &progression);
    auto erreur = ecrivain.Enregistre(chemin, systeme);
    progression.Cache();
    if (erreur) {
        dialogues.Avertit(MessageEcritureImpossible(chemin, *erreur));
        return false;
    }
    base.ReglesModifiees = false;
    return true;
}

}  // namespace veridane
