#include "Edit_cas.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>
#include <QVBoxLayout>

#include "core/dialogues.h"
#include "core/proposition.h"
#include "ui/Conversion.h"

namespace veridane {

TEditCas::TEditCas(const TBaseConnaissances& base, IDialogues& dialogues, const std::string& ligne, int numero,
                   QWidget* parent)
    : QDialog(parent), Dialogues(dialogues), Numero(numero) {
    setObjectName("EditCas");
    setProperty("contexteAide", 131);
    setWindowTitle("Edit the case");

    auto* aide = new QLabel("Observation K[ critical V]: expect PROPOSITION; reject PROPOSITION; ...", this);
    aide->setObjectName("Aide");
    Ligne = new QLineEdit(Texte(ligne), this);
    Ligne->setObjectName("Ligne");
    Ligne->setMinimumWidth(640);

    QStringList propositions;
    for (const TProposition& entree : base.Dictionnaire)
        propositions << Texte(PropEnChaine(entree, base.SeparateurDecimal));
    Completion = new QCompleter(new QStringListModel(propositions, this), this);
    Completion->setObjectName("Completion");
    Completion->setCaseSensitivity(Qt::CaseInsensitive);
    Completion->setCompletionMode(QCompleter::PopupCompletion);
    Completion->setWidget(Ligne);
    connect(Ligne, &QLineEdit::textEdited, this, &TEditCas::LigneEditee);
    connect(Completion, qOverload<const QString&>(&QCompleter::activated), this, &TEditCas::PropositionChoisie);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setObjectName("OK");
    boutons->button(QDialogButtonBox::Cancel)->setObjectName("Cancel");
    connect(boutons, &QDialogButtonBox::accepted, this, &TEditCas::OKClick);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(aide);
    disposition->addWidget(Ligne);
    disposition->addWidget(boutons);
}

void TEditCas::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    // The line is edited, not replaced: the cursor goes to its end once the
    // window has the focus (which would otherwise select the whole text).
    QTimer::singleShot(0, Ligne, [this] {
        Ligne->setFocus();
        Ligne->deselect();
        Ligne->end(false);
    });
}

int TEditCas::DebutProposition() const {
    const QString texte = Ligne->text().left(Ligne->cursorPosition());
    const int deuxPoints = texte.indexOf(':');
    if (deuxPoints < 0) return -1;
    int debut = std::max(static_cast<int>(texte.lastIndexOf(';')), deuxPoints) + 1;
    while (debut < texte.size() && texte[debut] == ' ') ++debut;
    for (const char* mot : {"expect ", "reject "}) {
        if (texte.mid(debut, 7).compare(mot, Qt::CaseInsensitive) != 0) continue;
        debut += 7;
        while (debut < texte.size() && texte[debut] == ' ') ++debut;
        return debut;
    }
    return -1;
}

void TEditCas::LigneEditee(const QString& texte) {
    const int debut = DebutProposition();
    if (debut < 0 || debut >= Ligne->cursorPosition()) {
        Completion->popup()->hide();
        return;
    }
    Completion->setCompletionPrefix(texte.mid(debut, Ligne->cursorPosition() - debut));
    if (Completion->completionCount() == 0) {
        Completion->popup()->hide();
        return;
    }
    Completion->complete();
}

void TEditCas::PropositionChoisie(const QString& proposition) {
    const int debut = DebutProposition();
    if (debut < 0) return;
    QString texte = Ligne->text();
    const int curseur = Ligne->cursorPosition();
    texte.replace(debut, curseur - debut, proposition);
    Ligne->setText(texte);
    Ligne->setCursorPosition(debut + static_cast<int>(proposition.size()));
}

void TEditCas::OKClick() {
    Lu = DecortiqueCas(Octets(Ligne->text()), Numero, Dialogues);
    if (Lu) accept();
}

}  // namespace veridane
