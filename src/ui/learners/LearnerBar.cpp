#include "learners/LearnerBar.h"

#include "app/Trainer.h"
#include "learners/BackupRestore.h"
#include "learners/LearnerBackup.h"
#include "learners/LearnersDialog.h"
#include "learners/RecordsExport.h"
#include "look/SongFont.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "texts/SafeFileName.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

const QString dataTitle = QStringLiteral("学员的数据");

} // namespace

LearnerBar::LearnerBar(Trainer& trainer, const Platform& platform, bool withData, QWidget* parent)
    : QWidget(parent), trainer_(trainer), platform_(platform) {
    setObjectName(QStringLiteral("learnerBar"));
    auto* caption = new QLabel(QStringLiteral("学员(&E)："), this);
    learners_ = new QComboBox(this);
    learners_->setObjectName(QStringLiteral("learner"));
    learners_->setAccessibleName(QStringLiteral("当前学员"));
    learners_->setMinimumContentsLength(10);
    caption->setBuddy(learners_);
    auto* manage = new QPushButton(QStringLiteral("管理学员(&M)..."), this);
    manage->setObjectName(QStringLiteral("manageLearners"));
    connect(manage, &QPushButton::clicked, this, &LearnerBar::manage);
    connect(learners_, &QComboBox::activated, this,
            [this](int row) { trainer_.switchLearner(learners_->itemData(row).toInt()); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(learners_);
    layout->addWidget(manage);
    if (withData) {
        auto* exporting = new QPushButton(QStringLiteral("导出(&X)..."), this);
        exporting->setObjectName(QStringLiteral("exportRecords"));
        withKeys_ = new QCheckBox(QStringLiteral("含各键的数字(&K)"), this);
        withKeys_->setObjectName(QStringLiteral("exportKeys"));
        auto* backup = new QPushButton(QStringLiteral("备份(&B)..."), this);
        backup->setObjectName(QStringLiteral("backUp"));
        auto* restore = new QPushButton(QStringLiteral("恢复(&O)"), this);
        restore->setObjectName(QStringLiteral("restore"));
        auto* restoreMenu = new QMenu(restore);
        restoreMenu->addAction(QStringLiteral("恢复到当前学员(&C)..."), this,
                               [this] { this->restore(false); });
        restoreMenu->addAction(QStringLiteral("恢复为新学员(&N)..."), this,
                               [this] { this->restore(true); });
        restore->setMenu(restoreMenu);
        connect(exporting, &QPushButton::clicked, this, &LearnerBar::exportRecords);
        connect(backup, &QPushButton::clicked, this, &LearnerBar::backUp);
        layout->addSpacing(12);
        layout->addWidget(exporting);
        layout->addWidget(withKeys_);
        layout->addWidget(backup);
        layout->addWidget(restore);
    }
    layout->addStretch(1);
    connect(&trainer_.learners, &Learners::listChanged, this, &LearnerBar::refresh);
    connect(&trainer_.learners, &Learners::currentChanged, this, &LearnerBar::refresh);
    refresh();
}

void LearnerBar::refresh() {
    const Learners& all = trainer_.learners;
    learners_->clear();
    for (const Learners::Learner& l : all.list()) {
        learners_->addItem(l.name, l.id);
        if (l.id == all.current())
            learners_->setCurrentIndex(learners_->count() - 1);
    }
}

void LearnerBar::manage() {
    LearnersDialog dialog(trainer_, *platform_.inputBox, *platform_.messageBox, window());
    dialog.exec();
}

void LearnerBar::exportRecords() {
    const Learners& all = trainer_.learners;
    const QString path = platform_.fileDialog->saveFile(
        QStringLiteral("导出练习记录"),
        SafeFileName::from(all.currentLearner().name) + QStringLiteral(".csv"),
        QStringLiteral("CSV 表格 (*.csv)"));
    if (path.isEmpty())
        return;
    const RecordsExport::Outcome done = RecordsExport::learner(
        platform_.data, all.currentFiles(), path, withKeys_ && withKeys_->isChecked());
    if (done.ok)
        platform_.messageBox->showInformation(dataTitle, done.message);
    else
        platform_.messageBox->showWarning(dataTitle, done.message);
}

void LearnerBar::backUp() {
    const Learners& all = trainer_.learners;
    const QString name = all.currentLearner().name;
    const QString path = platform_.fileDialog->saveFile(
        QStringLiteral("备份学员的数据"),
        SafeFileName::from(name) + QLatin1Char('.') + LearnerBackup::extension(),
        QStringLiteral("Keyvora 备份 (*.kvbak)"));
    if (path.isEmpty())
        return;
    const LearnerBackup::Outcome done = LearnerBackup::write(
        path, platform_.data, all.currentFiles(), name, platform_.clock->localDateTime());
    if (done.ok)
        platform_.messageBox->showInformation(dataTitle, done.message);
    else
        platform_.messageBox->showWarning(dataTitle, done.message);
}

void LearnerBar::restore(bool asNewLearner) {
    const QString path = platform_.fileDialog->openFile(
        QStringLiteral("恢复学员的数据"), QStringLiteral("Keyvora 备份 (*.kvbak);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    const LearnerBackup::Reading backup = LearnerBackup::read(path);
    if (!backup.ok()) {
        platform_.messageBox->showWarning(dataTitle, backup.message);
        return;
    }
    Learners& all = trainer_.learners;
    int id = all.current();
    if (asNewLearner) {
        // The backup's own name, unless another learner has it: then the learner names one.
        QString name = backup.contents.learner;
        QString prompt;
        while (!(prompt = all.refusal(name)).isEmpty()) {
            name = platform_.inputBox->ask(prompt + QStringLiteral("\n新学员的名字："), dataTitle,
                                           name);
            if (name.isEmpty())
                return;
        }
        const Learners::Outcome added = all.add(name);
        if (!added.ok) {
            platform_.messageBox->showWarning(dataTitle, added.message);
            return;
        }
        id = added.id;
    }
    const BackupRestore::Outcome done = BackupRestore::into(
        backup.contents, platform_.data, Learners::filesOf(id), platform_.clock->localDateTime());
    if (done.ok && id == all.current())
        trainer_.reloadLearner(); // what the windows hold in memory must not write over it
    if (done.ok)
        platform_.messageBox->showInformation(dataTitle, done.message);
    else
        platform_.messageBox->showWarning(dataTitle, done.message);
}
