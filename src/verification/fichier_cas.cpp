#include "fichier_cas.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/dialogues.h"
#include "core/format_nombre.h"
#include "core/proposition.h"
#include "inference/parametres.h"
#include "project/fichier_projet.h"

namespace veridane {

namespace {

std::string MessageLigne(int numero, const char* raison) {
    return "Error in line " + std::to_string(numero) + " of the cases file: " + raison;
}

std::vector<std::string> Mots(const std::string& texte) {
    std::vector<std::string> mots;
    std::size_t pos = 0;
    while (pos < texte.size()) {
        SauteBlancs(texte, pos);
        std::size_t debut = pos;
        while (pos < texte.size() && texte[pos] != ' ') ++pos;
        if (pos > debut) mots.push_back(texte.substr(debut, pos - debut));
    }
    return mots;
}

std::optional<int> LitNumero(const std::string& texte) {
    int numero = 0;
    auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), numero);
    if (erreur != std::errc() || fin != texte.data() + texte.size() || numero < 1) return std::nullopt;
    return numero;
}

// "OBSERVATION K" or "OBSERVATION K CRITICAL V" (already upper case).
const char* LitEntete(const std::string& texte, TCas& cas) {
    const auto mots = Mots(texte);
    if (mots.empty() || mots[0] != "OBSERVATION") return "'Observation' not found";
    auto numero = mots.size() > 1 ? LitNumero(mots[1]) : std::nullopt;
    if (!numero) return "observation number incorrect";
    cas.Observation = *numero;
    if (mots.size() == 2) return nullptr;
    if (mots[2] != "CRITICAL") return "':' not found";
    if (mots.size() != 4) return "critical value incorrect";
    cas.Critique = LitDegre(mots[3]);
    return cas.Critique ? nullptr : "critical value incorrect";
}

// "EXPECT P" or "REJECT P" (already upper case, not blank).
const char* LitClause(const std::string& texte, TClause& clause) {
    std::size_t pos = 0;
    SauteBlancs(texte, pos);
    const std::string mot = TrouveAttribut(texte, pos);
    if (mot != "EXPECT" && mot != "REJECT") return "'expect' or 'reject' not found";
    clause.Attendue = mot == "EXPECT";
    TProposition& p = clause.Proposition;
    p.Certitude = p.Precision = DegreCertain;
    SauteBlancs(texte, pos);
    p.Attribut = TrouveAttribut(texte, pos);
    if (p.Attribut.empty()) return "attribute of proposition not found";
    SauteBlancs(texte, pos);
    p.Operateur = TrouveOperateur(texte, pos);
    if (p.Operateur == OpAucun) return "incorrect operator in proposition";
    SauteBlancs(texte, pos);
    const std::size_t valeur = pos;
    GereModalite(texte, pos, p.Operateur, p);
    // The rules reader takes a malformed number for -1 without a word; a
    // cases file is checked more strictly, so that a typing error does not
    // turn into a clause that quietly tests something else.
    if (p.TypeValeur == TypeNumerique && !LitNombre(texte.substr(valeur, pos - valeur)))
        return "value of proposition incorrect";
    if (p.TypeValeur == TypeSymbolique && p.Modalite.empty()) return "value of proposition incorrect";
    if (p.TypeValeur == TypeEnsemble && (pos == 0 || texte[pos - 1] != '}')) return "'}' not found";
    SauteBlancs(texte, pos);
    if (pos < texte.size()) return "unexpected text after proposition";
    return nullptr;
}

bool LigneCommentaire(const std::string& ligne) {
    std::size_t pos = 0;
    SauteBlancs(ligne, pos);
    return pos >= ligne.size() || ligne[pos] == '#';
}

// The value part with the fewest digits (from 7) that reads back the same.
std::string ValeurExacte(const TProposition& p, char separateur) {
    std::string texte = ValeurEnChaine(p, ChiffresAffichage, separateur);
    if (p.TypeValeur != TypeNumerique) return texte;
    for (int chiffres = ChiffresAffichage + 1; LitNombre(texte) != p.Reel && chiffres <= 17; ++chiffres)
        texte = ValeurEnChaine(p, chiffres, separateur);
    return texte;
}

std::string NombreExact(double valeur, char separateur) {
    std::string texte = FormatGeneral(valeur, ChiffresAffichage, separateur);
    for (int chiffres = ChiffresAffichage + 1; LitNombre(texte) != valeur && chiffres <= 17; ++chiffres)
        texte = FormatGeneral(valeur, chiffres, separateur);
    return texte;
}

}  // namespace

std::vector<TLigneCas*> TFichierCas::LignesDeCas() {
    std::vector<TLigneCas*> cas;
    for (TLigneCas& ligne : Lignes)
        if (ligne.Cas) cas.push_back(&ligne);
    return cas;
}

