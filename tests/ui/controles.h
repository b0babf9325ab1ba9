// What a person does with a window's controls, for the window tests: find a
// control by its name, click a list line at its place, pick a choice of a
// drop-down list, read the lines of a list.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <QAbstractItemView>
#include <QListWidget>
#include <QScrollBar>
#include <QStringList>
#include <QtTest>

namespace veridane::test {

template <class T>
T* Controle(QObject& fenetre, const char* nom) {
    T* controle = fenetre.findChild<T*>(nom);
    if (!controle) qFatal("no control %s", nom);
    return controle;
}

// Any list view (a list of items or a view over a model): the line is
// clicked where the view draws it.
inline QPoint CentreLigne(QAbstractItemView* liste, int ligne) {
    const QModelIndex index = liste->model()->index(ligne, 0);
    if (!index.isValid()) qFatal("no line %d in %s", ligne, qPrintable(liste->objectName()));
    liste->scrollTo(index);
    return liste->visualRect(index).center();
}

inline void CliqueLigne(QAbstractItemView* liste, int ligne, Qt::MouseButton bouton = Qt::LeftButton) {
    QTest::mouseClick(liste->viewport(), bouton, Qt::NoModifier, CentreLigne(liste, ligne));
}

inline void DoubleCliqueLigne(QAbstractItemView* liste, int ligne) {
    const QPoint centre = CentreLigne(liste, ligne);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

// Opens the list with the keyboard and moves to the choice, as a person
// choosing with the arrow keys.
inline void Choisit(QComboBox* liste, const QString& texte) {
    const int cible = liste->findText(texte);
    if (cible < 0) qFatal("no choice %s", qPrintable(texte));
    liste->setFocus();
    if (liste->currentIndex() < 0) QTest::keyClick(liste, Qt::Key_Home);
    while (liste->currentIndex() < cible) QTest::keyClick(liste, Qt::Key_Down);
    while (liste->currentIndex() > cible) QTest::keyClick(liste, Qt::Key_Up);
}

inline QStringList Lignes(const QAbstractItemView* liste) {
    QStringList lignes;
    const QAbstractItemModel* modele = liste->model();
    for (int i = 0; i < modele->rowCount(); ++i) lignes << modele->index(i, 0).data().toString();
    return lignes;
}

// Whether some line of the list is selected.
inline bool Selection(const QAbstractItemView* liste) { return liste->selectionModel()->hasSelection(); }

// Replaces what a line edit holds by typed text, accented letters included.
inline void Tape(QLineEdit* champ, const QString& texte) {
    champ->setFocus();
    champ->selectAll();
    QTest::keyClick(champ, Qt::Key_Backspace);
    for (QChar c : texte) {
        if (c.unicode() < 0x80)
            QTest::keyClick(champ, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, champ, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Lets the event loop run until the condition holds (true) or the time is
// up (false); it looks every millisecond, so a step of an animation is seen.
inline bool Attend(const std::function<bool()>& condition, int millisecondes = 5000) {
    QElapsedTimer temps;
    temps.start();
    while (!condition()) {
        if (temps.elapsed() > millisecondes) return false;
        QTest::qWait(1);
    }
    return true;
}

// One step of a scroll bar, as a click on its arrow gives.
inline void AvanceBarre(QScrollBar* barre) { barre->triggerAction(QAbstractSlider::SliderSingleStepAdd); }

// Acts on the next modal window as soon as it shows, from the event loop it
// runs (a message box, a dialog opened with exec()).
inline void QuandModale(std::function<void(QWidget&)> action, int essais = 200) {
    QTimer::singleShot(0, [action, essais] {
        QWidget* modale = QApplication::activeModalWidget();
        if (modale) return action(*modale);
        if (essais == 0) qFatal("no modal window showed");
        QTimer::singleShot(5, [action, essais] { QuandModale(action, essais - 1); });
    });
}

}  // namespace veridane::test
