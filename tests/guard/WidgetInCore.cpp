// Never builds: the core's include path turns every Qt Widgets header into an error, including
// the spelling that Qt's own include root would otherwise resolve.
#include <QtWidgets/QLabel>
