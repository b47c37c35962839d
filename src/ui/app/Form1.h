#pragma once

#include "app/BackgroundPicture.h"
#include "app/Trainer.h"
#include "platform/Platform.h"

#include <QPointer>
#include <QWidget>

#include <future>

class QWindow;

class MenuBarPanel;
class PopupMenus;
class PracticeArea;
class StatisticsPanel;
class FingerPanel;
class WebPeriphery;
class QLabel;
class HistoryWindow;
class CourseWindow;

// The main window. It composes the panels, each of which owns its controls, and wires them to
// the trainer; it handles only what belongs to the window itself: the load and unload steps,
// keys pressed anywhere in it, and the mouse over its own surface.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(const Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    Trainer& trainer() { return trainer_; }
    MenuBarPanel& menuBar() const { return *menuBar_; }
    PopupMenus& popupMenus() const { return *popupMenus_; }
    StatisticsPanel& statisticsPanel() const { return *statistics_; }
    PracticeArea& practiceArea() const { return *practiceArea_; }
    FingerPanel& fingerPanel() const { return *fingers_; }
    WebPeriphery& web() const { return *web_; }
    QLabel* titleBanner() const { return label1_; }

    // Opens the file menu at the pointer, as a right click or Alt+A does.
    void popUpFileMenu();
    // Shows the history window "练习记录", made the first time; nullptr until then.
    void showHistory();
    HistoryWindow* historyWindow() const;
    // Shows the course window "课程练习", made the first time; nullptr until then.
    void showCourse();
    CourseWindow* courseWindow() const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

signals:
    // The unload step found the computer online: the whole program ends at once.
    void programEndRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void buildTitleBanner();
    void wirePanels();

    Trainer trainer_;
    // The background picture is decoded on another thread while the panels are built.
    std::future<BackgroundPicture> backgroundImage_;
    BackgroundPicture background_;
    QPointer<QWindow> filteredWindow_; // the native window whose keys are filtered
    PopupMenus* popupMenus_ = nullptr;
    MenuBarPanel* menuBar_ = nullptr;
    QLabel* label1_ = nullptr;
    StatisticsPanel* statistics_ = nullptr;
    PracticeArea* practiceArea_ = nullptr;
    FingerPanel* fingers_ = nullptr;
    WebPeriphery* web_ = nullptr;
    QPointer<HistoryWindow> history_;
    QPointer<CourseWindow> course_;
    bool unloaded_ = false;
};
