#include "sound/WubiTables.h"

namespace WubiTables {

QString mnemonic(int, int) { return QString(); }

} // namespace WubiTables
