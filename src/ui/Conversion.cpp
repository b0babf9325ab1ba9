#include "Conversion.h"

namespace veridane {

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five bytes it leaves undefined,
// which are kept as the C1 control of the same code so nothing is lost.
const char16_t Plage80[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                              0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QString Texte(const std::string& octets) {
    QString texte;
    texte.reserve(static_cast<qsizetype>(octets.size()));
    for (char brut : octets) {
        auto c = static_cast<unsigned char>(brut);
        if (c >= 0x80 && c <= 0x9F && Plage80[c - 0x80] != 0)
            texte.append(QChar(Plage80[c - 0x80]));
        else
            texte.append(QChar(static_cast<char16_t>(c)));
    }
    return texte;
}

std::string Octets(const QString& texte) {
    std::string octets;
    octets.reserve(static_cast<std::size_t>(texte.size()));
    for (QChar q : texte) {
        char16_t u = q.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || (u >= 0x80 && u <= 0x9F && Plage80[u - 0x80] == 0)) {
            octets += static_cast<char>(u);
            continue;
        }
        char trouve = '?';
        for (int i = 0; i < 32; ++i)
            if (Plage80[i] == u) trouve = static_cast<char>(0x80 + i);
        octets += trouve;
    }
    return octets;
}

}  // namespace veridane
