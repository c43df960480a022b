// Program entry: the application and its frame window.
#include "app/widgets/tmainform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellam Vornic"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pellam Vornic"));
    TMainForm window;
    window.showMaximized();
    return QApplication::exec();
}
