#include <QApplication>

#include "app/Forms.h"
#include "main/ui/frmMain.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    posmod::Forms forms;
    forms.Main().Form_Load();
    return app.exec();
}
