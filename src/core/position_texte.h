// The one place where a reader's position meets the end of its text.
//
// Every scanner and reader of a file's text (rules, dictionary, data base,
// project) looks at a character, steps forward, compares a keyword or takes a
// piece of the text only through these functions. A position at or past the
// end means the end of the text: there is no character there, a keyword does
// not start there, a piece taken there is empty, and stepping forward stops at
// the end. So no index into a file's text can throw or read past it, and a
// position handed back to a caller is never beyond the end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veridane {

// What Caractere gives at or past the end of the text.
inline constexpr int FinTexte = -1;

// The byte at pos (0 to 255), or FinTexte.
inline int Caractere(const std::string& texte, std::size_t pos) {
    return pos < texte.size() ? static_cast<unsigned char>(texte[pos]) : FinTexte;
}

inline bool FinAtteinte(const std::string& texte, std::size_t pos) { return pos >= texte.size(); }

// The position brought back to the end when it lies past it.
inline void Borne(const std::string& texte, std::size_t& pos) {
    if (pos > texte.size()) pos = texte.size();
}

// Steps over n characters, never past the end.
inline void Avance(const std::string& texte, std::size_t& pos, std::size_t n = 1) {
    pos = pos >= texte.size() || n >= texte.size() - pos ? texte.size() : pos + n;
}

// True when the text holds mot at pos (never at or past the end).
inline bool Commence(const std::string& texte, std::size_t pos, std::string_view mot) {
    return pos <= texte.size() && texte.size() - pos >= mot.size() && !mot.empty() &&
           std::string_view(texte).substr(pos, mot.size()) == mot;
}

// The characters from debut up to fin, both brought back to the end.
inline std::string Extrait(const std::string& texte, std::size_t debut, std::size_t fin) {
    if (debut >= texte.size() || fin <= debut) return {};
    return texte.substr(debut, (fin < texte.size() ? fin : texte.size()) - debut);
}

// The rest of the text from pos.
inline std::string Reste(const std::string& texte, std::size_t pos) { return Extrait(texte, pos, texte.size()); }

}  // namespace veridane
