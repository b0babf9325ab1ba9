#include "ui/ModeleLignes.h"

#include <algorithm>

#include <QComboBox>
#include <QItemSelectionModel>

#include "core/knowledge_base.h"
#include "core/proposition.h"
#include "ui/Conversion.h"

namespace veridane {

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

TModeleObservation::TModeleObservation(QObject* parent, const TBaseConnaissances& base)
    : TModeleLignes(parent, [this, &base](int ligne) {
          if (observation_ == nullptr) return QString();
          if (observation_->empty()) return QString(" No data ");
          return Texte(PropEnSupChaine((*observation_)[static_cast<std::size_t>(ligne)], base.SeparateurDecimal));
      }) {}

void TModeleObservation::Montre(const std::vector<TProposition>* observation) {
    observation_ = observation;
    Remplit(observation == nullptr ? 0 : std::max<int>(1, static_cast<int>(observation->size())));
}

void ChoixDuModele(QComboBox* liste, TModeleLignes* modele) {
    liste->setModel(modele);
    if (auto* vue = qobject_cast<QListView*>(liste->view())) vue->setUniformItemSizes(true);
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
