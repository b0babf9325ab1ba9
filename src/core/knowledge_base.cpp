#include "knowledge_base.h"

namespace veridane {

const std::vector<TModalite>& TListeModalites::Vide() {
    static const std::vector<TModalite> vide;
    return vide;
}

void TBaseConnaissances::Vide() {
    Regles.clear();
    Dictionnaire.clear();
    CommentairesRegles.clear();
    NbRegles = 0;
    NbFaitsDico = 0;
    NumRegle = 0;
    BaseReglesOuverte = true;
    DicoCree = true;
    ReglesModifiees = false;
    DicoModifie = false;
}

double ReelCode(std::int32_t code) {
    static const double degres[] = {0, 0.1, 0.3, 0.5, 0.7, 0.9, 1};
    return code >= 0 && code <= 6 ? degres[code] : 0;
}

std::string TypeIncertitude(std::int32_t) { return {}; }
std::string TypeImprecision(std::int32_t) { return {}; }

}  // namespace veridane
