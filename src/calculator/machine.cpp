#include "calculator/machine.h"

#include "calculator/entryediting.h"
#include "calculator/evaluator.h"
#include "calculator/machinebackground.h"
#include "calculator/numbertext.h"
#include "calculator/resultformat.h"
#include "common/spaces.h"
#include "platform/messages.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <cmath>
#include <numbers>

namespace {

const QString waitingText = QStringLiteral("    Patience... Calculs en cours.     ");
const QString overflowText = QStringLiteral("Dépassement de capacité");

QString errorMessage(qint16 code) {
    switch (code) {
    case 2:
        return QStringLiteral("Erreur saisie: revoir les parenthèses");
    case 3:
        return QStringLiteral("Erreur saisie: incompréhension sur opérateurs: ^ * / + -");
    default:
        return QStringLiteral("Calcul impossible");
    }
}

void appendProduct(QString& saisie) {
    saisie += QStringLiteral(" * ");
}

void appendQuotient(QString& saisie) {
    saisie += QStringLiteral(" / ");
}

} // namespace

// Every change of the display hands it the keyboard focus, caret at the end.
void Machine::afficher(const QString& text) {
    z1_->setPlainText(text);
    z1_->setFocus();
    z1_->moveCursor(QTextCursor::End);
}

void Machine::montrerSaisie() {
    afficher(saisie);
}

void Machine::append(const QString& text) {
    saisie += text;
    montrerSaisie();
}

void Machine::terme(const QString& text) {
    ajouterTerme(saisie, text);
    montrerSaisie();
}

bool Machine::scientifique() const {
    return C_[0]->isChecked();
}

void Machine::B0_Click() {
    append(QStringLiteral("0"));
}
void Machine::B1_Click() {
    append(QStringLiteral("1"));
}
void Machine::B2_Click() {
    append(QStringLiteral("2"));
}
void Machine::B3_Click() {
    append(QStringLiteral("3"));
}
void Machine::B4_Click() {
    append(QStringLiteral("4"));
}
void Machine::B5_Click() {
    append(QStringLiteral("5"));
}
void Machine::B6_Click() {
    append(QStringLiteral("6"));
}
void Machine::B7_Click() {
    append(QStringLiteral("7"));
}
void Machine::B8_Click() {
    append(QStringLiteral("8"));
}
void Machine::B9_Click() {
    append(QStringLiteral("9"));
}
void Machine::Bpoint_Click() {
    append(QStringLiteral("."));
}
void Machine::BtoEXP_Click() {
    append(QStringLiteral("E"));
}
void Machine::pico_Click() {
    append(QStringLiteral("E-12"));
}
void Machine::tera_Click() {
    append(QStringLiteral("E+12"));
}
void Machine::nano_Click() {
    append(QStringLiteral("E-9"));
}
void Machine::giga_Click() {
    append(QStringLiteral("E+9"));
}
void Machine::micro_Click() {
    append(QStringLiteral("E-6"));
}
void Machine::mega_Click() {
    append(QStringLiteral("E+6"));
}
void Machine::mil_Click() {
    append(QStringLiteral("E-3"));
}
void Machine::kilo_Click() {
    append(QStringLiteral("E+3"));
}
void Machine::Bpo_Click() {
    terme(QStringLiteral("("));
}
void Machine::bpf_Click() {
    append(QStringLiteral(")"));
}
void Machine::bsin_Click() {
    terme(QStringLiteral("sin "));
}
void Machine::Bcos_Click() {
    terme(QStringLiteral("cos "));
}
void Machine::Btan_Click() {
    terme(QStringLiteral("tan "));
}
void Machine::invsin_Click() {
    terme(QStringLiteral("invSIN "));
}
void Machine::invcos_Click() {
    terme(QStringLiteral("invCOS "));
}
void Machine::Btoncommande3_Click() {
    terme(QStringLiteral("invTAN "));
}
void Machine::Bln_Click() {
    terme(QStringLiteral("ln "));
}
void Machine::Blog_Click() {
    terme(QStringLiteral("log "));
}
void Machine::Bexp_Click() {
    terme(QStringLiteral("exp "));
}
void Machine::racine_Click() {
    terme(QStringLiteral("SQR "));
}
void Machine::B10x_Click() {
    terme(QStringLiteral("10 ^ "));
}
void Machine::command5_Click() {
    terme(QStringLiteral("1 / "));
}
void Machine::pi_Click() {
    terme(trimSpaces(texteNombre(std::numbers::pi)));
}

// plus, multip and div continue from the last answer on an empty entry, and do
// nothing while the display is blank.
void Machine::operatorAfterAnswer(void (*appendOperator)(QString&)) {
    if (trimSpaces(z1_->toPlainText()).isEmpty())
        return;
    if (trimSpaces(saisie).isEmpty())
        ANS_Click();
    appendOperator(saisie);
    montrerSaisie();
}

