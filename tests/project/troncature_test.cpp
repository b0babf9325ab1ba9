// Every sample file cut short: each rules, dictionary, data base and project
// file under examples/ and tests/data, cut at every byte, and with one of its
// lines cut at every byte (as it stands, and after a ";"). No reader may throw or read out of bounds (the
// sanitizer build runs this too); every message is one the readers word; and
// what stood in the lines before the cut is still read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <regex>
#include <set>

#include "core/dictionnaire.h"
#include "core/fichier_regles.h"
#include "core/format_nombre.h"
#include "core/journal.h"
#include "outils_test.h"
#include "project/base_faits.h"
#include "project/cycle_projet.h"
#include "project/fichier_projet.h"

namespace veridane {
namespace {

using namespace veridane::test;
namespace fs = std::filesystem;

// What a reader made of a text: its messages, and the model as lines.
// `Ordonne`: the model keeps the file's order (data, comments), so what was
// read before a cut is a prefix of it; otherwise (rules by priority,
// dictionary by attribute) it is a part of it.
struct TLu {
    std::vector<std::string> Messages;
    std::vector<std::string> Modele;
    bool Ordonne = false;
};

// Every message the readers word (with their numbers as \d+).
const std::regex MessagesConnus(
    "Error in rule \\d+: (IF not found|attribute of antecedent not found|incorrect operator in antecedent|"
    "attribute of conclusion not found|operateur of conclusion not found|'\\[' not found |"
    "priority degree incorrect)"
    "|Error in the rule \\d+: THEN not found"
    "|Error: not number of rules in the file "
    "|\\d+ rules extracted, \\d+ expected rules"
    "|File of rules not found"
    "|Error in data \\d+ of the dictionary: (attribute of data not found|incorrect operator in data)"
    "|Error in data \\d+: (attribute of data not found|incorrect operator in data)"
    "|Error: not number of data in the file "
    "|\\d+ data extracted, -?\\d+ expected data"
    "|File of data base not found"
    "|Error : file .* does'nt exist "
    "|Error : file .* does not name a rules file and a data base"
    "|Error : file name .* in .* is not a plain file name of the project directory",
    std::regex::optimize);

std::vector<std::string> Regles(const TBaseConnaissances& base) {
    std::vector<std::string> lignes;
    for (const TModalite& c : base.CommentairesRegles) lignes.push_back("#" + c.Nom);
    for (const TRegle& r : base.Regles) {
        std::string ligne = FormatGeneral(r.Priorite, 17, '.') + ":";
        for (const TProposition& p : r.Premisses) ligne += " " + PropEnChaine(p) + ";";
        lignes.push_back(ligne + " => " + PropEnChaine(r.Conclusion));
    }
    return lignes;
}

TLu LitReglesEnTranches(const std::string& chemin, unsigned tranches) {
    TBaseConnaissances base;
    TEtatCommandes commandes;
    TDialoguesJournal dialogues;
    TProgressionMuette progression;
    OuvrirFR(base, chemin, commandes, dialogues, progression, tranches);
    return {dialogues.Textes(), Regles(base)};
}

// Read in one piece, and in three slices on as many threads, alike.
TLu LitRegles(const std::string& chemin) {
    TLu lu = LitReglesEnTranches(chemin, 1);
    const TLu tranches = LitReglesEnTranches(chemin, 3);
    EXPECT_EQ(tranches.Messages, lu.Messages) << chemin << " in slices";
    EXPECT_EQ(tranches.Modele, lu.Modele) << chemin << " in slices";
    return lu;
}

TLu LitDico(const std::string& chemin) {
    TBaseConnaissances base;
    TEtatCommandes commandes;
    TDialoguesJournal dialogues;
    ChargeDicoFaits(base, chemin, commandes, dialogues);
    TLu lu{dialogues.Textes(), {}};
    for (const TProposition& p : base.Dictionnaire) lu.Modele.push_back(PropEnChaine(p));
    return lu;
}

TLu LitBase(const std::string& chemin) {
    TEtatVeridane etat;
    TDialoguesJournal dialogues;
    TProgressionMuette progression;
    OuvrirFF(etat, chemin, dialogues, progression);
    TLu lu{dialogues.Textes(), {}, true};
    for (const TModalite& c : etat.Faits.CommentairesBase) lu.Modele.push_back("#" + c.Nom);
    for (std::size_t i = 0; i < etat.Faits.Observations.size(); ++i)
        for (const TProposition& p : etat.Faits.Observations[i])
            lu.Modele.push_back(std::to_string(i) + ": " + PropEnChaine(p));
    return lu;
}

// The project file read, then opened as "Open project" opens it, with the
// rules and data base files beside it.
TLu LitProjetEntier(const std::string& chemin) {
    TLu lu{{}, {}, true};
    if (auto contenu = LitProjet(chemin))
        for (const TModalite& c : contenu->Commentaires) lu.Modele.push_back("#" + c.Nom);
    TEtatVeridane etat;
    TFenetresScript fenetres;
    TDialoguesJournal dialogues;
    TProgressionMuette progression;
    TCycleProjet cycle(etat, fenetres, dialogues, progression);
    cycle.OuvreProjet(chemin);
    lu.Messages = dialogues.Textes();
    return lu;
}

struct TGenre {
    const char* Extension;  // lower case, with its point
    std::function<TLu(const std::string&)> Lit;
    bool AvecVoisins;  // read with the files beside it (a project's)
};

const TGenre Genres[] = {
    {".rul", LitRegles, false},
    {".dic", LitDico, false},
    {".dta", LitBase, false},
    {".exp", LitProjetEntier, true},
};

// Each sample once, even when examples/ and tests/data hold the same file.
std::vector<fs::path> Echantillons(const std::string& extension) {
    std::vector<fs::path> chemins;
    std::set<std::string> contenus;
    const fs::path donnees = VERIDANE_TEST_DATA;
    for (const fs::path& racine : {donnees.parent_path().parent_path() / "examples", donnees}) {
        std::vector<fs::path> trouves;
        for (const auto& entree : fs::recursive_directory_iterator(racine)) {
            std::string ext = entree.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
            if (entree.is_regular_file() && ext == extension) trouves.push_back(entree.path());
        }
        std::sort(trouves.begin(), trouves.end());
        for (const fs::path& p : trouves)
            if (contenus.insert(LitFichier(p.string())).second) chemins.push_back(p);
    }
    return chemins;
}

// Starts of the lines of a text (a line ends at CR, LF or CR LF), and its end.
std::vector<std::size_t> DebutsDeLignes(const std::string& texte) {
    std::vector<std::size_t> debuts{0};
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        if (texte[i] == '\r' || texte[i] == '\n') debuts.push_back(i + 1);
    }
    if (debuts.back() != texte.size()) debuts.push_back(texte.size());
    return debuts;
}

// `avant` is kept in `apres`: its prefix when ordered, else a part of it.
bool Garde(const TLu& avant, const TLu& apres) {
    if (avant.Ordonne)
        return avant.Modele.size() <= apres.Modele.size() &&
               std::equal(avant.Modele.begin(), avant.Modele.end(), apres.Modele.begin());
    std::multiset<std::string> a(avant.Modele.begin(), avant.Modele.end());
    std::multiset<std::string> b(apres.Modele.begin(), apres.Modele.end());
    return std::includes(b.begin(), b.end(), a.begin(), a.end());
}

// Thousands of small files are written and read: in memory when the system
// has a memory file system.
class TDossierMemoire {
public:
    TDossierMemoire() {
        fs::path racine = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string modele = (racine / "veridane-troncature-XXXXXX").string();
        Chemin = std::string(::mkdtemp(modele.data())) + "/";
    }
    ~TDossierMemoire() {
        std::error_code ignoree;
        fs::remove_all(Chemin, ignoree);
    }
    std::string operator/(const std::string& nom) const { return Chemin + nom; }
    std::string Chemin;
};

class Troncature : public ::testing::TestWithParam<TGenre> {
protected:
    // Reads `texte` as the sample `nom` in the scratch directory; a throw is
    // a failure that names the variant.
    TLu Lit(const std::string& nom, const std::string& texte, const std::string& variante) {
        EcritFichier(Dossier / nom, texte);
        try {
            TLu lu = GetParam().Lit(Dossier / nom);
            for (const std::string& m : lu.Messages)
                EXPECT_TRUE(std::regex_match(m, MessagesConnus)) << variante << ": unknown message \"" << m << '"';
            return lu;
        } catch (const std::exception& e) {
            ADD_FAILURE() << variante << ": " << e.what();
        }
        return {};
    }

