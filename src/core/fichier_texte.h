// Text files as the program reads and writes them.
//
// Reading: a line ends at CR (one LF right after it is skipped) or at a lone
// LF; a 0x1A byte ends the file. Only regular files are read, so a name that
// points at a device or a pipe cannot hang the program. A name is looked up
// exactly, then case-insensitively in its directory ("FLU.RUL" finds flu.rul).
//
// Writing: lines end with CR LF; the text goes to a temporary file in the
// target's directory that is renamed over the target only once everything
// was written, so a failed save never destroys the old file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace veridane {

// The path of an existing regular file matching `chemin`, exactly or
// case-insensitively in its directory; nothing when there is none.
std::optional<std::string> TrouveFichier(const std::string& chemin);

// Directory part of a path, with its trailing separator ("" when none), and
// the file-name part.
std::string RepertoireDe(const std::string& chemin);
std::string NomDe(const std::string& chemin);

class TLecteurTexte {
public:
    // Opens and reads the file; false when it cannot be (missing, not a
    // regular file, unreadable).
    bool Ouvre(const std::string& chemin);
    // The next line without its end; false when there is none left.
    bool LitLigne(std::string& ligne);
    bool Fini() const { return Position >= Fin; }
    // The whole text read (up to a 0x1A byte), for readers that cut it into
    // slices of their own.
    std::string_view Texte() const { return Contenu; }
    // Bytes read so far and in all (for progress displays).
    std::size_t Position = 0;
    std::size_t Fin = 0;
    // Lines read so far: the number of the last line read, from 1.
    int Ligne = 0;

private:
    std::string Contenu;
};

// The system calls by which a save puts its bytes on disk. The default is
// the real file system; a test derives from it to make one call fail as a
// read-only directory or a full disk would (errno set, -1 returned), so that
// the writers' handling of each failure can be checked.
class TSystemeFichiers {
public:
    virtual ~TSystemeFichiers() = default;
    // mkstemp: a new file named after `modele` (its XXXXXX replaced).
    virtual int CreeTemporaire(std::string& modele) const;
    // write: the bytes written, which may be fewer than asked.
    virtual long Ecrit(int fd, const char* octets, std::size_t taille) const;
    // fsync, then rename over the target.
    virtual int Synchronise(int fd) const;
    virtual int Renomme(const std::string& de, const std::string& vers) const;

    static const TSystemeFichiers& Reel();
};

class TEcrivainTexte {
public:
    void Ligne(const std::string& texte) {
        Contenu += texte;
        Contenu += "\r\n";
    }
    // Writes the text to `chemin` atomically; on failure returns the reason
    // (the old file, if any, is untouched, and no temporary file is left).
    std::optional<std::string> Enregistre(const std::string& chemin,
                                          const TSystemeFichiers& systeme = TSystemeFichiers::Reel()) const;
    std::string Contenu;
};

// The warning shown when a file cannot be written.
std::string MessageEcritureImpossible(const std::string& chemin, const std::string& raison);

}  // namespace veridane
