#pragma once

#include <QWidget>
#include <array>

class QPainter;
struct TestSession;

// The strip geometry: question i + 1's slot spans rows first..last of a strip
// `height` pixels high split into n slots (rounded half to even).
struct SlotSpan {
    int first;
    int last;
};
SlotSpan slotSpan(int i, int n, int height);

// The question under a release at row y of the strip, clamped to 1..n.
int questionAtHeight(int y, int height, int n);

// The face's top left inside the strip for question `question`.
QPoint facePosition(QSize strip, QSize face, int question, int n);

// The progress strip `Picture1`: one raised slot per question, coloured by its
// status and labelled "Question n". It reports a mouse release at a row.
class ProgressStrip : public QWidget {
    Q_OBJECT

public:
    ProgressStrip(const TestSession& session, QWidget* parent = nullptr);

Q_SIGNALS:
    void released(int y);
    // Something is answered: the score labels are due.
    void answersShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TestSession& session_;
};

// The banner `tito`: "Connaissez-vous votre cours ?" from pale yellow to white.
class Banner : public QWidget {
    Q_OBJECT

public:
    explicit Banner(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The yellow bands of the test window's white background: one fading down below
// the banner, one growing towards the bottom edge.
void paintTestBackground(QPainter& painter, QSize client);
