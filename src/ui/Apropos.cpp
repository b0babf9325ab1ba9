#include "Apropos.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include "ui/Modale.h"

#include "veridane_version.h"

namespace veridane {

TAboutBox::TAboutBox(TEtatVeridane&, IDialogues&, QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About");
    setProperty("contexteAide", 37);

    auto* image = new QLabel(this);
    image->setObjectName("ProgramIcon");
    image->setPixmap(QIcon(":/pictures/program.svg").pixmap(96, 96));
    image->setAlignment(Qt::AlignCenter);

    auto* nom = new QLabel("Veridane", this);
    nom->setObjectName("ProductName");
    QFont grand = nom->font();
    grand.setPointSize(grand.pointSize() + 6);
    grand.setBold(true);
    nom->setFont(grand);
    nom->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel("Version " VERIDANE_VERSION, this);
    version->setObjectName("Version");
    version->setAlignment(Qt::AlignCenter);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addStretch();

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(32, 24, 32, 16);
    colonne->setSpacing(12);
    colonne->addWidget(image);
    colonne->addWidget(nom);
    colonne->addWidget(version);
    colonne->addSpacing(8);
    colonne->addLayout(boutons);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

int TAboutBox::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

}  // namespace veridane
