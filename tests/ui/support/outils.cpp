#include "outils.h"

#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>

#include "ui/Conversion.h"
#include "ui/Menu_ex.h"
#include "ui/New_pro.h"
#include "ui/Resume.h"

namespace veridane {

TProjetDemo::TProjetDemo() {
    for (const char* nom : {"car.exp", "car.rul", "car.dic", "car.dta"}) {
        QString source = QString(VERIDANE_EXAMPLES) + "/" + nom;
        if (!QFile::copy(source, Dossier.filePath(nom))) qFatal("cannot copy %s", qPrintable(source));
    }
}

std::string TProjetDemo::Chemin(const QString& nom) const { return Octets(Dossier.filePath(nom)); }

int TPilote::operator()(QDialog& fenetre) {
    Titres.append(fenetre.windowTitle());
    if (Actions.empty()) {
        fenetre.reject();
        return fenetre.result();
    }
    TAction action = Actions.front();
    Actions.pop_front();
    return action(fenetre);
}

void TPilote::Branche(TMenuExpert& menu) {
    menu.Execute = [this](QDialog& fenetre) { return (*this)(fenetre); };
}

TPilote::TAction TPilote::Choisit(TChoixNouveauProjet choix) {
    return [choix](QDialog& fenetre) {
        auto& dialogue = dynamic_cast<TNewPro&>(fenetre);
        switch (choix) {
        case TChoixNouveauProjet::CreerDictionnaire: dialogue.NewDictionaryClick(); break;
        case TChoixNouveauProjet::LierRegles: dialogue.LinkRulesClick(); break;
        case TChoixNouveauProjet::Annuler: dialogue.CancelClick(); break;
        }
        return dialogue.result();
    };
}

TPilote::TAction TPilote::OK(const QString* texte) {
    QString copie = texte ? *texte : QString();
    bool tape = texte != nullptr;
    return [copie, tape](QDialog& fenetre) {
        auto& resume = dynamic_cast<TAbstracts&>(fenetre);
        if (tape) resume.findChild<QPlainTextEdit*>("Commentaire")->setPlainText(copie);
        resume.OKAbstractClick();
        return resume.result();
    };
}

TPilote::TAction TPilote::Ferme() {
    return [](QDialog& fenetre) {
        Action(fenetre, "Close1")->trigger();
        return fenetre.result();
    };
}

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

}  // namespace veridane
