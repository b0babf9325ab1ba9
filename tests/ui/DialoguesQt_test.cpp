// The program's real message boxes, answered with the keyboard: each button
// gives its own answer, Enter the default one, Escape the safe one.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "controles.h"
#include "ui/DialoguesQt.h"

using namespace veridane;
using namespace veridane::test;

Q_DECLARE_METATYPE(TBoutons)
Q_DECLARE_METATYPE(TReponse)
Q_DECLARE_METATYPE(TGenreMessage)

class DialoguesQtTest : public QObject {
    Q_OBJECT

private slots:
    void KeysGiveTheirAnswers_data() {
        QTest::addColumn<TBoutons>("boutons");
        QTest::addColumn<int>("touche");  // 0: Space on the button below
        QTest::addColumn<int>("bouton");
        QTest::addColumn<TReponse>("reponse");
        const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel, ok = QMessageBox::Ok;
        QTest::newRow("Yes") << TBoutons::OuiNon << 0 << yes << TReponse::Oui;
        QTest::newRow("No") << TBoutons::OuiNon << 0 << no << TReponse::Non;
        QTest::newRow("Enter is Yes") << TBoutons::OuiNon << int(Qt::Key_Return) << 0 << TReponse::Oui;
        QTest::newRow("Escape is No") << TBoutons::OuiNon << int(Qt::Key_Escape) << 0 << TReponse::Non;
        QTest::newRow("Yes of three") << TBoutons::OuiNonAnnuler << 0 << yes << TReponse::Oui;
        QTest::newRow("No of three") << TBoutons::OuiNonAnnuler << 0 << no << TReponse::Non;
        QTest::newRow("Cancel") << TBoutons::OuiNonAnnuler << 0 << cancel << TReponse::Annuler;
        QTest::newRow("Enter of three is Yes") << TBoutons::OuiNonAnnuler << int(Qt::Key_Return) << 0 << TReponse::Oui;
        QTest::newRow("Escape is Cancel") << TBoutons::OuiNonAnnuler << int(Qt::Key_Escape) << 0 << TReponse::Annuler;
        QTest::newRow("OK") << TBoutons::Ok << 0 << ok << TReponse::Ok;
        QTest::newRow("Escape of OK") << TBoutons::Ok << int(Qt::Key_Escape) << 0 << TReponse::Ok;
    }
    void KeysGiveTheirAnswers() {
        QFETCH(TBoutons, boutons);
        QFETCH(int, touche);
        QFETCH(int, bouton);
        QFETCH(TReponse, reponse);
        TDialoguesQt dialogues;
        QuandModale([=](QWidget& fenetre) {
            auto* boite = qobject_cast<QMessageBox*>(&fenetre);
            QVERIFY(boite);
            if (touche) return QTest::keyClick(boite, Qt::Key(touche));
            QPushButton* choisi = qobject_cast<QPushButton*>(boite->button(QMessageBox::StandardButton(bouton)));
            QVERIFY(choisi);
            choisi->setFocus();
            QTest::keyClick(choisi, Qt::Key_Space);
        });
        QCOMPARE(dialogues.Message(TGenreMessage::Confirmation, "Current project has changed, save it?", boutons),
                 reponse);
    }

    // The box shows the program's name, the text and the icon of its kind.
    void TitleTextAndIcon_data() {
        QTest::addColumn<TGenreMessage>("genre");
        QTest::addColumn<int>("icone");
        QTest::newRow("warning") << TGenreMessage::Avertissement << int(QMessageBox::Warning);
        QTest::newRow("information") << TGenreMessage::Information << int(QMessageBox::Information);
        QTest::newRow("question") << TGenreMessage::Confirmation << int(QMessageBox::Question);
    }
    void TitleTextAndIcon() {
        QFETCH(TGenreMessage, genre);
        QFETCH(int, icone);
        TDialoguesQt dialogues;
        QString titre, texte;
        int vue = -1;
        QuandModale([&](QWidget& fenetre) {
            auto* boite = qobject_cast<QMessageBox*>(&fenetre);
            QVERIFY(boite);
            titre = boite->windowTitle();
            texte = boite->text();
            vue = boite->icon();
            QTest::keyClick(boite, Qt::Key_Return);
        });
        dialogues.Message(genre, "Observation n\xB0" "2 added in the data base", TBoutons::Ok);
        QCOMPARE(titre, QString("Veridane"));
        QCOMPARE(texte, QString::fromUtf8("Observation n°2 added in the data base"));
        QCOMPARE(vue, icone);
    }
};

QTEST_MAIN(DialoguesQtTest)
#include "DialoguesQt_test.moc"
