// Writes a stratified rules base for comparing inference engines: the
// attributes stand in layers, each rule concludes "ATTR = ON" on an attribute
// of some layer from premises "ATTR = VALUE" on lower layers, and no
// attribute can take two values. Every forward-chaining engine must then
// deduce exactly the same facts, whatever its order of firing.
//
// Two kinds of base:
//   ON/OFF (the default)  every premise tests "= ON" or, now and then,
//                         "= OFF"; about two rules per deduced attribute;
//   --values K            every attribute has one of K words V0 ... V(K-1)
//                         and each premise tests one of them (mostly the
//                         attribute's own), as many real bases do; fewer
//                         attributes, each concluded by many rules.
//
// Output, in the chosen directory, for a base named NAME:
//   NAME.exp NAME.rul NAME.dta   a project with one observation (layer 0),
//                                or more with --observations
//   NAME.clp                     the same rules and facts for the comparison
//                                shell, ordered facts (d ATTR VALUE)
//   NAME-t.clp                   the same with a deftemplate d, slots a and v
//   NAME-run.clp, NAME-t-run.clp load one of them, run it, list every fact
//                                as "ATTR = VALUE", one per line, the times
//                                of loading and of reset and run, and exit
#include <algorithm>
#include <charconv>
#include <cmath>
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
    int NbValeurs = 0;          // 0: ON/OFF; otherwise the words V0 ... V(K-1)
    long long NbAttributs = 0;  // per layer; 0: chosen from the number of rules
    double ProbaAutre = 0.12;   // with words: a premise tests another word than the attribute's
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

// A value is an index: ON/OFF bases use 1 for ON and 0 for OFF, word bases
// the index of the word.
struct TPremisse {
    int Couche;
    long long Attribut;
    int Valeur;
};

struct TRegleGeneree {
    std::vector<TPremisse> Premisses;
    int Couche;
    long long Attribut;
    int Valeur;
    int Priorite;  // in steps of 1/Echelle: 10, 9, 8, 7 or 6 tenths by default
};

// The denominator of the priorities.
int Echelle(const TParametres& p) { return p.NbPriorites > 0 ? p.NbPriorites : 10; }

std::string NomAttribut(int couche, long long attribut) {
    std::string nom(1, 'L');
    nom.append(std::to_string(couche)).push_back('X');
    return nom.append(std::to_string(attribut));
}

// The words of the base: "ON"/"OFF", or "V0" to "V(K-1)".
std::string Valeur(const TParametres& p, int valeur) {
    if (p.NbValeurs == 0) return valeur ? "ON" : "OFF";
    return "V" + std::to_string(valeur);
}

// Attributes per layer. ON/OFF: about two rules conclude each deduced
// attribute. Words: a fifth of the square root of the rules (200 per layer
// at 1,000,000 rules), so that each attribute is concluded by many rules, as
// in bases that describe a few hundred attributes with many rules. (The
// comparison shell's loading grows with the rules times the distinct
// attributes they test, and with the rules squared over the attributes;
// this count keeps both terms near their least at 1,000,000 rules.)
long long AttributsParCouche(const TParametres& p) {
    if (p.NbAttributs > 0) return p.NbAttributs;
    if (p.NbValeurs > 0)
        return std::max<long long>(1, static_cast<long long>(std::sqrt(static_cast<double>(p.NbRegles)) / 5.0));
    return std::max<long long>(1, p.NbRegles / (2LL * (p.NbCouches - 1)));
}

// The word an attribute has, in a word base: fixed by its layer and number,
// so that every rule concluding it concludes the same word.
int ValeurPropre(const TParametres& p, int couche, long long attribut) {
    std::uint64_t z = (static_cast<std::uint64_t>(couche) << 40) ^ static_cast<std::uint64_t>(attribut);
    z = (z ^ (z >> 31)) * 0x7FB5D329728EA185ull;
    z = (z ^ (z >> 27)) * 0x81DADEF4BC2DD44Dull;
    return static_cast<int>((z ^ (z >> 33)) % static_cast<std::uint64_t>(p.NbValeurs));
}

