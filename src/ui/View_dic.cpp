#include "ui/View_dic.h"

#include <QLineEdit>

#include "ui/Conversion.h"
#include "ui/Modale.h"

namespace veridane {

TViewDic::TViewDic(TEtatVeridane& etat, IDialogues&, QWidget* parent) : TVisionneuse(parent), Etat(etat) {
    setObjectName("ViewDic");
    setProperty("contexteAide", 20);
}

void TViewDic::Initialise() {
    PlacePositions(NombreVueDico(Etat.Base));
    setWindowTitle(Texte(TitreVueDico(Etat.Base)));
    AfficheDonnees();
}

int TViewDic::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

void TViewDic::AfficheDonnees() {
    const auto& dictionnaire = Etat.Base.Dictionnaire;
    if (Position() < 1 || Position() > static_cast<int>(dictionnaire.size())) {
        VideVue();
        return;
    }
    const auto& entree = dictionnaire[static_cast<std::size_t>(Position() - 1)];
    MontreVue(VueDonnee(entree, Position(), ChiffresVueDico, Etat.Base.SeparateurDecimal));
}

}  // namespace veridane
