#include "Fenetre_commande.h"

#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace veridane {

TFenetreCommande::TFenetreCommande(TEtatVeridane&, IDialogues&, const QString& titre, int contexteAide,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(titre);
    setProperty("contexteAide", contexteAide);

    auto* menus = new QMenuBar(this);
    QAction* fermer = menus->addAction("&Close");
    fermer->setObjectName("Close1");
    connect(fermer, &QAction::triggered, this, &TFenetreCommande::Close1Click);

    auto* texte = new QLabel(titre, this);
    texte->setObjectName("Titre");
    texte->setAlignment(Qt::AlignCenter);

    auto* colonne = new QVBoxLayout(this);
    colonne->setMenuBar(menus);
    colonne->addWidget(texte);
    resize(480, 240);
}

int TFenetreCommande::Ouvre() {
    Initialise();
    return exec();
}

}  // namespace veridane
