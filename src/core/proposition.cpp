#include "proposition.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <functional>
#include <string_view>
#include <system_error>
#include <cmath>

#include "dialogues.h"
#include "format_nombre.h"
#include "position_texte.h"

namespace veridane {

namespace {

// Characters are the ints of Caractere: FinTexte ends every word and number.
bool FinDeMot(int c) { return c == FinTexte || c == ' ' || c == ';' || c == ',' || c == '{' || c == '}'; }
bool FinDeNombre(int c) { return c == FinTexte || c == ' ' || c == '(' || c == ')' || c == '[' || c == ']'; }
bool Chiffre(int c) { return c >= '0' && c <= '9'; }

}  // namespace

void SauteBlancs(const std::string& texte, std::size_t& pos) {
    Borne(texte, pos);
    while (Caractere(texte, pos) == ' ') Avance(texte, pos);
}

std::string TrouveAttribut(const std::string& texte, std::size_t& pos) {
    Borne(texte, pos);
    std::size_t debut = pos;
    while (!FinDeMot(Caractere(texte, pos))) Avance(texte, pos);
    return Extrait(texte, debut, pos);
}

std::uint8_t TrouveOperateur(const std::string& texte, std::size_t& pos) {
    static const char* const jetons[] = {"=", ">", "<", ">=", "<=", "<>", "IN", "NOT_IN"};
    std::string mot = TrouveAttribut(texte, pos);
    for (std::uint8_t code = 0; code < 8; ++code)
        if (mot == jetons[code]) return code;
    return OpAucun;
}

bool CestUnReel(const std::string& texte, std::size_t pos) {
    SauteBlancs(texte, pos);
    int c = Caractere(texte, pos);
    return Chiffre(c) || c == '.' || c == ',';
}

std::optional<double> LitNombre(const std::string& brut) {
    std::string texte = brut;
    std::replace(texte.begin(), texte.end(), ',', '.');
    std::size_t i = 0;
    SauteBlancs(texte, i);
    std::size_t debut = i;
    auto signe = [&] {
        if (Caractere(texte, i) == '+' || Caractere(texte, i) == '-') Avance(texte, i);
    };
    auto suiteDeChiffres = [&] {
        std::size_t n = 0;
        for (; Chiffre(Caractere(texte, i)); Avance(texte, i)) ++n;
        return n;
    };
    signe();
    std::size_t chiffres = suiteDeChiffres();
    if (Caractere(texte, i) == '.') {
        Avance(texte, i);
        chiffres += suiteDeChiffres();
    }
    if (chiffres == 0) return std::nullopt;
    if (Caractere(texte, i) == 'E' || Caractere(texte, i) == 'e') {
        Avance(texte, i);
        signe();
        if (suiteDeChiffres() == 0) return std::nullopt;
    }
    if (!FinAtteinte(texte, i)) return std::nullopt;
    // from_chars ignores the C locale (the windows may run under one with a
    // decimal comma) and takes no "+" sign, so step over it.
    if (Caractere(texte, debut) == '+') Avance(texte, debut);
    double valeur = 0;
    auto [fin, erreur] = std::from_chars(texte.data() + debut, texte.data() + texte.size(), valeur);
    if (erreur != std::errc() || fin != texte.data() + texte.size() || !std::isfinite(valeur)) return std::nullopt;
    return valeur;
}

double TrouveReel(const std::string& texte, std::size_t& pos) {
    Borne(texte, pos);
    std::size_t debut = pos;
    while (!FinDeNombre(Caractere(texte, pos))) Avance(texte, pos);
    // A leading blank is not part of a number here.
    if (pos == debut) return -1;
    auto valeur = LitNombre(Extrait(texte, debut, pos));
    return valeur ? *valeur : -1;
}

void GereModalite(const std::string& texte, std::size_t& pos, std::uint8_t operateur, TProposition& p) {
    Borne(texte, pos);
    p.Liste.clear();
    if (operateur == OpEgal) {
        if (CestUnReel(texte, pos)) {
            SauteBlancs(texte, pos);
            p.TypeValeur = TypeNumerique;
            p.Reel = TrouveReel(texte, pos);
        } else {
            SauteBlancs(texte, pos);
            p.TypeValeur = TypeSymbolique;
            p.Modalite = TrouveAttribut(texte, pos);
        }
    } else if (operateur >= OpSuperieur && operateur <= OpDifferent) {
        SauteBlancs(texte, pos);
        p.TypeValeur = TypeNumerique;
        p.Reel = TrouveReel(texte, pos);
    } else if (operateur == OpDans || operateur == OpHorsDe) {
        p.TypeValeur = TypeEnsemble;
        SauteBlancs(texte, pos);
        Avance(texte, pos);  // the "{", not tested; at the end there is none to step over
        for (;;) {
            SauteBlancs(texte, pos);
            p.Liste.push_back({TrouveAttribut(texte, pos)});
            SauteBlancs(texte, pos);
            int c = Caractere(texte, pos);
            if (c == '}') {
                Avance(texte, pos);
                break;
            }
            if (c != ',') break;  // the end of the text, or any other character
            Avance(texte, pos);
        }
    }
}

std::string TransformeOperateur(std::uint8_t operateur) {
    static const char* const textes[] = {"=", ">", "<", ">=", "<=", "<>", "in", "not_in"};
    return operateur < 8 ? textes[operateur] : "";
}

bool Equivalence(const TProposition& a, const TProposition& b) {
    if (a.Attribut != b.Attribut || a.Operateur != b.Operateur || a.TypeValeur != b.TypeValeur) return false;
    switch (a.TypeValeur) {
        case TypeNumerique: return a.Reel == b.Reel;
        case TypeSymbolique: return a.Modalite == b.Modalite;
        default: return a.Liste == b.Liste;
    }
}

std::size_t HacheEquivalence(const TProposition& p) {
    return HacheEquivalence(p, std::hash<std::string_view>{}(p.Attribut));
}

std::size_t HacheEquivalence(const TProposition& p, std::size_t hacheAttribut) {
    auto melange = [](std::size_t& graine, std::size_t valeur) {
        graine ^= valeur + 0x9e3779b97f4a7c15ULL + (graine << 6) + (graine >> 2);
    };
    std::size_t graine = hacheAttribut;
    melange(graine, p.Operateur);
    melange(graine, p.TypeValeur);
    switch (p.TypeValeur) {
        case TypeNumerique:
            // 0 and -0 are equal for Equivalence, so they must hash alike.
            melange(graine, std::hash<double>{}(p.Reel == 0 ? 0.0 : p.Reel));
            break;
        case TypeSymbolique: melange(graine, std::hash<std::string_view>{}(p.Modalite)); break;
        default:
            for (const TModalite& mot : p.Liste) melange(graine, std::hash<std::string_view>{}(mot.Nom));
            break;
    }
    return graine;
}

TRecherche FaitPresent(const std::vector<TProposition>& dictionnaire, const TProposition& p) {
    // The dictionary is ordered by attribute, so an equal entry can only stand
    // among the entries of p's attribute, and a new one goes after them.
    auto debut = std::lower_bound(dictionnaire.begin(), dictionnaire.end(), p.Attribut,
                                  [](const TProposition& e, const TMot& a) { return e.Attribut < a; });
    auto it = debut;
    for (; it != dictionnaire.end() && it->Attribut == p.Attribut; ++it)
        if (Equivalence(*it, p)) return {true, static_cast<std::size_t>(it - dictionnaire.begin())};
    return {false, static_cast<std::size_t>(it - dictionnaire.begin())};
}

std::string ValeurEnChaine(const TProposition& p, int chiffres, char separateur) {
    switch (p.TypeValeur) {
        case TypeNumerique: return FormatGeneral(p.Reel, chiffres, separateur);
        case TypeSymbolique: return p.Modalite.str();
        default: {
            std::string texte = "{ ";
            for (std::size_t i = 0; i < p.Liste.size(); ++i) {
                texte += p.Liste[i].Nom;
                texte += i + 1 < p.Liste.size() ? ", " : " }";
            }
            return texte;
        }
    }
}

std::string PropEnChaine(const TProposition& p, char separateur) {
    return p.Attribut + " " + TransformeOperateur(p.Operateur) + " " +
           ValeurEnChaine(p, ChiffresAffichage, separateur);
}

std::string PropEnSupChaine(const TProposition& p, char separateur) { return PropEnChaine(p, separateur); }

std::string FaitNomDico(const std::string& nom) {
    if (nom.size() < 3) return nom + "dic";
    return Extrait(nom, 0, nom.size() - 3) + "dic";
}

std::optional<std::int32_t> CodeReel(double degre, int numRegle, IDialogues& dialogues) {
    if (degre < 0) {
        dialogues.Avertit("Error in rule " + std::to_string(numRegle) + ": coefficients must been positive");
        return std::nullopt;
    }
    if (degre > 1) {
        dialogues.Avertit("Error in rule " + std::to_string(numRegle) + ": coefficients must been smaller than one");
        return std::nullopt;
    }
    if (degre == 0) return 0;
    if (degre <= 0.2) return 1;
    if (degre <= 0.4) return 2;
    if (degre <= 0.6) return 3;
    if (degre <= 0.8) return 4;
    if (degre < 1) return 5;
    return 6;
}

std::string Majuscules(std::string texte) {
    for (char& c : texte)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return texte;
}

std::string Minuscules(std::string texte) {
    for (char& c : texte)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return texte;
}

static TProposition Base(std::string attribut, std::uint8_t operateur, std::uint8_t type) {
    TProposition p;
    p.Certitude = DegreCertain;
    p.Precision = DegreCertain;
    p.Attribut = std::move(attribut);
    p.Operateur = operateur;
    p.TypeValeur = type;
    return p;
}

TProposition NouvelleProposition(std::string attribut, std::uint8_t operateur, double reel) {
    TProposition p = Base(std::move(attribut), operateur, TypeNumerique);
    p.Reel = reel;
    return p;
}

TProposition NouvelleProposition(std::string attribut, std::uint8_t operateur, std::string modalite) {
    TProposition p = Base(std::move(attribut), operateur, TypeSymbolique);
    p.Modalite = std::move(modalite);
    return p;
}

TProposition NouvelleProposition(std::string attribut, std::uint8_t operateur, std::vector<std::string> ensemble) {
    TProposition p = Base(std::move(attribut), operateur, TypeEnsemble);
    for (auto& mot : ensemble) p.Liste.push_back({std::move(mot)});
    return p;
}

}  // namespace veridane
