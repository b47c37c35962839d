#include "history/KeyStats.h"

#include "keyboard/KeyTable.h"

#include <algorithm>
#include <array>

namespace {

// The key of every target code, found once: the key it lights, or else the key that types it
// with or without Shift.
const std::array<int, 127>& codeKeys() {
    static const std::array<int, 127> keys = [] {
        std::array<int, 127> k{};
        for (int code = 0; code < 127; ++code) {
            const KeyTable::Key* typing = KeyTable::typing(code).key;
            k[std::size_t(code)] = KeyTable::keyOfTarget(code);
            if (k[std::size_t(code)] == KeyTable::noKey && typing)
                k[std::size_t(code)] = typing->index;
        }
        return k;
    }();
    return keys;
}

} // namespace

KeyStats::KeyStats(const QList<RunRecord>& runs) {
    QMap<int, QList<std::pair<int, int>>> medians; // key: (median, hits) per run
    for (const RunRecord& run : runs) {
        for (const KeyFigures& f : run.keys) {
            const int index = keyOfCode(f.code);
            if (index == KeyTable::noKey)
                continue;
            Key& k = keys_[index];
            k.shown += f.shown;
            k.missed += f.misses();
            k.shiftSlips += f.shiftSlips;
            for (const auto& [vk, presses] : f.wrong)
                k.wrong[keyOfVirtualKey(vk)] += presses;
            if (f.medianMs >= 0 && f.hits > 0)
                medians[index].append({f.medianMs, f.hits});
        }
    }
    for (auto it = medians.begin(); it != medians.end(); ++it) {
        QList<std::pair<int, int>>& m = it.value();
        std::sort(m.begin(), m.end());
        int total = 0;
        for (const auto& p : m)
            total += p.second;
        int seen = 0;
        for (const auto& [ms, hits] : m) {
            seen += hits;
            if (2 * seen >= total) {
                keys_[it.key()].medianMs = ms;
                break;
            }
        }
    }
}

const KeyStats::Key& KeyStats::key(int keyIndex) const {
    static const Key none;
    const auto found = keys_.constFind(keyIndex);
    return found == keys_.constEnd() ? none : found.value();
}

double KeyStats::highestMissRate() const {
    double highest = 0;
    for (const Key& k : keys_)
        if (k.shown > 0)
            highest = std::max(highest, k.missRate());
    return highest;
}

QList<std::pair<int, int>> KeyStats::Key::mostWrong() const {
    QList<std::pair<int, int>> list;
    for (auto it = wrong.cbegin(); it != wrong.cend(); ++it)
        list.append({it.key(), it.value()});
    std::stable_sort(list.begin(), list.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    return list;
}

int KeyStats::keyOfCode(int code) {
    return code >= 0 && code < 127 ? codeKeys()[std::size_t(code)] : KeyTable::noKey;
}

int KeyStats::keyOfVirtualKey(int vk) {
    // The right-hand modifiers report the codes of the left ones, which come first.
    for (const KeyTable::Key& key : KeyTable::keys())
        if (key.vk == vk)
            return key.index;
    return KeyTable::noKey;
}

QString KeyStats::keyName(int keyIndex) {
    switch (keyIndex) {
    case KeyTable::noKey:
        return QStringLiteral("其他键");
    case 0:
        return QStringLiteral("Tab");
    case 8:
        return QStringLiteral("Backspace");
    case 13:
        return QStringLiteral("Enter");
    case 16:
    case 26:
        return QStringLiteral("Shift");
    case 17:
    case 27:
        return QStringLiteral("Ctrl");
    case 18:
    case 28:
        return QStringLiteral("Alt");
    case 20:
        return QStringLiteral("Caps Lock");
    case 32:
        return QStringLiteral("空格");
    case 91:
    case 92:
        return QStringLiteral("Win");
    case 93:
        return QStringLiteral("菜单键");
    default:
        break;
    }
    if (const KeyTable::Key* key = KeyTable::keyAt(keyIndex); key && key->plain.code != 0)
        return QString(QChar(KeyTable::characterOnCap(*key)));
    return QStringLiteral("键码 %1").arg(keyIndex);
}
