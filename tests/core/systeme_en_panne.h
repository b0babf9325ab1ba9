// A file system that fails on demand, as a read-only directory, a full disk
// or a refused rename would, so that every save's handling of the failure
// can be checked without special privileges.
#pragma once

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "core/fichier_texte.h"

namespace veridane::test {

enum class TPanne {
    Aucune,
    LectureSeule,  // no file can be created in the directory
    DisquePlein,   // the first bytes go, then the disk is full
    Synchronisation,  // the data cannot be flushed to the disk
    Renommage,     // the finished file cannot replace the target
    Exception,     // a write throws, as a fault of the program itself would
};

class TSystemeEnPanne : public TSystemeFichiers {
public:
    int CreeTemporaire(std::string& modele) const override {
        Ecrits = 0;
        if (Panne == TPanne::LectureSeule) return Echoue(EROFS);
        return TSystemeFichiers::CreeTemporaire(modele);
    }
    long Ecrit(int fd, const char* octets, std::size_t taille) const override {
        if (Panne == TPanne::Exception) throw std::runtime_error("write fault");
        if (Panne != TPanne::DisquePlein) return TSystemeFichiers::Ecrit(fd, octets, taille);
        // A short write first, as a disk that fills up gives.
        if (Ecrits >= Place) return Echoue(ENOSPC);
        long n = TSystemeFichiers::Ecrit(fd, octets, std::min(taille, Place - Ecrits));
        if (n > 0) Ecrits += static_cast<std::size_t>(n);
        return n;
    }
    int Synchronise(int fd) const override {
        if (Panne == TPanne::Synchronisation) return Echoue(EIO);
        return TSystemeFichiers::Synchronise(fd);
    }
    int Renomme(const std::string& de, const std::string& vers) const override {
        if (Panne == TPanne::Renommage) return Echoue(EACCES);
        return TSystemeFichiers::Renomme(de, vers);
    }

    TPanne Panne = TPanne::Aucune;
    std::size_t Place = 10;  // bytes a full disk still takes

private:
    static int Echoue(int erreur) {
        errno = erreur;
        return -1;
    }
    mutable std::size_t Ecrits = 0;
};

}  // namespace veridane::test
