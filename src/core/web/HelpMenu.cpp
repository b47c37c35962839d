#include "web/HelpMenu.h"

#include "Version.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

HelpMenu::HelpMenu(const ProgramFolder& folder, Shell& shell, MessageBox& messageBox,
                   WebAddresses addresses)
    : folder_(folder), shell_(shell), messageBox_(messageBox), addresses_(std::move(addresses)) {}

void HelpMenu::choose(int index) {
    switch (index) {
    case 0:
        shell_.openInEditor(folder_.file(featureFileName()));
        break;
    case 1:
        shell_.openAddress(addresses_.downloadPage().toString());
        break;
    case 8:
        messageBox_.showWarning(aboutTitle(),
                                aboutText(Version::major, Version::minor, Version::revision));
        break;
    default:
        break;
    }
}

QString HelpMenu::aboutText(int major, int minor, int revision) {
    const QChar cr(u'\r');
    QString text;
    text += QStringLiteral("  Keyvora") + cr;
    text += cr;
    // Minor and revision run together: 6.2.0 reads "6.20".
    text += QStringLiteral("  版本号: %1.%2%3").arg(major).arg(minor).arg(revision) + cr;
    text += QStringLiteral(" ") + cr;
    text += QStringLiteral("  Keyvora 开发组") + cr;
    text += QStringLiteral("  网址: ") + WebAddresses::defaultBase().toString() + cr;
    text += QStringLiteral("  电子邮件: support@keyvora.cn") + cr;
    return text;
}
