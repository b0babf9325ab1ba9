#include "verification.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/dictionnaire.h"
#include "core/etat_commandes.h"
#include "core/fichier_texte.h"
#include "core/format_nombre.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "domaines.h"
#include "inference/correspondance.h"
#include "project/etat.h"

namespace veridane {
namespace {

// ---- Texts -----------------------------------------------------------------

// "rule 3", "rules 3 and 8", "rules 3, 8 and 12"; a long list is cut.
std::string ListeRegles(const std::vector<int>& regles) {
    constexpr std::size_t Montrees = 6;
    std::string texte = regles.size() == 1 ? "rule " : "rules ";
    const std::size_t n = std::min(regles.size(), Montrees);
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) texte += (i + 1 == n && regles.size() <= Montrees) ? " and " : ", ";
        texte += std::to_string(regles[i]);
    }
    if (regles.size() > Montrees) texte += " and " + std::to_string(regles.size() - Montrees) + (regles.size() - Montrees == 1 ? " other" : " others");
    return texte;
}

// "A", "A and B", "A, B and C".
std::string ListeMots(const std::vector<std::string>& mots) {
    std::string texte;
    for (std::size_t i = 0; i < mots.size(); ++i) {
        if (i > 0) texte += i + 1 == mots.size() ? " and " : ", ";
        texte += mots[i];
    }
    return texte;
}

// ---- Hashing propositions as Equivalence compares them ---------------------

