// Files for the tests of every layer: a temporary directory removed with its
// content, byte-exact reads and writes, and CR LF lines as the writers end them.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace veridane::test {

class TRepertoireTemporaire {
public:
    TRepertoireTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "veridane-XXXXXX").string();
        Chemin = std::string(::mkdtemp(modele.data())) + "/";
    }
    ~TRepertoireTemporaire() {
        std::error_code ignoree;
        std::filesystem::permissions(Chemin, std::filesystem::perms::owner_all, ignoree);
        std::filesystem::remove_all(Chemin, ignoree);
    }
    TRepertoireTemporaire(const TRepertoireTemporaire&) = delete;
    TRepertoireTemporaire& operator=(const TRepertoireTemporaire&) = delete;

    std::string operator/(const std::string& nom) const { return Chemin + nom; }
    std::string Chemin;  // with its trailing "/"
};

inline void EcritFichier(const std::string& chemin, const std::string& contenu) {
    std::ofstream(chemin, std::ios::binary) << contenu;
}

inline std::string LitFichier(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline bool Existe(const std::string& chemin) { return std::filesystem::exists(chemin); }

// File names of a directory, sorted.
inline std::vector<std::string> Fichiers(const std::string& repertoire) {
    std::vector<std::string> noms;
    for (const auto& entree : std::filesystem::directory_iterator(repertoire)) noms.push_back(entree.path().filename());
    std::sort(noms.begin(), noms.end());
    return noms;
}

// Lines joined with CR LF, each one ended.
inline std::string Lignes(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const auto& l : lignes) texte += l + "\r\n";
    return texte;
}

}  // namespace veridane::test
