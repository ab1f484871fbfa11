#include "UnitManager.h"

TUnitManager::TUnitManager(int languageId) : languageId_(languageId) {}
