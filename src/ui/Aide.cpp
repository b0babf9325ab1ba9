#include "Aide.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace veridane {

namespace {

QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte) {
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(nom);
    bouton->setAutoDefault(false);
    return bouton;
}

QString TitreDe(const QString& html, const QString& parDefaut) {
    static const QRegularExpression titre("<title>(.*?)</title>", QRegularExpression::CaseInsensitiveOption |
                                                                        QRegularExpression::DotMatchesEverythingOption);
    auto trouve = titre.match(html);
    return trouve.hasMatch() ? trouve.captured(1).trimmed() : parDefaut;
}

// The top-level widget shown in a window of the windowing system: key
// events reach that window before any widget.
QWidget* WidgetDeLaFenetre(const QWindow* fenetre) {
    if (fenetre == nullptr) return nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == fenetre) return widget;
    return nullptr;
}

}  // namespace

TAide::TAide(const QString& racine, QWidget* parent) : QDialog(parent), Racine(racine) {
    setObjectName("Aide");
    setWindowTitle("Veridane Help");
    // Usable while another modal window waits behind it.
    setWindowModality(Qt::ApplicationModal);

    Navigateur = new QTextBrowser(this);
    Navigateur->setObjectName("Navigateur");
    Navigateur->setOpenExternalLinks(true);

    PanneauRecherche = new QWidget(this);
    PanneauRecherche->setObjectName("PanneauRecherche");
    auto* titreRecherche = new QLabel("&Keywords:", PanneauRecherche);
    MotsCles = new QLineEdit(PanneauRecherche);
    MotsCles->setObjectName("MotsCles");
    titreRecherche->setBuddy(MotsCles);
    auto* chercher = Bouton(PanneauRecherche, "Chercher", "&Search");
    ListeResultats = new QListWidget(PanneauRecherche);
    ListeResultats->setObjectName("Resultats");
    connect(MotsCles, &QLineEdit::returnPressed, this, &TAide::RechercheClick);
    connect(chercher, &QPushButton::clicked, this, &TAide::RechercheClick);
    connect(ListeResultats, &QListWidget::currentRowChanged, this, &TAide::ResultatClick);
    auto* recherche = new QVBoxLayout(PanneauRecherche);
    recherche->setContentsMargins(0, 0, 0, 0);
    recherche->addWidget(titreRecherche);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(MotsCles, 1);
    ligne->addWidget(chercher);
    recherche->addLayout(ligne);
    recherche->addWidget(ListeResultats, 1);

    auto* partage = new QSplitter(this);
    partage->addWidget(PanneauRecherche);
    partage->addWidget(Navigateur);
    partage->setStretchFactor(1, 1);
    partage->setSizes({240, 560});

    auto* index = Bouton(this, "Index", "&Index");
    auto* retour = Bouton(this, "Retour", "&Back");
    auto* rechercher = Bouton(this, "Research", "&Research");
    auto* fermer = Bouton(this, "Fermer", "&Close");
    connect(index, &QPushButton::clicked, this, &TAide::OuvreIndex);
    connect(retour, &QPushButton::clicked, Navigateur, &QTextBrowser::backward);
    connect(Navigateur, &QTextBrowser::backwardAvailable, retour, &QPushButton::setEnabled);
    connect(rechercher, &QPushButton::clicked, this, &TAide::OuvreRecherche);
    connect(fermer, &QPushButton::clicked, this, &TAide::close);
    retour->setEnabled(false);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(index);
    boutons->addWidget(retour);
    boutons->addWidget(rechercher);
    boutons->addStretch();
    boutons->addWidget(fermer);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(boutons);
    colonne->addWidget(partage, 1);
    resize(860, 620);
    ChargeContextes();
}

void TAide::ChargeContextes() {
    QFile fichier(Racine + "contexts.tsv");
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    while (!fichier.atEnd()) {
        QStringList champs = QString::fromUtf8(fichier.readLine()).trimmed().split('\t');
        bool nombre = false;
        int contexte = champs.value(0).toInt(&nombre);
        if (nombre && champs.size() >= 2 && !champs[1].isEmpty()) Contextes.insert(contexte, champs[1]);
    }
}

QString TAide::PageDuContexte(int contexte) const { return Contextes.value(contexte, "index.html"); }

QString TAide::PageCourante() const {
    QString source = Navigateur->source().toString();
    return source.mid(source.lastIndexOf('/') + 1);
}

void TAide::Montre(const QString& page) {
    QUrl url = Racine.startsWith(':') ? QUrl("qrc" + Racine + page) : QUrl::fromLocalFile(Racine + page);
    Navigateur->setSource(url);
    show();
    raise();
    activateWindow();
}

void TAide::OuvreContexte(int contexte) {
    PanneauRecherche->hide();
    Montre(PageDuContexte(contexte));
}

void TAide::OuvreIndex() {
    PanneauRecherche->hide();
    Montre("index.html");
}

void TAide::OuvreRecherche() {
    PanneauRecherche->show();
    if (Navigateur->source().isEmpty()) Montre("index.html");
    show();
    raise();
    MotsCles->setFocus();
    MotsCles->selectAll();
}

QString TAide::TexteDe(const QString& page) const {
    QFile fichier(Racine + page);
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(fichier.readAll());
}

QList<TPageAide> TAide::Cherche(const QString& motsCles) const {
    QStringList mots = motsCles.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    QList<TPageAide> trouvees;
    if (mots.isEmpty()) return trouvees;
    const QStringList pages = QDir(Racine).entryList({"*.html"}, QDir::Files, QDir::Name);
    for (const QString& page : pages) {
        QString html = TexteDe(page);
        QTextDocument document;
        document.setHtml(html);
        QString texte = document.toPlainText();
        bool toutes = std::all_of(mots.begin(), mots.end(),
                                  [&](const QString& mot) { return texte.contains(mot, Qt::CaseInsensitive); });
        if (toutes) trouvees.append({page, TitreDe(html, page)});
    }
    return trouvees;
}

void TAide::RechercheClick() {
    Resultats = Cherche(MotsCles->text());
    QSignalBlocker bloque(ListeResultats);
    ListeResultats->clear();
    for (const TPageAide& page : Resultats) ListeResultats->addItem(page.Titre);
    if (Resultats.isEmpty()) ListeResultats->addItem("No page holds these words");
}

void TAide::ResultatClick(int ligne) {
    if (ligne >= 0 && ligne < Resultats.size()) Montre(Resultats[ligne].Fichier);
}

int ContexteAide(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        bool nombre = false;
        int contexte = widget->property("contexteAide").toInt(&nombre);
        if (nombre && contexte > 0) return contexte;
    }
    return 0;
}

bool TFiltreAide::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_F1) {
        // The key reaches the window of the windowing system first, then
        // its focused widget.
        auto* widget = qobject_cast<QWidget*>(objet);
        if (QWidget* haut = WidgetDeLaFenetre(qobject_cast<QWindow*>(objet)); widget == nullptr && haut != nullptr)
            widget = haut->focusWidget() != nullptr ? haut->focusWidget() : haut;
        if (widget == nullptr) widget = QApplication::focusWidget();
        if (widget == nullptr) widget = QApplication::activeWindow();
        Aide.OuvreContexte(ContexteAide(widget));
        return true;
    }
    return QObject::eventFilter(objet, evenement);
}

}  // namespace veridane
