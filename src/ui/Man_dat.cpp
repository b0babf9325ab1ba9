#include "ui/Man_dat.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/dialogues.h"
#include "project/gestion_faits.h"
#include "ui/Animation.h"
#include "ui/Conversion.h"
#include "ui/GlisserDeposer.h"
#include "ui/Modale.h"
#include "ui/What_if.h"

namespace veridane {

namespace {

constexpr int TailleImage = 56;
constexpr int PremierDelai = 1000;  // ms before the first step of the first move
constexpr int DelaiPas = 200;       // ms between steps
constexpr int DernierPas = 5;

// A picture of the resources; a picture that fails to load leaves an empty
// square of the same size, so the layout and the drop target stay in place.
QLabel* NouvelleImage(QLabel* image, const QString& nom, const QString& chemin) {
    image->setObjectName(nom);
    image->setFixedSize(TailleImage, TailleImage);
    image->setAlignment(Qt::AlignCenter);
    if (QFile::exists(chemin)) image->setPixmap(QIcon(chemin).pixmap(TailleImage - 8, TailleImage - 8));
    return image;
}

// Hidden widgets keep their place, so that showing the prompt or a step of
// the animation never moves the rest of the window.
void GardePlace(QWidget* widget) {
    QSizePolicy politique = widget->sizePolicy();
    politique.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(politique);
}


}  // namespace

TGereFaits::TGereFaits(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent)
    : QDialog(parent), Etat(etat), Dialogues(dialogues) {
    setObjectName("GereFaits");
    setWindowTitle("Data base Manager");
    setProperty("contexteAide", 25);
    Construit();
}

QWidget* TGereFaits::ConstruitChemin(std::array<QLabel*, 4>& labels, const QString& prefixe) {
    auto* chemin = new QWidget(this);
    auto* rangee = new QHBoxLayout(chemin);
    rangee->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = new QLabel(chemin);
        labels[i]->setObjectName(prefixe + QString::number(i + 1));
        labels[i]->setAlignment(Qt::AlignCenter);
        labels[i]->setStyleSheet("QLabel { font-weight: bold; color: #1a3f8f; }");
        GardePlace(labels[i]);
        // A long attribute name gliding by never widens the lists' columns.
        QSizePolicy politique = labels[i]->sizePolicy();
        politique.setHorizontalPolicy(QSizePolicy::Ignored);
        labels[i]->setSizePolicy(politique);
        labels[i]->hide();
        rangee->addWidget(labels[i], 1);
    }
    return chemin;
}