std::vector<const TLigneCas*> TFichierCas::LignesDeCas() const {
    std::vector<const TLigneCas*> cas;
    for (const TLigneCas& ligne : Lignes)
        if (ligne.Cas) cas.push_back(&ligne);
    return cas;
}

std::optional<TCas> DecortiqueCas(const std::string& ligne, int numero, IDialogues& dialogues) {
    const std::string texte = Majuscules(ligne);
    TCas cas;
    const std::size_t deuxPoints = texte.find(':');
    const char* erreur = LitEntete(texte.substr(0, deuxPoints), cas);
    if (!erreur && deuxPoints == std::string::npos) erreur = "':' not found";
    // A word can hold no ";", so the clauses are split before they are read
    // (a number would otherwise take the ";" for one of its characters).
    for (std::size_t debut = deuxPoints + 1; !erreur && deuxPoints != std::string::npos && debut <= texte.size();) {
        std::size_t fin = texte.find(';', debut);
        if (fin == std::string::npos) fin = texte.size();
        const std::string morceau = texte.substr(debut, fin - debut);
        if (morceau.find_first_not_of(' ') != std::string::npos) {
            TClause clause;
            erreur = LitClause(morceau, clause);
            cas.Clauses.push_back(std::move(clause));
        }
        debut = fin + 1;
    }
    if (erreur) {
        dialogues.Avertit(MessageLigne(numero, erreur));
        return std::nullopt;
    }
    return cas;
}

TFichierCas DecortiqueFichierCas(const std::vector<std::string>& lignes, IDialogues& dialogues) {
    TFichierCas fichier;
    int numero = 0;
    for (const std::string& texte : lignes) {
        TLigneCas ligne;
        ligne.Numero = ++numero;
        ligne.Texte = texte;
        if (!LigneCommentaire(texte)) ligne.Cas = DecortiqueCas(texte, numero, dialogues);
        fichier.Lignes.push_back(std::move(ligne));
    }
    return fichier;
}

std::optional<TFichierCas> LitCas(const std::string& chemin, IDialogues& dialogues) {
    TLecteurTexte lecteur;
    if (!lecteur.Ouvre(chemin)) return std::nullopt;
    std::vector<std::string> lignes;
    std::string ligne;
    while (lecteur.LitLigne(ligne)) lignes.push_back(ligne);
    return DecortiqueFichierCas(lignes, dialogues);
}

std::string TexteClause(const TClause& clause, char separateur) {
    const TProposition& p = clause.Proposition;
    return std::string(clause.Attendue ? "expect " : "reject ") + p.Attribut + " " +
           TransformeOperateur(p.Operateur) + " " + ValeurExacte(p, separateur);
}

std::string LigneCas(const TCas& cas, char separateur) {
    std::string ligne = "Observation " + std::to_string(cas.Observation);
    if (cas.Critique) ligne += " critical " + NombreExact(*cas.Critique, separateur);
    ligne += ":";
    for (std::size_t i = 0; i < cas.Clauses.size(); ++i)
        ligne += (i == 0 ? " " : "; ") + TexteClause(cas.Clauses[i], separateur);
    return ligne;
}

std::string TexteFichierCas(const TFichierCas& fichier, char separateur) {
    TEcrivainTexte ecrivain;
    for (const TLigneCas& ligne : fichier.Lignes)
        ecrivain.Ligne(ligne.Cas ? LigneCas(*ligne.Cas, separateur) : ligne.Texte);
    return ecrivain.Contenu;
}

bool SauveCas(const TFichierCas& fichier, const std::string& chemin, char separateur, IDialogues& dialogues,
              const TSystemeFichiers& systeme) {
    std::error_code erreur;
    if (std::filesystem::exists(chemin, erreur)) {
        TEcrivainTexte ancien;
        std::ifstream lecture(chemin, std::ios::binary);
        if (lecture.is_open())
            ancien.Contenu.assign(std::istreambuf_iterator<char>(lecture), std::istreambuf_iterator<char>());
        const std::string copie = chemin + ".bak";
        if (!lecture.is_open() || lecture.bad()) {
            dialogues.Avertit(MessageEcritureImpossible(copie, "the old file cannot be read"));
            return false;
        }
        if (auto raison = ancien.Enregistre(copie, systeme)) {
            dialogues.Avertit(MessageEcritureImpossible(copie, *raison));
            return false;
        }
    }
    TEcrivainTexte ecrivain;
    ecrivain.Contenu = TexteFichierCas(fichier, separateur);
    if (auto raison = ecrivain.Enregistre(chemin, systeme)) {
        dialogues.Avertit(MessageEcritureImpossible(chemin, *raison));
        return false;
    }
    return true;
}

std::string CheminCas(const TProjet& projet) {
    return CheminFichier(projet, ChangeExtension(projet.NomProjet, ".tst"));
}

}  // namespace veridane
