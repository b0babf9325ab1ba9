// A rules file read in slices on several threads gives exactly what a reading
// in one piece gives: rules in the same order, comments, dictionary, messages
// with their rule numbers, counters, progress and command states. Checked on
// every fuzzing seed and on generated bases made to put rule ends, comments
// and line ends where slices are cut (the truncation test reads every cut
// sample file in slices too).
#include <bit>
#include <filesystem>
#include <random>

#include "core/etat_commandes.h"
#include "core/fichier_regles.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "dossier_test.h"

namespace veridane {
namespace {

// Every field of a proposition, numbers by their bits.
std::string Champs(const TProposition& p) {
    std::string texte = p.Attribut + '|' + std::to_string(p.Operateur) + '|' + std::to_string(p.TypeValeur) + '|' +
                        std::to_string(std::bit_cast<std::uint64_t>(p.Reel)) + '|' + p.Modalite + '|';
    for (const auto& mot : p.Liste) texte += mot.Nom + ',';
    return texte + '|' + std::to_string(p.Certitude) + std::to_string(p.Precision) + std::to_string(p.Validee);
}

// What a reading leaves, as lines that a failing test shows side by side.
struct TLecture {
    std::vector<std::string> Lignes;
    bool operator==(const TLecture&) const = default;
};

TLecture Lis(const std::string& chemin, unsigned tranches) {
    TBaseConnaissances base;
    base.Vide();
    TEtatCommandes commandes = TEtatCommandes::Demarrage();
    TDialoguesJournal dialogues;
    TProgressionNotee progression;
    const bool ouvert = OuvrirFR(base, chemin, commandes, dialogues, progression, tranches);
    TLecture l;
    l.Lignes.push_back("opened " + std::to_string(ouvert) + " rules " + std::to_string(base.NbRegles) + " number " +
                       std::to_string(base.NumRegle) + " open " + std::to_string(base.BaseReglesOuverte) +
                       " compile " + std::to_string(base.DicoACompiler) + " steps " +
                       std::to_string(progression.Pas) + " commands " +
                       std::to_string(commandes == TEtatCommandes::Demarrage()));
    for (const auto& appel : progression.Appels) l.Lignes.push_back("progress " + appel);
    for (const auto& message : dialogues.Textes()) l.Lignes.push_back("message " + message);
    for (const auto& c : base.CommentairesRegles) l.Lignes.push_back("comment " + c.Nom);
    for (const auto& r : base.Regles) {
        std::string ligne = "rule " + std::to_string(std::bit_cast<std::uint64_t>(r.Priorite)) + ' ' +
                            std::to_string(r.NbPremissesRestantes) + std::to_string(r.Declenchee);
        for (const auto& p : r.Premisses) ligne += " if " + Champs(p);
        l.Lignes.push_back(ligne + " then " + Champs(r.Conclusion));
    }
    for (const auto& p : base.Dictionnaire) l.Lignes.push_back("entry " + Champs(p));
    return l;
}

class LectureParallele : public DossierTest {
protected:
    // The file read in one piece, then in 2, 3 and 7 slices.
    void VerifieTranches(const std::string& chemin, const std::string& quoi) {
        const TLecture unique = Lis(chemin, 1);
        for (unsigned tranches : {2u, 3u, 7u}) {
            SCOPED_TRACE(quoi + " in " + std::to_string(tranches) + " slices");
            ASSERT_EQ(Lis(chemin, tranches).Lignes, unique.Lignes);
        }
    }
};

TEST_F(LectureParallele, EveryFuzzingSeedReadsAlikeInSlices) {
    int graines = 0;
    for (const auto& entree : std::filesystem::recursive_directory_iterator(VERIDANE_TEST_DATA "/fuzz")) {
        if (!entree.is_regular_file()) continue;
        VerifieTranches(Ecrit("graine.rul", Lit(entree.path().string())), entree.path().string());
        ++graines;
    }
    EXPECT_GT(graines, 10);
}

// A base whose rules vary in every way that matters to slicing: rules over
// several lines, "#" lines and "#" inside rule lines, text after ";", CR LF,
// lone LF and lone CR line ends, priorities out of order, sets and numbers;
// `faute` puts a rule without THEN at that rule number (0: none).
std::string BaseGeneree(std::uint32_t graine, int nombre, int faute) {
    std::mt19937 alea(graine);
    auto tirage = [&](int n) { return static_cast<int>(alea() % static_cast<unsigned>(n)); };
    const char* fins[] = {"\r\n", "\n", "\r"};
    std::string texte = "#Generated base\r\n\r\nNumber of rules: " + std::to_string(nombre) + ";\r\n\r\n";
    for (int r = 1; r <= nombre; ++r) {
        const char* fin = fins[tirage(10) == 0 ? 1 + tirage(2) : 0];
        texte += "# Rule " + std::to_string(r) + fin;
        const int premisses = 1 + tirage(4);
        for (int k = 0; k < premisses; ++k) {
            texte += (k == 0 ? "If " : "And ") + std::string("a") + std::to_string(tirage(300));
            switch (tirage(4)) {
                case 0: texte += " > " + std::to_string(tirage(100)) + ".5 "; break;
                case 1: texte += " in { x" + std::to_string(tirage(5)) + ", y }"; break;
                default: texte += " = v" + std::to_string(tirage(4)) + ' '; break;
            }
            texte += fin;
            if (tirage(15) == 0) texte += std::string("and a comment # with ; inside") + fin;
        }
        if (r != faute) texte += "Then c" + std::to_string(tirage(200)) + " = on";
        if (tirage(8) == 0) texte += fin;  // the priority on a line of its own
        texte += " [0." + std::to_string(1 + tirage(9)) + "];";
        if (tirage(12) == 0) texte += " ignored text";
        texte += fin;
        texte += fin;
    }
    return texte;
}

TEST_F(LectureParallele, GeneratedBasesReadAlikeInSlices) {
    struct Cas {
        std::uint32_t Graine;
        int Nombre;
        int Faute;
    };
    for (const Cas& cas : {Cas{1, 3000, 0}, Cas{2, 3000, 2200}, Cas{3, 3000, 1}, Cas{4, 3000, 3000}, Cas{5, 40, 0}}) {
        std::string texte = BaseGeneree(cas.Graine, cas.Nombre, cas.Faute);
        VerifieTranches(Ecrit("base.rul", texte), "seed " + std::to_string(cas.Graine));
        // The same without its last line end: the last rule text still ends
        // at its ";", and an unfinished one is dropped.
        texte.resize(texte.size() - 30);
        VerifieTranches(Ecrit("base.rul", texte), "cut seed " + std::to_string(cas.Graine));
    }
}

}  // namespace
}  // namespace veridane
