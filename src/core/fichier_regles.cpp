#include "fichier_regles.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <iterator>
#include <optional>
#include <string_view>
#include <thread>

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
    // Gathered in a list kept from one rule to the next, then moved into
    // one of their exact size: a large base holds millions of premise
    // lists, and growing each one would allocate it several times.
    thread_local std::vector<TProposition> premisses;
    premisses.clear();
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
            return std::vector<TProposition>(std::make_move_iterator(premisses.begin()),
                                             std::make_move_iterator(premisses.end()));
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

// A silent stand-in for the dialogs while a slice is parsed away from the
// person: a rejected rule is parsed again, in order, with the real dialogs.
class TDialoguesMuets : public IDialogues {
public:
    TReponse Message(TGenreMessage, const std::string&, TBoutons) override { return TReponse::Ok; }
    std::optional<std::string> ChoisitFichierAOuvrir(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChoisitFichierAEnregistrer(const std::string&) override { return std::nullopt; }
};

// The line of `texte` that starts at `pos`, without its end; `pos` moves to
// the next line. Lines end as TLecteurTexte ends them: at CR (with one LF
// after it) or at a lone LF.
std::string_view LigneA(std::string_view texte, std::size_t& pos) {
    const std::size_t debut = pos;
    // A plain loop: find_first_of looks each byte up in the set of two.
    std::size_t fin = debut;
    while (fin < texte.size() && texte[fin] != '\n' && texte[fin] != '\r') ++fin;
    if (fin == texte.size()) {
        pos = texte.size();
        return texte.substr(debut);
    }
    pos = fin + 1;
    if (texte[fin] == '\r' && pos < texte.size() && texte[pos] == '\n') ++pos;
    return texte.substr(debut, fin - debut);
}

void AjouteMajuscules(std::string& texte, std::string_view ligne) {
    const std::size_t debut = texte.size();
    texte.resize(debut + ligne.size());
    char* sortie = texte.data() + debut;
    for (char c : ligne) *sortie++ = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// A line that ends a rule text: it holds a ";" and no "#" (a line with a
// "#" is dropped whole).
bool FinDeRegle(std::string_view ligne) {
    return ligne.find(';') != std::string_view::npos && ligne.find('#') == std::string_view::npos;
}

// One slice of the body: from a line start right after a rule end (or the
// start of the body) to the next such place. Rule texts are gathered in it
// exactly as in the whole body, since a rule end leaves nothing gathered.
struct TTranche {
    std::size_t Debut = 0;
    std::size_t Fin = 0;
    std::vector<TRegle> Regles;
    int NbTextes = 0;            // rule texts parsed, the rejected one included
    bool Rejet = false;          // the last text parsed was rejected
    std::string TexteRejete;
    std::exception_ptr Erreur;   // what stopped the slice's thread, if anything
};

// The body: every line without "#" gathered, one blank before each, into
// rule texts ended by ";". Rules are collected in file order and stop at the
// first one rejected. The text is gathered in one buffer, upper-cased as it
// is copied, so no line is copied on its own.
void LitTranche(std::string_view contenu, TTranche& tranche) {
    TDialoguesMuets muets;
    std::string texte;
    std::size_t pos = tranche.Debut;
    // Every rule text ends with a ";": room for them all, so that the
    // rules are not moved as the list grows.
    tranche.Regles.reserve(static_cast<std::size_t>(
        std::count(contenu.begin() + static_cast<std::ptrdiff_t>(tranche.Debut),
                   contenu.begin() + static_cast<std::ptrdiff_t>(tranche.Fin), ';')));
    while (pos < tranche.Fin) {
        const std::string_view ligne = LigneA(contenu, pos);
        if (ligne.find('#') != std::string_view::npos) continue;
        texte += ' ';
        AjouteMajuscules(texte, ligne);
        if (ligne.find(';') == std::string_view::npos) continue;
        ++tranche.NbTextes;
        auto regle = AnalyseRegle(texte, tranche.NbTextes, muets);
        if (!regle) {
            tranche.Rejet = true;
            tranche.TexteRejete = std::move(texte);
            return;
        }
        tranche.Regles.push_back(std::move(*regle));
        texte.clear();
    }
}

// The line where each of the first `nombre` rule texts of the body begins
// (its first line that is not blank), lines counted on from `ligne`, the
// number of the line before `pos`.
std::vector<int> LignesDeDebut(std::string_view contenu, std::size_t pos, int ligne, std::size_t nombre) {
    std::vector<int> lignes;
    int debut = 0;
    while (pos < contenu.size() && lignes.size() < nombre) {
        const std::string_view texte = LigneA(contenu, pos);
        ++ligne;
        if (texte.find('#') != std::string_view::npos) continue;
        if (debut == 0 && texte.find_first_not_of(' ') != std::string_view::npos) debut = ligne;
        if (texte.find(';') == std::string_view::npos) continue;
        lignes.push_back(debut);
        debut = 0;
    }
    return lignes;
}

// Where the body from `debut` is cut into at most `nombre` slices of about
// the same size: each cut is the line start after the first rule end that
// follows an even share of the bytes.
std::vector<std::size_t> Coupures(std::string_view contenu, std::size_t debut, unsigned nombre) {
    std::vector<std::size_t> bornes{debut};
    const std::size_t taille = contenu.size() - debut;
    for (unsigned k = 1; k < nombre; ++k) {
        std::size_t pos = std::max(debut + taille / nombre * k, bornes.back());
        // From any byte, the next line start is the same one a reading from
        // the start of the body reaches: every CR or LF ends a line.
        const std::size_t fin = contenu.find_first_of("\r\n", pos);
        if (fin == std::string_view::npos) break;
        pos = fin + 1;
        if (contenu[fin] == '\r' && pos < contenu.size() && contenu[pos] == '\n') ++pos;
        while (pos < contenu.size() && !FinDeRegle(LigneA(contenu, pos))) {
        }
        if (pos >= contenu.size()) break;
        if (pos > bornes.back()) bornes.push_back(pos);
    }
    bornes.push_back(contenu.size());
    return bornes;
}

// Slices when the caller leaves the choice: one per core for a large body.
unsigned TranchesParDefaut(std::size_t tailleCorps) {
    constexpr std::size_t TailleMinimale = 1 << 20;
    if (tailleCorps < TailleMinimale) return 1;
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

// Parses the body in slices side by side, then takes them in file order:
// progress one step per rule text, and at the first rejected text its
// messages, given by parsing it again with the real dialogs and its number
// in the whole file.
std::vector<TRegle> LitCorps(std::string_view contenu, std::size_t debut, unsigned nombre, TBaseConnaissances& base,
                             IDialogues& dialogues, IProgression& progression) {
    const auto bornes = Coupures(contenu, debut, nombre);
    std::vector<TTranche> tranches(bornes.size() - 1);
    for (std::size_t k = 0; k < tranches.size(); ++k) {
        tranches[k].Debut = bornes[k];
        tranches[k].Fin = bornes[k + 1];
    }
    auto lit = [&contenu](TTranche& tranche) {
        try {
            LitTranche(contenu, tranche);
        } catch (...) {
            tranche.Erreur = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> fils;
        for (std::size_t k = 1; k < tranches.size(); ++k) fils.emplace_back(lit, std::ref(tranches[k]));
        lit(tranches[0]);
    }

    std::size_t total = 0;
    for (const auto& tranche : tranches) {
        if (tranche.Erreur) std::rethrow_exception(tranche.Erreur);
        total += tranche.Regles.size();
        if (tranche.Rejet) break;
    }
    std::vector<TRegle> regles;
    regles.reserve(total);
    for (auto& tranche : tranches) {
        const int acceptes = tranche.NbTextes - (tranche.Rejet ? 1 : 0);
        for (int k = 0; k < acceptes; ++k) progression.Avance();
        base.NumRegle += acceptes;
        std::move(tranche.Regles.begin(), tranche.Regles.end(), std::back_inserter(regles));
        tranche.Regles = {};
        if (tranche.Rejet) {
            ++base.NumRegle;
            AnalyseRegle(tranche.TexteRejete, base.NumRegle, dialogues);
            progression.Avance();
            break;
        }
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
void LitRegles(TBaseConnaissances& base, TLecteurTexte& lecteur, unsigned tranches, IDialogues& dialogues,
               IProgression& progression) {
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
    const std::string_view contenu = lecteur.Texte();
    const std::size_t debut = lecteur.Position;
    if (tranches == 0) tranches = TranchesParDefaut(contenu.size() - debut);
    base.Regles = LitCorps(contenu, debut, tranches, base, dialogues, progression);
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
    TLecteurTexte lecteur;
    if (!lecteur.Ouvre(chemin)) return {};
    TBaseConnaissances base;
    TDialoguesJournal silencieux;
    TProgressionMuette progression;
    std::vector<TModalite> commentaires;
    if (!LitEntete(lecteur, commentaires)) return {};
    const std::string_view contenu = lecteur.Texte();
    std::vector<TRegle> regles = LitCorps(contenu, lecteur.Position, TranchesParDefaut(contenu.size() - lecteur.Position),
                                          base, silencieux, progression);
    std::vector<int> lignes = LignesDeDebut(contenu, lecteur.Position, lecteur.Ligne, regles.size());
    OrdonneParPriorite(regles, &lignes);
    return lignes;
}

bool OuvrirFR(TBaseConnaissances& base, const std::string& chemin, TEtatCommandes& commandes,
              IDialogues& dialogues, IProgression& progression, unsigned tranches) {
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
        LitRegles(base, lecteur, tranches, dialogues, progression);
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
