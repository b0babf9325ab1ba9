// The parameters dialog: OK on a value refused (reading the value is the
// parameters layer's own) or taken with the user's decimal separator in its
// percentage, and Cancel. OK on a value typed is walked in parcours_test.
#include <QLineEdit>
#include <QtTest>

#include "core/journal.h"
#include "project/etat.h"
#include "support/parcours.h"
#include "ui/Mod_conf.h"

using namespace veridane;

class ModConfTest : public QObject {
    Q_OBJECT
private slots:
    void boutons_data();
    void boutons();
};

void ModConfTest::boutons_data() {
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QString>("message");  // empty: none
    QTest::addColumn<double>("valeur");
    QTest::addColumn<QString>("reste");  // the field afterwards
    QTest::addColumn<int>("resultat");
    const int accepte = QDialog::Accepted, refuse = QDialog::Rejected;
    QTest::newRow("refused: wiped for a new try") << "1.01" << "BitBtn1"
                                                  << "Error: critical value of priority degree incorrect" << 0.3
                                                  << "" << refuse;
    QTest::newRow("taken, in the user's separator") << "0.125" << "BitBtn1"
                                                    << "Critical value of priority degree = 12,5%" << 0.125
                                                    << "0.125" << accepte;
    QTest::newRow("Cancel changes nothing") << "0.9" << "BitBtn2" << "" << 0.3 << "0.9" << refuse;
}

void ModConfTest::boutons() {
    QFETCH(QString, saisie);
    QFETCH(QString, bouton);
    QFETCH(QString, message);
    QFETCH(double, valeur);
    QFETCH(QString, reste);
    QFETCH(int, resultat);
    TEtatVeridane etat;
    etat.ValeurCritique = 0.3;
    etat.Base.SeparateurDecimal = ',';
    TDialoguesJournal journal;
    TModiConf dialogue(etat, journal);
    dialogue.Initialise();
    dialogue.show();
    Tape(dialogue.Champ(), saisie);
    QVERIFY(UtiliseCommande(dialogue, qPrintable(bouton)));
    QCOMPARE(journal.Textes(), message.isEmpty() ? std::vector<std::string>{}
                                                 : std::vector<std::string>{message.toStdString()});
    if (!message.isEmpty()) QCOMPARE(journal.Messages[0].Genre, TGenreMessage::Avertissement);
    QCOMPARE(etat.ValeurCritique, valeur);
    QCOMPARE(dialogue.Champ()->text(), reste);
    QCOMPARE(dialogue.result(), resultat);
}

QTEST_MAIN(ModConfTest)
#include "Mod_conf_test.moc"
