#include "app/GlobalVariables.h"

namespace GlobalVariables {
QString DataFileName;
}
