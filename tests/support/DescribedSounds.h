#pragma once

#include <QString>
#include <QStringList>

// The sound files as the trainer's description names them, written out here rather than taken
// from the program's tables: the sound pack is generated from those tables, so only a list kept
// apart can tell when a name in them has drifted.
namespace DescribedSounds {

struct NamedStem {
    int code;
    const char* stem;
};

// The spoken-name stems of the target codes that have a name of their own.
inline constexpr NamedStem namedStems[] = {
    {8, "退格"},       {13, "回车"},    {16, "左Shift"},  {17, "左Ctrl"},    {18, "左Alt"},
    {20, "Caps Lock"}, {26, "右Shift"}, {27, "右Ctrl"},   {28, "右Alt"},     {32, "空格"},
    {33, "感叹号"},    {34, "双引号"},  {35, "井号"},     {36, "美元"},      {37, "百分号"},
    {38, "and"},       {39, "撇号"},    {40, "左小括号"}, {41, "右小括号"},  {42, "星号"},
    {43, "加号"},      {44, "逗号"},    {45, "减号"},     {46, "句号"},      {47, "斜线"},
    {58, "冒号"},      {59, "分号"},    {60, "小于号"},   {61, "等于号"},    {62, "大于号"},
    {63, "问号"},      {64, "at"},      {91, "左中括号"}, {92, "反斜线"},    {93, "右中括号"},
    {94, "乘方"},      {95, "下划线"},  {96, "捺点"},     {123, "左大括号"}, {124, "竖线"},
    {125, "右大括号"}, {126, "波浪线"},
};

// The stem of any target code 0..126: its own name; otherwise from 33 on the character itself,
// a capital letter taking its small one; below 33 none.
inline QString stem(int code) {
    for (const NamedStem& named : namedStems)
        if (named.code == code)
            return QString::fromUtf8(named.stem);
    if (code < 33)
        return QString();
    return QChar(code >= 'A' && code <= 'Z' ? code + 32 : code);
}

// The per-key mnemonic files of each edition folder, zone by zone.
inline const QStringList mnemonicCodes =
    QStringLiteral("11G 12F 13D 14S 15A 21H 22J 23K 24L 25M 31T 32R 33E 34W 35Q 41Y 42U 43I 44O "
                   "45P 51N 52B 53V "
                   "54C 55X")
        .split(u' ');

} // namespace DescribedSounds
