#pragma once

#include "platform/Shell.h"

// Opens files and addresses with the desktop's own applications.
class SystemShell final : public Shell {
public:
    void openInEditor(const QString& path) override;
    void openAddress(const QString& address) override;
};
