// What the static checks of a knowledge base report: findings, each about
// one rule or one dictionary entry (or the base as a whole), with the other
// rules and the attributes involved.
#pragma once

#include <string>
#include <vector>

namespace veridane {

enum class TNiveauConstat { Erreur, Avertissement, Note };

struct TConstat {
    std::string Id;  // "duplicate-rule"
    TNiveauConstat Niveau = TNiveauConstat::Avertissement;
    int Regle = 0;   // position of the rule in the base, from 1; 0 when about no rule
    int Entree = 0;  // position of the dictionary entry, from 1; 0 when about no entry
    std::vector<int> ReglesLiees;         // the other rules involved, ascending
    std::vector<std::string> Attributs;   // the attributes involved
    std::string Message;                  // Windows-1252 bytes, like the base
};

// One kind of finding: its id, its level and what it means in a few words.
struct TGenreConstat {
    const char* Id;
    TNiveauConstat Niveau;
    const char* Description;
};

// Every kind of finding, in the order of their checks.
const std::vector<TGenreConstat>& GenresConstats();

// "error", "warning", "note".
const char* NomNiveau(TNiveauConstat niveau);

// Counts of errors, warnings and notes.
struct TBilanConstats {
    int Erreurs = 0;
    int Avertissements = 0;
    int Notes = 0;
};
TBilanConstats Bilan(const std::vector<TConstat>& constats);

}  // namespace veridane
