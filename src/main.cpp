#include "app/Form1.h"
#include "app/QtDialogs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtDialogs dialogs;
    Form1 form1(dialogs);
    form1.show();
    return app.exec();
}
