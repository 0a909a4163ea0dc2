#pragma once

#include "platform/forms/controlarray.h"
#include "quiz/testwindowcontext.h"

#include <QDialog>

class AnswerArea;
class FormLabel;
class ProgressStrip;
class Banner;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class RichTextBox;
struct QuestionRecord;

// The test window: one question at a time, its answer area, the progress strip,
// validation with its feedback windows, the score.
class Exo : public QDialog {
    Q_OBJECT

public:
    Exo(TestWindowContext context, QWidget* parent = nullptr);

    // Opens the test file and the question document; false (after telling the pupil,
    // with the test no longer in progress) when the test cannot be taken.
    bool charger();

    void tritexte();
    int castexte();
    void etatact();
    void majec();
    void repbon();
    void repbad();
    void affsmile();
    void reponseur();
    void prochainval();
    void valider();
    void afficherScore();
    void fermerTest();
    void reject() override;

    FormLabel* Label2;
    FormLabel* noa;
    RichTextBox* Rtfexo;
    RichTextBox* memortf;
    FormLabel* Image1;
    AnswerArea* Frame1;
    ControlArray<QRadioButton> Option1;
    FormLabel* nonnon;
    AnswerArea* Frame2;
    ControlArray<QCheckBox> Check1;
    ControlArray<FormLabel> faute;
    AnswerArea* Frame3;
    FormLabel* Label1;
    QLineEdit* Text1;
    QPlainTextEdit* Text3;
    FormLabel* Image3;
    FormLabel* Image5;
    FormLabel* Command3;
    FormLabel* command4;
    FormLabel* command5;
    FormLabel* Label3;
    FormLabel* Image2;
    FormLabel* Command7;
    FormLabel* command6;
    FormLabel* Label5;
    ProgressStrip* Picture1;
    FormLabel* Image4;
    Banner* tito;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildAnswerAreas();
    void buildCommands();
    void connectHandlers();
    void arrowReleased(FormLabel& arrow, QPoint position, int step);
    void showScoreLabels();
    int answeredCount() const;
    int rightCount() const;
    int selectedOption() const;
    int tickedCode() const;
    void showAnswerArea(const QuestionRecord& question);
    void setAnswerAreasEnabled(bool enabled);
    void showQuestionPicture(const QString& path);
    QString applicationDirectory() const;

    TestWindowContext context_;
    bool premiereActivation_ = false;
};
