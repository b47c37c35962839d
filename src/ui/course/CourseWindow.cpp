#include "course/CourseWindow.h"

#include "course/ChineseLessonView.h"
#include "course/CourseListModel.h"
#include "course/LessonFiguresPanel.h"
#include "course/LessonResultPanel.h"
#include "course/LessonTextView.h"
#include "keyboard/KeyLayout.h"
#include "keyboard/KeyboardView.h"
#include "look/SongFont.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "practice/FingerPanel.h"
#include "practice/KeyEventMapper.h"
#include "sound/WubiTables.h"
#include "texts/TextLibrary.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString courseTitle = QStringLiteral("课程练习");

// The part of the keyboard frame shown: from the hint above the keys to below the space bar.
constexpr int keysTop = 780;     // twips inside the frame
constexpr int keysBottom = 4500; // twips inside the frame
// The finger row lies below the keyboard as in the main window; this moves it under the keys.
constexpr QPoint fingerOrigin(3780, 7080);

const QColor bannerText(255, 0, 0);
const QColor bannerBack(215, 220, 248);

QString unitOf(const CourseLesson& lesson) {
    return lesson.unit == CourseLesson::Unit::Characters ? QStringLiteral("字/分")
                                                         : QStringLiteral("个/分");
}

} // namespace

CourseWindow::CourseWindow(const Platform& platform, Options& options, PracticeHistory& history,
                           const LearnerFiles& files, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), options_(options),
      course_(std::make_unique<CoursePractice>(platform, options, history, files)),
      texts_(std::make_unique<TextLibrary>(platform.data, files.texts())) {
    setObjectName(QStringLiteral("kechenglianxi"));
    setWindowTitle(courseTitle);
    setFont(SongFont::make(9));
    // Fits a 1024 × 768 screen with its title bar.
    resize(1000, 700);

    auto* outer = new QVBoxLayout(this);
    auto* layout = new QHBoxLayout;
    outer->addLayout(layout, 1);
    layout->addWidget(buildList());
    layout->addWidget(buildPractice(), 1);

    CoursePractice& c = *course_;
    connect(&c, &CoursePractice::lessonChanged, this, &CourseWindow::showLesson);
    connect(&c, &CoursePractice::progressed, this, &CourseWindow::showProgress);
    connect(&c, &CoursePractice::finished, this, &CourseWindow::showResult);
    connect(&c, &CoursePractice::standingsChanged, this, &CourseWindow::showStandings);
    connect(&c, &CoursePractice::missBookChanged, this, &CourseWindow::showMissBook);
    connect(&c.hints(), &LessonHints::ticked, this, &CourseWindow::showFigures);

    disableInputMethods();
    installEventFilter(this);
}

CourseWindow::~CourseWindow() = default;

