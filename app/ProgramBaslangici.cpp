#include "ProgramBaslangici.h"

#include "identity/MesajGoster.h"
#include "platform/Task.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

namespace ProgramBaslangici {

void uygula(QApplication &app)
{
    // The one window style of the program; without it the program runs with the platform look.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(style);
    app.setStyleSheet(QStringLiteral(
        "QTabBar::tab { min-height: 50px; min-width: 110px; }"
        "QHeaderView::section { background: #dfe8f6; border: 1px solid #99bbe8; padding: 2px; }"
        "QTableView { alternate-background-color: #f2f6fb; selection-background-color: #c1d8f0;"
        " selection-color: black; }"));
    // Amounts follow the user's locale; a machine left at the C locale gets Turkish separators.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    platform::Task::setErrorReporter(
        [](const QString &metin) { MesajGoster(metin, mesaj::Hata, mesaj::SetTamam, mesaj::DugmeTamam); });
}

} // namespace ProgramBaslangici
