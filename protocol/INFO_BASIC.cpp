#include "INFO_BASIC.h"

INFO_BASIC::~INFO_BASIC() = default;

void INFO_BASIC::clearAllData() {}

void INFO_BASIC::clearWindowData() {}

void INFO_BASIC::clearPanelData() {}
