// Writes a stratified rules base for comparing inference engines: the
// attributes stand in layers, each rule concludes "ATTR = ON" on an attribute
// of some layer from premises "ATTR = VALUE" on lower layers, and no
// attribute can take two values. Every forward-chaining engine must then
// deduce exactly the same facts, whatever its order of firing.
//
// Output, in the chosen directory, for a base named NAME:
//   NAME.exp NAME.rul NAME.dta   a project with one observation (layer 0),
//                                or more with --observations
//   NAME.clp                     the same rules and facts for the comparison
//                                shell, ordered facts (d ATTR VALUE)
//   NAME-run.clp                 loads NAME.clp, runs it, lists every fact
//                                as "ATTR = VALUE", one per line, and exits
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct TParametres {
    long long NbRegles = 10000;
    int NbCouches = 8;          // layer 0 (the observation) and the deduced ones
    int MaxPremisses = 3;
    double ProbaFaux = 0.08;    // a premise or an initial datum says OFF
    std::uint64_t Graine = 1;
    int NbPriorites = 0;        // 0: the five priorities 0.6 to 1; else k/N for k = 1..N
    int NbObservations = 1;     // the first is always the same for a seed
    std::string Repertoire = ".";
    std::string Nom = "strates";
};

// A small, fully specified generator, so that a seed gives the same base on
// every machine and library.
class TAlea {
public:
    explicit TAlea(std::uint64_t graine) : Etat(graine) {}
    std::uint64_t Suivant() {
        std::uint64_t z = (Etat += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    long long Entier(long long n) { return static_cast<long long>(Suivant() % static_cast<std::uint64_t>(n)); }
    double Reel() { return static_cast<double>(Suivant() >> 11) / 9007199254740992.0; }

private:
    std::uint64_t Etat;
};

struct TPremisse {
    int Couche;
    long long Attribut;
    bool Vrai;  // "= ON" when true, "= OFF" otherwise
};

struct TRegleGeneree {
    std::vector<TPremisse> Premisses;
    int Couche;
    long long Attribut;
    int Priorite;  // in steps of 1/Echelle: 10, 9, 8, 7 or 6 tenths by default
};

// The denominator of the priorities.
int Echelle(const TParametres& p) { return p.NbPriorites > 0 ? p.NbPriorites : 10; }

std::string NomAttribut(int couche, long long attribut) {
    std::string nom(1, 'L');
    nom.append(std::to_string(couche)).push_back('X');
    return nom.append(std::to_string(attribut));
}

const char* Valeur(bool vrai) { return vrai ? "ON" : "OFF"; }

// Attributes per layer: about two rules conclude each deduced attribute.
long long AttributsParCouche(const TParametres& p) {
    return std::max<long long>(1, p.NbRegles / (2LL * (p.NbCouches - 1)));
}

std::vector<TRegleGeneree> GenereRegles(const TParametres& p, TAlea& alea) {
    const long long parCouche = AttributsParCouche(p);
    std::vector<TRegleGeneree> regles;
    regles.reserve(static_cast<std::size_t>(p.NbRegles));
    for (long long r = 0; r < p.NbRegles; ++r) {
        TRegleGeneree regle;
        regle.Couche = 1 + static_cast<int>(r % (p.NbCouches - 1));
        regle.Attribut = alea.Entier(parCouche);
        regle.Priorite = p.NbPriorites > 0 ? 1 + static_cast<int>(alea.Entier(p.NbPriorites))
                                           : 6 + static_cast<int>(alea.Entier(5));
        const int nb = 1 + static_cast<int>(alea.Entier(p.MaxPremisses));
        for (int k = 0; k < nb; ++k) {
            // The first premise sits on the layer just below, so that facts
            // build up level after level; the others anywhere below.
            const int couche = k == 0 ? regle.Couche - 1 : static_cast<int>(alea.Entier(regle.Couche));
            const long long attribut = alea.Entier(parCouche);
            const bool deja = std::any_of(regle.Premisses.begin(), regle.Premisses.end(), [&](const TPremisse& q) {
                return q.Couche == couche && q.Attribut == attribut;
            });
            if (!deja) regle.Premisses.push_back({couche, attribut, alea.Reel() >= p.ProbaFaux});
        }
        regles.push_back(std::move(regle));
    }
    // The rules file holds them highest priority first, as the program keeps
    // them; equal priorities keep their order.
    std::stable_sort(regles.begin(), regles.end(),
                     [](const TRegleGeneree& a, const TRegleGeneree& b) { return a.Priorite > b.Priorite; });
    return regles;
}

// The priority as the rules file writes it: "1" or "0." and its digits.
std::string TextePriorite(int priorite, int echelle) {
    if (priorite >= echelle) return "1";
    std::string chiffres = std::to_string(static_cast<long long>(priorite) * 1000000 / echelle);
    chiffres.insert(0, 6 - chiffres.size(), '0');
    chiffres.erase(chiffres.find_last_not_of('0') + 1);
    return "0." + chiffres;
}

void EcritRegles(const std::string& chemin, const std::vector<TRegleGeneree>& regles, int echelle) {
    std::ofstream f(chemin, std::ios::binary);
    f << "#Stratified rules base for the engine comparison\r\n\r\n";
    f << "Number of rules: " << regles.size() << ";\r\n\r\n";
    std::size_t numero = 0;
    for (const auto& regle : regles) {
        f << "# Rule " << ++numero << "\r\n";
        for (std::size_t k = 0; k < regle.Premisses.size(); ++k) {
            const auto& q = regle.Premisses[k];
            f << (k == 0 ? "If " : "And ") << NomAttribut(q.Couche, q.Attribut) << " = " << Valeur(q.Vrai) << " \r\n";
        }
        f << "Then " << NomAttribut(regle.Couche, regle.Attribut) << " = ON [" << TextePriorite(regle.Priorite, echelle)
          << "];\r\n\r\n";
    }
}

// Layer 0: every attribute gets a value, OFF now and then.
std::vector<bool> GenereObservation(const TParametres& p, TAlea& alea) {
    std::vector<bool> valeurs(static_cast<std::size_t>(AttributsParCouche(p)));
    for (std::size_t a = 0; a < valeurs.size(); ++a) valeurs[a] = alea.Reel() >= p.ProbaFaux;
    return valeurs;
}

void EcritBaseFaits(const std::string& chemin, const std::vector<std::vector<bool>>& observations) {
    std::ofstream f(chemin, std::ios::binary);
    f << "#" << (observations.size() == 1 ? "One observation" : "Observations")
      << ": a value for every attribute of layer 0\r\n\r\n";
    f << "Number of data: " << observations.size() * observations.front().size() << ";\r\n";
    std::size_t numero = 0;
    for (std::size_t o = 0; o < observations.size(); ++o) {
        f << (o == 0 ? "" : "\r\n* \r\n") << "\r\n# Observation " << o + 1 << "\r\n\r\n";
        for (std::size_t a = 0; a < observations[o].size(); ++a)
            f << "# Data " << ++numero << "\r\n"
              << NomAttribut(0, static_cast<long long>(a)) << " = " << Valeur(observations[o][a]) << "  ;\r\n";
    }
}

void EcritProjet(const std::string& chemin, const std::string& nom) {
    std::ofstream f(chemin, std::ios::binary);
    f << "#Engine comparison on a stratified rules base\r\n\r\n";
    f << "Rules file: " << nom << ".RUL\r\nData base: " << nom << ".DTA\r\n";
}

void EcritClips(const std::string& chemin, const std::vector<TRegleGeneree>& regles,
                const std::vector<bool>& observation) {
    std::ofstream f(chemin, std::ios::binary);
    std::size_t numero = 0;
    for (const auto& regle : regles) {
        f << "(defrule r" << ++numero;
        for (const auto& q : regle.Premisses) f << " (d " << NomAttribut(q.Couche, q.Attribut) << ' ' << Valeur(q.Vrai) << ')';
        f << " => (assert (d " << NomAttribut(regle.Couche, regle.Attribut) << " ON)))\n";
    }
    // Initial facts in blocks, so that no construct grows without bound.
    constexpr std::size_t Bloc = 1000;
    for (std::size_t a = 0; a < observation.size(); ++a) {
        if (a % Bloc == 0) f << (a == 0 ? "" : ")\n") << "(deffacts initiaux" << a / Bloc;
        f << " (d " << NomAttribut(0, static_cast<long long>(a)) << ' ' << Valeur(observation[a]) << ')';
    }
    if (!observation.empty()) f << ")\n";
}

void EcritPilote(const std::string& chemin, const std::string& nom) {
    std::ofstream f(chemin, std::ios::binary);
    f << "(load* \"" << nom << ".clp\")\n(reset)\n(run)\n"
      << "(do-for-all-facts ((?f d)) TRUE (printout t (nth$ 1 ?f:implied) \" = \" (nth$ 2 ?f:implied) crlf))\n"
      << "(exit)\n";
}

bool LitEntier(std::string_view texte, long long& valeur) {
    auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    return erreur == std::errc() && fin == texte.data() + texte.size();
}

int Usage() {
    std::cerr << "usage: veridane-strates --rules N [--layers L] [--premises P] [--seed S] [--priorities K]\n"
                 "                        [--observations O] [--out DIR] [--name NAME]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    TParametres p;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::string_view valeur = argv[++i];
        long long n = 0;
        if (option == "--rules" && LitEntier(valeur, n) && n > 0) p.NbRegles = n;
        else if (option == "--layers" && LitEntier(valeur, n) && n >= 2 && n <= 1000) p.NbCouches = static_cast<int>(n);
        else if (option == "--premises" && LitEntier(valeur, n) && n >= 1 && n <= 50) p.MaxPremisses = static_cast<int>(n);
        else if (option == "--seed" && LitEntier(valeur, n)) p.Graine = static_cast<std::uint64_t>(n);
        else if (option == "--priorities" && LitEntier(valeur, n) && n >= 1 && n <= 1000) p.NbPriorites = static_cast<int>(n);
        else if (option == "--observations" && LitEntier(valeur, n) && n >= 1 && n <= 10000) p.NbObservations = static_cast<int>(n);
        else if (option == "--out") p.Repertoire = std::string(valeur);
        else if (option == "--name") p.Nom = std::string(valeur);
        else return Usage();
    }
    TAlea alea(p.Graine);
    const auto regles = GenereRegles(p, alea);
    std::vector<std::vector<bool>> observations;
    for (int o = 0; o < p.NbObservations; ++o) observations.push_back(GenereObservation(p, alea));
    const auto& observation = observations.front();
    const std::string base = p.Repertoire + "/" + p.Nom;
    std::string majuscules = p.Nom;
    std::transform(majuscules.begin(), majuscules.end(), majuscules.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    EcritRegles(base + ".rul", regles, Echelle(p));
    EcritBaseFaits(base + ".dta", observations);
    EcritProjet(base + ".exp", majuscules);
    EcritClips(base + ".clp", regles, observation);
    EcritPilote(base + "-run.clp", p.Nom);
    std::cout << regles.size() << " rules, " << observation.size() << " initial data, " << p.NbCouches
              << " layers\n";
    return 0;
}
