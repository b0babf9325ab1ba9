#include "dictionnaire.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <string_view>
#include <thread>

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

namespace {

// The share of an attribute, from its hash, when the dictionary is built in
// `parts` shares.
unsigned Part(std::size_t hacheAttribut, unsigned parts) { return static_cast<unsigned>(hacheAttribut % parts); }

unsigned Part(std::string_view attribut, unsigned parts) {
    return Part(std::hash<std::string_view>{}(attribut), parts);
}

// The entries of one share: those of the starting dictionary, then the
// premises and conclusions of the rules, in order, whose attribute is its own.
std::vector<TProposition> CompilePart(std::vector<TProposition> depart, const std::vector<TRegle>& regles,
                                      std::size_t nombre, unsigned part, unsigned parts) {
    std::size_t propositions = depart.size();
    for (std::size_t i = 0; i < nombre; ++i) propositions += regles[i].Premisses.size() + 1;
    TConstructeurDico constructeur(std::move(depart));
    // Room for about every proposition of the share (a share takes about
    // its part of them): pages never written cost nothing, and the entries
    // are not moved again and again as the list grows.
    constructeur.Reserve(propositions / parts + propositions / 8 + 1024);
    // The share's propositions go to the builder in batches, in order.
    const TProposition* lot[TConstructeurDico::Lot];
    std::size_t haches[TConstructeurDico::Lot];
    std::size_t nombreLot = 0;
    auto ajoute = [&](const TProposition& p) {
        const std::size_t hache = std::hash<std::string_view>{}(p.Attribut);
        if (Part(hache, parts) != part) return;
        lot[nombreLot] = &p;
        haches[nombreLot] = hache;
        if (++nombreLot == TConstructeurDico::Lot) {
            constructeur.AjouteLot(lot, haches, nombreLot);
            nombreLot = 0;
        }
    };
    for (std::size_t i = 0; i < nombre; ++i) {
        for (const TProposition& premisse : regles[i].Premisses) ajoute(premisse);
        ajoute(regles[i].Conclusion);
    }
    constructeur.AjouteLot(lot, haches, nombreLot);
    return constructeur.Termine();
}

// The shares, each in attribute order and with attributes of its own, as one
// list in attribute order.
std::vector<TProposition> Fusionne(std::vector<std::vector<TProposition>>& lots) {
    std::size_t total = 0;
    for (const auto& lot : lots) total += lot.size();
    std::vector<TProposition> tout;
    tout.reserve(total);
    std::vector<std::size_t> positions(lots.size(), 0);
    while (tout.size() < total) {
        std::size_t meilleure = lots.size();
        for (std::size_t k = 0; k < lots.size(); ++k) {
            if (positions[k] == lots[k].size()) continue;
            if (meilleure == lots.size() ||
                lots[k][positions[k]].Attribut < lots[meilleure][positions[meilleure]].Attribut)
                meilleure = k;
        }
        tout.push_back(std::move(lots[meilleure][positions[meilleure]++]));
    }
    return tout;
}

unsigned PartsParDefaut(const std::vector<TRegle>& regles) {
    constexpr std::size_t ReglesMinimum = 50000;
    if (regles.size() < ReglesMinimum) return 1;
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

}  // namespace

// Entries of different attributes are never compared, so each share of the
// attributes is built apart, on its own thread, exactly as one builder would
// build it; each comes out in attribute order, and as no attribute is in two
// shares, merging them by attribute gives the dictionary of one builder.
void CompileDico(TBaseConnaissances& base, unsigned parts) {
    if (!base.DicoCree) {
        base.Dictionnaire.clear();
        base.DicoCree = true;
    }
    const std::size_t nombre = std::min(base.Regles.size(), static_cast<std::size_t>(std::max(base.NbRegles, 0)));
    if (parts == 0) parts = PartsParDefaut(base.Regles);
    if (parts <= 1) {
        base.Dictionnaire = CompilePart(std::move(base.Dictionnaire), base.Regles, nombre, 0, 1);
    } else {
        std::vector<std::vector<TProposition>> lots(parts);
        for (auto& entree : base.Dictionnaire) lots[Part(entree.Attribut, parts)].push_back(std::move(entree));
        std::vector<std::exception_ptr> erreurs(parts);
        auto construit = [&](unsigned k) {
            try {
                lots[k] = CompilePart(std::move(lots[k]), base.Regles, nombre, k, parts);
            } catch (...) {
                erreurs[k] = std::current_exception();
            }
        };
        {
            std::vector<std::jthread> fils;
            for (unsigned k = 1; k < parts; ++k) fils.emplace_back(construit, k);
            construit(0);
        }
        for (const auto& erreur : erreurs)
            if (erreur) std::rethrow_exception(erreur);
        base.Dictionnaire = Fusionne(lots);
    }
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
