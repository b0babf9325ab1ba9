#include "parcours.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace veridane {

namespace {

QElapsedTimer& Horloge() {
    static QElapsedTimer horloge = [] {
        QElapsedTimer h;
        h.start();
        return h;
    }();
    return horloge;
}

QString SansEsperluette(QString texte) { return texte.remove('&'); }

QString Description(QWidget& fenetre) {
    if (auto* boite = qobject_cast<QMessageBox*>(&fenetre)) return boite->text();
    return fenetre.windowTitle();
}

bool Reconnue(QWidget& fenetre, const QString& attendu) {
    if (attendu == "*" || fenetre.objectName() == attendu || fenetre.windowTitle() == attendu ||
        QString(fenetre.metaObject()->className()) == attendu)
        return true;
    auto* boite = qobject_cast<QMessageBox*>(&fenetre);
    return boite != nullptr && boite->text().startsWith(attendu);
}

// The widget a person would click for an action: its tool button when it
// has a visible one.
QAbstractButton* BoutonDe(QAction& action) {
    for (QObject* objet : action.associatedObjects())
        if (auto* barre = qobject_cast<QToolBar*>(objet))
            if (auto* bouton = qobject_cast<QAbstractButton*>(barre->widgetForAction(&action));
                bouton && bouton->isVisible())
                return bouton;
    return nullptr;
}

}  // namespace

bool ActionUtilisable(QAction& action) {
    if (!action.isEnabled() || !action.isVisible()) return false;
    for (QObject* objet : action.associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(objet); menu && !menu->menuAction()->isEnabled()) return false;
    return true;
}

TParcours::TParcours() {
    Minuterie.setInterval(10);
    QObject::connect(&Minuterie, &QTimer::timeout, [this] { Veille(); });
}

TParcours::~TParcours() = default;

TParcours& TParcours::Puis(const QString& attendu, TGeste geste, std::function<bool(QWidget&)> pret) {
    Reponses.push_back({attendu, std::move(geste), std::move(pret)});
    return *this;
}

bool TParcours::Choisit(QWidget& fenetre, const char* nom) {
    return Execute([this, &fenetre, nom] {
        if (!UtiliseCommande(fenetre, nom)) Erreurs.append(QString("\"%1\" cannot be used").arg(nom));
    });
}

bool TParcours::Execute(const std::function<void()>& action) {
    const qsizetype erreursAvant = Erreurs.size();
    Minuterie.start();
    // Returns when the windows it opened modally are closed; a window
    // merely shown (the help) may stay up.
    action();
    Minuterie.stop();
    Programmee = false;
    for (const TReponse& reponse : Reponses) Erreurs.append("no window came up for \"" + reponse.Attendu + "\"");
    Reponses.clear();
    return Erreurs.size() == erreursAvant;
}

void TParcours::Veille() {
    QWidget* fenetre = QApplication::activeModalWidget();
    Occupees.removeAll(nullptr);
    if (fenetre == nullptr || !fenetre->isVisible() || Programmee || Occupees.contains(fenetre)) {
        DepuisSansReponse = -1;
        return;
    }
    const bool reconnue = !Reponses.empty() && Reconnue(*fenetre, Reponses.front().Attendu);
    // Waiting is done here, between two looks: a gesture that waited would
    // hold up the event loop the window is running.
    if (reconnue && (!Reponses.front().Pret || Reponses.front().Pret(*fenetre))) {
        TReponse reponse = Reponses.front();
        Reponses.pop_front();
        Vus.append(Description(*fenetre));
        Programmee = true;
        DepuisSansReponse = -1;
        // Not from this timer's own call: a gesture may wait in a window's
        // modal loop, where this timer must go on watching.
        QTimer::singleShot(0, &Minuterie, [this, cible = QPointer<QWidget>(fenetre), reponse] { Joue(cible, reponse); });
        return;
    }
    if (DepuisSansReponse < 0) DepuisSansReponse = Horloge().elapsed();
    if (Horloge().elapsed() - DepuisSansReponse < Delai) return;
    Vus.append(Description(*fenetre));
    if (reconnue)
        Erreurs.append("\"" + Description(*fenetre) + "\" never came to the state its answer waits for");
    else
        Erreurs.append("\"" + Description(*fenetre) + "\" came up, expected " +
                       (Reponses.empty() ? QString("no window") : "\"" + Reponses.front().Attendu + "\""));
    Force(fenetre);
    DepuisSansReponse = -1;
}

void TParcours::Joue(QWidget* fenetre, const TReponse& reponse) {
    Programmee = false;
    if (fenetre == nullptr) return;
    QPointer<QWidget> garde(fenetre);
    Occupees.append(garde);
    reponse.Geste(*fenetre);
    Occupees.removeAll(garde);
}

