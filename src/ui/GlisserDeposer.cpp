#include "ui/GlisserDeposer.h"

#include <QDrag>
#include <QItemSelectionModel>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace veridane {

QMimeData* NouvelleLigneGlissee(const QString& source, int ligne) {
    auto* donnees = new QMimeData;
    donnees->setData(MimeLigneGlissee, (source + QLatin1Char('\n') + QString::number(ligne)).toUtf8());
    donnees->setText(source);
    return donnees;
}

std::optional<TLigneGlissee> LigneGlissee(const QMimeData* donnees) {
    if (donnees == nullptr || !donnees->hasFormat(MimeLigneGlissee)) return std::nullopt;
    const QStringList parties = QString::fromUtf8(donnees->data(MimeLigneGlissee)).split(QLatin1Char('\n'));
    if (parties.size() != 2) return std::nullopt;
    bool nombre = false;
    const int ligne = parties[1].toInt(&nombre);
    if (!nombre || ligne < 0) return std::nullopt;
    return TLigneGlissee{parties[0], ligne};
}

namespace {

// Whether the rule takes the data of this drag.
std::optional<TLigneGlissee> LigneAcceptee(const TRegleDepot& regle, const QMimeData* donnees) {
    if (!regle.Accepte) return std::nullopt;
    auto ligne = LigneGlissee(donnees);
    if (!ligne || !regle.Accepte(ligne->Source)) return std::nullopt;
    return ligne;
}

void EntreeOuPassage(const TRegleDepot& regle, QDropEvent* event) {
    if (LigneAcceptee(regle, event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void Depot(const TRegleDepot& regle, QDropEvent* event) {
    auto ligne = LigneAcceptee(regle, event->mimeData());
    if (!ligne) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    regle.Depose(ligne->Source, ligne->Ligne);
}

}  // namespace

TListeGlisser::TListeGlisser(QWidget* parent, TModeleLignes::TEcriture ecriture)
    : QListView(parent), Modele(new TModeleLignes(this, std::move(ecriture))) {
    setModel(Modele);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
}

void TListeGlisser::DefinitDepot(TRegleDepot regle) {
    Regle = std::move(regle);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
}

void TListeGlisser::Choisit(int ligne) {
    selectionModel()->setCurrentIndex(Modele->index(ligne, 0), QItemSelectionModel::ClearAndSelect);
}

void TListeGlisser::mousePressEvent(QMouseEvent* event) {
    QListView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    emit Presse(index.isValid() ? index.row() : -1);
}

void TListeGlisser::startDrag(Qt::DropActions) {
    const int ligne = currentIndex().row();
    if (ligne < 0) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(NouvelleLigneGlissee(objectName(), ligne));
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void TListeGlisser::dragEnterEvent(QDragEnterEvent* event) { EntreeOuPassage(Regle, event); }
void TListeGlisser::dragMoveEvent(QDragMoveEvent* event) { EntreeOuPassage(Regle, event); }
void TListeGlisser::dropEvent(QDropEvent* event) { Depot(Regle, event); }

TImageCible::TImageCible(QWidget* parent) : QLabel(parent) { setAlignment(Qt::AlignCenter); }

void TImageCible::DefinitDepot(TRegleDepot regle) {
    Regle = std::move(regle);
    setAcceptDrops(true);
}

void TImageCible::dragEnterEvent(QDragEnterEvent* event) { EntreeOuPassage(Regle, event); }
void TImageCible::dragMoveEvent(QDragMoveEvent* event) { EntreeOuPassage(Regle, event); }
void TImageCible::dropEvent(QDropEvent* event) { Depot(Regle, event); }

}  // namespace veridane