QWidget* CourseWindow::buildList() {
    auto* panel = new QWidget(this);
    panel->setFixedWidth(290);
    auto* caption = new QLabel(QStringLiteral("课程(&C)"), panel);
    caption->setFont(SongFont::make(10.5, true));
    model_ = new CourseListModel(this);
    list_ = new QTreeView(panel);
    list_->setObjectName(QStringLiteral("courseList"));
    list_->setAccessibleName(QStringLiteral("课程"));
    list_->setModel(model_);
    list_->setFont(SongFont::make(9));
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setUniformRowHeights(true);
    list_->header()->setStretchLastSection(true);
    list_->header()->resizeSection(0, 168);
    list_->setIndentation(12);
    caption->setBuddy(list_);
    connect(list_, &QTreeView::activated, this, &CourseWindow::startSelected);

    unlockAll_ = new QCheckBox(QStringLiteral("全部解锁(&U)"), panel);
    unlockAll_->setObjectName(QStringLiteral("unlockAll"));
    unlockAll_->setToolTip(QStringLiteral("已经会打字的学员可以打开每一课"));
    connect(unlockAll_, &QCheckBox::toggled, course_.get(), &CoursePractice::setUnlockAll);

    auto* start = new QPushButton(QStringLiteral("练习这一课(&S)"), panel);
    start->setObjectName(QStringLiteral("startLesson"));
    connect(start, &QPushButton::clicked, this, &CourseWindow::startSelected);
    import_ = new QPushButton(QStringLiteral("导入文本(&I)..."), panel);
    import_->setObjectName(QStringLiteral("importText"));
    paste_ = new QPushButton(QStringLiteral("粘贴文本(&P)"), panel);
    paste_->setObjectName(QStringLiteral("pasteText"));
    remove_ = new QPushButton(QStringLiteral("删除文本(&D)"), panel);
    remove_->setObjectName(QStringLiteral("removeText"));
    connect(import_, &QPushButton::clicked, this, &CourseWindow::importText);
    connect(paste_, &QPushButton::clicked, this, &CourseWindow::pasteText);
    connect(remove_, &QPushButton::clicked, this, &CourseWindow::removeText);
    for (QPushButton* button : {start, import_, paste_, remove_})
        button->setAutoDefault(true);

    missBookCaption_ = new QLabel(QStringLiteral("错字本(&B)"), panel);
    missBookCaption_->setFont(SongFont::make(10.5, true));
    missBook_ = new QListWidget(panel);
    missBook_->setObjectName(QStringLiteral("missBook"));
    missBook_->setAccessibleName(QStringLiteral("错字本"));
    missBook_->setFont(SongFont::make(10.5));
    missBook_->setFixedHeight(96);
    missBookCaption_->setBuddy(missBook_);

    auto* texts = new QHBoxLayout;
    texts->addWidget(import_);
    texts->addWidget(paste_);
    texts->addWidget(remove_);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(list_, 1);
    layout->addWidget(start);
    layout->addWidget(unlockAll_);
    layout->addLayout(texts);
    layout->addWidget(missBookCaption_);
    layout->addWidget(missBook_);
    return panel;
}

QWidget* CourseWindow::buildPractice() {
    auto* panel = new QWidget(this);
    title_ = new QLabel(panel);
    title_->setObjectName(QStringLiteral("lessonTitle"));
    title_->setFont(SongFont::make(15, true));
    title_->setAlignment(Qt::AlignCenter);
    title_->setAutoFillBackground(true);
    QPalette banner = title_->palette();
    banner.setColor(QPalette::WindowText, bannerText);
    banner.setColor(QPalette::Window, bannerBack);
    title_->setPalette(banner);
    marks_ = new QLabel(panel);
    marks_->setObjectName(QStringLiteral("passMarks"));
    marks_->setFont(SongFont::make(10.5));

    // A lesson shows its text; a Chinese lesson the character or word above it (pinyin) or in
    // its place (Wubi). The result takes their place once the lesson is done.
    stack_ = new QStackedWidget(panel);
    lessonPage_ = new QWidget(stack_);
    chinese_ = new ChineseLessonView(*course_, lessonPage_);
    text_ = new LessonTextView(lessonPage_);
    auto* page = new QVBoxLayout(lessonPage_);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(chinese_);
    page->addWidget(text_, 1);
    result_ = new LessonResultPanel(stack_);
    stack_->addWidget(lessonPage_);
    stack_->addWidget(result_);
    stack_->setFixedHeight(chinese_->sizeHint().height() + text_->sizeHint().height() / 2);
    connect(result_, &LessonResultPanel::retryChosen, course_.get(), &CoursePractice::retry);
    connect(result_, &LessonResultPanel::nextChosen, course_.get(), &CoursePractice::startNext);

    // The main window's keyboard, cut to the keys and the hint above them.
    auto* keys = new QWidget(panel);
    keys->setObjectName(QStringLiteral("lessonKeyboard"));
    const QRect frame = KeyLayout::pixels(KeyLayout::frameRect);
    keys->setFixedSize(frame.width(), KeyLayout::pixels(keysBottom - keysTop));
    keyboard_ = new KeyboardView(course_->keyboard(), keys);
    keyboard_->move(0, -KeyLayout::pixels(keysTop));
    keyboard_->setAccessibleName(QStringLiteral("键盘"));
    keyboard_->hintLabel()->setText(QString());
    connect(keyboard_, &KeyboardView::keyHovered, this, &CourseWindow::showVerse);
    connect(keyboard_, &KeyboardView::frameHovered, this,
            [this] { keyboard_->setMnemonic(false, KeyTable::noKey, QString()); });
    auto* fingerRow = new QWidget(panel);
    fingerRow->setObjectName(QStringLiteral("lessonFingers"));
    fingerRow->setFixedSize(frame.width(), KeyLayout::pixels(420));
    fingers_ = new FingerPanel(fingerRow, course_->hints(), fingerOrigin);

    figures_ = new LessonFiguresPanel(panel);
    figures_->setFixedWidth(190);

    auto* keyboardColumn = new QVBoxLayout;
    keyboardColumn->addWidget(keys);
    keyboardColumn->addWidget(fingerRow);
    keyboardColumn->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(keyboardColumn);
    bottom->addWidget(figures_);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(marks_);
    layout->addWidget(stack_);
    layout->addLayout(bottom, 1);
    return panel;
}