void TParcours::Force(QWidget* fenetre) {
    // Only to end a journey that went wrong, so that the test returns.
    fenetre->close();
    if (auto* dialogue = qobject_cast<QDialog*>(fenetre); dialogue && dialogue->isVisible()) dialogue->reject();
}

namespace geste {

TParcours::TGeste Clique(const QString& texte) {
    return [texte](QWidget& fenetre) {
        if (!CliqueBouton(fenetre, texte)) qWarning("no button \"%s\" in \"%s\"", qPrintable(texte),
                                                    qPrintable(fenetre.windowTitle()));
    };
}

TParcours::TGeste Tape(const QString& texte, QList<Qt::Key> touches) {
    return [texte, touches](QWidget& fenetre) {
        QWidget* cible = fenetre.focusWidget() ? fenetre.focusWidget() : &fenetre;
        TapeTexte(cible, texte);
        for (Qt::Key touche : touches) {
            cible = fenetre.focusWidget() ? fenetre.focusWidget() : &fenetre;
            QTest::keyClick(cible, touche);
        }
    };
}

TParcours::TGeste Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs) {
    return [touche, modificateurs](QWidget& fenetre) {
        QTest::keyClick(fenetre.focusWidget() ? fenetre.focusWidget() : &fenetre, touche, modificateurs);
    };
}

TParcours::TGeste NommeFichier(const QString& chemin) {
    return [chemin](QWidget& fenetre) {
        auto* champ = fenetre.findChild<QLineEdit*>("fileNameEdit");
        if (champ == nullptr) {
            qWarning("no file name field in \"%s\"", qPrintable(fenetre.windowTitle()));
            return;
        }
        champ->setFocus();
        QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(champ, Qt::Key_Backspace);
        TapeTexte(champ, chemin);
        QTest::keyClick(champ, Qt::Key_Return);
    };
}

TParcours::TGeste Utilise(const char* nom) {
    QByteArray copie(nom);
    return [copie](QWidget& fenetre) {
        if (!UtiliseCommande(fenetre, copie.constData())) qWarning("\"%s\" cannot be used", copie.constData());
    };
}

TParcours::TGeste Suite(std::initializer_list<TParcours::TGeste> gestes) {
    std::vector<TParcours::TGeste> liste(gestes);
    return [liste](QWidget& fenetre) {
        QPointer<QWidget> garde(&fenetre);
        for (const auto& g : liste) {
            if (!garde) return;
            g(fenetre);
        }
    };
}

}  // namespace geste

bool CliqueBouton(QWidget& fenetre, const QString& texte) {
    for (QAbstractButton* bouton : fenetre.findChildren<QAbstractButton*>())
        if (bouton->isVisible() && bouton->isEnabled() && SansEsperluette(bouton->text()) == texte) {
            QTest::mouseClick(bouton, Qt::LeftButton);
            return true;
        }
    return false;
}

bool UtiliseCommande(QWidget& fenetre, const char* nom) {
    if (auto* action = fenetre.findChild<QAction*>(nom)) {
        if (!ActionUtilisable(*action)) return false;
        if (QAbstractButton* bouton = BoutonDe(*action)) {
            QTest::mouseClick(bouton, Qt::LeftButton);
            return true;
        }
        action->trigger();
        return true;
    }
    auto* bouton = fenetre.findChild<QAbstractButton*>(nom);
    if (bouton == nullptr || !bouton->isVisible() || !bouton->isEnabled()) return false;
    QTest::mouseClick(bouton, Qt::LeftButton);
    return true;
}

bool CliqueLigne(QWidget& fenetre, const char* nom, int ligne) {
    auto* liste = fenetre.findChild<QAbstractItemView*>(nom);
    if (liste == nullptr || ligne < 0 || ligne >= liste->model()->rowCount()) return false;
    CliqueLigne(liste, ligne);
    return true;
}

// The line is clicked where the view draws it, whatever its model.
QPoint CentreLigne(QAbstractItemView* liste, int ligne) {
    const QModelIndex element = liste->model()->index(ligne, 0);
    if (!element.isValid()) qFatal("no line %d in %s", ligne, qPrintable(liste->objectName()));
    liste->scrollTo(element);
    return liste->visualRect(element).center();
}

void CliqueLigne(QAbstractItemView* liste, int ligne, Qt::MouseButton bouton) {
    QTest::mouseClick(liste->viewport(), bouton, {}, CentreLigne(liste, ligne));
}

void DoubleCliqueLigne(QAbstractItemView* liste, int ligne) {
    const QPoint centre = CentreLigne(liste, ligne);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, centre);
}

