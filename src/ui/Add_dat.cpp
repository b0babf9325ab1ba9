#include "Add_dat.h"

#include <algorithm>

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/dialogues.h"
#include "core/encodage.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Animation.h"
#include "ui/Conversion.h"
#include "ui/Modale.h"
#include "ui/ModeleLignes.h"

namespace veridane {

namespace {

const char* const RepousOperateur = "  Select    ->";
const char* const RepousValeurs = "    If you want to remove a value ->";
const char* const Operateurs[] = {"=", ">", "<", ">=", "<=", "<>", "in", "not_in"};
constexpr int TaillePicture = 72;

QLabel* Picture(const QString& chemin, const char* nom, QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setObjectName(nom);
    image->setPixmap(QIcon(chemin).pixmap(TaillePicture, TaillePicture));
    image->setFixedSize(TaillePicture, TaillePicture);
    image->setAlignment(Qt::AlignCenter);
    return image;
}

QLabel* Etiquette(const char* nom, const QColor& couleur, bool barree, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(nom);
    QFont police = label->font();
    police.setBold(true);
    police.setStrikeOut(barree);
    label->setFont(police);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, couleur);
    label->setPalette(palette);
    label->hide();
    return label;
}

// Clears a field without running its change handler.
void Vide(QLineEdit* champ) {
    QSignalBlocker blocage(champ);
    champ->clear();
}

QPoint Centre(const QWidget* fenetre, const QWidget* w) { return w->mapTo(fenetre, w->rect().center()); }

}  // namespace

TAjoutFaitsDico::TAjoutFaitsDico(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent)
    : QDialog(parent), Etat(etat), Dialogues(dialogues) {
    setObjectName("AjoutFaitsDico");
    setWindowTitle("Data dictionary Manager");
    setProperty("contexteAide", 30);
    Timer1.setObjectName("Timer1");
    Timer1.setInterval(DelaiAnimation(1000));  // the first animation waits a second
    connect(&Timer1, &QTimer::timeout, this, &TAjoutFaitsDico::Timer1Timer);
    Construit();
    ConstruitEtiquettes();
    // Tab follows the composing of an entry, then its adding or removal.
    QWidget* ordre[] = {EditAttribut,       ListeAttributs, ComboOperateur, EditValeur,  BoutonAjouteValeur,
                        ComboValeurs,       BoutonRetireValeur, LigneAntecedent, BoutonAjout, BoutonRetrait,
                        ListeDico};
    for (std::size_t i = 1; i < std::size(ordre); ++i) setTabOrder(ordre[i - 1], ordre[i]);
    // Enter in a field must not press a button by surprise.
    for (QPushButton* bouton : findChildren<QPushButton*>()) bouton->setAutoDefault(false);
    MontreControlesEnsemble(false);
    BoutonRetrait->setEnabled(false);
    AffFait();
}

void TAjoutFaitsDico::Construit() {
    auto* menu = new QMenuBar(this);
    QAction* fermer = menu->addAction("&Close");
    fermer->setObjectName("Close1");
    connect(fermer, &QAction::triggered, this, &TAjoutFaitsDico::Close1Click);

    BoutonAjout = new QPushButton("Add antecedent ->", this);
    BoutonAjout->setObjectName("AddBtn");
    BoutonRetrait = new QPushButton("Remove data", this);
    BoutonRetrait->setObjectName("RemoveBtn");
    connect(BoutonAjout, &QPushButton::clicked, this, &TAjoutFaitsDico::AddClick);
    connect(BoutonRetrait, &QPushButton::clicked, this, &TAjoutFaitsDico::RemoveClick);
    auto* milieu = new QVBoxLayout;
    milieu->addStretch();
    milieu->addWidget(BoutonAjout);
    milieu->addSpacing(16);
    milieu->addWidget(BoutonRetrait);
    milieu->addStretch();

    auto* principal = new QHBoxLayout(this);
    principal->setMenuBar(menu);
    principal->addWidget(ConstruitComposition(), 5);
    principal->addLayout(milieu);
    principal->addWidget(ConstruitDictionnaire(), 5);
    resize(900, 560);
}

