// Bytes held by the loaded model of a project: opens it as "Open project"
// does and reports, per rule, what the rules base, the dictionary and the data
// base take in memory: counted from the structures themselves (sizes and
// capacities), and as measured by the allocator (bytes in use after the
// opening minus before); then the same with the engine's compiled form of
// the rules built, as a run builds it.
//   veridane-bench-memoire PROJECT.EXP
#include <malloc.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "cli/dialogues_console.h"
#include "cli/fenetres_console.h"
#include "core/journal.h"
#include "inference/forme_compilee.h"
#include "project/cycle_projet.h"

namespace veridane {
namespace {

// Heap bytes of a string beyond its own object: none while it fits inline.
std::size_t Tas(const std::string& s) {
    return s.capacity() > std::string().capacity() ? s.capacity() + 1 : 0;
}

// A word lives inline up to fifteen bytes, else in a block of its exact size.
std::size_t Tas(const TMot& mot) { return mot.size() > 15 ? mot.size() + 1 : 0; }

std::size_t Tas(const TProposition& p) {
    std::size_t octets = Tas(p.Attribut) + Tas(p.Modalite) + p.Liste.capacity() * sizeof(TModalite);
    for (const auto& mot : p.Liste) octets += Tas(mot.Nom);
    return octets;
}

std::size_t Tas(const std::vector<TProposition>& liste) {
    std::size_t octets = liste.capacity() * sizeof(TProposition);
    for (const auto& p : liste) octets += Tas(p);
    return octets;
}

std::size_t Tas(const std::vector<TRegle>& regles) {
    std::size_t octets = regles.capacity() * sizeof(TRegle);
    for (const auto& regle : regles) octets += Tas(regle.Premisses) + Tas(regle.Conclusion);
    return octets;
}

// Small blocks in the heap plus the large ones the allocator maps apart.
std::size_t EnUsage() {
    const auto info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

}  // namespace
}  // namespace veridane

int main(int argc, char** argv) {
    using namespace veridane;
    if (argc != 2) {
        std::fprintf(stderr, "usage: veridane-bench-memoire PROJECT.EXP\n");
        return 2;
    }
    const std::size_t avant = EnUsage();
    TEtatVeridane etat;
    TDialoguesConsole dialogues(std::cerr);
    TFenetresConsole fenetres;
    TProgressionMuette progression;
    if (!TCycleProjet(etat, fenetres, dialogues, progression).OuvreProjet(argv[1])) return 1;
    const std::size_t mesure = EnUsage() - avant;
    TCompilation compilation;
    const std::size_t forme = compilation.Pour(etat.Base.Regles).Octets();
    const std::size_t avecForme = EnUsage() - avant;

    std::size_t premisses = 0, capacite = 0;
    for (const auto& regle : etat.Base.Regles) {
        premisses += regle.Premisses.size();
        capacite += regle.Premisses.capacity();
    }
    std::size_t observations = 0;
    for (const auto& observation : etat.Faits.Observations) observations += Tas(observation);
    const std::size_t regles = Tas(etat.Base.Regles);
    const std::size_t dico = Tas(etat.Base.Dictionnaire);
    const double n = static_cast<double>(std::max<std::size_t>(1, etat.Base.Regles.size()));
    std::printf("rules: %zu, premises: %zu (room for %zu), dictionary: %zu, data: %d\n", etat.Base.Regles.size(),
                premisses, capacite, etat.Base.Dictionnaire.size(), etat.Faits.CompteFaits());
    std::printf("rules held: %zu (room for %zu)\n", etat.Base.Regles.size(), etat.Base.Regles.capacity());
    std::printf("sizeof TRegle %zu, TProposition %zu\n", sizeof(TRegle), sizeof(TProposition));
    std::printf("rules base: %.1f bytes/rule\n", static_cast<double>(regles) / n);
    std::printf("dictionary: %.1f bytes/rule\n", static_cast<double>(dico) / n);
    std::printf("data base: %.1f bytes/rule\n", static_cast<double>(observations) / n);
    std::printf("model counted: %.1f bytes/rule\n", static_cast<double>(regles + dico + observations) / n);
    std::printf("allocator in use after opening: %.1f bytes/rule\n", static_cast<double>(mesure) / n);
    std::printf("compiled form counted: %.1f bytes/rule\n", static_cast<double>(forme) / n);
    // The line the comparison script reads: the allocator's figure.
    std::printf("model and compiled form: %.1f bytes/rule\n", static_cast<double>(avecForme) / n);
    return 0;
}