// The value a premise tests: ON/OFF bases say OFF now and then; word bases
// test the attribute's own word, or now and then another one.
int ValeurPremisse(const TParametres& p, TAlea& alea, int couche, long long attribut) {
    if (p.NbValeurs == 0) return alea.Reel() >= p.ProbaFaux ? 1 : 0;
    const int propre = ValeurPropre(p, couche, attribut);
    if (alea.Reel() >= p.ProbaAutre) return propre;
    return (propre + 1 + static_cast<int>(alea.Entier(p.NbValeurs - 1))) % p.NbValeurs;
}

std::vector<TRegleGeneree> GenereRegles(const TParametres& p, TAlea& alea) {
    const long long parCouche = AttributsParCouche(p);
    std::vector<TRegleGeneree> regles;
    regles.reserve(static_cast<std::size_t>(p.NbRegles));
    for (long long r = 0; r < p.NbRegles; ++r) {
        TRegleGeneree regle;
        regle.Couche = 1 + static_cast<int>(r % (p.NbCouches - 1));
        regle.Attribut = alea.Entier(parCouche);
        regle.Valeur = p.NbValeurs == 0 ? 1 : ValeurPropre(p, regle.Couche, regle.Attribut);
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
            if (!deja) regle.Premisses.push_back({couche, attribut, ValeurPremisse(p, alea, couche, attribut)});
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

void EcritRegles(const std::string& chemin, const TParametres& p, const std::vector<TRegleGeneree>& regles) {
    std::ofstream f(chemin, std::ios::binary);
    f << "#Stratified rules base for the engine comparison\r\n\r\n";
    f << "Number of rules: " << regles.size() << ";\r\n\r\n";
    std::size_t numero = 0;
    for (const auto& regle : regles) {
        f << "# Rule " << ++numero << "\r\n";
        for (std::size_t k = 0; k < regle.Premisses.size(); ++k) {
            const auto& q = regle.Premisses[k];
            f << (k == 0 ? "If " : "And ") << NomAttribut(q.Couche, q.Attribut) << " = " << Valeur(p, q.Valeur) << " \r\n";
        }
        f << "Then " << NomAttribut(regle.Couche, regle.Attribut) << " = " << Valeur(p, regle.Valeur) << " ["
          << TextePriorite(regle.Priorite, Echelle(p))
          << "];\r\n\r\n";
    }
}

// Layer 0: every attribute gets a value, OFF now and then, or its own word.
std::vector<int> GenereObservation(const TParametres& p, TAlea& alea) {
    std::vector<int> valeurs(static_cast<std::size_t>(AttributsParCouche(p)));
    for (std::size_t a = 0; a < valeurs.size(); ++a)
        valeurs[a] = p.NbValeurs == 0 ? (alea.Reel() >= p.ProbaFaux ? 1 : 0)
                                      : ValeurPropre(p, 0, static_cast<long long>(a));
    return valeurs;
}

void EcritBaseFaits(const std::string& chemin, const TParametres& p, const std::vector<std::vector<int>>& observations) {
    std::ofstream f(chemin, std::ios::binary);
    f << "#" << (observations.size() == 1 ? "One observation" : "Observations")
      << ": a value for every attribute of layer 0\r\n\r\n";
    f << "Number of data: " << observations.size() * observations.front().size() << ";\r\n";
    std::size_t numero = 0;
    for (std::size_t o = 0; o < observations.size(); ++o) {
        f << (o == 0 ? "" : "\r\n* \r\n") << "\r\n# Observation " << o + 1 << "\r\n\r\n";
        for (std::size_t a = 0; a < observations[o].size(); ++a)
            f << "# Data " << ++numero << "\r\n"
              << NomAttribut(0, static_cast<long long>(a)) << " = " << Valeur(p, observations[o][a]) << "  ;\r\n";
    }
}

void EcritProjet(const std::string& chemin, const std::string& nom) {
    std::ofstream f(chemin, std::ios::binary);
    f << "#Engine comparison on a stratified rules base\r\n\r\n";
    f << "Rules file: " << nom << ".RUL\r\nData base: " << nom << ".DTA\r\n";
}

// One fact of the comparison shell, in either encoding: ordered "(d A V)"
// or the deftemplate's "(d (a A) (v V))".
std::string FaitClips(bool gabarit, const std::string& attribut, const std::string& valeur) {
    return gabarit ? "(d (a " + attribut + ") (v " + valeur + "))" : "(d " + attribut + ' ' + valeur + ')';
}

void EcritClips(const std::string& chemin, const TParametres& p, bool gabarit,
                const std::vector<TRegleGeneree>& regles, const std::vector<int>& observation) {
    std::ofstream f(chemin, std::ios::binary);
    if (gabarit) f << "(deftemplate d (slot a) (slot v))\n";
    std::size_t numero = 0;
    for (const auto& regle : regles) {
        f << "(defrule r" << ++numero;
        for (const auto& q : regle.Premisses)
            f << ' ' << FaitClips(gabarit, NomAttribut(q.Couche, q.Attribut), Valeur(p, q.Valeur));
        f << " => (assert " << FaitClips(gabarit, NomAttribut(regle.Couche, regle.Attribut), Valeur(p, regle.Valeur))
          << "))\n";
    }
    // Initial facts in blocks, so that no construct grows without bound.
    constexpr std::size_t Bloc = 1000;
    for (std::size_t a = 0; a < observation.size(); ++a) {
        if (a % Bloc == 0) f << (a == 0 ? "" : ")\n") << "(deffacts initiaux" << a / Bloc;
        f << ' ' << FaitClips(gabarit, NomAttribut(0, static_cast<long long>(a)), Valeur(p, observation[a]));
    }
    if (!observation.empty()) f << ")\n";
}

// The driver also times the loading and the reset and run with the shell's
// own clock, on a last line "%phases load SECONDS run SECONDS".
void EcritPilote(const std::string& chemin, const std::string& programme, bool gabarit) {
    std::ofstream f(chemin, std::ios::binary);
    f << "(set-reset-globals FALSE)\n(defglobal ?*t0* = (time) ?*t1* = 0.0 ?*t2* = 0.0)\n"
      << "(load* \"" << programme << "\")\n(bind ?*t1* (time))\n(reset)\n(run)\n(bind ?*t2* (time))\n";
    if (gabarit)
        f << "(do-for-all-facts ((?f d)) TRUE (printout t ?f:a \" = \" ?f:v crlf))\n";
    else
        f << "(do-for-all-facts ((?f d)) TRUE (printout t (nth$ 1 ?f:implied) \" = \" (nth$ 2 ?f:implied) crlf))\n";
    f << "(printout t \"%phases load \" (- ?*t1* ?*t0*) \" run \" (- ?*t2* ?*t1*) crlf)\n(exit)\n";
}

bool LitEntier(std::string_view texte, long long& valeur) {
    auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    return erreur == std::errc() && fin == texte.data() + texte.size();
}

int Usage() {
    std::cerr << "usage: veridane-strates --rules N [--layers L] [--premises P] [--values K] [--attributes A]\n"
                 "                        [--seed S] [--priorities K] [--observations O] [--out DIR] [--name NAME]\n";
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
        else if (option == "--values" && LitEntier(valeur, n) && n >= 2 && n <= 100) p.NbValeurs = static_cast<int>(n);
        else if (option == "--attributes" && LitEntier(valeur, n) && n > 0) p.NbAttributs = n;
        else if (option == "--priorities" && LitEntier(valeur, n) && n >= 1 && n <= 1000) p.NbPriorites = static_cast<int>(n);
        else if (option == "--observations" && LitEntier(valeur, n) && n >= 1 && n <= 10000) p.NbObservations = static_cast<int>(n);
        else if (option == "--out") p.Repertoire = std::string(valeur);
        else if (option == "--name") p.Nom = std::string(valeur);
        else return Usage();
    }
    TAlea alea(p.Graine);
    const auto regles = GenereRegles(p, alea);
    std::vector<std::vector<int>> observations;
    for (int o = 0; o < p.NbObservations; ++o) observations.push_back(GenereObservation(p, alea));
    const auto& observation = observations.front();
    const std::string base = p.Repertoire + "/" + p.Nom;
    std::string majuscules = p.Nom;
    std::transform(majuscules.begin(), majuscules.end(), majuscules.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    EcritRegles(base + ".rul", p, regles);
    EcritBaseFaits(base + ".dta", p, observations);
    EcritProjet(base + ".exp", majuscules);
    EcritClips(base + ".clp", p, false, regles, observation);
    EcritClips(base + "-t.clp", p, true, regles, observation);
    EcritPilote(base + "-run.clp", p.Nom + ".clp", false);
    EcritPilote(base + "-t-run.clp", p.Nom + "-t.clp", true);
    std::cout << regles.size() << " rules, " << observation.size() << " initial data, " << p.NbCouches
              << " layers\n";
    return 0;
}
