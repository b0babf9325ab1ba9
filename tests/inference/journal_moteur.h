// A log of what the engine tells its window, with a hook through which a test
// acts from inside a notification (for example presses "Stop Induction").
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/proposition.h"
#include "inference/moteur.h"

namespace veridane::test {

enum class TGenre { Niveau, Progression, Declenchement, Deduction, FinNiveau, Fin, Pompe };

struct TEvenement {
    TGenre Genre;
    int Niveau;  // the level under way
    int Valeur;  // level number, rule index, rule number or deduced count
};

class TJournalMoteur : public INotificationsMoteur {
public:
    // Level starts, firings, deductions, level ends and the end, in order.
    std::vector<std::string> Evenements;
    // Every rule index reported to the gauge, in order.
    std::vector<int> Progressions;
    int NbPompes = 0;
    // Called after every notification and pump.
    std::function<void(const TEvenement&)> Reaction;

    void DebutNiveau(int niveau) override {
        Niveau_ = niveau;
        Note("level " + std::to_string(niveau), {TGenre::Niveau, niveau, niveau});
    }
    void ProgressionRegle(int indice, int nbRegles) override {
        Progressions.push_back(indice);
        if (indice < 0 || indice >= nbRegles) Evenements.push_back("bad progress " + std::to_string(indice));
        Reagit({TGenre::Progression, Niveau_, indice});
    }
    void RegleDeclenchee(int numero, int nbDeclenchees) override {
        Note("fired " + std::to_string(numero) + " #" + std::to_string(nbDeclenchees),
             {TGenre::Declenchement, Niveau_, nbDeclenchees});
    }
    void FaitDeduit(const TProposition& fait, int nbDeduits, int total) override {
        Note("deduced " + PropEnChaine(fait) + " #" + std::to_string(nbDeduits) + " /" + std::to_string(total),
             {TGenre::Deduction, Niveau_, nbDeduits});
    }
    void FinNiveau() override { Note("end level", {TGenre::FinNiveau, Niveau_, Niveau_}); }
    void FinInference() override { Note("end", {TGenre::Fin, Niveau_, 0}); }
    void PompeEvenements() override {
        ++NbPompes;
        Reagit({TGenre::Pompe, Niveau_, 0});
    }

private:
    void Note(std::string texte, TEvenement evenement) {
        Evenements.push_back(std::move(texte));
        Reagit(evenement);
    }
    void Reagit(const TEvenement& evenement) {
        if (Reaction) Reaction(evenement);
    }
    int Niveau_ = 0;
};

}  // namespace veridane::test
