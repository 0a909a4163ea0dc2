#pragma once

#include <QWidget>

class FormLabel;

// The cover window `cine`, shown while start-up works: the disc's cover in a
// bevelled frame.
class Cine : public QWidget {
    Q_OBJECT

public:
    explicit Cine(const QString& repertoireProgramme);
    ~Cine() override;

    FormLabel* Image1;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load(const QString& repertoireProgramme);
    void Form_Unload();
};
