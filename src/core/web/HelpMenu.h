#pragma once

#include "platform/ProgramFolder.h"
#include "web/WebAddresses.h"

#include <QString>

class MessageBox;
class Shell;

// The commands of the help menu `bangzhu1`: the feature description, the download page and the
// about box. The links to the maker's other sites (items 3 to 6) are not offered.
class HelpMenu {
public:
    HelpMenu(const ProgramFolder& folder, Shell& shell, MessageBox& messageBox,
             WebAddresses addresses = WebAddresses());

    // Runs the command of bangzhu1 item `index`; separators and unused items do nothing.
    void choose(int index);

    // The about box text: one line per "\r".
    static QString aboutText(int major, int minor, int revision);

    static QString featureFileName() { return QStringLiteral("《Keyvora》功能介绍.txt"); }
    static QString aboutTitle() { return QStringLiteral("关于Keyvora..."); }

private:
    ProgramFolder folder_;
    Shell& shell_;
    MessageBox& messageBox_;
    WebAddresses addresses_;
};
