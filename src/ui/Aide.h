// The help browser: the HTML help pages compiled into the program, opened at
// a window's context number (F1), at the contents ("&Index") or at a keyword
// search ("&Research"). The pages live under a root (":/help/" in the
// program) holding index.html and contexts.tsv, whose lines read
// NUMBER<TAB>page.html<TAB>Title.
#pragma once

#include <QDialog>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QWidget;

namespace veridane {

struct TPageAide {
    QString Fichier;
    QString Titre;
};

class TAide : public QDialog {
    Q_OBJECT
public:
    explicit TAide(const QString& racine = ":/help/", QWidget* parent = nullptr);

    // Shows the window at the page of a context number; an unknown number
    // shows the contents.
    void OuvreContexte(int contexte);
    void OuvreIndex();
    // Shows the window with the keyword search in front.
    void OuvreRecherche();

    // The pages whose text holds every word of `motsCles` (case ignored),
    // in file name order.
    QList<TPageAide> Cherche(const QString& motsCles) const;

    QString PageDuContexte(int contexte) const;
    // The page shown, relative to the root ("index.html").
    QString PageCourante() const;

private slots:
    void RechercheClick();
    void ResultatClick(int ligne);

private:
    void ChargeContextes();
    void Montre(const QString& page);
    QString TexteDe(const QString& page) const;

    QString Racine;
    QMap<int, QString> Contextes;
    QList<TPageAide> Resultats;

    QTextBrowser* Navigateur;
    QWidget* PanneauRecherche;
    QLineEdit* MotsCles;
    QListWidget* ListeResultats;
};

// The help context of a widget: its own "contexteAide" property or that of
// the nearest parent holding one (its window at the latest); 0 when none.
int ContexteAide(const QWidget* widget);

// F1 anywhere in the program opens the help at the context of the focused
// widget. Installed once on the application.
class TFiltreAide : public QObject {
    Q_OBJECT
public:
    explicit TFiltreAide(TAide& aide, QObject* parent = nullptr) : QObject(parent), Aide(aide) {}

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    TAide& Aide;
};

}  // namespace veridane
