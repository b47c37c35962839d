#pragma once

#include <QString>

// The Wubi root mnemonics of the 86 and 98 editions: for the ANSI code of an upper-case letter
// from A to Y, three characters of code (zone, position, letter), a space and the verse, such
// as "11G 王旁青头兼五一". Every other code has an empty entry.
namespace WubiTables {

// edition is 86 or 98; any other edition, and any code without a mnemonic, gives "".
QString mnemonic(int edition, int code);

} // namespace WubiTables