void TGereFaits::Construit() {
    auto* menu = Menu = new QMenuBar(this);
    QAction* fermer = menu->addAction("&Close");
    fermer->setObjectName("Close1");
    connect(fermer, &QAction::triggered, this, &TGereFaits::Close1Click);

    auto* haut = new QHBoxLayout;
    haut->addWidget(NouvelleImage(ImageDico = new QLabel(this), "ImageDico", ":/pictures/dictionary.svg"));
    haut->addWidget(ConstruitChemin(LabelsAjout, "LabelAjout"), 1);
    haut->addWidget(NouvelleImage(ImageBase = new QLabel(this), "ImageBase", ":/pictures/database.svg"));

    LabelDico = new QLabel(this);
    LabelDico->setObjectName("LabelDico");
    LabelObservation = new QLabel(this);
    LabelObservation->setObjectName("LabelObservation");
    // A large base has a million entries: the lines are written when drawn.
    ListeDico = new TListeGlisser(this, [this](int ligne) {
        return Texte(LigneFait(Etat.Base.Dictionnaire[static_cast<std::size_t>(ligne)], Etat.Base.SeparateurDecimal));
    });
    ListeDico->setObjectName("ListeDico");
    ListeObservation = new TListeGlisser(this, [this](int ligne) {
        // Read at each drawing: a line drawn while the data change shows
        // empty rather than reading past them.
        if (!ObservationMontrable(Etat.Faits)) return QString();
        const auto& observation = Etat.Faits.ObservationCourante();
        if (static_cast<std::size_t>(ligne) >= observation.size()) return QString();
        return Texte(LigneFait(observation[static_cast<std::size_t>(ligne)], Etat.Base.SeparateurDecimal));
    });
    ListeObservation->setObjectName("ListeObservation");
    ListeObservation->DefinitDepot({[this](const QString& s) { return ListeObservationDragOver(s); },
                                    [this](const QString& s, int l) { ListeObservationDragDrop(s, l); }});
    connect(ListeDico, &TListeGlisser::Presse, this, &TGereFaits::ListeDicoPresse);
    connect(ListeObservation, &TListeGlisser::Presse, this, &TGereFaits::ListeObservationPresse);
    connect(ListeDico, &QListView::doubleClicked, this, &TGereFaits::AddClick);
    connect(ListeObservation, &QListView::doubleClicked, this, &TGereFaits::RemoveClick);

    BoutonAjout = new QPushButton("Add ->", this);
    BoutonAjout->setObjectName("BoutonAjout");
    BoutonRetrait = new QPushButton("Remove", this);
    BoutonRetrait->setObjectName("BoutonRetrait");
    BoutonAjout->setToolTip("Add the selected dictionary entry to the observation (Insert)");
    BoutonRetrait->setToolTip("Remove the selected datum from the observation (Delete)");
    connect(BoutonAjout, &QPushButton::clicked, this, &TGereFaits::AddClick);
    connect(BoutonRetrait, &QPushButton::clicked, this, &TGereFaits::RemoveClick);
    BoutonQueSi = new QPushButton("What if...", this);
    BoutonQueSi->setObjectName("BoutonQueSi");
    BoutonQueSi->setToolTip("Try other data on a scratch copy of the observation and see the conclusions change");
    connect(BoutonQueSi, &QPushButton::clicked, this, &TGereFaits::QueSiClick);
    auto* boutons = new QVBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(BoutonAjout);
    boutons->addWidget(BoutonRetrait);
    boutons->addSpacing(12);
    boutons->addWidget(BoutonQueSi);
    boutons->addStretch(1);

    Corbeille = new TImageCible(this);
    NouvelleImage(Corbeille, "Corbeille", ":/pictures/trash.svg");
    Corbeille->DefinitDepot({[this](const QString& s) { return CorbeilleDragOver(s); },
                             [this](const QString& s, int l) { CorbeilleDragDrop(s, l); }});
    GardePlace(Corbeille);
    auto* bas = new QHBoxLayout;
    bas->addWidget(ConstruitChemin(LabelsRetrait, "LabelRetrait"), 1);
    bas->addWidget(Corbeille);

    auto* grille = new QGridLayout;
    grille->addWidget(LabelDico, 0, 0);
    grille->addWidget(LabelObservation, 0, 2);
    grille->addWidget(ListeDico, 1, 0);
    grille->addLayout(boutons, 1, 1);
    grille->addWidget(ListeObservation, 1, 2);
    grille->addLayout(bas, 2, 2);
    grille->setColumnStretch(0, 1);
    grille->setColumnStretch(2, 1);

    LigneProposition = new QLineEdit(this);
    LigneProposition->setObjectName("LigneProposition");
    LigneProposition->setReadOnly(true);
    LabelCertitude = new QLabel(this);
    LabelCertitude->setObjectName("LabelCertitude");
    LabelPrecision = new QLabel(this);
    LabelPrecision->setObjectName("LabelPrecision");
    BoutonOK = new QPushButton("Add data", this);
    BoutonOK->setObjectName("BoutonOK");
    BoutonAnnuler = new QPushButton("Cancel", this);
    BoutonAnnuler->setObjectName("BoutonAnnuler");
    connect(BoutonOK, &QPushButton::clicked, this, &TGereFaits::OKAddClick);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &TGereFaits::OnCancelAddClick);
    for (QWidget* w : std::initializer_list<QWidget*>{LigneProposition, LabelCertitude, LabelPrecision, BoutonOK,
                                                      BoutonAnnuler})
        GardePlace(w);
    auto* degres = new QHBoxLayout;
    degres->addWidget(LabelCertitude, 1);
    degres->addWidget(LabelPrecision, 1);
    auto* validation = new QHBoxLayout;
    validation->addStretch(1);
    validation->addWidget(BoutonOK);
    validation->addWidget(BoutonAnnuler);

    auto* racine = new QVBoxLayout(this);
    racine->setMenuBar(menu);
    racine->addLayout(haut);
    racine->addLayout(grille, 1);
    racine->addWidget(LigneProposition);
    racine->addLayout(degres);
    racine->addLayout(validation);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(DelaiAnimation(PremierDelai));
    connect(Timer1, &QTimer::timeout, this, &TGereFaits::Timer1Timer);

    resize(780, 560);
}

