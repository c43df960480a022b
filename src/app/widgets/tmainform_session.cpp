// TMainForm: the program's session: ending without questions on logout or
// `kill`.
#include "app/widgets/tmainform.h"

#include <QApplication>

void TMainForm::quitWithoutQuestions()
{
    m_quitWithoutQuestions = true;
    close();
    // A dialog open at this moment has an event loop of its own: leave them all.
    QApplication::exit(0);
}
