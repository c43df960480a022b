// Program entry: the application and its frame window.
#include "app/widgets/tmainform.h"
#include "settings/fileaccess.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // A file name that is not UTF-8 keeps its bytes (Qt's decoding would not).
    FileAccess::setProgramArguments(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellam Vornic"));
    // No display name: the desktop would append it to every caption.
    TMainForm window;
    window.showMaximized();
    return QApplication::exec();
}
