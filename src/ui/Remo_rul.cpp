#include "Remo_rul.h"

#include <QScrollBar>

#include "core/dialogues.h"
#include "core/edition_regles.h"
#include "project/etat.h"
#include "ui/Conversion.h"

namespace veridane {

namespace {

const TGenreNavigateur GenreEffaceur{"Rules  Eraser", "Belief degree", "Remove rule", 22};

}  // namespace

TRemovRul::TRemovRul(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent)
    : TNavigateurRegles(etat, dialogues, GenreEffaceur, parent) {
    setObjectName("RemovRul");
}

void TRemovRul::RemoveRuleClick() {
    if (Etat.Base.Regles.empty()) return;
    const TReponse reponse = Dialogues.Message(TGenreMessage::Information, "Do you really want to remove this rule?",
                                               TBoutons::OuiNon);
    if (reponse != TReponse::Oui) return;
    RetireRegle(Etat.Base, static_cast<std::size_t>(ScrollBar1->value()));
    const int nombre = Etat.Base.NbRegles;
    if (nombre == 0) {
        Etat.Commandes.DerniereRegleSupprimee();
        accept();
        return;
    }
    // The rules after the one removed move up: the one that followed it
    // takes its place, or the new last rule when it was the last.
    if (Courante > nombre - 1) Courante = nombre - 1;
    setWindowTitle(Texte(TitreAvecNombre("Rules Eraser: ", nombre)));
    RegleBarre();
    AfficheRegle(Courante);
}

}  // namespace veridane
