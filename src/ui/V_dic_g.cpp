#include "ui/V_dic_g.h"

#include <QFile>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QVBoxLayout>

#include "project/vues_donnees.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"
#include "ui/ModeleLignes.h"

namespace veridane {

TViewDicGlob::TViewDicGlob(TEtatVeridane& etat, IDialogues&, QWidget* parent) : QDialog(parent), Etat(etat) {
    setObjectName("ViewDicGlob");
    setWindowTitle("Global view of the Data Dictionary");
    setProperty("contexteAide", 39);

    auto* menu = new QMenuBar(this);
    QAction* fermer = menu->addAction("&Close");
    fermer->setObjectName("Close1");
    connect(fermer, &QAction::triggered, this, &TViewDicGlob::Close1Click);

    auto* image = new QLabel(this);
    image->setObjectName("ImageDico");
    image->setFixedSize(56, 56);
    image->setAlignment(Qt::AlignCenter);
    const QString chemin = ":/pictures/dictionary.svg";
    if (QFile::exists(chemin)) image->setPixmap(QIcon(chemin).pixmap(48, 48));
    LabelNombre = new QLabel("0 data", this);
    LabelNombre->setObjectName("LabelNombre");
    QFont gras = LabelNombre->font();
    gras.setBold(true);
    LabelNombre->setFont(gras);
    auto* dans = new QLabel("in dictionary", this);
    dans->setObjectName("LabelDans");
    ModeleDico = new TModeleLignes(this, [this](int ligne) {
        return Texte(LigneVueGlobale(Etat.Base, static_cast<std::size_t>(ligne)));
    });
    ListeDico = VueLignes(this, "ListeDico", ModeleDico);

    auto* entete = new QGridLayout;
    entete->addWidget(image, 0, 0, 2, 1);
    entete->addWidget(LabelNombre, 0, 1);
    entete->addWidget(dans, 1, 1);
    entete->setColumnStretch(1, 1);

    auto* racine = new QVBoxLayout(this);
    racine->setMenuBar(menu);
    racine->addLayout(entete);
    racine->addWidget(ListeDico, 1);
    resize(520, 460);
}

void TViewDicGlob::Initialise() { FormActivate(); }

int TViewDicGlob::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

void TViewDicGlob::FormActivate() {
    LabelNombre->setText(Texte(CompteVueGlobale(Etat.Base)));
    ModeleDico->Remplit(static_cast<int>(Etat.Base.Dictionnaire.size()));
}

void TViewDicGlob::Close1Click() { accept(); }

}  // namespace veridane
