#include "Sel_rul.h"

#include "project/etat.h"

namespace veridane {

namespace {

const TGenreNavigateur GenreChoix{"Rules base Editor", "Belief degree", "Select rule", 23};

}  // namespace

TSelectRul::TSelectRul(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent)
    : TNavigateurRegles(etat, dialogues, GenreChoix, parent) {
    setObjectName("SelectRul");
    Modification = new TModifRule(etat, dialogues, this);
}

void TSelectRul::SelectRuleClick() {
    if (Courante < 0 || Courante >= static_cast<int>(Etat.Base.Regles.size())) return;
    Modification->ChoisitRegle(Courante);
    Modification->Ouvre();
    // The changes made there show at once.
    AfficheRegle(Courante);
}

}  // namespace veridane