std::uint64_t Melange(std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint64_t Empreinte(const TProposition& p) {
    std::uint64_t h = std::hash<std::string_view>{}(p.Attribut);
    h = Melange(h ^ (static_cast<std::uint64_t>(p.Operateur) << 8 | p.TypeValeur));
    switch (p.TypeValeur) {
        case TypeNumerique: {
            const double x = p.Reel == 0.0 ? 0.0 : p.Reel;  // 0 and -0 are equal
            std::uint64_t bits;
            std::memcpy(&bits, &x, sizeof bits);
            return Melange(h ^ bits);
        }
        case TypeSymbolique: return Melange(h ^ std::hash<std::string_view>{}(p.Modalite));
        default:
            for (const TModalite& m : p.Liste) h = Melange(h ^ std::hash<std::string_view>{}(m.Nom));
            return h;
    }
}

// The same premises in any order (each matched once) and the same conclusion.
bool MemesRegles(const TRegle& a, const TRegle& b) {
    if (a.Premisses.size() != b.Premisses.size() || !Equivalence(a.Conclusion, b.Conclusion)) return false;
    std::vector<bool> prise(b.Premisses.size(), false);
    for (const TProposition& p : a.Premisses) {
        bool trouvee = false;
        for (std::size_t j = 0; j < b.Premisses.size() && !trouvee; ++j)
            if (!prise[j] && Equivalence(p, b.Premisses[j])) prise[j] = trouvee = true;
        if (!trouvee) return false;
    }
    return true;
}

// Every premise and conclusion of the rules by hash, sorted: a sorted
// vector costs far less than a hash table of lists on millions of rules.
using TPropositionsUtilisees = std::vector<std::pair<std::uint64_t, const TProposition*>>;

TPropositionsUtilisees PropositionsUtilisees(const std::vector<TRegle>& regles) {
    TPropositionsUtilisees utilisees;
    for (const TRegle& regle : regles) {
        for (const TProposition& p : regle.Premisses) utilisees.emplace_back(Empreinte(p), &p);
        utilisees.emplace_back(Empreinte(regle.Conclusion), &regle.Conclusion);
    }
    std::sort(utilisees.begin(), utilisees.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return utilisees;
}

bool Utilisee(const TPropositionsUtilisees& utilisees, const TProposition& entree) {
    const std::uint64_t h = Empreinte(entree);
    auto it = std::lower_bound(utilisees.begin(), utilisees.end(), h,
                               [](const auto& u, std::uint64_t v) { return u.first < v; });
    for (; it != utilisees.end() && it->first == h; ++it)
        if (Equivalence(*it->second, entree)) return true;
    return false;
}

// ---- The checker ------------------------------------------------------------

// What a rule demands of one attribute: the values that satisfy all its
// premises on it.
struct TExigence {
    int Attribut;
    TDomaine Domaine;
};

class TVerificateur {
public:
    TVerificateur(const TBaseConnaissances& base, const TSourcesAttributs& sources)
        : Base(base), Regles(base.Regles), Sources(sources), Declares(sources.Declares) {}

    std::vector<TConstat> Verifie() {
        Indexe();
        VerifiePremissesContradictoires();
        VerifieDoublons();
        VerifieParConclusion();
        VerifieCycles();
        VerifieEntrees();
        VerifiePremisses();
        VerifieButs();
        Trie();
        return std::move(Constats);
    }

private:
    const TBaseConnaissances& Base;
    const std::vector<TRegle>& Regles;
    const TSourcesAttributs& Sources;
    std::unordered_set<std::string> Declares;  // the sources' and those of unused entries
    std::vector<TConstat> Constats;

    std::unordered_map<std::string_view, int> NumeroAttribut;
    std::vector<std::string_view> NomsAttributs;
    std::vector<int> AttributConclusion;   // per rule
    std::vector<std::size_t> DebutPremisses; // per rule, into AttributsPremisses
    std::vector<int> AttributsPremisses;
    std::vector<char> PeutSeDeclencher;     // per rule: its premises can hold together
    std::vector<int> DoublonDe;             // per rule: the earlier same rule, or -1

    std::string Texte(const TProposition& p) const { return PropEnChaine(p, Base.SeparateurDecimal); }
    std::string Nom(int attribut) const { return std::string(NomsAttributs[static_cast<std::size_t>(attribut)]); }

    int Attribut(std::string_view nom) {
        auto [it, nouveau] = NumeroAttribut.try_emplace(nom, static_cast<int>(NomsAttributs.size()));
        if (nouveau) NomsAttributs.push_back(nom);
        return it->second;
    }

    void Ajoute(const char* id, int regle, int entree, std::vector<int> liees, std::vector<std::string> attributs,
                std::string message) {
        TConstat c;
        c.Id = id;
        for (const TGenreConstat& g : GenresConstats())
            if (c.Id == g.Id) c.Niveau = g.Niveau;
        c.Regle = regle;
        c.Entree = entree;
        std::sort(liees.begin(), liees.end());
        c.ReglesLiees = std::move(liees);
        c.Attributs = std::move(attributs);
        c.Message = std::move(message);
        Constats.push_back(std::move(c));
    }

    void Indexe() {
        const std::size_t n = Regles.size();
        AttributConclusion.resize(n);
        DebutPremisses.resize(n + 1);
        for (std::size_t r = 0; r < n; ++r) {
            DebutPremisses[r] = AttributsPremisses.size();
            for (const TProposition& p : Regles[r].Premisses) AttributsPremisses.push_back(Attribut(p.Attribut));
            AttributConclusion[r] = Attribut(Regles[r].Conclusion.Attribut);
        }
        DebutPremisses[n] = AttributsPremisses.size();
        PeutSeDeclencher.assign(n, 1);
        DoublonDe.assign(n, -1);
    }

    // The premises of rule r grouped by attribute (indexes into Premisses).
    std::vector<std::pair<int, std::size_t>> PremissesParAttribut(std::size_t r) const {
        std::vector<std::pair<int, std::size_t>> paires;
        for (std::size_t i = DebutPremisses[r]; i < DebutPremisses[r + 1]; ++i)
            paires.emplace_back(AttributsPremisses[i], i - DebutPremisses[r]);
        std::sort(paires.begin(), paires.end());
        return paires;
    }

    // What rule r demands of each attribute it tests, by attribute number.
    std::vector<TExigence> Exigences(std::size_t r) const {
        std::vector<TExigence> exigences;
        for (const auto& [attribut, i] : PremissesParAttribut(r)) {
            TDomaine d = DomaineDe(Regles[r].Premisses[i]);
            if (!exigences.empty() && exigences.back().Attribut == attribut)
                exigences.back().Domaine = Intersection(exigences.back().Domaine, d);
            else
                exigences.push_back({attribut, std::move(d)});
        }
        return exigences;
    }

    // ---- contradictory-premises ----

    void VerifiePremissesContradictoires() {
        for (std::size_t r = 0; r < Regles.size(); ++r) {
            const auto paires = PremissesParAttribut(r);
            for (std::size_t debut = 0; debut < paires.size();) {
                std::size_t fin = debut;
                while (fin < paires.size() && paires[fin].first == paires[debut].first) ++fin;
                if (fin - debut >= 2) ContradictionSurAttribut(r, paires, debut, fin);
                debut = fin;
            }
        }
    }

    void ContradictionSurAttribut(std::size_t r, const std::vector<std::pair<int, std::size_t>>& paires,
                                  std::size_t debut, std::size_t fin) {
        const TRegle& regle = Regles[r];
        std::vector<TDomaine> domaines;
        TDomaine tous;
        for (std::size_t k = debut; k < fin; ++k) {
            domaines.push_back(DomaineDe(regle.Premisses[paires[k].second]));
            tous = Intersection(tous, domaines.back());
        }
        if (!tous.EstVide()) return;
        PeutSeDeclencher[r] = 0;
        // Name the first two premises that already exclude each other, or
        // all of them when only their whole set does.
        std::vector<std::size_t> nommees;
        for (std::size_t i = 0; i < domaines.size() && nommees.empty(); ++i)
            for (std::size_t j = i + 1; j < domaines.size() && nommees.empty(); ++j)
                if (!SeCroisent(domaines[i], domaines[j])) nommees = {paires[debut + i].second, paires[debut + j].second};
        if (nommees.empty())
            for (std::size_t k = debut; k < fin; ++k) nommees.push_back(paires[k].second);
        std::vector<std::string> textes;
        for (std::size_t i : nommees) textes.push_back(Texte(regle.Premisses[i]));
        const std::string nom = Nom(paires[debut].first);
        Ajoute("contradictory-premises", static_cast<int>(r + 1), 0, {}, {nom},
               "premises " + ListeMots(textes) + " are satisfied by no single value of " + nom +
                   ": the rule can never fire");
    }

    // ---- duplicate-rule ----

    void VerifieDoublons() {
        std::vector<std::pair<std::uint64_t, std::size_t>> cles;
        cles.reserve(Regles.size());
        for (std::size_t r = 0; r < Regles.size(); ++r) {
            // Premises in any order: their hashes are added up.
            std::uint64_t somme = 0;
            for (const TProposition& p : Regles[r].Premisses) somme += Melange(Empreinte(p));
            cles.emplace_back(Melange(Empreinte(Regles[r].Conclusion) ^ somme) + Regles[r].Premisses.size(), r);
        }
        std::sort(cles.begin(), cles.end());
        for (std::size_t debut = 0; debut < cles.size();) {
            std::size_t fin = debut;
            while (fin < cles.size() && cles[fin].first == cles[debut].first) ++fin;
            // Within one hash, each rule is compared with the first rule of
            // each kind already met (the run is in rule order).
            std::vector<std::size_t> premieres;
            for (std::size_t k = debut; k < fin; ++k) {
                const std::size_t r = cles[k].second;
                auto meme = std::find_if(premieres.begin(), premieres.end(),
                                         [&](std::size_t m) { return MemesRegles(Regles[m], Regles[r]); });
                if (meme == premieres.end()) {
                    premieres.push_back(r);
                    continue;
                }
                DoublonDe[r] = static_cast<int>(*meme);
                Ajoute("duplicate-rule", static_cast<int>(r + 1), 0, {static_cast<int>(*meme + 1)},
                       {std::string(Regles[r].Conclusion.Attribut)},
                       "same premises and conclusion as rule " + std::to_string(*meme + 1));
            }
            debut = fin;
        }
    }

    // ---- subsumed-rule and conflict, within the rules of one conclusion attribute ----

    void VerifieParConclusion() {
        std::vector<std::vector<std::size_t>> groupes(NomsAttributs.size());
        for (std::size_t r = 0; r < Regles.size(); ++r)
            if (PeutSeDeclencher[r]) groupes[static_cast<std::size_t>(AttributConclusion[r])].push_back(r);
        for (const auto& groupe : groupes)
            if (groupe.size() >= 2) VerifieGroupe(groupe);
    }

    // Every value a demands on each attribute is allowed by b's demand on it
    // (b tests no attribute that a does not).
    static bool Implique(const std::vector<TExigence>& a, const std::vector<TExigence>& b) {
        std::size_t i = 0;
        for (const TExigence& eb : b) {
            while (i < a.size() && a[i].Attribut < eb.Attribut) ++i;
            if (i == a.size() || a[i].Attribut != eb.Attribut || !Inclus(a[i].Domaine, eb.Domaine)) return false;
        }
        return true;
    }

    // Some value satisfies both on every attribute both test.
    static bool Compatibles(const std::vector<TExigence>& a, const std::vector<TExigence>& b) {
        std::size_t i = 0, j = 0;
        while (i < a.size() && j < b.size()) {
            if (a[i].Attribut < b[j].Attribut) ++i;
            else if (b[j].Attribut < a[i].Attribut) ++j;
            else if (!SeCroisent(a[i++].Domaine, b[j++].Domaine)) return false;
        }
        return true;
    }

    static const TDomaine* ExigenceSur(const std::vector<TExigence>& exigences, int attribut) {
        auto it = std::lower_bound(exigences.begin(), exigences.end(), attribut,
                                   [](const TExigence& e, int a) { return e.Attribut < a; });
        return it != exigences.end() && it->Attribut == attribut ? &it->Domaine : nullptr;
    }

    // The pairs (i, j), i < j, of group members whose demands on the
    // attribute tested by most members can meet: intervals are sorted by
    // their lower bound and swept, words are bucketed; a member that does
    // not test that attribute is paired with every other one. Every pair
    // that can meet on all attributes is among them.
    static std::vector<std::pair<std::size_t, std::size_t>> PairesCandidates(
        const std::vector<std::vector<TExigence>>& exigences) {
        const std::size_t n = exigences.size();
        std::vector<std::pair<std::size_t, std::size_t>> paires;
        auto paire = [&](std::size_t a, std::size_t b) { paires.emplace_back(std::min(a, b), std::max(a, b)); };
        std::unordered_map<int, std::size_t> frequences;
        for (const auto& e : exigences)
            for (const TExigence& x : e) ++frequences[x.Attribut];
        int cle = -1;
        std::size_t meilleure = 0;
        for (const auto& [attribut, nombre] : frequences)
            if (nombre > meilleure || (nombre == meilleure && attribut < cle)) cle = attribut, meilleure = nombre;
        if (n <= 16 || meilleure < 2) {
            for (std::size_t i = 0; i < n; ++i)
                for (std::size_t j = i + 1; j < n; ++j) paires.emplace_back(i, j);
            return paires;
        }
        std::vector<std::size_t> libres, cofinis, mots;
        std::vector<std::pair<const TDomaine*, std::size_t>> intervalles;
        std::unordered_map<std::string_view, std::vector<std::size_t>> seaux;
        for (std::size_t i = 0; i < n; ++i) {
            const TDomaine* d = ExigenceSur(exigences[i], cle);
            if (!d) libres.push_back(i);
            else if (d->Genre == TDomaine::TGenre::Nombres) intervalles.emplace_back(d, i);
            else if (d->Genre == TDomaine::TGenre::Mots && d->Cofini) cofinis.push_back(i);
            else if (d->Genre == TDomaine::TGenre::Mots) {
                mots.push_back(i);
                for (std::string_view m : d->Mots) seaux[m].push_back(i);
            }
        }
        for (std::size_t i : libres)
            for (std::size_t j = 0; j < n; ++j)
                if (j != i) paire(i, j);
        std::sort(intervalles.begin(), intervalles.end(),
                  [](const auto& a, const auto& b) { return a.first->Bas < b.first->Bas; });
        for (std::size_t a = 0; a < intervalles.size(); ++a)
            for (std::size_t b = a + 1; b < intervalles.size() && intervalles[b].first->Bas <= intervalles[a].first->Haut; ++b)
                paire(intervalles[a].second, intervalles[b].second);
        for (const auto& [mot, membres] : seaux)
            for (std::size_t a = 0; a < membres.size(); ++a)
                for (std::size_t b = a + 1; b < membres.size(); ++b) paire(membres[a], membres[b]);
        for (std::size_t a = 0; a < cofinis.size(); ++a) {
            for (std::size_t b = a + 1; b < cofinis.size(); ++b) paire(cofinis[a], cofinis[b]);
            for (std::size_t m : mots) paire(cofinis[a], m);
        }
        std::sort(paires.begin(), paires.end());
        paires.erase(std::unique(paires.begin(), paires.end()), paires.end());
        return paires;
    }

    void VerifieGroupe(const std::vector<std::size_t>& groupe) {
        std::vector<std::vector<TExigence>> exigences;
        exigences.reserve(groupe.size());
        for (std::size_t r : groupe) exigences.push_back(Exigences(r));
        // Members with the same conclusion share a class; whether the
        // conclusions of two classes can hold together is worked out once.
        std::vector<std::size_t> classe(groupe.size());
        std::vector<TDomaine> conclusions;
        {
            std::vector<std::pair<std::uint64_t, std::size_t>> cles;
            for (std::size_t k = 0; k < groupe.size(); ++k) cles.emplace_back(Empreinte(Regles[groupe[k]].Conclusion), k);
            const auto classes = Distinctes(std::move(cles), [&](std::size_t k) -> const TProposition& {
                return Regles[groupe[k]].Conclusion;
            });
            for (std::size_t c = 0; c < classes.size(); ++c) {
                for (std::size_t k : classes[c]) classe[k] = c;
                conclusions.push_back(DomaineDe(Regles[groupe[classes[c].front()]].Conclusion));
            }
        }
        const std::size_t nc = conclusions.size();
        std::vector<signed char> memo(nc <= 2048 ? nc * nc : 0, -1);
        auto disjointes = [&](std::size_t a, std::size_t b) {
            if (memo.empty()) return !SeCroisent(conclusions[a], conclusions[b]);
            signed char& m = memo[a * nc + b];
            if (m < 0) m = !SeCroisent(conclusions[a], conclusions[b]);
            return m == 1;
        };
        // By member: the rules that make it useless, and those it conflicts with.
        std::vector<std::vector<int>> subsumantes(groupe.size()), conflits(groupe.size());
        for (const auto& [i, j] : PairesCandidates(exigences)) {
            const TRegle& a = Regles[groupe[i]];
            const TRegle& b = Regles[groupe[j]];
            if (classe[i] == classe[j]) {
                // i is the earlier rule: groups are in rule order.
                if (DoublonDe[groupe[j]] == static_cast<int>(groupe[i])) continue;
                if (MemesRegles(a, b)) continue;
                const bool aImpliqueB = Implique(exigences[i], exigences[j]);
                const bool bImpliqueA = Implique(exigences[j], exigences[i]);
                if (aImpliqueB && bImpliqueA) {
                    // Equal demands: the one with more premises, or the later one, adds nothing.
                    const bool aPlusLongue = a.Premisses.size() > b.Premisses.size();
                    (aPlusLongue ? subsumantes[i] : subsumantes[j]).push_back(static_cast<int>(groupe[aPlusLongue ? j : i] + 1));
                } else if (aImpliqueB) {
                    subsumantes[i].push_back(static_cast<int>(groupe[j] + 1));
                } else if (bImpliqueA) {
                    subsumantes[j].push_back(static_cast<int>(groupe[i] + 1));
                }
            } else if (disjointes(classe[i], classe[j]) && Compatibles(exigences[i], exigences[j])) {
                conflits[j].push_back(static_cast<int>(groupe[i] + 1));
            }
        }
        for (std::size_t k = 0; k < groupe.size(); ++k) {
            const std::size_t r = groupe[k];
            const std::string attribut = Nom(AttributConclusion[r]);
            if (!subsumantes[k].empty())
                Ajoute("subsumed-rule", static_cast<int>(r + 1), 0, subsumantes[k], {attribut},
                       ListeRegles(Trie(subsumantes[k])) + " conclude" + (subsumantes[k].size() == 1 ? "s" : "") +
                           " the same from fewer or weaker premises: this rule adds nothing");
            if (!conflits[k].empty()) {
                std::vector<int>& liees = Trie(conflits[k]);
                const TRegle& autre = Regles[static_cast<std::size_t>(liees.front() - 1)];
                Ajoute("conflict", static_cast<int>(r + 1), 0, liees, {attribut},
                       "can fire on the same data as " + ListeRegles(liees) + " and concludes " +
                           Texte(Regles[r].Conclusion) + " against " + Texte(autre.Conclusion) +
                           (liees.size() > 1 ? " and others" : ""));
            }
        }
    }

    static std::vector<int>& Trie(std::vector<int>& v) {
        std::sort(v.begin(), v.end());
        return v;
    }

    // ---- cycle: strongly connected components of premise -> conclusion ----

    void VerifieCycles() {
        const std::size_t n = NomsAttributs.size();
        std::vector<std::vector<int>> suivants(n);
        std::vector<char> boucle(n, 0);
        for (std::size_t r = 0; r < Regles.size(); ++r)
            for (std::size_t i = DebutPremisses[r]; i < DebutPremisses[r + 1]; ++i) {
                const int de = AttributsPremisses[i], vers = AttributConclusion[r];
                suivants[static_cast<std::size_t>(de)].push_back(vers);
                if (de == vers) boucle[static_cast<std::size_t>(de)] = 1;
            }
        for (auto& s : suivants) {
            std::sort(s.begin(), s.end());
            s.erase(std::unique(s.begin(), s.end()), s.end());
        }
        const std::vector<int> composante = Composantes(suivants);
        std::vector<std::vector<int>> membres(n);
        for (std::size_t a = 0; a < n; ++a) membres[static_cast<std::size_t>(composante[a])].push_back(static_cast<int>(a));
        std::vector<std::vector<int>> regles(n);
        for (std::size_t r = 0; r < Regles.size(); ++r) {
            const int c = composante[static_cast<std::size_t>(AttributConclusion[r])];
            for (std::size_t i = DebutPremisses[r]; i < DebutPremisses[r + 1]; ++i)
                if (composante[static_cast<std::size_t>(AttributsPremisses[i])] == c) {
                    regles[static_cast<std::size_t>(c)].push_back(static_cast<int>(r + 1));
                    break;
                }
        }
        for (std::size_t c = 0; c < n; ++c) {
            const auto& attributs = membres[c];
            if (attributs.empty() || (attributs.size() == 1 && !boucle[static_cast<std::size_t>(attributs[0])])) continue;
            std::vector<std::string> noms;
            for (int a : attributs) noms.push_back(Nom(a));
            std::sort(noms.begin(), noms.end());
            const std::vector<int>& cycle = regles[c];
            std::string message = cycle.size() == 1 && noms.size() == 1
                                      ? "the rule tests " + noms[0] + ", the attribute it concludes"
                                      : ListeRegles(cycle) + " feed each other through " + ListeMots(noms);
            Ajoute("cycle", cycle.front(), 0, std::vector<int>(cycle.begin() + 1, cycle.end()), noms, message);
        }
    }

    // Tarjan's algorithm without recursion (a long chain of attributes
    // would overflow the stack): the component number of each node.
    static std::vector<int> Composantes(const std::vector<std::vector<int>>& suivants) {
        const int n = static_cast<int>(suivants.size());
        std::vector<int> ordre(n, -1), bas(n, 0), composante(n, -1), pile;
        std::vector<char> empile(n, 0);
        std::vector<std::pair<int, std::size_t>> appels;
        int compteur = 0;
        for (int depart = 0; depart < n; ++depart) {
            if (ordre[depart] >= 0) continue;
            appels.emplace_back(depart, 0);
            while (!appels.empty()) {
                auto& [v, k] = appels.back();
                if (k == 0 && ordre[v] < 0) {
                    ordre[v] = bas[v] = compteur++;
                    pile.push_back(v);
                    empile[v] = 1;
                }
                const auto& s = suivants[static_cast<std::size_t>(v)];
                if (k < s.size()) {
                    const int w = s[k++];
                    if (ordre[w] < 0) appels.emplace_back(w, 0);
                    else if (empile[w]) bas[v] = std::min(bas[v], ordre[w]);
                    continue;
                }
                const int fini = v;
                appels.pop_back();
                if (!appels.empty()) bas[appels.back().first] = std::min(bas[appels.back().first], bas[fini]);
                if (bas[fini] == ordre[fini]) {
                    int w;
                    do {
                        w = pile.back();
                        pile.pop_back();
                        empile[w] = 0;
                        composante[w] = fini;
                    } while (w != fini);
                }
            }
        }
        return composante;
    }

    // ---- unreachable-premise, unsatisfiable-premise, priority-inversion ----

    // The best rule that concludes a value satisfying a premise.
    struct TProducteur {
        double Priorite = -1;
        int Regle = 0;  // 0: none
    };

    // The distinct propositions among those at `indexes` (hash, then
    // Equivalence): for each, the indexes of its copies.
    template <typename F>
    static std::vector<std::vector<std::size_t>> Distinctes(std::vector<std::pair<std::uint64_t, std::size_t>> cles,
                                                            F proposition) {
        std::sort(cles.begin(), cles.end());
        std::vector<std::vector<std::size_t>> classes;
        for (std::size_t debut = 0; debut < cles.size();) {
            std::size_t fin = debut;
            while (fin < cles.size() && cles[fin].first == cles[debut].first) ++fin;
            const std::size_t premiere = classes.size();
            for (std::size_t k = debut; k < fin; ++k) {
                const TProposition& p = proposition(cles[k].second);
                std::size_t c = premiere;
                while (c < classes.size() && !Equivalence(proposition(classes[c].front()), p)) ++c;
                if (c == classes.size()) classes.emplace_back();
                classes[c].push_back(cles[k].second);
            }
            debut = fin;
        }
        return classes;
    }

    void VerifiePremisses() {
        const std::size_t n = NomsAttributs.size();
        std::vector<char> conclu(n, 0), observe(n, 0), declare(n, 0);
        for (int a : AttributConclusion) conclu[static_cast<std::size_t>(a)] = 1;
        for (std::size_t a = 0; a < n; ++a) {
            const std::string nom(NomsAttributs[a]);
            observe[a] = Sources.Observes.count(nom) > 0;
            declare[a] = Declares.count(nom) > 0;
        }
        // The distinct conclusions of each attribute, each with the highest
        // priority among the rules that conclude it and the first such rule.
        std::vector<std::vector<std::pair<const TProposition*, TProducteur>>> conclusions(n);
        {
            std::vector<std::pair<std::uint64_t, std::size_t>> cles;
            cles.reserve(Regles.size());
            for (std::size_t r = 0; r < Regles.size(); ++r) cles.emplace_back(Empreinte(Regles[r].Conclusion), r);
            for (const auto& classe : Distinctes(std::move(cles), [&](std::size_t r) -> const TProposition& {
                     return Regles[r].Conclusion;
                 })) {
                TProducteur meilleur;
                for (std::size_t r : classe)  // in rule order: the first of the highest priority stays
                    if (Regles[r].Priorite > meilleur.Priorite) meilleur = {Regles[r].Priorite, static_cast<int>(r + 1)};
                const std::size_t r = classe.front();
                conclusions[static_cast<std::size_t>(AttributConclusion[r])].push_back({&Regles[r].Conclusion, meilleur});
            }
        }
        // The best producer of each premise on a deduced attribute that no
        // observation holds, worked out once per distinct premise.
        std::vector<TProducteur> producteurs(AttributsPremisses.size());
        std::vector<std::size_t> regleDe(AttributsPremisses.size());
        std::vector<std::pair<std::uint64_t, std::size_t>> cles;
        for (std::size_t r = 0; r < Regles.size(); ++r)
            for (std::size_t i = DebutPremisses[r]; i < DebutPremisses[r + 1]; ++i) {
                regleDe[i] = r;
                const auto a = static_cast<std::size_t>(AttributsPremisses[i]);
                if (conclu[a] && !observe[a]) cles.emplace_back(Empreinte(Premisse(i, r)), i);
            }
        for (const auto& classe : Distinctes(std::move(cles), [&](std::size_t i) -> const TProposition& {
                 return Premisse(i, regleDe[i]);
             })) {
            const std::size_t i = classe.front();
            const TProducteur meilleur = MeilleurProducteur(
                Premisse(i, regleDe[i]), conclusions[static_cast<std::size_t>(AttributsPremisses[i])]);
            for (std::size_t k : classe) producteurs[k] = meilleur;
        }
        for (std::size_t r = 0; r < Regles.size(); ++r)
            for (std::size_t i = DebutPremisses[r]; i < DebutPremisses[r + 1]; ++i) {
                const auto a = static_cast<std::size_t>(AttributsPremisses[i]);
                const TProposition& p = Premisse(i, r);
                if (!conclu[a]) {
                    if (!observe[a] && !declare[a])
                        Ajoute("unreachable-premise", static_cast<int>(r + 1), 0, {}, {p.Attribut.str()},
                               "premise " + Texte(p) + ": no rule concludes " + p.Attribut +
                                   ", no observation holds it and the dictionary does not declare it");
                } else if (!observe[a]) {
                    SignalePremisseDeduite(r, p, producteurs[i]);
                }
            }
    }

    const TProposition& Premisse(std::size_t i, std::size_t r) const { return Regles[r].Premisses[i - DebutPremisses[r]]; }

    void SignalePremisseDeduite(std::size_t r, const TProposition& p, const TProducteur& producteur) {
        if (producteur.Regle == 0) {
            Ajoute("unsatisfiable-premise", static_cast<int>(r + 1), 0, {}, {p.Attribut.str()},
                   "premise " + Texte(p) + ": " + p.Attribut +
                       " is only deduced, and no rule concludes a value that satisfies it");
        } else if (producteur.Priorite < Regles[r].Priorite) {
            const std::string degre = FormatGeneral(producteur.Priorite, ChiffresAffichage, Base.SeparateurDecimal);
            Ajoute("priority-inversion", static_cast<int>(r + 1), 0, {producteur.Regle}, {p.Attribut.str()},
                   "premise " + Texte(p) + " is only satisfied by rules of lower priority, at most " + degre +
                       " (rule " + std::to_string(producteur.Regle) + "): above a critical value of " + degre +
                       " this rule can never fire");
        }
    }

    static TProducteur MeilleurProducteur(const TProposition& premisse,
                                          const std::vector<std::pair<const TProposition*, TProducteur>>& conclusions) {
        TProducteur meilleur;
        for (const auto& [c, producteur] : conclusions)
            if (Correspondance(*c, premisse) == Satisfaite &&
                (producteur.Priorite > meilleur.Priorite ||
                 (producteur.Priorite == meilleur.Priorite && producteur.Regle < meilleur.Regle)))
                meilleur = producteur;
        return meilleur;
    }

    // ---- unused-entry ----

    void VerifieEntrees() {
        const TPropositionsUtilisees utilisees = PropositionsUtilisees(Regles);
        for (std::size_t k = 0; k < Base.Dictionnaire.size(); ++k) {
            const TProposition& entree = Base.Dictionnaire[k];
            if (Utilisee(utilisees, entree)) continue;
            // An entry that no rule uses can only have been declared: in
            // the dictionary file, or since in the dictionary manager.
            Declares.insert(entree.Attribut.str());
            Ajoute("unused-entry", 0, static_cast<int>(k + 1), {}, {entree.Attribut.str()},
                   "entry " + Texte(entree) + " is used by no premise and no conclusion");
        }
    }

    // ---- goals ----

    void VerifieButs() {
        std::vector<char> teste(NomsAttributs.size(), 0), conclu(NomsAttributs.size(), 0);
        for (int a : AttributsPremisses) teste[static_cast<std::size_t>(a)] = 1;
        for (int a : AttributConclusion) conclu[static_cast<std::size_t>(a)] = 1;
        std::vector<std::string> buts;
        for (std::size_t a = 0; a < NomsAttributs.size(); ++a)
            if (conclu[a] && !teste[a]) buts.push_back(Nom(static_cast<int>(a)));
        if (buts.empty()) return;
        std::sort(buts.begin(), buts.end());
        const std::string message = "goals of the base (concluded, tested by no premise): " + ListeMots(buts);
        Ajoute("goals", 0, 0, {}, std::move(buts), message);
    }

    void Trie() {
        auto rang = [](int numero) { return numero == 0 ? INT_MAX : numero; };
        std::stable_sort(Constats.begin(), Constats.end(), [&](const TConstat& a, const TConstat& b) {
            if (rang(a.Regle) != rang(b.Regle)) return rang(a.Regle) < rang(b.Regle);
            if (rang(a.Entree) != rang(b.Entree)) return rang(a.Entree) < rang(b.Entree);
            return a.Id < b.Id;
        });
    }
};

}  // namespace

std::vector<TConstat> VerifieBase(const TBaseConnaissances& base, const TSourcesAttributs& sources) {
    return TVerificateur(base, sources).Verifie();
}

std::unordered_set<std::string> AttributsDuDico(const std::string& chemin) {
    TBaseConnaissances dico;
    dico.Vide();
    TEtatCommandes commandes;
    TDialoguesJournal silencieux;
    std::unordered_set<std::string> attributs;
    if (!TrouveFichier(chemin)) return attributs;
    ChargeDicoFaits(dico, *TrouveFichier(chemin), commandes, silencieux);
    for (const TProposition& p : dico.Dictionnaire) attributs.insert(p.Attribut.str());
    return attributs;
}

std::unordered_set<std::string> AttributsObserves(const TBaseFaits& faits) {
    std::unordered_set<std::string> attributs;
    for (const TObservation& observation : faits.Observations)
        for (const TProposition& p : observation) attributs.insert(p.Attribut.str());
    return attributs;
}

TSourcesAttributs SourcesDuProjet(const TEtatVeridane& etat) {
    TSourcesAttributs sources;
    if (!etat.Projet.NomFichRul.empty())
        sources.Declares = AttributsDuDico(etat.Projet.RepertoireProjet + FaitNomDico(etat.Projet.NomFichRul));
    sources.Observes = AttributsObserves(etat.Faits);
    return sources;
}

}  // namespace veridane