void TGereFaits::Initialise() {
    PrepareObservationCourante(Etat.Faits);
    ActiveBoutons(true);
    SensCourant = TSens::Ajout;
    ChoixCourant = -1;
    PasCourant = 0;
    Efface();
    LabelDico->show();
    LabelObservation->show();
    Timer1->stop();
    Corbeille->hide();
    for (QLabel* label : LabelsAjout) label->hide();
    for (QLabel* label : LabelsRetrait) label->hide();
    LabelDico->setText(Texte(LegendeDictionnaire(Etat.Base)));
    Affiche();
    LabelObservation->setText(Texte(LegendeObservation(Etat.Faits)));
    Affiche2();
}

int TGereFaits::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

bool TGereFaits::InvitationOuverte() const { return !BoutonOK->isHidden(); }

void TGereFaits::Affiche() {
    ListeDico->Remplit(Etat.Base.DicoCree ? static_cast<int>(Etat.Base.Dictionnaire.size()) : 0);
}

void TGereFaits::Affiche2() {
    ListeObservation->Remplit(
        ObservationMontrable(Etat.Faits) ? static_cast<int>(Etat.Faits.ObservationCourante().size()) : 0);
}

void TGereFaits::ActiveBoutons(bool actifs) {
    BoutonAjout->setEnabled(actifs);
    BoutonRetrait->setEnabled(actifs);
    BoutonQueSi->setEnabled(actifs);
}

void TGereFaits::MontreInvitation(const QString& texte, const QString& legendeOK) {
    Corbeille->hide();
    ActiveBoutons(false);
    LigneProposition->clear();
    LigneProposition->setText(texte);
    LigneProposition->show();
    BoutonOK->setText(legendeOK);
    BoutonOK->show();
    BoutonOK->setDefault(true);
    BoutonAnnuler->show();
    LabelCertitude->show();
    LabelPrecision->show();
}

void TGereFaits::AddClick() {
    const int ligne = LigneChoisie(ListeDico);
    if (ligne < 0 || Anime() || ligne >= static_cast<int>(Etat.Base.Dictionnaire.size())) return;
    ChoixCourant = ligne;
    SensCourant = TSens::Ajout;
    // The datum will carry degree code 6 whatever the entry holds.
    LabelCertitude->setText(Texte("Certainty degree: " + TypeIncertitude(DegreCertain)));
    LabelPrecision->setText(Texte("Precision degree: " + TypeImprecision(DegreCertain)));
    const auto& entree = Etat.Base.Dictionnaire[static_cast<std::size_t>(ligne)];
    MontreInvitation(Texte(LigneFait(entree, Etat.Base.SeparateurDecimal)), "Add data");
}

void TGereFaits::RemoveClick() {
    const int ligne = LigneChoisie(ListeObservation);
    if (ligne < 0 || Anime() || Etat.Faits.Observations.empty()) return;
    const auto& observation = Etat.Faits.ObservationCourante();
    if (ligne >= static_cast<int>(observation.size())) return;
    ChoixCourant = ligne;
    SensCourant = TSens::Retrait;
    const auto& fait = observation[static_cast<std::size_t>(ligne)];
    LabelCertitude->setText(Texte("Certainty degree: " + TypeIncertitude(fait.Certitude)));
    LabelPrecision->setText(Texte("Precision degree: " + TypeImprecision(fait.Precision)));
    MontreInvitation(Texte(LigneFait(fait, Etat.Base.SeparateurDecimal)), "Remove data");
}

void TGereFaits::OKAddClick() {
    if (!InvitationOuverte()) return;
    Etat.Faits.BaseFaitsModifiee = true;
    PasCourant = 1;
    Efface();
    // The two buttons wait for the end of the move: a second prompt confirmed
    // during the animation would take over its step counter and direction.
    ActiveBoutons(false);
    if (SensCourant == TSens::Ajout) {
        TexteGlisse = Texte(Etat.Base.Dictionnaire[static_cast<std::size_t>(ChoixCourant)].Attribut);
    } else {
        Corbeille->show();
        TexteGlisse = Texte(Etat.Faits.ObservationCourante()[static_cast<std::size_t>(ChoixCourant)].Attribut);
    }
    Timer1->start();
}

void TGereFaits::OnCancelAddClick() { Efface(); }

void TGereFaits::Efface() {
    LigneProposition->hide();
    BoutonOK->hide();
    BoutonOK->setDefault(false);
    BoutonAnnuler->hide();
    LabelCertitude->hide();
    LabelPrecision->hide();
    ActiveBoutons(true);
}

