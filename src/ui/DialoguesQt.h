// The dialog interface on Qt message boxes and file dialogs. Tests and
// scripted runs can queue the next answers and file names: a queued answer is
// returned without showing anything.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "core/dialogues.h"

class QWidget;

namespace veridane {

class TDialoguesQt : public IDialogues {
public:
    explicit TDialoguesQt(QWidget* parent = nullptr) : Parent(parent) {}

    TReponse Message(TGenreMessage genre, const std::string& texte, TBoutons boutons) override;
    std::optional<std::string> ChoisitFichierAOuvrir(const std::string& motif) override;
    std::optional<std::string> ChoisitFichierAEnregistrer(const std::string& motif) override;

    void ChangeParent(QWidget* parent) { Parent = parent; }
    // The current project's directory (Windows-1252 bytes, empty when no
    // project is named): the file dialogs open there, or else in the
    // directory of the last file chosen.
    void SuitProjet(std::function<std::string()> repertoire) { RepertoireProjet = std::move(repertoire); }
    QString RepertoireInitial() const;

    // Answers and file names given to the next boxes and file dialogs
    // instead of showing them (nothing in a file entry means cancelled).
    std::deque<TReponse> ReponsesSuivantes;
    std::deque<std::optional<std::string>> FichiersSuivants;

    // The filters of the two file dialogs, and the one an initial pattern
    // ("*.exp", "*.rul", "*.dta") selects among them.
    static QStringList FiltresOuverture();
    // A printout ("*.pdf") is saved only as a PDF file.
    static QStringList FiltresEnregistrement(const std::string& motif = "*.exp");
    static QString FiltreDuMotif(const QStringList& filtres, const std::string& motif);

private:
    QWidget* Proprietaire() const;
    std::optional<std::string> ChoisitFichier(const std::string& motif, bool enregistrer);

    QWidget* Parent;
    std::function<std::string()> RepertoireProjet;
    QString DernierRepertoire;
};

}  // namespace veridane
