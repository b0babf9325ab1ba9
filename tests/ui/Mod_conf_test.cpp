// The parameters dialog: which texts are accepted as the critical value,
// what each answer says, and what is kept when a value is refused.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/journal.h"
#include "project/etat.h"
#include "ui/Mod_conf.h"

using namespace veridane;

namespace {

// Types `texte` into the emptied field, as a person does.
void Tape(TModiConf& dialogue, const QString& texte) {
    dialogue.Champ()->clear();
    QTest::keyClicks(dialogue.Champ(), texte);
}

void Clique(TModiConf& dialogue, const char* bouton) {
    QTest::mouseClick(dialogue.findChild<QPushButton*>(bouton), Qt::LeftButton);
}

}  // namespace

class ModConfTest : public QObject {
    Q_OBJECT
private slots:
    void valeurLue_data();
    void valeurLue();
    void annulerNeChangeRien();
    void separateurDuPourcentage();
    void textesEtContexte();
};

void ModConfTest::valeurLue_data() {
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<bool>("acceptee");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("valeur");

    const QString refus = "Error: critical value of priority degree incorrect";
    QTest::newRow("comma") << "0,5" << true << "Critical value of priority degree = 50%" << 0.5;
    QTest::newRow("point") << "0.25" << true << "Critical value of priority degree = 25%" << 0.25;
    QTest::newRow("one") << "1" << true << "Critical value of priority degree = 100%" << 1.0;
    QTest::newRow("zero") << "0" << true << "Critical value of priority degree = 0%" << 0.0;
    QTest::newRow("seven hundredths") << "0.07" << true << "Critical value of priority degree = 7%" << 0.07;
    QTest::newRow("leading blanks") << "  0.9" << true << "Critical value of priority degree = 90%" << 0.9;
    QTest::newRow("above one") << "1.01" << false << refus << 0.3;
    QTest::newRow("negative") << "-0.1" << false << refus << 0.3;
    QTest::newRow("letters") << "abc" << false << refus << 0.3;
    QTest::newRow("empty") << "" << false << refus << 0.3;
    QTest::newRow("trailing text") << "0.5x" << false << refus << 0.3;
}

void ModConfTest::valeurLue() {
    QFETCH(QString, saisie);
    QFETCH(bool, acceptee);
    QFETCH(QString, message);
    QFETCH(double, valeur);

    TEtatVeridane etat;
    etat.ValeurCritique = 0.3;
    TDialoguesJournal journal;
    TModiConf dialogue(etat, journal);
    dialogue.Initialise();
    dialogue.show();
    Tape(dialogue, saisie);
    Clique(dialogue, "BitBtn1");

    QCOMPARE(journal.Messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(journal.Messages[0].Texte), message);
    QCOMPARE(journal.Messages[0].Genre, TGenreMessage::Avertissement);
    QCOMPARE(journal.Messages[0].Boutons, TBoutons::Ok);
    QCOMPARE(etat.ValeurCritique, valeur);
    QCOMPARE(dialogue.result(), acceptee ? int(QDialog::Accepted) : int(QDialog::Rejected));
    // A refused text is wiped so the user types afresh.
    if (!acceptee) QCOMPARE(dialogue.Champ()->text(), QString());
}

void ModConfTest::annulerNeChangeRien() {
    TEtatVeridane etat;
    etat.ValeurCritique = 0.4;
    TDialoguesJournal journal;
    TModiConf dialogue(etat, journal);
    dialogue.Initialise();
    dialogue.show();
    Tape(dialogue, "0.9");
    Clique(dialogue, "BitBtn2");
    QCOMPARE(etat.ValeurCritique, 0.4);
    QVERIFY(journal.Messages.empty());
    QCOMPARE(dialogue.result(), int(QDialog::Rejected));
}

void ModConfTest::separateurDuPourcentage() {
    // The percentage follows the user's decimal separator.
    TEtatVeridane etat;
    etat.Base.SeparateurDecimal = ',';
    TDialoguesJournal journal;
    TModiConf dialogue(etat, journal);
    dialogue.show();
    Tape(dialogue, "0.125");
    Clique(dialogue, "BitBtn1");
    QCOMPARE(journal.Textes(), std::vector<std::string>{"Critical value of priority degree = 12,5%"});
    QCOMPARE(etat.ValeurCritique, 0.125);
}

void ModConfTest::textesEtContexte() {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TModiConf dialogue(etat, journal);
    QCOMPARE(dialogue.property("contexteAide").toInt(), 34);
    QStringList textes;
    for (auto* etiquette : dialogue.findChildren<QLabel*>()) textes << etiquette->text();
    QVERIFY(textes.contains("Enter the critical value of the confidence degree"));
    QVERIFY(textes.contains("belonging to [0 = worst ; 1 = best] :"));
    QVERIFY(textes.contains("Press [F1] to get Help context"));
    QCOMPARE(dialogue.findChild<QPushButton*>("BitBtn1")->text(), QString("OK"));
    QCOMPARE(dialogue.findChild<QPushButton*>("BitBtn2")->text(), QString("Cancel"));
}

QTEST_MAIN(ModConfTest)
#include "Mod_conf_test.moc"
