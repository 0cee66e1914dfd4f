#include "shell/AppInfo.h"

#include <QCoreApplication>
#include <QString>

const char* const kAppTitle = "Ладомирка 4.23";
const char* const kAppConfigName = "Ladomirka";

void NameApplication() { QCoreApplication::setApplicationName(QString::fromUtf8(kAppConfigName)); }