void TGereFaits::Timer1Timer() {
    if (!Anime()) {
        Timer1->stop();
        return;
    }
    Timer1->setInterval(DelaiAnimation(DelaiPas));
    if (SensCourant == TSens::Ajout)
        DeplaceAdd();
    else
        DeplaceRemove();
    PasCourant = PasCourant >= DernierPas ? 0 : PasCourant + 1;
}

void TGereFaits::Glisse(std::array<QLabel*, 4>& labels, int pas) {
    if (pas > 1) labels[static_cast<std::size_t>(pas - 2)]->hide();
    if (pas > static_cast<int>(labels.size())) return;
    labels[static_cast<std::size_t>(pas - 1)]->setText(TexteGlisse);
    labels[static_cast<std::size_t>(pas - 1)]->show();
}

void TGereFaits::DeplaceAdd() {
    Glisse(LabelsAjout, PasCourant);
    if (PasCourant < DernierPas) return;
    AjouteFait(Etat.Faits, Etat.Base.Dictionnaire[static_cast<std::size_t>(ChoixCourant)]);
    LabelObservation->setText(Texte(LegendeObservation(Etat.Faits)));
    Affiche2();
    Efface();
    Timer1->stop();
    emit ObservationModifiee();
}

void TGereFaits::DeplaceRemove() {
    Glisse(LabelsRetrait, PasCourant);
    if (PasCourant < DernierPas) return;
    Corbeille->hide();
    Timer1->stop();
    RetireFait(Etat.Faits, ChoixCourant);
    LabelObservation->setText(Texte(LegendeObservation(Etat.Faits)));
    Affiche2();
    ActiveBoutons(true);
    emit ObservationModifiee();
}

void TGereFaits::TermineAnimation() {
    while (Anime()) Timer1Timer();
}

void TGereFaits::Close1Click() {
    TermineAnimation();
    Efface();
    FermeGereFaits(Etat);
    QDialog::done(QDialog::Accepted);
}

void TGereFaits::reject() { Close1Click(); }

void TGereFaits::ModeBrouillon() {
    Brouillon = true;
    setWindowFlags(Qt::Widget);
    Menu->hide();
    BoutonQueSi->hide();
}

void TGereFaits::QueSiClick() {
    if (Anime() || InvitationOuverte()) return;
    TQueSi queSi(Etat, Dialogues, this);
    queSi.Ouvre();
    if (!queSi.Garde()) return;
    LabelObservation->setText(Texte(LegendeObservation(Etat.Faits)));
    Affiche2();
}

void TGereFaits::keyPressEvent(QKeyEvent* event) {
    // Escape first withdraws an open prompt, then closes the window.
    if (event->key() == Qt::Key_Escape && InvitationOuverte()) {
        OnCancelAddClick();
        return;
    }
    if (event->key() == Qt::Key_Escape && Brouillon) {
        event->ignore();
        return;
    }
    // Insert and Delete ask for the move of the selected line, as the two
    // buttons do.
    if (event->key() == Qt::Key_Insert && BoutonAjout->isEnabled()) {
        AddClick();
        return;
    }
    if (event->key() == Qt::Key_Delete && BoutonRetrait->isEnabled()) {
        RemoveClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TGereFaits::ListeDicoPresse(int) { Corbeille->hide(); }

void TGereFaits::ListeObservationPresse(int ligne) {
    if (ligne >= 0 && !Anime()) Corbeille->show();
}

bool TGereFaits::ListeObservationDragOver(const QString& source) const {
    return source == ListeDico->objectName() && !Anime();
}

bool TGereFaits::ListeObservationDragDrop(const QString& source, int ligne) {
    if (!ListeObservationDragOver(source) || ligne < 0 || ligne >= ListeDico->Nombre()) return false;
    ListeDico->Choisit(ligne);
    AddClick();
    return true;
}

bool TGereFaits::CorbeilleDragOver(const QString& source) const {
    return source == ListeObservation->objectName() && !Anime();
}

bool TGereFaits::CorbeilleDragDrop(const QString& source, int ligne) {
    if (!CorbeilleDragOver(source) || ligne < 0 || ligne >= ListeObservation->Nombre()) return false;
    Corbeille->hide();
    ListeObservation->Choisit(ligne);
    RemoveClick();
    return true;
}

}  // namespace veridane
