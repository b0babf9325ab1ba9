#include "Conversion.h"

#include "core/encodage.h"

namespace veridane {

QString Texte(std::string_view octets) {
    QString texte;
    texte.reserve(static_cast<qsizetype>(octets.size()));
    for (char brut : octets) texte.append(QChar(static_cast<char16_t>(CaractereWindows1252(static_cast<unsigned char>(brut)))));
    return texte;
}

std::string Octets(const QString& texte) {
    std::string octets;
    octets.reserve(static_cast<std::size_t>(texte.size()));
    for (QChar q : texte) octets += OctetWindows1252(q.unicode());
    return octets;
}

}  // namespace veridane