void CourseWindow::disableInputMethods() {
    // No input method may compose the keys of a lesson: with a Chinese input method switched on,
    // every key must still reach the practice as the key it is.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    for (QWidget* widget : findChildren<QWidget*>())
        widget->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void CourseWindow::setTopBar(QWidget* bar) {
    bar->setParent(this);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, bar);
    disableInputMethods();
}

void CourseWindow::setLearner(const LearnerFiles& files) {
    texts_->setFolder(files.texts());
    course_->setLearner(files);
    if (!opened_)
        return;
    unlockAll_->setChecked(course_->progress().unlockAll());
    loadTexts();
    course_->start(course_->firstToPractise());
}

void CourseWindow::openCourse() {
    if (opened_)
        return;
    opened_ = true;
    course_->load();
    unlockAll_->setChecked(course_->progress().unlockAll());
    loadTexts();
    course_->start(course_->firstToPractise());
}

void CourseWindow::loadTexts() {
    QList<std::pair<QString, QStringList>> texts;
    for (const LibraryText& text : texts_->texts())
        texts.append({text.name, text.lessons});
    course_->setTexts(texts);
}

void CourseWindow::showStandings() {
    const QString chosen = CourseListModel::idAt(list_->currentIndex());
    model_->refresh(*course_);
    list_->expandAll();
    // A rebuilt list keeps the lesson chosen in it, or else shows the one on display.
    if (!list_->currentIndex().isValid()) {
        QModelIndex index = model_->indexOf(chosen);
        if (!index.isValid() && course_->current())
            index = model_->indexOf(course_->current()->id);
        if (index.isValid())
            list_->setCurrentIndex(index);
    }
    remove_->setEnabled(!texts_->texts().isEmpty());
}

void CourseWindow::showLesson() {
    const CourseLesson* lesson = course_->current();
    text_->setSession(course_->textSession());
    stack_->setCurrentWidget(lessonPage_);
    const bool chinese = !course_->pinyinEntries().isEmpty() || course_->wubiSession();
    chinese_->setVisible(chinese);
    text_->setVisible(course_->textSession() != nullptr);
    text_->setVisibleLines(chinese ? 2 : 4);
    chinese_->refresh();
    if (!lesson) {
        title_->setText(QString());
        marks_->setText(QString());
        figures_->setFigures({});
        return;
    }
    title_->setText(course_->fullName(*lesson));
    QString marks = QStringLiteral("过关：正确率 %1%，速度 %2 %3。Esc 暂停")
                        .arg(lesson->passAccuracy)
                        .arg(lesson->passSpeed)
                        .arg(unitOf(*lesson));
    if (course_->wubiSession())
        marks += QStringLiteral("，F1 显示编码");
    marks_->setText(marks + QStringLiteral("。"));
    const QModelIndex index = model_->indexOf(lesson->id);
    if (index.isValid())
        list_->setCurrentIndex(index);
    showProgress();
}

