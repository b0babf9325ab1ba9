// The main window as a desktop program: the projects it remembers from one
// start to the next, and project files dropped on it. Each test program has
// a settings directory of its own (XDG_CONFIG_HOME), emptied here first.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Conversion.h"
#include "ui/Menu_ex.h"

using namespace veridane;
using namespace veridane::geste;

namespace {

std::unique_ptr<QMimeData> Fichiers(const QList<QUrl>& adresses) {
    auto donnees = std::make_unique<QMimeData>();
    donnees->setUrls(adresses);
    return donnees;
}

// Drags `donnees` over the window; true when the window offers to take it.
bool Accepte(TMenuExpert& menu, const QMimeData& donnees) {
    QDragEnterEvent entree(QPoint(200, 200), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&menu, &entree);
    return entree.isAccepted();
}

// A drop comes after the drag entered the window, as with a mouse.
void Depose(TMenuExpert& menu, const QMimeData& donnees) {
    Accepte(menu, donnees);
    QDropEvent depot(QPointF(200, 200), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&menu, &depot);
}

QStringList Recents(TMenuExpert& menu) {
    QStringList chemins;
    for (QAction* item : menu.findChild<QMenu*>("Recentprojects1")->actions()) chemins << item->statusTip();
    return chemins;
}

}  // namespace

class BureauTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QSettings("Veridane", "Veridane").clear();
    }

    void DeposerUnProjetLOuvreEtLeRetientPourLeDemarrageSuivant() {
        TProjetDemo demo;
        const QString projet = Texte(demo.Projet());
        {
            TMenuExpert menu;
            menu.show();
            QVERIFY(Recents(menu).isEmpty());
            auto donnees = Fichiers({QUrl::fromLocalFile(projet)});
            QVERIFY(Accepte(menu, *donnees));
            TParcours parcours;
            parcours.Puis("*", Clique("OK"));  // the project's abstract
            QVERIFY2(parcours.Execute([&] { Depose(menu, *donnees); }), qPrintable(parcours.Erreur()));
            QCOMPARE(menu.windowTitle(), QString("Veridane - car.EXP"));
            QCOMPARE(TexteDe(menu, "TitreEtatObs"), QString("Observation 1: 7 data"));
            QCOMPARE(Recents(menu), QStringList{projet});
            menu.close();
        }
        // The next start offers it again under File > Recent projects.
        TMenuExpert menu;
        menu.show();
        QCOMPARE(Recents(menu), QStringList{projet});
        QCOMPARE(menu.windowTitle(), QString("Veridane"));
        TParcours parcours;
        parcours.Puis("*", Clique("OK"));
        QVERIFY2(parcours.Choisit(menu, "RecentProject1"), qPrintable(parcours.Erreur()));
        QCOMPARE(menu.windowTitle(), QString("Veridane - car.EXP"));

        // Gone from the disk: said so, and taken off the list.
        QVERIFY(QFile::remove(projet));
        TParcours manquant;
        manquant.Puis("The project ", Clique("OK"));
        QVERIFY2(manquant.Choisit(menu, "RecentProject1"), qPrintable(manquant.Erreur()));
        QVERIFY2(manquant.Vus.join('\n').contains("no longer exists"), qPrintable(manquant.Vus.join('\n')));
        QVERIFY(Recents(menu).isEmpty());
        QVERIFY(!menu.findChild<QMenu*>("Recentprojects1")->isEnabled());
    }

    void SeulUnFichierDeProjetPeutEtreDepose() {
        TProjetDemo demo;
        TMenuExpert menu;
        menu.show();
        const QUrl projet = QUrl::fromLocalFile(Texte(demo.Projet()));
        const struct {
            const char* Quoi;
            QList<QUrl> Adresses;
        } refus[] = {
            {"a rules file", {QUrl::fromLocalFile(Texte(demo.Chemin("car.rul")))}},
            {"two projects", {projet, projet}},
            {"a project on the network", {QUrl("https://example.org/car.exp")}},
            {"a project that does not exist", {QUrl::fromLocalFile(Texte(demo.Chemin("none.exp")))}},
        };
        for (const auto& cas : refus) QVERIFY2(!Accepte(menu, *Fichiers(cas.Adresses)), cas.Quoi);
        Depose(menu, *Fichiers({QUrl::fromLocalFile(Texte(demo.Chemin("car.rul")))}));
        QCOMPARE(menu.windowTitle(), QString("Veridane"));
    }

    void UnProjetChangeDemandeAEtreEnregistreAvantLeDepot() {
        TProjetDemo demo;
        TMenuExpert menu;
        menu.show();
        const auto projet = Fichiers({QUrl::fromLocalFile(Texte(demo.Projet()))});
        TParcours ouverture;
        ouverture.Puis("*", Clique("OK"));
        QVERIFY2(ouverture.Execute([&] { Depose(menu, *projet); }), qPrintable(ouverture.Erreur()));
        menu.Etat().Faits.BaseFaitsModifiee = true;
        // The same question as "Open project"; No opens it again unsaved.
        TParcours question;
        question.Puis("Current project has changed, save it?", Clique("No")).Puis("*", Clique("OK"));
        QVERIFY2(question.Execute([&] { Depose(menu, *projet); }), qPrintable(question.Erreur()));
        QVERIFY(!menu.Etat().Faits.BaseFaitsModifiee);
        QCOMPARE(menu.windowTitle(), QString("Veridane - car.EXP"));
    }
};

QTEST_MAIN(BureauTest)
#include "bureau_test.moc"
