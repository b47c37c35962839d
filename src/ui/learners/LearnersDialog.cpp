#include "learners/LearnersDialog.h"

#include "app/Trainer.h"
#include "look/SongFont.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString title = QStringLiteral("学员");

} // namespace

LearnersDialog::LearnersDialog(Trainer& trainer, InputBox& input, MessageBox& messages,
                               QWidget* parent)
    : QDialog(parent), trainer_(trainer), learners_(trainer.learners), input_(input),
      messages_(messages) {
    setObjectName(QStringLiteral("learners"));
    setWindowTitle(title);
    setFont(SongFont::make(10.5));
    auto* caption = new QLabel(QStringLiteral("学员(&L)："), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("learnerList"));
    list_->setAccessibleName(QStringLiteral("学员"));
    caption->setBuddy(list_);
    auto* add = new QPushButton(QStringLiteral("添加(&A)..."), this);
    rename_ = new QPushButton(QStringLiteral("改名(&R)..."), this);
    remove_ = new QPushButton(QStringLiteral("删除(&D)..."), this);
    current_ = new QPushButton(QStringLiteral("设为当前学员(&S)"), this);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(add, &QPushButton::clicked, this, &LearnersDialog::addLearner);
    connect(rename_, &QPushButton::clicked, this, &LearnersDialog::renameLearner);
    connect(remove_, &QPushButton::clicked, this, &LearnersDialog::removeLearner);
    connect(current_, &QPushButton::clicked, this, &LearnersDialog::makeCurrent);
    connect(list_, &QListWidget::itemActivated, this, &LearnersDialog::makeCurrent);
    connect(list_, &QListWidget::currentRowChanged, this, [this] {
        const int id = chosenId();
        rename_->setEnabled(id >= 0);
        remove_->setEnabled(id > Learners::firstId);
        current_->setEnabled(id >= 0 && id != learners_.current());
    });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&learners_, &Learners::listChanged, this, &LearnersDialog::refresh);
    connect(&learners_, &Learners::currentChanged, this, &LearnersDialog::refresh);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add, rename_, remove_, current_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(row);
    layout->addWidget(close);
    resize(420, 320);
    refresh();
}

int LearnersDialog::chosenId() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void LearnersDialog::refresh() {
    const int chosen = list_->currentItem() ? chosenId() : learners_.current();
    list_->clear();
    for (const Learners::Learner& l : learners_.list()) {
        auto* item = new QListWidgetItem(
            l.id == learners_.current() ? QStringLiteral("%1（当前）").arg(l.name) : l.name, list_);
        item->setData(Qt::UserRole, l.id);
        if (l.id == chosen)
            list_->setCurrentItem(item);
    }
    if (!list_->currentItem() && list_->count() > 0)
        list_->setCurrentRow(0);
}

void LearnersDialog::addLearner() {
    QString name;
    QString prompt = QStringLiteral("新学员的名字（1 到 %1 个字）：").arg(Learners::longestName);
    for (;;) {
        name = input_.ask(prompt, title, name);
        if (name.isEmpty())
            return;
        const Learners::Outcome added = learners_.add(name);
        if (added.ok)
            break;
        // Asked again, with the reason, and the name as typed to correct.
        prompt = added.message + QStringLiteral("\n请重新输入：");
    }
    refresh();
}

void LearnersDialog::renameLearner() {
    const int id = chosenId();
    const Learners::Learner* learner = learners_.byId(id);
    if (!learner)
        return;
    QString name = learner->name;
    QString prompt = QStringLiteral("“%1”的新名字：").arg(learner->name);
    for (;;) {
        name = input_.ask(prompt, title, name);
        if (name.isEmpty())
            return;
        const Learners::Outcome renamed = learners_.rename(id, name);
        if (renamed.ok)
            return;
        prompt = renamed.message + QStringLiteral("\n请重新输入：");
    }
}

void LearnersDialog::removeLearner() {
    const int id = chosenId();
    const Learners::Learner* learner = learners_.byId(id);
    if (!learner || id == Learners::firstId)
        return;
    const QString question =
        QStringLiteral("删除学员“%1”？\n他的练习记录、课程进度、错字本和文本不会丢失："
                       "都移到数据文件夹的“数据库/学员/已删除”里。")
            .arg(learner->name);
    if (!messages_.confirm(title, question))
        return;
    // The current learner's run ends first, recorded for that learner.
    if (id == learners_.current() && (trainer_.run.running() || trainer_.run.countdownActive()))
        trainer_.run.stop();
    const Learners::Outcome removed = learners_.remove(id);
    if (!removed.ok)
        messages_.showWarning(title, removed.message);
}

void LearnersDialog::makeCurrent() {
    const int id = chosenId();
    if (id >= 0)
        trainer_.switchLearner(id);
}
