// A mutator that knows the grammar of the text files.
//
// Random byte changes rarely make a keyword, an operator or a bracket, and
// more rarely still put one at the very end of a statement or of the file,
// where a reader has nothing left to look at. This mutator cuts the input
// into tokens (words, blanks, line ends and the punctuation of the formats)
// and edits the token list: it cuts it short (so the text ends right after
// any token), deletes, duplicates or swaps tokens, and puts tokens of the
// grammar in the place of others or between them. One time in eight it
// leaves the change to libFuzzer's own byte mutations (with -dict), so that
// every byte can still come.
//
// A target defines LLVMFuzzerCustomMutator by calling MuteJetons with the
// tokens of its format (ReglesJetons, DicoJetons, BaseFaitsJetons).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* donnees, std::size_t taille, std::size_t tailleMax);

namespace veridane::fuzz {

// What every format shares: the operators in both cases, the set and
// statement punctuation, blanks and line ends, number and word forms.
inline const std::vector<std::string> JetonsCommuns = {
    "=", ">", "<", ">=", "<=", "<>", "IN", "NOT_IN", "in", "not_in", "{", "}", ",", ";", " ", "  ", "\r\n", "\n",
    "\r", "#", "X", "YES", "0", "1", "38.5", "38,5", ".5", ",5", "-3", "-1", "+2", "1E5", "1E-3", "1E", "E",
    "1E999", "4.9E-324", "2147483648", "99999999999", "\x1a", std::string(1, '\0'), "\t", "\xe9",
};

inline std::vector<std::string> AvecCommuns(std::vector<std::string> propres) {
    propres.insert(propres.end(), JetonsCommuns.begin(), JetonsCommuns.end());
    return propres;
}

inline const std::vector<std::string> ReglesJetons = AvecCommuns({
    "IF", "AND", "THEN", "If ", "And ", "Then ", "IF ", "AND ", "THEN ", "[", "]", "(", ")", "[0.5]", "[0.5];", "];",
    "[-1]", "[ 0.7 ]", "Number of rules: ", "Number of rules: 1;", "NUMBER OF RULES:", "RULE", ":", "# Rule 1",
    "\n%%DIC%%\n",
});

inline const std::vector<std::string> DicoJetons = AvecCommuns({"# Dictionary", "A = 1 ;", "T > 38 ;"});

inline const std::vector<std::string> BaseFaitsJetons = AvecCommuns({
    "*", "Number of data: ", "Number of data: 1;", "NUMBER OF DATA:", "DATA", ":", "# Observation 1",
    "# Data 1", "**********",
});

// Words, runs of blanks, one line end (CR LF together) or one punctuation
// character each.
inline std::vector<std::string> Jetons(std::string_view texte) {
    static constexpr std::string_view ponctuation = ";,{}[]()#*:";
    auto genre = [](char c) {
        if (c == ' ') return 1;
        if (c == '\r' || c == '\n') return 2;
        if (ponctuation.find(c) != std::string_view::npos) return 3;
        return 0;
    };
    std::vector<std::string> jetons;
    std::size_t i = 0;
    while (i < texte.size()) {
        std::size_t debut = i;
        int g = genre(texte[i]);
        if (g == 3) {
            ++i;
        } else if (g == 2) {
            i += texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n' ? 2 : 1;
        } else {
            while (i < texte.size() && genre(texte[i]) == g) ++i;
        }
        jetons.emplace_back(texte.substr(debut, i - debut));
    }
    return jetons;
}

inline std::size_t MuteJetons(std::uint8_t* donnees, std::size_t taille, std::size_t tailleMax, unsigned graine,
                              const std::vector<std::string>& grammaire) {
    std::minstd_rand hasard(graine);
    auto tirage = [&hasard](std::size_t n) { return n == 0 ? std::size_t{0} : hasard() % n; };
    if (tirage(8) == 0) return LLVMFuzzerMutate(donnees, taille, tailleMax);

    auto jetons = Jetons(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    const std::size_t changements = 1 + tirage(3);
    for (std::size_t k = 0; k < changements; ++k) {
        const std::string& pris = grammaire[tirage(grammaire.size())];
        const std::size_t n = jetons.size();
        switch (tirage(7)) {
            case 0:  // the text ends after any token
            case 1:
                jetons.resize(tirage(n + 1));
                break;
            case 2:
                if (n > 0) jetons.erase(jetons.begin() + static_cast<std::ptrdiff_t>(tirage(n)));
                break;
            case 3:
                if (n > 0) {
                    std::size_t i = tirage(n);
                    jetons.insert(jetons.begin() + static_cast<std::ptrdiff_t>(i), jetons[i]);
                }
                break;
            case 4:
                if (n > 1) std::swap(jetons[tirage(n)], jetons[tirage(n)]);
                break;
            case 5:
                if (n > 0) {
                    jetons[tirage(n)] = pris;
                    break;
                }
                [[fallthrough]];
            default:
                jetons.insert(jetons.begin() + static_cast<std::ptrdiff_t>(tirage(n + 1)), pris);
                break;
        }
    }
    std::string texte;
    for (const std::string& j : jetons) texte += j;
    const std::size_t resultat = texte.size() < tailleMax ? texte.size() : tailleMax;
    std::memcpy(donnees, texte.data(), resultat);
    return resultat;
}

}  // namespace veridane::fuzz
