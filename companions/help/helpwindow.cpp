#include "helpwindow.h"

#include <QColor>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QStringList searchWords(const QString& words) {
    return foldForSearch(words).split(u' ', Qt::SkipEmptyParts);
}

bool holdsAll(const HelpTopic& topic, const QStringList& words) {
    const QString text = foldForSearch(topic.text);
    return std::all_of(words.cbegin(), words.cend(),
                       [&](const QString& word) { return text.contains(word); });
}

} // namespace

HelpWindow::HelpWindow(HelpFile help, const QString& folder)
    : help_(std::move(help)), recherche_(new QLineEdit), resultat_(new QLabel),
      sommaire_(new QListWidget), page_(new QTextBrowser) {
    setWindowTitle(help_.title);

    auto* titre = new QLabel(QStringLiteral("<b>Sommaire</b>"));
    recherche_->setObjectName(QStringLiteral("recherche"));
    recherche_->setPlaceholderText(QStringLiteral("Rechercher un mot"));
    recherche_->setClearButtonEnabled(true);
    recherche_->setAccessibleName(QStringLiteral("Rechercher"));
    resultat_->setObjectName(QStringLiteral("resultat"));
    resultat_->setWordWrap(true);
    sommaire_->setObjectName(QStringLiteral("sommaire"));
    sommaire_->setAccessibleName(QStringLiteral("Sommaire"));
    sommaire_->setWordWrap(true);
    sommaire_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < help_.topics.size(); ++i) {
        auto* item = new QListWidgetItem(help_.topics[i].title, sommaire_);
        item->setData(Qt::UserRole, i);
    }
    page_->setObjectName(QStringLiteral("page"));
    page_->setSearchPaths({folder});
    page_->setOpenLinks(false);

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(titre);
    gauche->addWidget(recherche_);
    gauche->addWidget(resultat_);
    gauche->addWidget(sommaire_, 1);
    auto* fenetre = new QHBoxLayout(this);
    fenetre->addLayout(gauche, 1);
    fenetre->addWidget(page_, 2);

    connect(sommaire_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (const QListWidgetItem* item = sommaire_->item(row))
            showTopic(item->data(Qt::UserRole).toInt());
    });
    connect(recherche_, &QLineEdit::textChanged, this, &HelpWindow::search);
    search(QString());
    resize(740, 540);
}

void HelpWindow::showTopic(int topic) {
    if (topic < 0 || topic >= help_.topics.size())
        return;
    const HelpTopic& shown = help_.topics[topic];
    page_->setHtml(QStringLiteral("<h2>%1</h2>").arg(shown.title.toHtmlEscaped()) + shown.html);
    highlight();
}

void HelpWindow::search(const QString& words) {
    const QStringList wanted = searchWords(words);
    const QSignalBlocker quiet(sommaire_);
    int first = -1;
    int found = 0;
    for (int i = 0; i < help_.topics.size(); ++i) {
        const bool kept = holdsAll(help_.topics[i], wanted);
        sommaire_->item(i)->setHidden(!kept);
        if (kept) {
            ++found;
            if (first < 0)
                first = i;
        }
    }
    if (wanted.isEmpty())
        resultat_->clear();
    else if (found == 0)
        resultat_->setText(QStringLiteral("Aucun sujet ne contient « %1 ».").arg(words.trimmed()));
    else
        resultat_->setText(found == 1 ? QStringLiteral("1 sujet trouvé.")
                                      : QStringLiteral("%1 sujets trouvés.").arg(found));
    resultat_->setVisible(!wanted.isEmpty());
    if (first < 0) {
        page_->clear();
        return;
    }
    sommaire_->setCurrentRow(first);
    showTopic(first);
}

// The words searched for, marked in the topic shown.
void HelpWindow::highlight() {
    QList<QTextEdit::ExtraSelection> marks;
    for (const QString& word : recherche_->text().split(u' ', Qt::SkipEmptyParts)) {
        QTextCursor found = page_->document()->find(word);
        while (!found.isNull()) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = found;
            mark.format.setBackground(QColor(255, 230, 110));
            marks.append(mark);
            found = page_->document()->find(word, found);
        }
    }
    page_->setExtraSelections(marks);
}