QWidget* TAjoutFaitsDico::ConstruitComposition() {
    auto* zone = new QWidget(this);
    auto* grille = new QVBoxLayout(zone);
    grille->setContentsMargins(0, 0, 0, 0);

    grille->addWidget(new QLabel("Attribute:", zone));
    auto* indice = new QLabel("[Enter a new attribute or select an attribute in the list]", zone);
    indice->setWordWrap(true);
    grille->addWidget(indice);
    EditAttribut = new QLineEdit(zone);
    EditAttribut->setObjectName("EditAttribut");
    grille->addWidget(EditAttribut);
    ModeleAttributs = new TModeleLignes(this, [this](int ligne) {
        return Texte(Attributs[static_cast<std::size_t>(ligne)]);
    });
    ListeAttributs = VueLignes(zone, "ListeAttributs", ModeleAttributs);
    grille->addWidget(ListeAttributs, 1);

    auto* champs = new QGridLayout;
    champs->addWidget(new QLabel("Operator:", zone), 0, 0);
    ComboOperateur = new QComboBox(zone);
    ComboOperateur->setObjectName("ComboOperateur");
    ComboOperateur->setPlaceholderText(RepousOperateur);
    champs->addWidget(ComboOperateur, 0, 1);
    champs->addWidget(new QLabel("Value(s):", zone), 1, 0);
    EditValeur = new QLineEdit(zone);
    EditValeur->setObjectName("EditValeur");
    champs->addWidget(EditValeur, 1, 1);
    grille->addLayout(champs);

    auto* ensemble = new QHBoxLayout;
    BoutonAjouteValeur = new QPushButton("Add value", zone);
    BoutonAjouteValeur->setObjectName("AddValueBtn");
    ComboValeurs = new QComboBox(zone);
    ComboValeurs->setObjectName("ComboValeurs");
    ComboValeurs->setPlaceholderText(RepousValeurs);
    ComboValeurs->setMinimumContentsLength(24);
    BoutonRetireValeur = new QPushButton("Remove value", zone);
    BoutonRetireValeur->setObjectName("RemoveValueBtn");
    for (QWidget* w : {static_cast<QWidget*>(BoutonAjouteValeur), static_cast<QWidget*>(ComboValeurs),
                       static_cast<QWidget*>(BoutonRetireValeur)}) {
        // Hidden set controls keep their room so nothing jumps.
        QSizePolicy politique = w->sizePolicy();
        politique.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politique);
        ensemble->addWidget(w);
    }
    grille->addLayout(ensemble);

    grille->addWidget(new QLabel("Antecedent:", zone));
    LigneAntecedent = new QLineEdit(zone);
    LigneAntecedent->setObjectName("LigneAntecedent");
    LigneAntecedent->setReadOnly(true);
    grille->addWidget(LigneAntecedent);

    connect(EditAttribut, &QLineEdit::textChanged, this, &TAjoutFaitsDico::AttributChange);
    connect(ListeAttributs, &QListView::clicked, this, &TAjoutFaitsDico::ListeAttributsClick);
    connect(ComboOperateur, &QComboBox::currentIndexChanged, this, &TAjoutFaitsDico::OperateurChange);
    connect(EditValeur, &QLineEdit::textChanged, this, &TAjoutFaitsDico::ValeurChange);
    connect(BoutonAjouteValeur, &QPushButton::clicked, this, &TAjoutFaitsDico::AjouteValeurClick);
    connect(BoutonRetireValeur, &QPushButton::clicked, this, &TAjoutFaitsDico::RetireValeurClick);
    // Enter in the value field adds the value to a set being typed.
    connect(EditValeur, &QLineEdit::returnPressed, this, [this] {
        if (!BoutonAjouteValeur->isHidden()) AjouteValeurClick();
    });
    connect(ComboValeurs, &QComboBox::activated, this, &TAjoutFaitsDico::ActiveAjout);
    for (QWidget* w : {static_cast<QWidget*>(EditAttribut), static_cast<QWidget*>(ComboOperateur),
                       static_cast<QWidget*>(EditValeur), static_cast<QWidget*>(ComboValeurs),
                       static_cast<QWidget*>(LigneAntecedent)})
        w->installEventFilter(this);
    return zone;
}

