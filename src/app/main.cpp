// Bresolan: per-provider Medicaid visit shares from the practice's billing database.
#include "qelUpdater.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    TfrmDatabaseUpdate frmDatabaseUpdate;
    frmDatabaseUpdate.show();
    return application.exec();
}