void CourseWindow::showProgress() {
    showFigures();
    LessonAttempt* session = course_->attempt();
    QString hint;
    if (session) {
        switch (session->state()) {
        case LessonAttempt::State::Paused:
            hint = QStringLiteral("已暂停：按任意字符键继续。");
            break;
        case LessonAttempt::State::Finished:
            hint = QStringLiteral("本课完成！");
            break;
        case LessonAttempt::State::Ready:
        case LessonAttempt::State::Running: {
            const int code = session->nextCode();
            if (code < 0) {
                hint = QStringLiteral("按编码打出上面的字；不会时按 F1。");
                break;
            }
            const LessonHints::Keys keys = LessonHints::keysOf(code);
            const QString shown = code == 32 ? QStringLiteral("空格") : QString(QChar(code));
            QString how =
                keys.finger >= 0 ? FingerPanel::fingerName(keys.finger) : QStringLiteral("拇指");
            if (keys.shift != KeyTable::noKey)
                how += keys.finger <= 3 ? QStringLiteral("，右手按 Shift")
                                        : QStringLiteral("，左手按 Shift");
            hint = QStringLiteral("下一个：%1（%2）").arg(shown, how);
            break;
        }
        }
    }
    QLabel* label = keyboard_->hintLabel();
    if (label->text() != hint) {
        label->setText(hint);
        label->setAccessibleName(hint);
    }
}

void CourseWindow::showFigures() {
    const LessonAttempt* a = course_->attempt();
    if (!a)
        return;
    LessonFiguresPanel::Figures f;
    f.count = a->count();
    f.accuracy = a->accuracy();
    f.seconds = a->seconds();
    f.speed = a->speed();
    if (const LessonSession* text = course_->textSession()) {
        f.hits = text->hits();
        if (!course_->pinyinEntries().isEmpty())
            f.charSpeed = a->charSpeed();
    }
    if (const WubiSession* wubi = course_->wubiSession()) {
        f.hits = wubi->current() - [wubi] {
            int missed = 0;
            for (int i = 0; i < wubi->current(); ++i)
                missed += wubi->missed(i) ? 1 : 0;
            return missed;
        }();
        f.charSpeed = a->charSpeed();
        f.codeLength = a->codeLength();
    }
    figures_->setFigures(f);
}

void CourseWindow::showResult() {
    const CourseLesson* lesson = course_->current();
    if (!lesson)
        return;
    const QString next = course_->lessonAfter(lesson->id);
    const bool nextOpen =
        !next.isEmpty() && course_->standing(next) != CoursePractice::Standing::Locked;
    result_->setResult(course_->result(), unitOf(*lesson), nextOpen);
    stack_->setCurrentWidget(result_);
    showProgress();
    result_->preferredButton()->setFocus();
}

void CourseWindow::showVerse(int keyIndex) {
    // The letter keys show their root mnemonic, as on the main window's keyboard; in the edition
    // the lesson teaches.
    const QString verse = keyIndex >= 'A' && keyIndex <= 'Y'
                              ? WubiTables::mnemonic(course_->edition(), keyIndex)
                              : QString();
    keyboard_->setMnemonic(!verse.isEmpty(), keyIndex, verse);
}

void CourseWindow::showMissBook() {
    const QList<MissBook::Entry>& entries = course_->missBook().entries();
    missBook_->clear();
    for (const MissBook::Entry& e : entries)
        missBook_->addItem(QStringLiteral("%1  %2  错 %3 次，已连对 %4 次")
                               .arg(e.text, e.code)
                               .arg(e.misses)
                               .arg(e.streak));
    missBookCaption_->setText(QStringLiteral("错字本(&B)：%1 个").arg(entries.size()));
}

