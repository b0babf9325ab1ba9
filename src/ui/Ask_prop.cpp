#include "Ask_prop.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QVBoxLayout>

#include "core/dialogues.h"
#include "core/proposition.h"
#include "inference/explication.h"
#include "ui/Conversion.h"

namespace veridane {

TAskProp::TAskProp(const std::vector<TProposition>& dictionnaire, char separateur, IDialogues& dialogues,
                   QWidget* parent)
    : QDialog(parent), dialogues_(dialogues) {
    setObjectName("AskProp");
    setWindowTitle("Why not...");
    setProperty("contexteAide", 111);

    auto* invite = new QLabel("Proposition that was not established (attribute, operator, value):", this);
    saisie_ = new QLineEdit(this);
    saisie_->setObjectName("Proposition");
    saisie_->setPlaceholderText("DIAGNOSIS = OUT_OF_FUEL");
    invite->setBuddy(saisie_);
    QStringList entrees;
    for (const auto& entree : dictionnaire) entrees << Texte(PropEnChaine(entree, separateur));
    entrees.removeDuplicates();
    auto* completion = new QCompleter(entrees, saisie_);
    completion->setCaseSensitivity(Qt::CaseInsensitive);
    completion->setFilterMode(Qt::MatchContains);
    saisie_->setCompleter(completion);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(boutons, &QDialogButtonBox::accepted, this, &TAskProp::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &TAskProp::reject);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(invite);
    disposition->addWidget(saisie_);
    disposition->addWidget(boutons);
    resize(520, sizeHint().height());
}

void TAskProp::accept() {
    proposition_ = LitProposition(Octets(saisie_->text()));
    if (!proposition_) {
        dialogues_.Avertit("\"" + Octets(saisie_->text()) +
                           "\" is not a proposition: write an attribute, an operator and a value");
        saisie_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace veridane