    TDossierMemoire Dossier;
};

TEST_P(Troncature, EveryCutReadsWhatStoodBeforeIt) {
    const auto echantillons = Echantillons(GetParam().Extension);
    ASSERT_FALSE(echantillons.empty());
    for (const fs::path& chemin : echantillons) {
        // A project's other files stand beside it.
        for (const auto& voisin : fs::directory_iterator(chemin.parent_path()))
            if (GetParam().AvecVoisins && voisin.is_regular_file())
                fs::copy_file(voisin.path(), Dossier / voisin.path().filename().string(),
                              fs::copy_options::overwrite_existing);
        const std::string nom = chemin.filename().string();
        const std::string texte = LitFichier(chemin.string());
        const auto debuts = DebutsDeLignes(texte);
        // What the whole lines before each line give.
        std::vector<TLu> avant;
        for (std::size_t debut : debuts)
            avant.push_back(Lit(nom, texte.substr(0, debut), nom + " lines before byte " + std::to_string(debut)));

        std::size_t ligne = 0;
        for (std::size_t coupe = 0; coupe <= texte.size(); ++coupe) {
            while (ligne + 1 < debuts.size() && debuts[ligne + 1] <= coupe) ++ligne;
            const std::string variante = nom + " cut at byte " + std::to_string(coupe);
            TLu lu = Lit(nom, texte.substr(0, coupe), variante);
            EXPECT_TRUE(Garde(avant[ligne], lu)) << variante << " lost what was read before the cut";
        }
        // One line cut, the lines after it kept; and the same line put after
        // a ";", which ends a rule text at once: the statement then ends
        // exactly at the cut (after an operator, inside a set, in a number).
        for (std::size_t l = 0; l + 1 < debuts.size(); ++l) {
            for (std::size_t coupe = debuts[l]; coupe < debuts[l + 1]; ++coupe) {
                const std::string ligne = texte.substr(debuts[l], coupe - debuts[l]);
                const std::string suite = "\r\n" + texte.substr(debuts[l + 1]);
                const std::string variante = nom + " line from byte " + std::to_string(debuts[l]) + " cut at byte " +
                                             std::to_string(coupe);
                for (const std::string& coupee : {ligne, ";" + ligne}) {
                    TLu lu = Lit(nom, texte.substr(0, debuts[l]) + coupee + suite, variante);
                    EXPECT_TRUE(Garde(avant[l], lu)) << variante << " lost what was read before the cut";
                }
            }
        }
        if (HasFailure()) return;  // one file's report is enough to read
    }
}

INSTANTIATE_TEST_SUITE_P(Echantillons, Troncature, ::testing::ValuesIn(Genres),
                         [](const auto& info) { return std::string(info.param.Extension + 1); });

}  // namespace
}  // namespace veridane