QWidget* TAjoutFaitsDico::ConstruitDictionnaire() {
    auto* zone = new QWidget(this);
    auto* colonne = new QVBoxLayout(zone);
    colonne->setContentsMargins(0, 0, 0, 0);
    LabelDico = new QLabel("Data Dictionary:", zone);
    LabelDico->setObjectName("LabelDico");
    colonne->addWidget(LabelDico);
    ModeleDico = new TModeleLignes(this, [this](int ligne) {
        return Texte(PropEnChaine(Etat.Base.Dictionnaire[static_cast<std::size_t>(ligne)], Etat.Base.SeparateurDecimal));
    });
    ListeDico = VueLignes(zone, "ListeDico", ModeleDico);
    colonne->addWidget(ListeDico, 1);
    ListeDico->viewport()->installEventFilter(this);
    ListeDico->installEventFilter(this);

    auto* images = new QHBoxLayout;
    ImageDico = Picture(":/pictures/dictionary.svg", "ImageDico", zone);
    ImagePoubelle = Picture(":/pictures/trash.svg", "ImagePoubelle", zone);
    QSizePolicy politique = ImagePoubelle->sizePolicy();
    politique.setRetainSizeWhenHidden(true);
    ImagePoubelle->setSizePolicy(politique);
    ImagePoubelle->hide();
    images->addWidget(ImageDico);
    images->addStretch();
    images->addWidget(ImagePoubelle);
    images->addSpacing(24);
    colonne->addLayout(images);
    return zone;
}

void TAjoutFaitsDico::ConstruitEtiquettes() {
    static const char* const ajouts[] = {"EtiquetteAjout1", "EtiquetteAjout2", "EtiquetteAjout3", "EtiquetteAjout4"};
    static const char* const retraits[] = {"EtiquetteRetrait1", "EtiquetteRetrait2", "EtiquetteRetrait3",
                                           "EtiquetteRetrait4"};
    for (std::size_t i = 0; i < 4; ++i) {
        EtiquettesAjout[i] = Etiquette(ajouts[i], Qt::blue, false, this);
        EtiquettesRetrait[i] = Etiquette(retraits[i], Qt::red, true, this);
    }
}

void TAjoutFaitsDico::Initialise() {
    TrouveLesAttributs();
    {
        QSignalBlocker blocage(ComboOperateur);
        ComboOperateur->clear();
        for (const char* op : Operateurs) ComboOperateur->addItem(op);
        ComboOperateur->setCurrentIndex(-1);
    }
    MontreControlesEnsemble(false);
    Fait.Liste.clear();
    ComboValeurs->clear();
    Fait.AttributValide = Fait.OperateurValide = Fait.ValeurValide = false;
    BoutonAjout->setEnabled(true);
    BoutonRetrait->setEnabled(false);
    Affiche();
    AffFait();
    // Typing starts with the attribute.
    EditAttribut->setFocus();
}

int TAjoutFaitsDico::Ouvre() {
    Initialise();
    return ExecuteModale(*this);
}

void TAjoutFaitsDico::Affiche() {
    const TBaseConnaissances& base = Etat.Base;
    LabelDico->setText(Texte(TitreDico(base.NbFaitsDico)));
    ModeleDico->Remplit(base.NbFaitsDico < 1 ? 0 : static_cast<int>(base.Dictionnaire.size()));
}

void TAjoutFaitsDico::TrouveLesAttributs() {
    Attributs = veridane::TrouveLesAttributs(Etat.Base);
    // In the order of the texts shown, character by character.
    static const auto caracteres = [] {
        std::array<char32_t, 256> table{};
        for (int octet = 0; octet < 256; ++octet) table[static_cast<std::size_t>(octet)] = CaractereWindows1252(static_cast<unsigned char>(octet));
        return table;
    }();
    std::sort(Attributs.begin(), Attributs.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return caracteres[static_cast<unsigned char>(x)] < caracteres[static_cast<unsigned char>(y)];
        });
    });
    // The "empty" notice is not an attribute to pick.
    ModeleAttributs->LigneInerte(Attributs.size() == 1 && Attributs.front() == AttributsDicoVide ? 0 : -1);
    ModeleAttributs->Remplit(static_cast<int>(Attributs.size()));
}

