#pragma once

#include <QString>

// The version as the program writes it: major, ".", then minor and revision run together
// without leading zeros (6.2.0 gives "6.20", 6.12.3 gives "6.123").
namespace WindowCaption {

QString versionText(int major, int minor, int revision);

// "Keyvora " followed by the version text.
QString caption(int major, int minor, int revision);

} // namespace WindowCaption
