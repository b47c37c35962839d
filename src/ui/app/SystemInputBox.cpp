#include "app/SystemInputBox.h"

#include <QInputDialog>
#include <QLineEdit>

QString SystemInputBox::ask(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? text : QString();
}
