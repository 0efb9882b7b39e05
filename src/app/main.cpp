#include <QApplication>

#include "main/Forms.h"
#include "main/frmMain.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    posmod::Forms forms;
    forms.Main().Form_Load();
    return app.exec();
}
