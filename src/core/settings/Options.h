#pragma once

#include <QObject>
#include <QStringList>

// The user's choices, as the options menu offers them and the settings file keeps them. The
// menus show this state and the features read it; each value signals only when it changes.
// Every setter ignores a value outside its range, so each radio group always has exactly one
// choice.
class Options : public QObject {
    Q_OBJECT
public:
    // Display styles `fengge1`: 0..3 show the keyboard, 5..11 let the characters fall; 4 is the
    // menu's separator.
    static constexpr int styleCount = 12;
    static constexpr int styleSeparator = 4;
    static constexpr int fallingAllCharacters = 11; // the style that checks the Shift state
    // Key-sound modes `shengyin1`: 0 none, 1 spoken key names, 2..8 the keystroke effects.
    static constexpr int soundModeCount = 9;
    static constexpr int silentMode = 0;
    static constexpr int spokenMode = 1;
    // Levels 1..20 (`jibie` items 0..19) and totals `zongshu` 0..11, 11 the custom one.
    static constexpr int levelCount = 20;
    static constexpr int totalCount = 12;
    static constexpr int customTotal = 11;
    static constexpr int designLevel = 3;

    explicit Options(QObject* parent = nullptr);

    // The captions of the choices, as the menu items show them: the style captions make the
    // title banner, the key-sound captions name the sound files. The separator's entry is "-".
    static const QStringList& styleCaptions();
    static const QStringList& soundCaptions();
    static const QStringList& totalCaptions();

    // The number a total item other than the custom one stands for (10..100, 200).
    static double itemTotal(int zongshu);

    int fengge() const { return fengge_; }
    bool keyboardStyle() const { return fengge_ < styleSeparator; }
    int shengyin() const { return shengyin_; }
    int level() const { return level_; }
    // False until a level is first chosen: the panel then still shows its design text.
    bool levelChosen() const { return levelChosen_; }
    int zongshu() const { return zongshu_; }
    double total() const { return total_; }
    // Whether the custom total came in as an entry (the user's, or the restore's 99) rather than
    // as the fallback for an entry out of range.
    bool totalEntered() const { return totalEntered_; }
    bool zhifa() const { return zhifa_; }
    bool cuowushengyin() const { return cuowushengyin_; }
    bool beijingyinyue() const { return beijingyinyue_; }
    int banci() const { return banci_; } // the Wubi edition, 86 or 98
    bool yicuojian() const { return yicuojian_; }
    // The Wubi recitation plays: the music item is then checked but cannot be chosen.
    bool reciting() const { return reciting_; }

    void setFengge(int style);
    void setShengyin(int mode);
    void setLevel(int level);
    // An item other than the custom one takes its own number; the custom item takes `total`.
    void setTotal(int zongshu, double total = 0, bool entered = false);
    void setZhifa(bool on);
    void setCuowushengyin(bool on);
    void setBeijingyinyue(bool on);
    void setBanci(int edition);
    void setYicuojian(bool on);
    void setReciting(bool on);

signals:
    void fenggeChanged(int style);
    void shengyinChanged(int mode);
    void levelChanged(int level);
    void totalChanged(double total);
    void zhifaChanged(bool on);
    void cuowushengyinChanged(bool on);
    void beijingyinyueChanged(bool on);
    void banciChanged(int edition);
    void yicuojianChanged(bool on);
    void recitingChanged(bool on);

private:
    int fengge_ = 0;
    int shengyin_ = spokenMode;
    int level_ = designLevel;
    bool levelChosen_ = false;
    int zongshu_ = 4;
    double total_ = 50;
    bool totalEntered_ = false;
    bool zhifa_ = true;
    bool cuowushengyin_ = true;
    bool beijingyinyue_ = false;
    int banci_ = 98;
    bool yicuojian_ = false;
    bool reciting_ = false;
};
