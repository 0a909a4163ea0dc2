#include "quiz/testcommands.h"

#include "navigator/multim.h"
#include "navigator/navigationstate.h"
#include "platform/forms/formlabel.h"
#include "platform/messages.h"
#include "platform/modalwindows.h"
#include "platform/platform.h"
#include "quiz/exo.h"
#include "quiz/testsession.h"
#include "quiz/testwindowcontext.h"

namespace {

void ouvrirExo(TestWindowContext& context) {
    Exo exo(context, &context.multim);
    if (!exo.charger())
        return;
    context.platform.modalWindows.run(exo);
    if (context.navigation.navigationParCle == -1 && context.allerPage)
        context.allerPage();
}

} // namespace

void testcours_Click(int i, TestWindowContext& context) {
    TestSession& session = context.session;
    if (session.testEnCours) {
        context.platform.messages.show(
            QStringLiteral("Fermer le test avant d'en ouvrir un nouveau"),
            QStringLiteral("Vous allez retrouver le test qui est en cours d'exécution."),
            Messages::Buttons::Ok, Messages::Icon::Information);
        btexo_Click(context);
        return;
    }
    session.reponses.fill(QString());
    session.etats.fill(0);
    session.questionCourante = 0;
    session.numeroTest = qint16(i);
    session.testEnCours = true;
    ouvrirExo(context);
}

void btexo_Click(TestWindowContext& context) {
    context.multim.btexo->hide();
    context.multim.Label16->hide();
    ouvrirExo(context);
}
