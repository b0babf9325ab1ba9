#include "DialoguesQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "Conversion.h"

namespace veridane {

namespace {

const char* const TitreBoites = "Veridane";

QMessageBox::StandardButtons BoutonsQt(TBoutons boutons) {
    switch (boutons) {
    case TBoutons::Ok: return QMessageBox::Ok;
    case TBoutons::OuiNon: return QMessageBox::Yes | QMessageBox::No;
    case TBoutons::OuiNonAnnuler: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconeQt(TGenreMessage genre) {
    switch (genre) {
    case TGenreMessage::Avertissement: return QMessageBox::Warning;
    case TGenreMessage::Information: return QMessageBox::Information;
    case TGenreMessage::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

TReponse ReponseDe(int bouton) {
    switch (bouton) {
    case QMessageBox::Yes: return TReponse::Oui;
    case QMessageBox::No: return TReponse::Non;
    case QMessageBox::Cancel: return TReponse::Annuler;
    default: return TReponse::Ok;
    }
}

// A name typed without extension takes the one of the chosen filter.
QString AvecExtension(const QString& chemin, const QString& filtre) {
    if (!QFileInfo(chemin).suffix().isEmpty()) return chemin;
    qsizetype point = filtre.indexOf("(*.");
    if (point < 0 || filtre.contains("*.*")) return chemin;
    return chemin + filtre.mid(point + 2, filtre.size() - point - 3);
}

}  // namespace

QWidget* TDialoguesQt::Proprietaire() const {
    // Over the window in front, so a box asked by a secondary window is
    // centred on it.
    if (QWidget* modale = QApplication::activeModalWidget()) return modale;
    return Parent;
}

TReponse TDialoguesQt::Message(TGenreMessage genre, const std::string& texte, TBoutons boutons) {
    if (!ReponsesSuivantes.empty()) {
        TReponse reponse = ReponsesSuivantes.front();
        ReponsesSuivantes.pop_front();
        return reponse;
    }
    QMessageBox boite(IconeQt(genre), TitreBoites, Texte(texte), BoutonsQt(boutons), Proprietaire());
    // Closing a question by its frame answers No, or Cancel when offered.
    if (boutons == TBoutons::OuiNonAnnuler)
        boite.setEscapeButton(QMessageBox::Cancel);
    else if (boutons == TBoutons::OuiNon)
        boite.setEscapeButton(QMessageBox::No);
    return ReponseDe(boite.exec());
}

std::optional<std::string> TDialoguesQt::ChoisitFichierAOuvrir(const std::string& motif) {
    return ChoisitFichier(motif, false);
}

std::optional<std::string> TDialoguesQt::ChoisitFichierAEnregistrer(const std::string& motif) {
    return ChoisitFichier(motif, true);
}

QStringList TDialoguesQt::FiltresOuverture() {
    return {"Project (*.exp)",          "File of rules (*.rul)", "Data base (*.dta)",
            "Data dictionnary (*.dic)", "Text file (*.txt)",     "All files (*.*)"};
}

QStringList TDialoguesQt::FiltresEnregistrement(const std::string& motif) {
    if (Texte(motif).compare("*.pdf", Qt::CaseInsensitive) == 0) return {"PDF file (*.pdf)"};
    return {"Project (*.exp)", "Data base (*.dta)"};
}

QString TDialoguesQt::FiltreDuMotif(const QStringList& filtres, const std::string& motif) {
    QString cherche = "(" + Texte(motif).toLower() + ")";
    for (const QString& filtre : filtres)
        if (filtre.endsWith(cherche)) return filtre;
    return filtres.isEmpty() ? QString() : filtres.front();
}

QString TDialoguesQt::RepertoireInitial() const {
    const std::string projet = RepertoireProjet ? RepertoireProjet() : std::string();
    if (!projet.empty() && QFileInfo(Texte(projet)).isDir()) return Texte(projet);
    return DernierRepertoire;
}

std::optional<std::string> TDialoguesQt::ChoisitFichier(const std::string& motif, bool enregistrer) {
    if (!FichiersSuivants.empty()) {
        auto fichier = FichiersSuivants.front();
        FichiersSuivants.pop_front();
        return fichier;
    }
    QStringList filtres = enregistrer ? FiltresEnregistrement(motif) : FiltresOuverture();
    QString filtre = FiltreDuMotif(filtres, motif);
    const QString repertoire = RepertoireInitial();
    QString chemin = enregistrer
                         ? QFileDialog::getSaveFileName(Proprietaire(), QString(), repertoire, filtres.join(";;"), &filtre)
                         : QFileDialog::getOpenFileName(Proprietaire(), QString(), repertoire, filtres.join(";;"), &filtre);
    if (chemin.isEmpty()) return std::nullopt;
    DernierRepertoire = QFileInfo(chemin).absolutePath();
    if (enregistrer) chemin = AvecExtension(chemin, filtre);
    return Octets(chemin);
}

}  // namespace veridane
