// The editor of one case line: "Observation K[ critical V]: expect P; ...".
// While a proposition is typed after "expect " or "reject ", the entries of
// the data dictionary that begin with what was typed are offered; choosing
// one puts it in place. "OK" keeps the line only when it reads as a case
// (its warning says why not, and the editor stays open).
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "verification/fichier_cas.h"

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace veridane {

class IDialogues;
struct TBaseConnaissances;

class TEditCas : public QDialog {
    Q_OBJECT
public:
    // `numero` is the line's number in the cases file, named by a warning.
    TEditCas(const TBaseConnaissances& base, IDialogues& dialogues, const std::string& ligne, int numero,
             QWidget* parent = nullptr);

    // The case read when "OK" was pressed.
    const std::optional<TCas>& Cas() const { return Lu; }

public slots:
    void OKClick();
    void LigneEditee(const QString& texte);
    void PropositionChoisie(const QString& proposition);

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    // Where the proposition being typed starts (after the keyword of the
    // clause under the cursor); -1 when the cursor is not in one.
    int DebutProposition() const;

    IDialogues& Dialogues;
    int Numero;
    std::optional<TCas> Lu;
    QLineEdit* Ligne;
    QCompleter* Completion;
};

}  // namespace veridane