void Machine::multip_Click() {
    operatorAfterAnswer(appendProduct);
}
void Machine::div_Click() {
    operatorAfterAnswer(appendQuotient);
}
void Machine::plus_Click() {
    operatorAfterAnswer(appendPlus);
}

void Machine::btcarre_Click() {
    if (trimSpaces(saisie).isEmpty())
        ANS_Click();
    append(QStringLiteral(" ^ 2"));
}

void Machine::puissance_Click() {
    if (trimSpaces(saisie).isEmpty())
        ANS_Click();
    append(QStringLiteral(" ^ "));
}

// After a result, minus starts a negative number: it never takes the last answer.
void Machine::moins_Click() {
    appendMinus(saisie);
    montrerSaisie();
}

void Machine::ANS_Click() {
    if (codeErreur == 0)
        saisie += trimSpaces(derniereReponse);
    montrerSaisie();
}

void Machine::EXE_Click() {
    codeErreur = 0;
    QString expression = saisie;
    const QString failedEntry = saisie;
    saisie = waitingText;
    montrerSaisie();
    z1_->repaint();
    calculer(expression, codeErreur, angle_[1]->isChecked() ? 1 : 0);
    if (codeErreur == 0) {
        const std::optional<QString> shown = formaterResultat(expression, scientifique());
        if (shown) {
            saisie = *shown;
        } else {
            // An entered 1E400 comes back unchanged; it is an error like the others, so
            // that ANS and the operators never take the message as an answer.
            saisie = overflowText;
            codeErreur = 1;
            platform_.messages.beep();
        }
    } else {
        saisie = errorMessage(codeErreur);
        platform_.messages.beep();
    }
    montrerSaisie();
    derniereReponse = saisie;
    // After a failure the next key continues the entry that failed, under the message.
    saisie = codeErreur == 0 ? QString() : failedEntry;
}

void Machine::EFFACE_Click() {
    if (saisie.isEmpty())
        return;
    deleteBackwards(saisie);
    montrerSaisie();
}

void Machine::RAZ_Click() {
    saisie.clear();
    montrerSaisie();
}

void Machine::showOverflow() {
    platform_.messages.beep();
    afficher(overflowText);
}

// A result beyond the double range leaves the memory as it was.
void Machine::changeMemory(double sign) {
    const std::optional<double> shown = valeurNombre(z1_->toPlainText());
    const double result = shown ? etat_.memoire + sign * *shown : HUGE_VAL;
    if (!std::isfinite(result)) {
        showOverflow();
        return;
    }
    etat_.memoire = result;
    z1_->setFocus();
}

void Machine::Command1_Click() {
    changeMemory(1);
}

void Machine::Command2_Click() {
    changeMemory(-1);
}

void Machine::Command3_Click() {
    append(scientifique() ? formeScientifique(etat_.memoire)
                          : trimSpaces(texteNombre(etat_.memoire)));
}

void Machine::command4_Click() {
    etat_.memoire = 0;
    z1_->setFocus();
}

// With an empty entry, the last answer is shown again in the chosen format. After an
// error there is no answer to show: the message read as a number would show 0.
void Machine::C_Click(int index) {
    Q_UNUSED(index);
    if (!saisie.isEmpty() || codeErreur != 0)
        return;
    saisie = formaterResultat(derniereReponse, scientifique()).value_or(derniereReponse);
    montrerSaisie();
    z1_->repaint();
    saisie.clear();
}

bool Machine::z1_KeyPress(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        EFFACE_Click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EXE_Click();
        return true;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1)
        return false;
    const QChar c = text[0];
    if ((c >= u'0' && c <= u'9') || c == u'.')
        append(text);
    else if (c == u'e' || c == u'E' || c == u'd' || c == u'D')
        append(QStringLiteral("E"));
    else if (c == u'(')
        Bpo_Click();
    else if (c == u')')
        bpf_Click();
    else if (c == u'*')
        multip_Click();
    else if (c == u'+')
        plus_Click();
    else if (c == u'-')
        moins_Click();
    else if (c == u'/')
        div_Click();
    else if (c == u'^')
        puissance_Click();
    else
        return false;
    return true;
}

// The background is drawn in the pixels of the design's 15 twips per pixel, and so
// scaled with the keys it frames at any other.
void Machine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(15 / twips_.perPixelX(), 15 / twips_.perPixelY());
    paintMachineBackground(painter);
}

// Keys typed while another control has the focus get the same mapping. Escape is
// unmapped like any other key: it must not close the window, which would lose the
// entry and the last answer.
void Machine::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || z1_KeyPress(*event))
        return;
    QDialog::keyPressEvent(event);
}

bool Machine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == z1_ && event->type() == QEvent::KeyPress)
        return z1_KeyPress(*static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}