void CourseWindow::startSelected() {
    const QString id = CourseListModel::idAt(list_->currentIndex());
    if (id.isEmpty())
        return;
    if (course_->standing(id) == CoursePractice::Standing::Locked) {
        platform_.messageBox->showInformation(
            courseTitle, QStringLiteral("这一课还没有解锁：先通过前面的课，或选“全部解锁”。"));
        return;
    }
    course_->start(id);
}

void CourseWindow::importText() {
    course_->pause();
    const QString path = platform_.fileDialog->openFile(
        QStringLiteral("导入文本"), QStringLiteral("文本文件 (*.txt);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    showAdded(texts_->addFile(path));
}

void CourseWindow::pasteText() {
    course_->pause();
    const QString text = QApplication::clipboard()->text();
    showAdded(texts_->addClipboard(text, platform_.clock->localDateTime()));
}

void CourseWindow::showAdded(const TextLibrary::Outcome& added) {
    if (!added.ok) {
        platform_.messageBox->showWarning(courseTitle, added.message);
        return;
    }
    loadTexts();
    // The new text's first lesson is chosen in the list: Enter starts it.
    const QModelIndex first = model_->indexOf(QStringLiteral("text:%1:1").arg(added.name));
    if (first.isValid()) {
        list_->setCurrentIndex(first);
        list_->scrollTo(first);
    }
    platform_.messageBox->showInformation(courseTitle, added.message);
}

void CourseWindow::removeText() {
    course_->pause();
    // The text of the lesson chosen in the list, else of the lesson on display.
    QString id = CourseListModel::idAt(list_->currentIndex());
    const CourseLesson* lesson = course_->lesson(id);
    if (!lesson || lesson->kind != CourseLesson::Kind::Text)
        lesson = course_->current();
    if (!lesson || lesson->kind != CourseLesson::Kind::Text) {
        platform_.messageBox->showInformation(
            courseTitle, QStringLiteral("请先在“我的文本”里选中要删除的文本。"));
        return;
    }
    const QString name = lesson->id.section(QLatin1Char(':'), 1, -2);
    const TextLibrary::Outcome removed = texts_->remove(name);
    if (!removed.ok) {
        platform_.messageBox->showWarning(courseTitle, removed.message);
        return;
    }
    loadTexts();
}

void CourseWindow::showEvent(QShowEvent* event) {
    if (QWindow* window = windowHandle(); window && window != filteredWindow_) {
        window->installEventFilter(this);
        filteredWindow_ = window;
    }
    QWidget::showEvent(event);
    openCourse();
}

void CourseWindow::hideEvent(QHideEvent* event) {
    course_->setPresent(false);
    QWidget::hideEvent(event);
}

void CourseWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // A lesson does not run on while the learner is in another window.
    course_->setPresent(isActiveWindow());
}

bool CourseWindow::eventFilter(QObject* watched, QEvent* event) {
    // Keys from the system reach the window's QWindow before any control. Keys sent to the window
    // itself by a program (an accessibility tool) never pass there, so they are taken here; a
    // system key passed on to the window was seen on its QWindow already.
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    if (watched == filteredWindow_ || (watched == this && !event->spontaneous()))
        return handleKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool CourseWindow::handleKey(QKeyEvent* key) {
    if (!course_->takesKeys())
        return false;
    LessonAttempt* session = course_->attempt();
    if (key->key() == Qt::Key_Escape) {
        if (session->state() != LessonAttempt::State::Running)
            return false;
        course_->pause();
        return true;
    }
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier)
        return course_->reveal();
    const KeyEventMapper::Stroke stroke = KeyEventMapper::map(key->key(), key->modifiers());
    const bool types =
        LessonAttempt::isPracticeKey(stroke.code, stroke.state) &&
        !LessonAttempt::typedCharacter(stroke.code, stroke.state & KeyEventMapper::shiftBit)
             .isNull();
    // Ready or paused, only keys that type go to the lesson; the others walk the window.
    if (session->state() != LessonAttempt::State::Running && !types)
        return false;
    return course_->keyDown(stroke.code, stroke.state);
}
