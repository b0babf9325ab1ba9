#include "outils.h"

#include <QFile>
#include <QMenu>

#include "core/journal.h"
#include "project/cycle_projet.h"
#include "ui/Conversion.h"

namespace veridane {

TProjetDemo::TProjetDemo() {
    for (const char* nom : {"car.exp", "car.rul", "car.dic", "car.dta"}) {
        QString source = QString(VERIDANE_EXAMPLES) + "/" + nom;
        if (!QFile::copy(source, Dossier.filePath(nom))) qFatal("cannot copy %s", qPrintable(source));
    }
}

std::string TProjetDemo::Chemin(const QString& nom) const { return Octets(Dossier.filePath(nom)); }

QAction* Action(QObject& fenetre, const char* nom) {
    auto* action = fenetre.findChild<QAction*>(nom);
    if (action == nullptr) qFatal("no action %s", nom);
    return action;
}

bool Utilisable(QObject& fenetre, const char* nom) {
    QAction* action = Action(fenetre, nom);
    if (!action->isEnabled() || !action->isVisible()) return false;
    for (QObject* objet : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(objet); menu && !menu->menuAction()->isEnabled()) return false;
    return true;
}

namespace {

class TFenetresMuettes : public IFenetresProjet {
public:
    TChoixNouveauProjet NouveauProjet() override { return TChoixNouveauProjet::Annuler; }
    void GestionnaireDico() override {}
    void MontreProjet() override {}
    void ChangeComment(bool) override {}
};

}  // namespace

TEtatVeridane EtatDemo() {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TFenetresMuettes fenetres;
    TProgressionMuette progression;
    if (!TCycleProjet(etat, fenetres, journal, progression).OuvreProjet(VERIDANE_TEST_DATA "/demo/car.exp"))
        qFatal("demo project not read");
    return etat;
}

}  // namespace veridane
