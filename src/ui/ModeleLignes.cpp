#include "ui/ModeleLignes.h"

#include <algorithm>

#include <QItemSelectionModel>

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
