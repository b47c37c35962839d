#include "app/Form1.h"

#include "app/MenuBarPanel.h"
#include "app/PopupMenus.h"
#include "app/WindowCaption.h"
#include "course/CourseWindow.h"
#include "history/ChartModule.h"
#include "history/HistoryWindow.h"
#include "keyboard/KeyboardView.h"
#include "learners/LearnerBar.h"
#include "look/SongFont.h"
#include "look/Twips.h"
#include "platform/ConnectionCheck.h"
#include "platform/MessageBox.h"
#include "practice/FingerPanel.h"
#include "practice/KeyEventMapper.h"
#include "practice/PracticeArea.h"
#include "practice/StatisticsPanel.h"
#include "web/WebPeriphery.h"

#include "Version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QWindow>

namespace {

// Reads one of the program's own pictures in the format it is known to have. Left to guess the
// format from the name or the content, the reader first loads every image-format plug-in (GIF,
// ICO, JPEG with its library) to ask each whether it reads the file: milliseconds of the
// start-up and memory held for good, for formats the program never uses.
QImage builtInImage(const char* path, const char* format) {
    QImageReader reader(QString::fromLatin1(path), format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

Form1::Form1(const Platform& platform, QWidget* parent)
    : QWidget(parent), trainer_(platform, this),
      backgroundImage_(std::async(std::launch::async, &BackgroundPicture::builtIn)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Keyvora "));
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(builtInImage(":/keyvora/keyvora-16.png", "png")));
    icon.addPixmap(QPixmap::fromImage(builtInImage(":/keyvora/keyvora-32.png", "png")));
    setWindowIcon(icon);
    setFont(SongFont::make(9));
    resize(Twips::px(11880), Twips::px(8190));
    setMouseTracking(true);

    popupMenus_ = new PopupMenus(trainer_.menus, this);
    statistics_ = new StatisticsPanel(this, trainer_.state, trainer_.statistics);
    practiceArea_ = new PracticeArea(this, trainer_.falling, trainer_.keyboard);
    fingers_ = new FingerPanel(this, trainer_.fingers);
    buildTitleBanner();
    web_ = new WebPeriphery(this, platform);
    // The highlight and the bar go last, so that they lie above the banner's margin.
    menuBar_ = new MenuBarPanel(this, *popupMenus_);
    wirePanels();

    // Keys from the system reach the window's QWindow before any control; keys sent to the
    // window itself (as tests and accessibility tools do) reach it directly. Filtering these two
    // rather than the whole application keeps every other event, the timers' ten a second
    // included, off the filter.
    installEventFilter(this);
    load();
}

Form1::~Form1() = default;

void Form1::showEvent(QShowEvent* event) {
    if (QWindow* window = windowHandle(); window && window != filteredWindow_) {
        window->installEventFilter(this);
        filteredWindow_ = window;
    }
    QWidget::showEvent(event);
}

void Form1::buildTitleBanner() {
    label1_ = new QLabel(trainer_.styles.banner(), this);
    label1_->setObjectName(QStringLiteral("Label1_0"));
    label1_->setGeometry(Twips::rect(900, 540, 10875, 435));
    label1_->setFont(SongFont::make(18, true));
    label1_->setAlignment(Qt::AlignCenter);
    QPalette palette = label1_->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    palette.setColor(QPalette::Window, QColor(215, 220, 248));
    label1_->setPalette(palette);
    label1_->setAutoFillBackground(true);
    label1_->setMouseTracking(true);
    label1_->installEventFilter(this);
}

void Form1::wirePanels() {
    Trainer& t = trainer_;
    connect(&t, &Trainer::fileMenuRequested, this, &Form1::popUpFileMenu);
    connect(&t, &Trainer::exitRequested, this, &QWidget::close);
    connect(&t, &Trainer::historyRequested, this, &Form1::showHistory);
    connect(&t, &Trainer::courseRequested, this, &Form1::showCourse);
    connect(&t, &Trainer::learnersUnreadable, this, [this](const QString& setAside) {
        MessageBox* box = trainer_.platform().messageBox;
        if (!box)
            return;
        box->showWarning(QStringLiteral("学员"),
                         setAside.isEmpty()
                             ? QStringLiteral("学员名单无法读取，这次只用第一位学员“默认”；"
                                              "名单文件保持原样。")
                             : QStringLiteral("学员名单已损坏，已改名保存为：\n%1\n"
                                              "这次只用第一位学员“默认”。")
                                   .arg(setAside));
    });

    connect(&t.styles, &DisplayStyles::bannerChanged, label1_, &QLabel::setText);
    connect(&t.styles, &DisplayStyles::keyboardShownChanged, practiceArea_,
            &PracticeArea::setKeyboardShown);
    connect(&t.run, &RunController::countdownChanged, this, [this] {
        practiceArea_->setCountdown(trainer_.run.countdownVisible(),
                                    trainer_.run.countdownNumber());
    });

    connect(statistics_, &StatisticsPanel::contextMenuRequested, this, &Form1::popUpFileMenu);
    connect(statistics_, &StatisticsPanel::hovered, menuBar_, &MenuBarPanel::hideHighlight);
    connect(practiceArea_, &PracticeArea::contextMenuRequested, this, &Form1::popUpFileMenu);

    KeyboardView* keys = practiceArea_->keyboard();
    connect(keys, &KeyboardView::contextMenuRequested, this, &Form1::popUpFileMenu);
    connect(keys, &KeyboardView::frameHovered, this, [this] {
        menuBar_->hideHighlight();
        trainer_.wubi.hoverFrame();
    });
    connect(keys, &KeyboardView::keyHovered, &t.wubi, &WubiMnemonics::hoverKey);
    connect(keys, &KeyboardView::keyClicked, &t.wubi, &WubiMnemonics::clickKey);
    connect(&t.wubi.label(), &MnemonicLabel::changed, keys, [this] {
        const MnemonicLabel& label = trainer_.wubi.label();
        practiceArea_->keyboard()->setMnemonic(label.isVisible(), label.keyIndex(), label.text());
    });
}

void Form1::load() {
    setWindowTitle(WindowCaption::caption(Version::major, Version::minor, Version::revision));
    // There is no native menu bar: the menus appear only as pop-ups.
    const auto& screenWidth = trainer_.platform().screenWidth;
    if (screenWidth && screenWidth() <= 800)
        setWindowState(Qt::WindowMaximized);
    trainer_.load();
    web_->start();
}

HistoryWindow* Form1::historyWindow() const {
    return history_;
}

void Form1::showHistory() {
    // The chart module lies beside the program; the window works without it.
    if (!history_) {
        history_ = new HistoryWindow(trainer_.history,
                                     ChartModule(QCoreApplication::applicationDirPath()), this);
        history_->setTopBar(new LearnerBar(trainer_, trainer_.platform(), true));
    }
    history_->show();
    history_->raise();
    history_->activateWindow();
}

CourseWindow* Form1::courseWindow() const {
    return course_;
}

void Form1::showCourse() {
    if (!course_) {
        // Made, and its data read, only when first asked for: the main window's start pays
        // nothing for the course.
        SongFont::addCourseFont(trainer_.platform().folder.file(SongFont::courseFile));
        course_ = new CourseWindow(trainer_.platform(), trainer_.options, trainer_.history,
                                   trainer_.learners.currentFiles(), this);
        course_->setTopBar(new LearnerBar(trainer_, trainer_.platform(), false));
        connect(&trainer_, &Trainer::learnerSwitched, course_,
                [this] { course_->setLearner(trainer_.learners.currentFiles()); });
        // One practice at a time: a lesson typed stops a run, a run started pauses the lesson.
        connect(&course_->course(), &CoursePractice::practiceStarted, this, [this] {
            RunController& run = trainer_.run;
            if (run.running() || run.countdownActive())
                run.stop();
        });
        connect(&trainer_, &Trainer::runStarting, &course_->course(), &CoursePractice::pause);
    }
    course_->show();
    course_->raise();
    course_->activateWindow();
}

void Form1::popUpFileMenu() {
    popupMenus_->wenjian()->popup(QCursor::pos());
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Every key pressed in the window reaches the key handler first, whichever control has the
    // focus; no key moves the focus or presses a button.
    if (event->type() == QEvent::KeyPress && (watched == filteredWindow_ || watched == this)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto vk = KeyEventMapper::map(key->key(), key->modifiers());
        trainer_.keyInput.keyDown(vk.code, vk.state);
        return true;
    }
    // The banner hides the highlight but, unlike the window surface, leaves the link labels.
    if (watched == label1_ && event->type() == QEvent::MouseMove) {
        menuBar_->hideHighlight();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::paintEvent(QPaintEvent* event) {
    if (backgroundImage_.valid())
        background_ = backgroundImage_.get();
    QPainter painter(this);
    background_.paint(painter, event->rect());
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    menuBar_->hideHighlight();
    web_->resetLinks();
    QWidget::mouseMoveEvent(event);
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        popUpFileMenu();
    QWidget::mouseReleaseEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        trainer_.unload();
        web_->closePopup();
        ConnectionCheck* connection = trainer_.platform().connection;
        if (connection && connection->isOnline())
            emit programEndRequested();
    }
    event->accept();
}