void TAjoutFaitsDico::AffFait() { LigneAntecedent->setText(Texte(Fait.AffFait(Etat.Base.SeparateurDecimal))); }

void TAjoutFaitsDico::ActiveAjout() {
    BoutonAjout->setEnabled(true);
    BoutonRetrait->setEnabled(false);
}

void TAjoutFaitsDico::ActiveRetrait() {
    BoutonRetrait->setEnabled(true);
    BoutonAjout->setEnabled(false);
}

bool TAjoutFaitsDico::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::MouseButtonPress || evenement->type() == QEvent::FocusIn) {
        if (objet == ListeDico || objet == ListeDico->viewport())
            ActiveRetrait();
        else
            ActiveAjout();
    }
    return QDialog::eventFilter(objet, evenement);
}

void TAjoutFaitsDico::AttributChange() {
    ActiveAjout();
    Fait.ChangeAttribut(Octets(EditAttribut->text()));
    AffFait();
}

void TAjoutFaitsDico::ListeAttributsClick() {
    const QModelIndex ligne = ListeAttributs->currentIndex();
    if (!ligne.isValid() || !(ligne.flags() & Qt::ItemIsEnabled)) return;
    {
        QSignalBlocker blocage(EditAttribut);
        EditAttribut->setText(ligne.data().toString());
    }
    AttributChange();
}

void TAjoutFaitsDico::MontreControlesEnsemble(bool visibles) {
    BoutonAjouteValeur->setVisible(visibles);
    ComboValeurs->setVisible(visibles);
    BoutonRetireValeur->setVisible(visibles);
}

void TAjoutFaitsDico::OperateurChange() {
    ActiveAjout();
    const int index = ComboOperateur->currentIndex();
    std::uint8_t code = OpAucun;
    if (index >= 0) {
        std::size_t pos = 0;
        code = TrouveOperateur(Majuscules(Octets(ComboOperateur->itemText(index))), pos);
    }
    const bool ensemble = Fait.ChoisitOperateur(code);
    if (code != OpAucun) {
        Vide(EditValeur);
        MontreControlesEnsemble(ensemble);
    }
    AffFait();
}

void TAjoutFaitsDico::ValeurChange() {
    Fait.ChangeValeur(Octets(EditValeur->text()));
    AffFait();
}

void TAjoutFaitsDico::AjouteValeurClick() {
    BoutonRetrait->setEnabled(false);
    const std::string mot = Fait.AjouteValeur(Octets(EditValeur->text()));
    if (!mot.empty()) {
        ComboValeurs->addItem(Texte(mot));
        ComboValeurs->setCurrentIndex(-1);
        ComboValeurs->show();
    }
    Vide(EditValeur);
    AffFait();
}

void TAjoutFaitsDico::RetireValeurClick() {
    BoutonRetrait->setEnabled(false);
    const int index = ComboValeurs->currentIndex();
    if (index < 0 || !Fait.RetireValeur(static_cast<std::size_t>(index))) return;
    ComboValeurs->removeItem(index);
    ComboValeurs->setCurrentIndex(-1);
    AffFait();
}

void TAjoutFaitsDico::Reinitialise() {
    Fait.Reinitialise();
    Vide(EditAttribut);
    Vide(EditValeur);
    ComboValeurs->clear();
    ComboValeurs->setCurrentIndex(-1);
    MontreControlesEnsemble(false);
    {
        QSignalBlocker blocage(ComboOperateur);
        ComboOperateur->setCurrentIndex(-1);
    }
    AffFait();
}

void TAjoutFaitsDico::AddClick() {
    // One animation at a time: the entry and the index it was accepted with
    // must be the ones its last step uses.
    if (AnimationEnCours()) return;
    TControleAjout controle = ControleAjout(Fait, Etat.Base.Dictionnaire, Dialogues);
    if (controle.Verdict == TVerdictAjout::Doublon) Reinitialise();
    if (controle.Verdict != TVerdictAjout::Accepte) return;
    EntreeAjoutee = Fait.Proposition();
    IndexInsertion = controle.Index;
    Direction = TDirection::Ajout;
    Compteur = 1;
    for (QLabel* label : EtiquettesAjout) label->setText(Texte(Fait.Attribut));
    Timer1.start();
}

