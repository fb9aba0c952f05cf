#pragma once

#include <QLineEdit>

// The stock search box: takes Turkish letters as their plain capitals while typing and shows
// and holds everything in capitals (pasted text is upper-cased but not translated).
class AramaKutusu : public QLineEdit
{
    Q_OBJECT

public:
    explicit AramaKutusu(QWidget *parent = nullptr);

Q_SIGNALS:
    void aramaIstendi();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
