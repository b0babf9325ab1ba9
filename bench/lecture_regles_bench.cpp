// Time to open a rules file with its dictionary, as opening a project does.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <stdexcept>

#include "core/etat_commandes.h"
#include "core/fichier_regles.h"
#include "core/journal.h"
#include "generateur_regles.h"

namespace veridane {
namespace {

// The generated files, written once per run into a temporary directory
// that is removed at exit.
class TDonnees {
public:
    TDonnees() : Dossier(std::filesystem::temp_directory_path() / "veridane_bench_regles") {
        std::filesystem::remove_all(Dossier);
        std::filesystem::create_directories(Dossier);
    }
    ~TDonnees() { std::filesystem::remove_all(Dossier); }

    const std::string& Regles(int nombre) {
        auto trouve = Fichiers.find(nombre);
        if (trouve != Fichiers.end()) return trouve->second;
        TParametresGeneration parametres;
        parametres.NbRegles = nombre;
        std::string chemin = (Dossier / ("base" + std::to_string(nombre) + ".rul")).string();
        EcritFichierRegles(chemin, parametres);
        return Fichiers.emplace(nombre, chemin).first->second;
    }

private:
    std::filesystem::path Dossier;
    std::map<int, std::string> Fichiers;
};

TDonnees& Donnees() {
    static TDonnees donnees;
    return donnees;
}

void BM_OuvrirFR(benchmark::State& etat) {
    const int nombre = static_cast<int>(etat.range(0));
    const std::string& chemin = Donnees().Regles(nombre);
    for (auto _ : etat) {
        TBaseConnaissances base;
        base.Vide();
        TEtatCommandes commandes;
        TDialoguesJournal dialogues;
        TProgressionMuette progression;
        OuvrirFR(base, chemin, commandes, dialogues, progression);
        if (base.NbRegles != nombre || !dialogues.Messages.empty())
            throw std::runtime_error("the generated file did not read cleanly");
        etat.counters["dictionary"] = static_cast<double>(base.NbFaitsDico);
        benchmark::DoNotOptimize(base.Regles.data());
    }
    etat.SetItemsProcessed(etat.iterations() * nombre);
}

BENCHMARK(BM_OuvrirFR)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace veridane

BENCHMARK_MAIN();
