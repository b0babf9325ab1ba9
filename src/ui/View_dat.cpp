#include "ui/View_dat.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include "core/format_nombre.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"

namespace veridane {

TViewDat::TViewDat(TEtatVeridane& etat, IDialogues&, QWidget* parent) : TVisionneuse(parent), Etat(etat) {
    setObjectName("ViewDat");
    setProperty("contexteAide", 18);
}

void TViewDat::Initialise() {
    const TObservation* observation = ObservationVue(Etat.Faits);
    setWindowTitle(Texte(TitreVueBase(Etat.Faits)));
    if (observation == nullptr || observation->empty()) {
        PlacePositions(1);
        ScrollBar1->hide();
        LabelPosition->hide();
        VideVue();
        ChampAttribut->setText(Texte(TexteObservationSansDonnees(Etat.Faits)));
        return;
    }
    PlacePositions(static_cast<int>(observation->size()));
    ScrollBar1->show();
    LabelPosition->show();
    Affiche();
}

int TViewDat::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

void TViewDat::Affiche() {
    const TObservation* observation = ObservationVue(Etat.Faits);
    if (observation == nullptr || observation->empty()) {
        setWindowTitle(Texte(TitreObservationVide(Etat.Faits)));
        ChampAttribut->clear();
        ChampOperateur->clear();
        ListeValeurs->clear();
        return;
    }
    if (Position() < 1 || Position() > static_cast<int>(observation->size())) return;
    const auto& fait = (*observation)[static_cast<std::size_t>(Position() - 1)];
    MontreVue(VueDonnee(fait, Position(), ChiffresAffichage, Etat.Base.SeparateurDecimal));
}

}  // namespace veridane
