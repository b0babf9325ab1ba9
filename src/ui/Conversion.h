// The model holds the single-byte Windows-1252 text of the files; the windows
// show Unicode. These two functions are the only crossing between them.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace veridane {

QString Texte(std::string_view octets);
// Characters that Windows-1252 cannot hold become "?".
std::string Octets(const QString& texte);

}  // namespace veridane
