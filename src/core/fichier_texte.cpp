#include "fichier_texte.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "proposition.h"

namespace veridane {

namespace {

bool FichierOrdinaire(const std::string& chemin) {
    struct stat info {};
    return ::stat(chemin.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string Erreur() { return std::strerror(errno); }

bool EcritTout(const TSystemeFichiers& systeme, int fd, const std::string& texte) {
    const char* p = texte.data();
    std::size_t reste = texte.size();
    while (reste > 0) {
        long n = systeme.Ecrit(fd, p, reste);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            // A write that makes no progress would loop for ever.
            errno = ENOSPC;
            return false;
        }
        p += n;
        reste -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string RepertoireDe(const std::string& chemin) {
    std::size_t barre = chemin.find_last_of('/');
    return barre == std::string::npos ? std::string() : chemin.substr(0, barre + 1);
}

std::string NomDe(const std::string& chemin) {
    std::size_t barre = chemin.find_last_of('/');
    return barre == std::string::npos ? chemin : chemin.substr(barre + 1);
}

std::optional<std::string> TrouveFichier(const std::string& chemin) {
    if (chemin.empty()) return std::nullopt;
    if (FichierOrdinaire(chemin)) return chemin;
    std::string repertoire = RepertoireDe(chemin);
    std::string nom = Minuscules(NomDe(chemin));
    DIR* dossier = ::opendir(repertoire.empty() ? "." : repertoire.c_str());
    if (!dossier) return std::nullopt;
    std::optional<std::string> trouve;
    while (dirent* entree = ::readdir(dossier)) {
        std::string candidat = entree->d_name;
        if (Minuscules(candidat) == nom && FichierOrdinaire(repertoire + candidat)) {
            trouve = repertoire + candidat;
            break;
        }
    }
    ::closedir(dossier);
    return trouve;
}

bool TLecteurTexte::Ouvre(const std::string& chemin) {
    Contenu.clear();
    Position = Fin = 0;
    Ligne = 0;
    auto trouve = TrouveFichier(chemin);
    if (!trouve) return false;
    int fd = ::open(trouve->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    Contenu.reserve(static_cast<std::size_t>(info.st_size));
    char tampon[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, tampon, sizeof tampon);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        Contenu.append(tampon, static_cast<std::size_t>(n));
    }
    ::close(fd);
    // A 0x1A byte is the end of the file.
    std::size_t fin = Contenu.find('\x1a');
    if (fin != std::string::npos) Contenu.resize(fin);
    Fin = Contenu.size();
    return true;
}

bool TLecteurTexte::LitLigne(std::string& ligne) {
    if (Position >= Fin) return false;
    ++Ligne;
    std::size_t debut = Position;
    std::size_t fin = Contenu.find_first_of("\r\n", debut);
    if (fin == std::string::npos) {
        ligne.assign(Contenu, debut, Fin - debut);
        Position = Fin;
        return true;
    }
    ligne.assign(Contenu, debut, fin - debut);
    Position = fin + 1;
    if (Contenu[fin] == '\r' && Position < Fin && Contenu[Position] == '\n') ++Position;
    return true;
}

int TSystemeFichiers::CreeTemporaire(std::string& modele) const { return ::mkstemp(modele.data()); }

long TSystemeFichiers::Ecrit(int fd, const char* octets, std::size_t taille) const {
    return static_cast<long>(::write(fd, octets, taille));
}

int TSystemeFichiers::Synchronise(int fd) const { return ::fsync(fd); }

int TSystemeFichiers::Renomme(const std::string& de, const std::string& vers) const {
    return ::rename(de.c_str(), vers.c_str());
}

const TSystemeFichiers& TSystemeFichiers::Reel() {
    static const TSystemeFichiers reel;
    return reel;
}

namespace {

// The temporary file of a save and its descriptor: closed and removed unless
// it became the target, also when a call below throws, so that a save that
// fails in any way leaves no stray file and no open descriptor behind.
struct TTemporaire {
    std::string Chemin;
    int Fd = -1;
    bool Renomme = false;
    ~TTemporaire() {
        if (Fd >= 0) ::close(Fd);
        if (!Renomme) ::unlink(Chemin.c_str());
    }
    // Closes the descriptor; the close's own result.
    int Ferme() {
        int resultat = ::close(Fd);
        Fd = -1;
        return resultat;
    }
};

}  // namespace

std::optional<std::string> TEcrivainTexte::Enregistre(const std::string& chemin, const TSystemeFichiers& systeme) const {
    struct stat info {};
    if (::stat(chemin.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return std::string("Is a directory");
    std::string modele = chemin + ".tmp-XXXXXX";
    int fd = systeme.CreeTemporaire(modele);
    if (fd < 0) return Erreur();
    TTemporaire temporaire{modele, fd};
    ::fchmod(fd, 0644);
    if (!EcritTout(systeme, fd, Contenu) || systeme.Synchronise(fd) != 0) return Erreur();
    if (temporaire.Ferme() != 0 || systeme.Renomme(temporaire.Chemin, chemin) != 0) return Erreur();
    temporaire.Renomme = true;
    return std::nullopt;
}

std::string MessageEcritureImpossible(const std::string& chemin, const std::string& raison) {
    return "Cannot write file " + chemin + ": " + raison;
}

}  // namespace veridane