bool CliqueLigne(QWidget& fenetre, const char* nom, const QString& texte) {
    auto* liste = fenetre.findChild<QAbstractItemView*>(nom);
    if (liste == nullptr) return false;
    const auto lignes = liste->model()->match(liste->model()->index(0, 0), Qt::DisplayRole, texte, 2,
                                              Qt::MatchExactly);
    return lignes.size() == 1 && CliqueLigne(fenetre, nom, lignes.front().row());
}

bool ChoisitDans(QWidget& fenetre, const char* nom, const QString& texte) {
    auto* liste = fenetre.findChild<QComboBox*>(nom);
    if (liste == nullptr || !liste->isEnabled() || liste->findText(texte) < 0) return false;
    Choisit(liste, texte);
    return liste->currentText() == texte;
}

void Choisit(QComboBox* liste, const QString& texte) {
    if (liste->findText(texte) < 0) qFatal("no choice %s", qPrintable(texte));
    liste->setFocus();
    if (liste->currentIndex() < 0) QTest::keyClick(liste, Qt::Key_Down);
    const Qt::Key sens = liste->findText(texte) < liste->currentIndex() ? Qt::Key_Up : Qt::Key_Down;
    for (int garde = liste->count(); liste->currentText() != texte && garde > 0; --garde) QTest::keyClick(liste, sens);
}

bool Remplit(QWidget& fenetre, const char* nom, const QString& texte) {
    auto* champ = fenetre.findChild<QLineEdit*>(nom);
    if (champ == nullptr || !champ->isEnabled()) return false;
    Tape(champ, texte);
    return true;
}

void Tape(QLineEdit* champ, const QString& texte) {
    champ->setFocus();
    QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(champ, Qt::Key_Backspace);
    TapeTexte(champ, texte);
}

void AvanceBarre(QScrollBar* barre) { barre->triggerAction(QAbstractSlider::SliderSingleStepAdd); }

void QuandModale(std::function<void(QWidget&)> action, int essais) {
    QTimer::singleShot(0, [action, essais] {
        QWidget* modale = QApplication::activeModalWidget();
        if (modale) return action(*modale);
        if (essais == 0) qFatal("no modal window showed");
        QTimer::singleShot(5, [action, essais] { QuandModale(action, essais - 1); });
    });
}

void TapeTexte(QWidget* controle, const QString& texte) {
    for (QChar c : texte) {
        if (c == '\n')
            QTest::keyClick(controle, Qt::Key_Return);
        else if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            QTest::keyClick(controle, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, controle, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

bool Attend(const std::function<bool()>& condition, int ms) {
    QElapsedTimer depuis;
    depuis.start();
    while (!condition()) {
        if (depuis.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qSleep(1);
    }
    return true;
}

QString TexteDe(QWidget& fenetre, const char* nom) {
    QWidget* controle = fenetre.findChild<QWidget*>(nom);
    if (auto* etiquette = qobject_cast<QLabel*>(controle)) return etiquette->text();
    if (auto* champ = qobject_cast<QLineEdit*>(controle)) return champ->text();
    if (auto* zone = qobject_cast<QPlainTextEdit*>(controle)) return zone->toPlainText();
    if (auto* zone = qobject_cast<QTextEdit*>(controle)) return zone->toPlainText();
    if (auto* bouton = qobject_cast<QAbstractButton*>(controle)) return bouton->text();
    if (auto* liste = qobject_cast<QComboBox*>(controle)) return liste->currentText();
    return {};
}

QStringList Lignes(const QAbstractItemView* liste, int colonne) {
    QStringList lignes;
    const QAbstractItemModel* modele = liste->model();
    for (int i = 0; i < modele->rowCount(); ++i) lignes.append(modele->index(i, colonne).data().toString());
    return lignes;
}

bool DansLaModale(QWidget& fenetre, const char* bouton, const QString& titre,
                  const std::function<void(QDialog&)>& action) {
    bool joue = false;
    QTimer::singleShot(0, [&] {
        auto* dialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialogue == nullptr) return;
        if (dialogue->windowTitle() == titre) {
            action(*dialogue);
            joue = !QTest::currentTestFailed();
        }
        if (dialogue->isVisible()) dialogue->reject();
    });
    QTest::mouseClick(Controle<QAbstractButton>(fenetre, bouton), Qt::LeftButton);
    return joue;
}

QStringList LignesDe(QWidget& fenetre, const char* nom) {
    QStringList lignes;
    if (auto* liste = fenetre.findChild<QAbstractItemView*>(nom)) {
        lignes = Lignes(liste);
    } else if (auto* deroulante = fenetre.findChild<QComboBox*>(nom)) {
        for (int i = 0; i < deroulante->count(); ++i) lignes.append(deroulante->itemText(i));
    }
    return lignes;
}

}  // namespace veridane
