// The text form of a proposition ("attribute operator value"), the scanners
// that every reader uses to decode it, comparison, the sorted dictionary
// search and the display text. Positions are 0-based indexes into the text,
// passed by reference and advanced; a position at or past the end means the
// end of the text. The scanners report no errors: an empty word, OpAucun,
// the number -1 and an unterminated set are how callers detect them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "knowledge_base.h"

namespace veridane {

class IDialogues;

// Steps over blanks (the space character only).
void SauteBlancs(const std::string& texte, std::size_t& pos);

// A word: everything up to a blank, ";", ",", "{", "}" or the end.
std::string TrouveAttribut(const std::string& texte, std::size_t& pos);

// A word compared with "=", ">", "<", ">=", "<=", "<>", "IN", "NOT_IN"
// (codes 0 to 7); anything else is OpAucun.
std::uint8_t TrouveOperateur(const std::string& texte, std::size_t& pos);

// True when the next character after blanks is a digit, "." or ",".
bool CestUnReel(const std::string& texte, std::size_t pos);

// A number: the run up to a blank, "(", ")", "[", "]" or the end, with "," as
// the decimal point; -1 when it is not a number.
double TrouveReel(const std::string& texte, std::size_t& pos);

// Reads a whole text as a decimal number (optional sign, digits, fraction,
// exponent; "," taken as "."); nothing when any character is left over.
std::optional<double> LitNombre(const std::string& texte);

// Reads the value part for the operator into p (TypeValeur, Reel, Modalite,
// Liste).
void GereModalite(const std::string& texte, std::size_t& pos, std::uint8_t operateur, TProposition& p);

// "=", ">", "<", ">=", "<=", "<>", "in", "not_in"; empty for OpAucun.
std::string TransformeOperateur(std::uint8_t operateur);

// Same fact: attribute, operator, kind and value equal (sets in order).
bool Equivalence(const TProposition& a, const TProposition& b);

// A hash equal for any two propositions Equivalence holds for, so that
// tables of propositions can find equivalent ones without building keys.
std::size_t HacheEquivalence(const TProposition& p);
// The same, given the hash of p.Attribut as std::hash<std::string_view> gives it.
std::size_t HacheEquivalence(const TProposition& p, std::size_t hacheAttribut);

struct TRecherche {
    bool Trouve;
    std::size_t Index;  // where a new entry keeps the dictionary ordered
};

// Searches the dictionary (ordered by attribute) for an entry equivalent to p.
TRecherche FaitPresent(const std::vector<TProposition>& dictionnaire, const TProposition& p);

// The value part alone as files and displays write it (no trailing blank).
std::string ValeurEnChaine(const TProposition& p, int chiffres, char separateur);

// Display text: "ATTR op value", sets as "{ A, B }".
std::string PropEnChaine(const TProposition& p, char separateur = '.');
std::string PropEnSupChaine(const TProposition& p, char separateur = '.');

// The dictionary file name of a rules file: its last three characters
// replaced by "dic".
std::string FaitNomDico(const std::string& nomFichierRegles);

// Degree code of a degree by bands; warns and gives nothing below 0 or
// above 1 (numRegle names the rule in the warning).
std::optional<std::int32_t> CodeReel(double degre, int numRegle, IDialogues& dialogues);

// Upper- and lower-casing of ASCII letters only.
std::string Majuscules(std::string texte);
std::string Minuscules(std::string texte);

// Builds a proposition of a rule or observation (degree codes 6).
TProposition NouvelleProposition(std::string attribut, std::uint8_t operateur, double reel);
TProposition NouvelleProposition(std::string attribut, std::uint8_t operateur, std::string modalite);
TProposition NouvelleProposition(std::string attribut, std::uint8_t operateur, std::vector<std::string> ensemble);

}  // namespace veridane
