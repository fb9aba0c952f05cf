#include "ProgramBaslangici.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ProgramBaslangici::uygula(app);
    TForm1 form;
    form.FormCreate();
    return app.exec();
}
