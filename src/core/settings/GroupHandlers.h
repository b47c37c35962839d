#pragma once

#include <functional>

// The click handlers of the four option groups, owned by their own features (display style,
// key-sound mode, level, total). Settings code applies an index through them so that a stored
// or default choice has the same effects as choosing it in the menu. An empty handler is
// skipped.
struct GroupHandlers {
    std::function<void(int)> fengge1;
    std::function<void(int)> shengyin1;
    std::function<void(int)> jibie;
    std::function<void(int)> zongshu;
};