void TAjoutFaitsDico::RemoveClick() {
    if (AnimationEnCours()) return;
    const int ligne = LigneChoisie(ListeDico);
    if (ligne < 0 || static_cast<std::size_t>(ligne) >= Etat.Base.Dictionnaire.size()) return;
    const TProposition& entree = Etat.Base.Dictionnaire[static_cast<std::size_t>(ligne)];
    if (!ControleRetrait(Etat.Base, entree, Dialogues)) return;
    IndexRetrait = static_cast<std::size_t>(ligne);
    Direction = TDirection::Retrait;
    Compteur = 0;
    for (QLabel* label : EtiquettesRetrait) label->setText(Texte(entree.Attribut));
    Timer1.start();
}

void TAjoutFaitsDico::Timer1Timer() {
    Timer1.setInterval(DelaiAnimation(200));
    if (Direction == TDirection::Ajout)
        DeplaceAdd();
    else
        DeplaceRemove();
    ++Compteur;
}

void TAjoutFaitsDico::MontreEtiquette(std::array<QLabel*, 4>& etiquettes, int etape, QPoint a, QPoint b) {
    CacheEtiquettes();
    QLabel* label = etiquettes[static_cast<std::size_t>(etape - 1)];
    const QPoint point = a + (b - a) * (etape / 5.0);
    label->adjustSize();
    label->move(point - QPoint(label->width() / 2, label->height() / 2));
    label->raise();
    label->show();
}

void TAjoutFaitsDico::CacheEtiquettes() {
    for (QLabel* label : EtiquettesAjout) label->hide();
    for (QLabel* label : EtiquettesRetrait) label->hide();
}

void TAjoutFaitsDico::DeplaceAdd() {
    if (Compteur >= 1 && Compteur <= 4) {
        // From just above the end of the antecedent line to the dictionary.
        const QPoint depart = LigneAntecedent->mapTo(this, QPoint(LigneAntecedent->width(), -LigneAntecedent->height()));
        MontreEtiquette(EtiquettesAjout, Compteur, depart, Centre(this, ImageDico));
        return;
    }
    if (Compteur != 5) return;
    CacheEtiquettes();
    Timer1.stop();
    TBaseConnaissances& base = Etat.Base;
    const std::size_t index = base.NbFaitsDico != 0 ? IndexInsertion : base.Dictionnaire.size();
    InsereAuDico(base, EntreeAjoutee, index);
    Etat.Commandes.DicoNonVide();
    Affiche();
    Reinitialise();
    TrouveLesAttributs();
}

void TAjoutFaitsDico::DeplaceRemove() {
    if (Compteur >= 1 && Compteur <= 4) {
        ImagePoubelle->show();
        MontreEtiquette(EtiquettesRetrait, Compteur, Centre(this, ImageDico), Centre(this, ImagePoubelle));
        return;
    }
    if (Compteur != 5) return;
    CacheEtiquettes();
    ImagePoubelle->hide();
    Timer1.stop();
    RetireDuDico(Etat.Base, IndexRetrait);
    TrouveLesAttributs();
    Affiche();
    AffFait();
    if (Etat.Base.NbFaitsDico == 0) Etat.Commandes.DicoVide();
}

void TAjoutFaitsDico::AppliqueFermeture() {
    // An animation under way is finished first, so the change it shows is
    // made before the main window looks at the dictionary.
    while (AnimationEnCours()) Timer1Timer();
    TEtatCommandes& commandes = Etat.Commandes;
    if (Etat.Base.NbFaitsDico == 0) {
        commandes.BoutonBaseFaits = false;
        commandes.VoirDonneesBase = false;
        commandes.MenuInference = false;
    } else {
        commandes.DicoNonVide();
    }
}

void TAjoutFaitsDico::Close1Click() {
    AppliqueFermeture();
    QDialog::accept();
}

void TAjoutFaitsDico::reject() {
    AppliqueFermeture();
    QDialog::reject();
}

}  // namespace veridane
