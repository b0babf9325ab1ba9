#include "ui/ModeleLignes.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QProxyStyle>
#include <QStyleFactory>

#include "core/knowledge_base.h"
#include "core/proposition.h"
#include "ui/Conversion.h"

namespace veridane {

namespace {

// The drop-down lists of a whole dictionary open as a list under the field:
// the popup that opens over the field measures the width and height of
// every choice first, seconds for 700,000 entries.
class TStyleListeLongue : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint indice, const QStyleOption* option, const QWidget* controle,
                  QStyleHintReturn* retour) const override {
        if (indice == QStyle::SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(indice, option, controle, retour);
    }
};

}  // namespace

void TModeleLignes::Remplit(int nombre) {
    beginResetModel();
    nombre_ = std::max(0, nombre);
    endResetModel();
}

void TModeleLignes::Publie(int nombre) {
    if (nombre <= nombre_) return;
    beginInsertRows(QModelIndex(), nombre_, nombre - 1);
    nombre_ = nombre;
    endInsertRows();
}

int TModeleLignes::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : nombre_; }

QModelIndex TModeleLignes::index(int ligne, int colonne, const QModelIndex& parent) const {
    if (ligne < 0 || ligne >= nombre_ || colonne != 0 || parent.isValid()) return {};
    return createIndex(ligne, colonne);
}

QVariant TModeleLignes::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= nombre_ || !ecriture_) return {};
    return ecriture_(index.row());
}

Qt::ItemFlags TModeleLignes::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() == inerte_) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

QListView* VueLignes(QWidget* parent, const char* nom, TModeleLignes* modele, bool multiple) {
    auto* vue = new QListView(parent);
    vue->setObjectName(nom);
    vue->setUniformItemSizes(true);
    vue->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vue->setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    vue->setModel(modele);
    return vue;
}

TModeleLignes* ModeleDictionnaire(QObject* parent, const TBaseConnaissances& base) {
    return new TModeleLignes(parent, [&base](int ligne) {
        return Texte(PropEnChaine(base.Dictionnaire[static_cast<std::size_t>(ligne)], base.SeparateurDecimal));
    });
}

TModeleObservation::TModeleObservation(QObject* parent, const TBaseConnaissances& base,
                                       const TObservations& observations)
    : TModeleLignes(parent, [this](int ligne) { return Ligne(ligne); }), base_(base), observations_(observations) {}

QString TModeleObservation::Ligne(int ligne) const {
    static const QString aucune(" No data ");
    if (vide_) return aucune;
    if (indice_ < 0 || static_cast<std::size_t>(indice_) >= observations_.size()) return {};
    const auto& observation = observations_[static_cast<std::size_t>(indice_)];
    if (observation.empty()) return aucune;
    if (static_cast<std::size_t>(ligne) >= observation.size()) return {};
    return Texte(PropEnSupChaine(observation[static_cast<std::size_t>(ligne)], base_.SeparateurDecimal));
}

void TModeleObservation::Montre(int indice) {
    vide_ = false;
    indice_ = indice;
    if (indice < 0 || static_cast<std::size_t>(indice) >= observations_.size()) {
        indice_ = -1;
        Remplit(0);
        return;
    }
    Remplit(std::max(1, static_cast<int>(observations_[static_cast<std::size_t>(indice)].size())));
}

void TModeleObservation::MontreVide() {
    vide_ = true;
    indice_ = -1;
    Remplit(1);
}

void ChoixDuModele(QComboBox* liste, TModeleLignes* modele) {
    liste->setModel(modele);
    if (auto* vue = qobject_cast<QListView*>(liste->view())) vue->setUniformItemSizes(true);
    auto* style = new TStyleListeLongue(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(liste);
    liste->setStyle(style);
}

int LigneChoisie(const QListView* vue) {
    const QModelIndex courante = vue->currentIndex();
    if (!courante.isValid() || !vue->selectionModel()->isSelected(courante)) return -1;
    return courante.row();
}

QList<int> LignesChoisies(const QListView* vue) {
    QList<int> lignes;
    for (const QModelIndex& index : vue->selectionModel()->selectedIndexes()) lignes << index.row();
    std::sort(lignes.begin(), lignes.end());
    return lignes;
}

}  // namespace veridane
