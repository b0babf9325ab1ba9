#include "View_rul.h"

namespace veridane {

namespace {

const TGenreNavigateur GenreVisionneur{"Rules base Viewer", "Priority degree", nullptr, 17};

}  // namespace

TViewRul::TViewRul(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent)
    : TNavigateurRegles(etat, dialogues, GenreVisionneur, parent) {
    setObjectName("ViewRul");
}

}  // namespace veridane
