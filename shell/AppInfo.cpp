#include "shell/AppInfo.h"

const char* const kAppTitle = "Ладомирка 4.23";
const char* const kAppConfigName = "Ladomirka";
